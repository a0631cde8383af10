// The menu bar: each entry does what its button or gesture does, the save entries follow
// the file registry, the words follow the window's language, and an undone value on a
// hidden tab brings its tab and cell into sight.
#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include "app/commands.h"
#include "app/saving.h"
#include "gui/drawing_canvas.h"
#include "gui/fakes.h"
#include "gui/main_window.h"
#include "gui/preview_widget.h"
#include "gui/preview_window.h"
#include "gui/window_steps.h"
#include "model/about.h"

using namespace tessaro;
using namespace tessaro::gui;

namespace {

using testing::contentsOf;
using testing::text;

QAction* action(const MainWindow& form, const char* name) {
    auto* found = form.findChild<QAction*>(name);
    if (found == nullptr) {
        qFatal("no action %s", name);
    }
    return found;
}

// Every word the menu bar shows: the menus' titles and their entries.
QStringList menuTexts(const MainWindow& form) {
    QStringList texts;
    for (const QAction* menu : form.menuBar()->actions()) {
        texts << menu->text();
        for (const QAction* entry : menu->menu()->actions()) {
            if (!entry->isSeparator()) {
                texts << entry->text();
            }
        }
    }
    return texts;
}

void typeInto(QTableView* view, int row, const QString& value) {
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(view->model()->index(row, 1)).center());
    for (const QChar c : value) {  // each key to where the focus is then: the cell's editor after the first
        QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCoreApplication::processEvents();  // the editor hands its text over in a queued call
}

}  // namespace

class WindowMenusTest : public QObject {
    Q_OBJECT

    testing::FakeWindowPorts fakes;
    QTemporaryDir dir;

    // Saves through a button or a menu entry with the dialog answering the path, and
    // gives what was offered and the bytes written.
    std::pair<std::vector<std::string>, QByteArray> saved(const std::function<void()>& trigger, const QString& name,
                                                          FileType type) {
        fakes.dialog = {};
        const QString path = dir.filePath(name);
        fakes.dialog.answer = SaveChoice{path.toStdString(), type};
        trigger();
        return {fakes.dialog.offered, contentsOf(path)};
    }

private slots:
    void init() {
        fakes.dialog = {};
        fakes.messages = {};
    }

    // "Save as …" is offered for every flat type of the registry and saves the template the
    // preview shows, as its button does, with that type offered first.
    void saveAsEntriesFollowTheRegistry() {
        MainWindow form(fakes.ports());
        QPushButton* front = form.findChild<QPushButton*>("foldingFrontButton");
        QTest::mouseClick(front, Qt::LeftButton);  // the preview follows the front panel from now on
        int entries = 0;
        for (const FileFormat& format : fileFormats()) {
            QString name = "saveAs" + text(format.name) + "Action";
            name[6] = name[6].toUpper();
            auto* entry = form.findChild<QAction*>(name);
            if (!format.flat()) {
                QVERIFY2(!entry, qPrintable(name));  // the assembled box is no flat template
                continue;
            }
            ++entries;
            QVERIFY2(entry && entry->text().contains(text(format.caption)), qPrintable(name));
            const QString file = "menu." + text(format.extension);
            const auto byMenu = saved([entry] { entry->trigger(); }, file, format.type);
            QCOMPARE(fakes.dialog.preset, std::optional(format.type));
            const auto byButton = saved([front] { QTest::mouseClick(front, Qt::LeftButton); }, file, format.type);
            QCOMPARE(byMenu.first, byButton.first);
            QVERIFY(!byMenu.second.isEmpty());
            QVERIFY2(byMenu.second == byButton.second, qPrintable(name));
        }
        QCOMPARE(entries, 5);  // EPS, DXF R12, SVG, DXF 2000 and PDF
        QVERIFY(fakes.messages.errors.empty());
    }

    // "Save the set" is the tab's whole-set button, whichever template the preview follows.
    void saveSetIsTheSetButton() {
        MainWindow form(fakes.ports());
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QTest::mouseClick(form.findChild<QPushButton*>("foldingFrontButton"), Qt::LeftButton);
        const TemplateCommand& set = *findCommand(tabRule(TemplateTab::FoldingBox).wholeTemplate);
        auto* setButton = form.findChild<QPushButton*>(text(set.buttons.front().objectName));
        const auto byMenu = saved([&] { action(form, "saveSetAction")->trigger(); }, "set.dxf", FileType::Dxf);
        const auto byButton =
            saved([setButton] { QTest::mouseClick(setButton, Qt::LeftButton); }, "set.dxf", FileType::Dxf);
        QCOMPARE(byMenu.first, std::vector<std::string>{set.proposedName(form.workbench())});
        QCOMPARE(byMenu.first, byButton.first);
        QVERIFY(!byMenu.second.isEmpty() && byMenu.second == byButton.second);

        // Ctrl+S saves the same as the first entry, in the type the dialog offers first.
        const auto bySaveKey = saved([&] { QTest::keySequence(&form, QKeySequence::Save); }, "set.dxf", FileType::Dxf);
        QCOMPARE(bySaveKey.first, byMenu.first);
        QCOMPARE(fakes.dialog.preset, std::nullopt);
    }

