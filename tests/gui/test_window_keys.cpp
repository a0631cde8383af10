// The keyboard: Tab goes through every control of the window once, in reading order, out
// of the tables too; the large preview closes with Esc and zooms with + - 0 on the page shown.
#include <QAbstractButton>
#include <QGroupBox>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QtTest>
#include <set>

#include "gui/assembly_page.h"
#include "gui/assembly_view.h"
#include "gui/drawing_canvas.h"
#include "gui/fakes.h"
#include "gui/main_window.h"
#include "gui/preview_widget.h"
#include "gui/preview_window.h"
#include "gui/window_steps.h"

using namespace tessaro;
using namespace tessaro::gui;

namespace {

// What Tab should reach on the tab shown: every visible, enabled control that takes the
// focus from the keyboard.
std::set<QWidget*> reachableControls(const MainWindow& form) {
    std::set<QWidget*> controls;
    for (QWidget* widget : form.findChildren<QWidget*>()) {
        if (widget->isVisible() && widget->isEnabled() && (widget->focusPolicy() & Qt::TabFocus) == Qt::TabFocus &&
            widget->focusProxy() == nullptr && widget->window() == &form) {
            controls.insert(widget);
        }
    }
    return controls;
}

// The controls Tab visits from the first, each once, until it comes round to it again.
std::vector<QWidget*> tabRound(QWidget* first) {
    first->setFocus(Qt::TabFocusReason);
    std::vector<QWidget*> visited{first};
    for (int presses = 0; presses < 1000; ++presses) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* now = QApplication::focusWidget();
        if (now == first) {
            return visited;
        }
        if (now != visited.back()) {
            visited.push_back(now);
        }
    }
    return {};
}

// Where a control stands on the page that holds it (or the form), for the reading order.
QPoint placeOn(const QWidget* control, const QWidget* area) { return control->mapTo(area, QPoint(0, 0)); }

}  // namespace

class WindowKeysTest : public QObject {
    Q_OBJECT

    testing::FakeWindowPorts fakes;

private slots:
    // On every template tab Tab visits each enabled control once: the left column top to
    // bottom, the tabs' bar, then the page in reading order (down the page, left to right
    // along a row); the tables are passed through, value by value, and left.
    void tabVisitsEveryControlOnceInReadingOrder() {
        MainWindow form(fakes.ports());
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        auto* tabs = form.findChild<QTabWidget*>("tabs");
        auto* english = form.findChild<QPushButton*>("englishButton");
        for (const char* tab : {"foldingBoxTab", "simpleBoxTab", "tabSlotTab", "spiralTab", "bobbinTab"}) {
            QWidget* page = form.findChild<QWidget*>(tab);
            tabs->setCurrentWidget(page);
            const std::vector<QWidget*> round = tabRound(english);
            QVERIFY2(!round.empty(), tab);
            const std::set<QWidget*> once(round.begin(), round.end());
            QCOMPARE(once.size(), round.size());
            std::set<QWidget*> expected = reachableControls(form);
            // Of a group of radio buttons Tab reaches the checked one; the arrows move between them.
            for (QWidget* control : round) {
                if (auto* radio = qobject_cast<QAbstractButton*>(control); radio && radio->autoExclusive()) {
                    for (QAbstractButton* sibling : radio->parentWidget()->findChildren<QAbstractButton*>()) {
                        if (sibling->autoExclusive()) {
                            expected.erase(sibling);
                        }
                    }
                    expected.insert(radio);
                }
            }
            for (QWidget* missed : expected) {
                QVERIFY2(once.count(missed), qPrintable(QString(tab) + ": " + missed->objectName()));
            }
            QCOMPARE(once.size(), expected.size());

            const auto bar = std::find(round.begin(), round.end(), tabs->tabBar());
            QVERIFY(bar != round.end());
            for (auto control = round.begin(); control != bar; ++control) {
                QVERIFY2(!page->isAncestorOf(*control), qPrintable((*control)->objectName()));
            }
            // Down the page, or on along a row: never back up past the row before.
            for (auto control = bar + 2; control < round.end(); ++control) {
                const QPoint before = placeOn(*(control - 1), page);
                const QPoint now = placeOn(*control, page);
                const bool sameRow = now.y() < before.y() + (*(control - 1))->height() && now.x() > before.x();
                QVERIFY2(now.y() >= before.y() || sameRow, qPrintable(QString(tab) + ": " + (*control)->objectName() +
                                                                      " after " + (*(control - 1))->objectName()));
            }
        }
    }

    // A table entered by Tab starts at its first value and is left after its last one.
    void tabPassesThroughATableValueByValue() {
        MainWindow form(fakes.ports());
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        auto* table = form.findChild<QTableView*>("boxTable");
        form.findChild<QPushButton*>("russianButton")->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), table);
        int values = 0;
        for (int row = 0; row < table->model()->rowCount(); ++row) {
            values += (table->model()->flags(table->model()->index(row, 1)) & Qt::ItemIsEditable) ? 1 : 0;
        }
        std::set<int> rows;
        while (QApplication::focusWidget() == table && rows.size() < 100) {
            rows.insert(table->currentIndex().row());
            QCOMPARE(table->currentIndex().column(), 1);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(static_cast<int>(rows.size()), values);
        QVERIFY(QApplication::focusWidget() != table);
    }

    // In the large preview + and - zoom by a wheel's notch, 0 fits the drawing again, and
    // Esc closes the window, from the 3D page too: that page opens blank where there is no
    // OpenGL, as on the offscreen platform, and the keys leave the drawing alone there.
    void largePreviewKeys() {
        MainWindow form(fakes.ports());
        form.show();
        auto* preview = form.findChild<PreviewWidget*>("Preview");
        preview->openLargeWindow();
        PreviewWindow* large = preview->largeWindow();
        QVERIFY(QTest::qWaitForWindowActive(large));
        // The first drawing comes from the worker; the large window shows it fitted.
        QVERIFY(testing::settled(form));
        QVERIFY(large->canvas()->drawing().outlineCount() > 0);
        DrawingCanvas* canvas = large->canvas();
        const double fitted = canvas->view().scale();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Plus);
        QVERIFY(canvas->view().scale() > fitted * 1.1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Minus);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Minus);
        QVERIFY(canvas->view().scale() < fitted * 0.9);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_0);
        QCOMPARE(canvas->view().scale(), fitted);
        large->showAssemblyPage();
        QVERIFY(large->assemblyPage()->isVisible());
        QCOMPARE(large->assemblyPage()->view() != nullptr, openGlAvailable());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Plus);
        QCOMPARE(canvas->view().scale(), fitted);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!large->isVisible());
        QVERIFY(form.isVisible());
    }
};

QTEST_MAIN(WindowKeysTest)
#include "test_window_keys.moc"
