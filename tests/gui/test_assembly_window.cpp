// The large preview's 3D page in the window: the box of the current box tab, rebuilt
// after every edit on a copy of the tables. Under Xvfb, like the view's own test.
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QtTest>

#include "app/assembly_preview.h"
#include "gui/assembly_page.h"
#include "gui/assembly_view.h"
#include "gui/fakes.h"
#include "gui/live_assembly.h"
#include "gui/live_preview.h"
#include "gui/main_window.h"
#include "gui/preview_widget.h"
#include "gui/preview_window.h"

using namespace tessaro;
using namespace tessaro::gui;

namespace {

// The box a whole set's command assembles into with the window's tables as they are.
AssemblyScene expected(MainWindow& form, const char* command) {
    PreviewBench bench(form.workbench());
    return *assemblePreview(bench, *findCommand(command)).scene;
}

bool sameBox(const AssemblyScene& a, const AssemblyScene& b) {
    if (a.panels.size() != b.panels.size() || a.bounds.low != b.bounds.low || a.bounds.high != b.bounds.high) {
        return false;
    }
    for (std::size_t i = 0; i < a.panels.size(); ++i) {
        if (a.panels[i].panel != b.panels[i].panel || a.panels[i].shell.size() != b.panels[i].shell.size()) {
            return false;
        }
    }
    return true;
}

void edit(MainWindow& form, int row, const QString& text) {
    auto* view = form.findChild<QTableView*>("boxTable");
    view->model()->setData(view->model()->index(row, 1), text);
}

void showTab(MainWindow& form, const char* tab) {
    form.findChild<QTabWidget*>("tabs")->setCurrentWidget(form.findChild<QWidget*>(tab));
}

// Waits until the window has rebuilt what the last change asks for.
bool settled(MainWindow& form) {
    const auto* live = form.findChild<LiveAssembly*>();
    const auto* preview = form.findChild<LivePreview*>();
    return QTest::qWaitFor([live, preview] { return !live->busy() && !preview->busy(); }, 20000);
}

}  // namespace

class AssemblyWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::FakeWindowPorts> fakes;
    std::unique_ptr<MainWindow> form;
    PreviewWindow* large = nullptr;
    AssemblyPage* page = nullptr;

    // Opens the large preview over the window, on its 3D page.
    void openThreeDimensionalPage() {
        auto* preview = form->findChild<PreviewWidget*>("Preview");
        preview->openLargeWindow();
        large = preview->largeWindow();
        large->showAssemblyPage();
        QVERIFY(QTest::qWaitForWindowExposed(large));
        page = large->assemblyPage();
        QVERIFY(page->isVisible());
        QVERIFY(settled(*form));
    }