    // View opens the large preview as a double click on the small one does.
    void viewOpensTheLargePreview() {
        MainWindow form(fakes.ports());
        form.show();
        QVERIFY(testing::settled(form));
        auto* preview = form.findChild<PreviewWidget*>("Preview");
        QVERIFY(preview->drawing().outlineCount() > 0);
        QVERIFY(!preview->largeWindow());
        action(form, "largeViewAction")->trigger();
        QVERIFY(preview->largeWindow() && preview->largeWindow()->isVisible());
        QCOMPARE(preview->largeWindow()->canvas()->drawing().outlineCount(), preview->drawing().outlineCount());
    }

    // Help: the keys, and the program's title, version and licence.
    void helpTellsTheKeysAndTheLicence() {
        MainWindow form(fakes.ports());
        action(form, "keysAction")->trigger();
        action(form, "aboutAction")->trigger();
        QCOMPARE(fakes.messages.shown.size(), std::size_t{2});
        for (const char* key : {"Ctrl+Z", "Ctrl+Y", "Esc", "Tab"}) {
            QVERIFY2(QString::fromStdString(fakes.messages.shown[0]).contains(key), key);
        }
        const QString about = QString::fromStdString(fakes.messages.shown[1]);
        QVERIFY(about.contains(text(kProgramTitle)));
        QVERIFY(about.contains(text(kVersion)));
        QVERIFY(about.contains("GPL-3.0-or-later"));
    }

    // The menus speak Russian until the English switch, then English only.
    void menusFollowTheLanguage() {
        MainWindow form(fakes.ports());
        const QRegularExpression cyrillic("[А-Яа-яЁё]");
        const QRegularExpression latinWord("\\b[A-Za-z]{4,}\\b");
        for (const QString& shown : menuTexts(form)) {
            QVERIFY2(shown.contains(cyrillic), qPrintable(shown));
        }
        QTest::mouseClick(form.findChild<QPushButton*>("englishButton"), Qt::LeftButton);
        for (const QString& shown : menuTexts(form)) {
            QVERIFY2(!shown.contains(cyrillic) && shown.contains(latinWord), qPrintable(shown));
        }
        fakes.messages = {};
        action(form, "keysAction")->trigger();
        QVERIFY(!QString::fromStdString(fakes.messages.shown.at(0)).contains(cyrillic));
    }

    // Undo and redo of a value on a tab not shown bring the tab up with the cell selected;
    // Ctrl+Y redoes as Ctrl+Shift+Z does, and the Edit entries are the same actions.
    void undoOnAHiddenTabShowsIt() {
        MainWindow form(fakes.ports());
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        auto* tabs = form.findChild<QTabWidget*>("tabs");
        auto* spiralTab = form.findChild<QWidget*>("spiralTab");
        auto* spiral = form.findChild<QTableView*>("spiralTable");
        tabs->setCurrentWidget(spiralTab);
        const QString before = spiral->model()->index(3, 1).data().toString();
        typeInto(spiral, 3, "42");
        QCOMPARE(spiral->model()->index(3, 1).data().toString(), QString("42"));

        tabs->setCurrentWidget(form.findChild<QWidget*>("bobbinTab"));
        form.findChild<QPushButton*>("englishButton")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(spiral->model()->index(3, 1).data().toString(), before);
        QCOMPARE(tabs->currentWidget(), spiralTab);
        QCOMPARE(spiral->currentIndex(), spiral->model()->index(3, 1));
        QVERIFY(spiral->selectionModel()->isSelected(spiral->currentIndex()));

        tabs->setCurrentWidget(form.findChild<QWidget*>("foldingBoxTab"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(spiral->model()->index(3, 1).data().toString(), QString("42"));
        QCOMPARE(tabs->currentWidget(), spiralTab);

        QMenu* edit = form.findChild<QMenu*>("editMenu");
        QVERIFY(edit->actions().contains(action(form, "undoAction")));
        QVERIFY(edit->actions().contains(action(form, "redoAction")));
        action(form, "undoAction")->trigger();
        QCOMPARE(spiral->model()->index(3, 1).data().toString(), before);
    }
};

QTEST_MAIN(WindowMenusTest)
#include "test_window_menus.moc"
