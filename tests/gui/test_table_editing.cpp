// Typing into the tables: the value lands in the cell the user chose, and a value still
// in its editor is in the table before anything reads or saves the tables.
#include <QFile>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QtTest>

#include "app/table_files.h"
#include "gui/fakes.h"
#include "gui/main_window.h"
#include "model/default_tables.h"

using namespace tessaro;
using namespace tessaro::gui;

namespace {

struct Grid {
    const char* name;
    const char* tab;
};

const Grid kGrids[] = {{"boxTable", "foldingBoxTab"},
                       {"screwTable", "simpleBoxTab"},
                       {"tabSlotTable", "tabSlotTab"},
                       {"spiralTable", "spiralTab"},
                       {"bobbinTable", "bobbinTab"}};

// Keys go where the user's keys go: to the widget that has the focus at that moment.
void typeFast(const QString& text) {
    for (const QChar c : text) {
        QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
    }
}

QStringList cellsOf(const QAbstractItemModel& model) {
    QStringList cells;
    for (int row = 0; row < model.rowCount(); ++row) {
        for (int column = 0; column < model.columnCount(); ++column) {
            cells << model.index(row, column).data().toString();
        }
    }
    return cells;
}

void clickCell(QTableView* view, const QModelIndex& index) {
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
}

// Shows the table's tab and opens an editor on a value cell by typing into it.
QTableView* startTyping(MainWindow& form, const Grid& tableView, int row, const QString& text) {
    form.findChild<QTabWidget*>("tabs")->setCurrentWidget(form.findChild<QWidget*>(tableView.tab));
    auto* view = form.findChild<QTableView*>(tableView.name);
    clickCell(view, view->model()->index(row, 1));
    typeFast(text);
    return view;
}

}  // namespace

class TableEditingTest : public QObject {
    Q_OBJECT

    testing::FakeWindowPorts fakes;

private slots:
    void init() {
        fakes.dialog = {};
        fakes.messages = {};
    }

    // A click on a selected cell and typing at once must not let the view search for a
    // row starting with the typed digit: the first value row's first character is
    // typed into the last row of every table.
    void fastTypingLandsInTheChosenCell() {
        MainWindow form(fakes.ports());
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        for (const Grid& tableView : kGrids) {
            form.findChild<QTabWidget*>("tabs")->setCurrentWidget(form.findChild<QWidget*>(tableView.tab));
            auto* view = form.findChild<QTableView*>(tableView.name);
            QAbstractItemModel& model = *view->model();
            const QModelIndex clicked = model.index(model.rowCount() - 1, 1);
            const QString typed = model.index(1, 1).data().toString().left(1) + "9";
            QVERIFY2(typed != clicked.data().toString(), tableView.name);

            // Selected with no editor open, as after an edit the user finished.
            clickCell(view, clicked);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            QCoreApplication::processEvents();
            QVERIFY2(view->selectionModel()->isSelected(clicked), tableView.name);
            QStringList expected = cellsOf(model);
            expected[clicked.row() * model.columnCount() + 1] = typed;

            clickCell(view, clicked);
            typeFast(typed);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QCoreApplication::processEvents();  // the delegate commits on Return through the event loop
            QCOMPARE(cellsOf(model), expected);
            QCOMPARE(view->currentIndex(), model.index(1, 1));  // Enter went on, from the last row round to the first

            // On the header's value cell, which cannot be edited, the digits go nowhere.
            const QModelIndex header = model.index(0, 1);
            clickCell(view, header);
            typeFast(typed);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QCoreApplication::processEvents();
            QCOMPARE(cellsOf(model), expected);
            QCOMPARE(view->currentIndex(), model.index(1, 1));
        }
    }

    // Enter keeps the value and goes to the next value row, round from the last to the first;
    // Tab and Shift+Tab go from value to value past the caption column, the editor open,
    // and leave the table after the last value and before the first.
    void enterAndTabGoFromValueToValue() {
        MainWindow form(fakes.ports());
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QTableView* view = startTyping(form, kGrids[0], 1, "4");
        const QAbstractItemModel& model = *view->model();
        const auto pressed = [](Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
            QTest::keyClick(QApplication::focusWidget(), key, modifiers);
            QCoreApplication::processEvents();
        };
        pressed(Qt::Key_Return);
        QCOMPARE(model.index(1, 1).data().toString(), QString("4"));
        QCOMPARE(view->currentIndex(), model.index(2, 1));
        QVERIFY(!view->indexWidget(model.index(2, 1)));  // ready for typing, no editor open
        pressed(Qt::Key_Enter);                          // no editor open: the same step
        QCOMPARE(view->currentIndex(), model.index(3, 1));

        typeFast("7");
        pressed(Qt::Key_Tab);
        QCOMPARE(model.index(3, 1).data().toString(), QString("7"));
        QCOMPARE(view->currentIndex(), model.index(4, 1));
        QVERIFY(view->indexWidget(model.index(4, 1)));
        typeFast("8");
        pressed(Qt::Key_Backtab);
        QCOMPARE(model.index(4, 1).data().toString(), QString("8"));
        QCOMPARE(view->currentIndex(), model.index(3, 1));

        const QModelIndex last = model.index(model.rowCount() - 1, 1);
        clickCell(view, last);
        pressed(Qt::Key_Return);
        QCOMPARE(view->currentIndex(), model.index(1, 1));
        clickCell(view, last);
        pressed(Qt::Key_Tab);
        QVERIFY(!view->hasFocus());
        QCOMPARE(view->currentIndex(), last);
        pressed(Qt::Key_Backtab);  // back in by Shift+Tab: at the last value
        QVERIFY(view->hasFocus());
        QCOMPARE(view->currentIndex(), last);
        typeFast("9");  // from an open editor too
        pressed(Qt::Key_Tab);
        QCOMPARE(last.data().toString(), QString("9"));
        QVERIFY(!view->hasFocus());
        clickCell(view, model.index(1, 1));
        pressed(Qt::Key_Backtab);
        QVERIFY(!view->hasFocus());
    }