private slots:
    void init() {
        fakes = std::make_unique<testing::FakeWindowPorts>();
        form = std::make_unique<MainWindow>(fakes->ports());
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }

    void cleanup() { form.reset(); }

    // The folding box's whole set, then the simple box's on its tab; the other tabs say
    // that the view shows the boxes, and coming back shows the box again.
    void showsTheBoxOfTheCurrentBoxTab() {
        openThreeDimensionalPage();
        QVERIFY(page->scene() && sameBox(*page->scene(), expected(*form, "full")));
        QCOMPARE(page->view()->scene(), page->scene());
        QCOMPARE(page->caption(), QString("%1 × %2 × %3 мм")
                                      .arg(page->scene()->bounds.high.x - page->scene()->bounds.low.x, 0, 'f', 2)
                                      .arg(page->scene()->bounds.high.y - page->scene()->bounds.low.y, 0, 'f', 2)
                                      .arg(page->scene()->bounds.high.z - page->scene()->bounds.low.z, 0, 'f', 2));

        showTab(*form, "simpleBoxTab");
        QVERIFY(settled(*form));
        QVERIFY(sameBox(*page->scene(), expected(*form, "simple-full")));
        QVERIFY(!sameBox(*page->scene(), expected(*form, "full")));

        showTab(*form, "spiralTab");
        QVERIFY(settled(*form));
        QVERIFY(page->showsNoBox());
        QVERIFY(!page->view()->isVisible());
        QCOMPARE(
            page->findChild<QLabel*>("AssemblyNote")->text(),
            QString("Трёхмерный вид показывает корпуса: откройте вкладку «Разборный корпус» или «Простой корпус»."));

        showTab(*form, "foldingBoxTab");
        QVERIFY(settled(*form));
        QVERIFY(!page->showsNoBox() && page->view()->isVisible());
        QVERIFY(sameBox(*page->scene(), expected(*form, "full")));
        QVERIFY(fakes->messages.errors.empty());
    }

    // A row added on the "Cut-outs" tab is cut in the box's panel: the box is rebuilt with it.
    void followsTheListOfCutouts() {
        openThreeDimensionalPage();
        const AssemblyScene before = *page->scene();
        QTest::mouseClick(form->findChild<QPushButton*>("addCutoutButton"), Qt::LeftButton);
        QCOMPARE(form->workbench().cutouts.size(), std::size_t{1});
        QVERIFY(settled(*form));
        QVERIFY(!sameBox(*page->scene(), before));
        QVERIFY(sameBox(*page->scene(), expected(*form, "full")));
    }

    // Every edit rebuilds the box; a cell that is not a number keeps the last box and
    // names its row, and mending it brings the box up to date.
    void followsEditsAndKeepsTheLastBoxOverABadCell() {
        openThreeDimensionalPage();
        const double width = page->scene()->bounds.high.x - page->scene()->bounds.low.x;
        edit(*form, 2, "300");
        QVERIFY(settled(*form));
        QCOMPARE(page->scene()->bounds.high.x - page->scene()->bounds.low.x, width + 100);
        QVERIFY(sameBox(*page->scene(), expected(*form, "full")));

        const AssemblyScene* good = page->scene();
        edit(*form, 3, "высота");
        QVERIFY(settled(*form));
        QCOMPARE(page->scene(), good);
        QCOMPARE(page->view()->scene(), good);
        QCOMPARE(page->caption(), QString("Строка «Высота между дном и крышкой»: «высота» — не число."));

        edit(*form, 3, "150");
        QVERIFY(settled(*form));
        QVERIFY(page->scene() != good);
        QVERIFY(sameBox(*page->scene(), expected(*form, "full")));
        QVERIFY(page->caption().endsWith(" мм"));
    }

    // Out of sight the page costs nothing: edits wait until it is shown again.
    void buildsOnlyWhileThePageIsInSight() {
        openThreeDimensionalPage();
        const AssemblyScene* before = page->scene();
        auto* pages = large->findChild<QTabWidget*>("PreviewPages");
        pages->setCurrentIndex(0);
        edit(*form, 4, "170");
        QVERIFY(settled(*form));
        QCOMPARE(page->scene(), before);

        large->showAssemblyPage();
        QVERIFY(settled(*form));
        QVERIFY(sameBox(*page->scene(), expected(*form, "full")));
        QVERIFY(page->scene() != before);

        large->close();
        edit(*form, 4, "180");
        QVERIFY(settled(*form));
        QVERIFY(!sameBox(*page->scene(), expected(*form, "full")));
        form->findChild<PreviewWidget*>("Preview")->openLargeWindow();
        QVERIFY(settled(*form));
        QVERIFY(sameBox(*page->scene(), expected(*form, "full")));
    }

    // The box is a native window of its own: with the focus in it, the large window's
    // keys still zoom it, show it whole, and close the window.
    void theWindowsKeysReachTheBoxWithTheFocus() {
        openThreeDimensionalPage();
        AssemblyView* view = page->view();
        view->requestActivate();
        QTRY_COMPARE(QGuiApplication::focusWindow(), view);
        view->setTurn({10, 10});
        QTest::keyClick(view, Qt::Key_Plus);
        QVERIFY(view->zoom() > 1.1);
        QTest::keyClick(view, Qt::Key_Minus);
        QTest::keyClick(view, Qt::Key_Minus);
        QVERIFY(view->zoom() < 0.9);
        QTest::keyClick(view, Qt::Key_0);
        QCOMPARE(view->zoom(), 1.0);
        QCOMPARE(view->turn(), AssemblyView::kFirstTurn);
        QTest::keyClick(view, Qt::Key_Escape);
        QVERIFY(!large->isVisible());
        QVERIFY(form->isVisible());
    }

    void speaksTheWindowsLanguage() {
        openThreeDimensionalPage();
        auto* pages = large->findChild<QTabWidget*>("PreviewPages");
        QCOMPARE(pages->tabText(pages->indexOf(page)), QString("Сборка 3D"));
        QTest::mouseClick(form->findChild<QPushButton*>("englishButton"), Qt::LeftButton);
        QCOMPARE(pages->tabText(pages->indexOf(page)), QString("Assembly 3D"));
        QCOMPARE(pages->tabText(0), QString("Drawing"));
        QVERIFY(page->caption().endsWith(" mm"));
        showTab(*form, "tabSlotTab");
        QVERIFY(settled(*form));
        QCOMPARE(page->caption(),
                 QString("The 3D view shows the boxes: open the \"Folding box\" or the \"Simple box\" tab."));
    }
};

QTEST_MAIN(AssemblyWindowTest)
#include "test_assembly_window.moc"