    // One history for the five tables: Ctrl+Z undoes the edits from the last, wherever the
    // focus is, and Ctrl+Shift+Z does them again. The tables loaded at start are no edit.
    void undoAndRedoSpanTheFiveTables() {
        QFile file(QString::fromStdString((fakes.folders.workingFolder() / kMainTableFile).string()));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Header\tV\t\r\nThickness\t6\t\r\n");
        file.close();
        MainWindow form(fakes.ports());
        QVERIFY(file.remove());
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        const auto keys = [](QKeyCombination combination) {
            QTest::keyClick(QApplication::focusWidget(), combination.key(), combination.keyboardModifiers());
            QCoreApplication::processEvents();
        };
        keys(Qt::CTRL | Qt::Key_Z);
        QCOMPARE(form.workbench().boxTable.text(1), std::string("6"));

        std::vector<QStringList> before;
        for (const Grid& tableView : kGrids) {
            before.push_back(cellsOf(*form.findChild<QTableView*>(tableView.name)->model()));
            startTyping(form, tableView, 1, "77");
            keys(Qt::Key_Return);
        }
        form.findChild<QPushButton*>("englishButton")->setFocus();
        for (std::size_t i = std::size(kGrids); i-- > 0;) {
            const QAbstractItemModel& model = *form.findChild<QTableView*>(kGrids[i].name)->model();
            QCOMPARE(model.index(1, 1).data().toString(), QString("77"));
            keys(Qt::CTRL | Qt::Key_Z);
            QCOMPARE(cellsOf(model), before[i]);
        }
        keys(Qt::CTRL | Qt::Key_Z);  // nothing more to undo: the loaded value stays
        QCOMPARE(form.workbench().boxTable.text(1), std::string("6"));
        for (const Grid& tableView : kGrids) {
            keys(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
            QCOMPARE(form.findChild<QTableView*>(tableView.name)->model()->index(1, 1).data().toString(),
                     QString("77"));
        }
        QCOMPARE(form.workbench().spiralTable.text(1), std::string("77"));
    }

    // The value typed last is saved even when the window closes with its editor open.
    void closingSavesTheValueStillBeingEdited() {
        MainWindow form(fakes.ports());
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        startTyping(form, kGrids[0], 2, "250");
        form.close();
        QVERIFY(fakes.messages.errors.empty());
        ParamTable saved = defaultMainTable();
        loadTableFile(saved, fakes.folders.programFolder() / kMainTableFile);
        QCOMPARE(QString::fromStdString(saved.text(2)), QString("250"));
    }

    // A template button that does not take the focus (activated by the keyboard) still
    // reads the value in the open editor.
    void templateButtonReadsTheValueStillBeingEdited() {
        MainWindow form(fakes.ports());
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        startTyping(form, kGrids[3], 4, "12");
        form.findChild<QPushButton*>("spiralButton")->click();
        QCOMPARE(fakes.dialog.offered.size(), std::size_t{1});
        QVERIFY2(QString::fromStdString(fakes.dialog.offered[0]).endsWith(" rev12"), fakes.dialog.offered[0].c_str());
        QCOMPARE(QString::fromStdString(form.workbench().spiralTable.text(4)), QString("12"));
    }

    // Destroying the window with an editor open in any table touches no table that is gone.
    void destroyingTheWindowWithAnOpenEditor() {
        for (const Grid& tableView : kGrids) {
            auto* form = new MainWindow(fakes.ports());
            form->show();
            QVERIFY(QTest::qWaitForWindowActive(form));
            QTableView* view = startTyping(*form, tableView, 1, "7");
            QVERIFY2(view->indexWidget(view->model()->index(1, 1)), tableView.name);
            delete form;
        }
    }
};

QTEST_MAIN(TableEditingTest)
#include "test_table_editing.moc"
