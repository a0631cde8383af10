// The "Вырезы / Cut-outs" tab: a row a line of the --cutouts list, read by the command
// line's parser. Its edits go on the window's one history, the workbench's cut-outs and
// the preview follow the rows that read, a cell that does not read is marked and keeps its
// text, and the list is kept in Cutouts.txt beside the tables, where --cutouts reads it.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QtTest>

#include "app/cutout_list_file.h"
#include "app/cutout_lists.h"
#include "app/saving.h"
#include "app/table_folders.h"
#include "app/table_keys.h"
#include "gui/cutout_table_model.h"
#include "gui/fakes.h"
#include "gui/main_window.h"
#include "gui/param_table_model.h"
#include "gui/preview_widget.h"
#include "gui/window_messages.h"
#include "gui/window_steps.h"
#include "model/face_cutouts.h"

using namespace tessaro;
using namespace tessaro::gui;

namespace {

using testing::buttonOf;
using testing::contentsOf;
using testing::settled;

CutoutTableModel& cutouts(MainWindow& form) {
    return *static_cast<CutoutTableModel*>(form.findChild<QTableView*>("cutoutTable")->model());
}

void type(MainWindow& form, int row, CutoutColumn column, const QString& text) {
    CutoutTableModel& model = cutouts(form);
    QVERIFY(model.setData(model.index(row, column), text, Qt::EditRole));
}

// A cell and what is typed into it, in the order typed: the kind first, which decides
// whether a row has a shape or a text.
using Typed = std::pair<CutoutColumn, const char*>;

QString cell(MainWindow& form, int row, CutoutColumn column) {
    return cutouts(form).index(row, column).data().toString();
}

bool marked(MainWindow& form, int row, CutoutColumn column) {
    return cutouts(form).index(row, column).data(Qt::BackgroundRole).isValid();
}

void click(MainWindow& form, const char* button) {
    QTest::mouseClick(form.findChild<QPushButton*>(button), Qt::LeftButton);
}

std::filesystem::path listFile(const testing::FakeWindowPorts& fakes, bool written) {
    const TableFolders folders = tableFolders(fakes.folders);
    return (written ? folders.writeTo : folders.readFrom) / kCutoutsFile;
}

void writeFile(const std::filesystem::path& path, const QByteArray& bytes) {
    std::filesystem::create_directories(path.parent_path());
    QFile file(QString::fromStdString(path.string()));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// A line of each kind and shape, as a user may space them.
const std::vector<std::string> kEveryShape = {
    "cutout front,rect,100,60,70,25,2", "cutout rear, circle, 40, 50, 12",  "cutout left,slot,30,40,4,18",
    "vent lid,slots,100,55,80,40",      "vent right,holes,50,50,30,30,6,4", "label rear,40,80,5,Power, 12 V",
};

}  // namespace

class CutoutWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::FakeWindowPorts> fakes;
    std::unique_ptr<QTemporaryDir> folder;

private slots:
    void init() {
        testing::scratchSettings.clear();
        fakes = std::make_unique<testing::FakeWindowPorts>();
        folder = std::make_unique<QTemporaryDir>();
        fakes->dialog.answer = SaveChoice{QDir(folder->path()).filePath("box.dxf").toStdString(), FileType::Dxf};
    }

    // Cut into cells and made again, every line reads as the command line reads it.
    void aRowsCellsMakeItsLineAgain() {
        for (const std::string& line : kEveryShape) {
            const CutoutCells cells = cutoutCells(line);
            QCOMPARE(parseCutoutLine(cutoutLineOf(cells)), parseCutoutLine(line));
            QCOMPARE(cutoutCells(cutoutLineOf(cells)), cells);
        }
        QCOMPARE(cutoutCells("label rear,40,80,5,Power, 12 V")[TextColumn], std::string("Power, 12 V"));
        QCOMPARE(cutoutCells("cutout front,rect,100,60,70,25,2")[SizesColumn], std::string("70,25,2"));
    }

    // After the template tabs, in the window's language.
    void theTabSpeaksTheWindowsLanguage() {
        MainWindow form(fakes->ports());
        auto* tabs = form.findChild<QTabWidget*>("tabs");
        const int tab = tabs->indexOf(form.findChild<QWidget*>("cutoutsTab"));
        QCOMPARE(tab, tabs->indexOf(form.findChild<QWidget*>("bobbinTab")) + 1);  // after the template tabs
        QCOMPARE(tabs->tabText(tab), QString("Вырезы"));
        QCOMPARE(form.findChild<QPushButton*>("addCutoutButton")->text(), QString("Добавить строку"));
        QCOMPARE(cutouts(form).headerData(FaceColumn, Qt::Horizontal, Qt::DisplayRole).toString(), QString("Грань"));
        form.findChild<QPushButton*>("englishButton")->click();
        QCOMPARE(tabs->tabText(tab), QString("Cut-outs"));
        QCOMPARE(form.findChild<QPushButton*>("removeCutoutButton")->text(), QString("Remove row"));
        QCOMPARE(cutouts(form).headerData(FaceColumn, Qt::Horizontal, Qt::DisplayRole).toString(), QString("Face"));
    }

    // The workbench's cut-outs are the rows', the preview redraws, and the button saves
    // what the core draws with the same list.
    void editedRowsAreTheCutoutsOfThePreviewAndTheSavedBox() {
        MainWindow form(fakes->ports());
        form.show();
        QVERIFY(settled(form));
        auto* preview = form.findChild<PreviewWidget*>("Preview");
        const Drawing before = preview->drawing();

        for (const auto& cells : {std::vector<Typed>{{XColumn, "30"}, {SizesColumn, "12"}},
                                  {{KindColumn, "label"},
                                   {XColumn, "60"},
                                   {YColumn, "70"},
                                   {SizesColumn, "5"},
                                   {TextColumn, "Power, 12 V"}},
                                  {{KindColumn, "vent"},
                                   {FaceColumn, "lid"},
                                   {ShapeColumn, "holes"},
                                   {XColumn, "100"},
                                   {YColumn, "55"},
                                   {SizesColumn, "60,40"}}}) {
            click(form, "addCutoutButton");
            for (const auto& [column, typed] : cells) {
                type(form, cutouts(form).rowCount() - 1, column, typed);
            }
        }
        const std::string list =
            "cutout front,circle,30,20,12\n"
            "label front,60,70,5,Power, 12 V\n"
            "vent lid,holes,100,55,60,40\n";
        QCOMPARE(form.workbench().cutouts, parseCutoutList(list));
        QCOMPARE(cell(form, 1, ShapeColumn), QString());

        QVERIFY(settled(form));
        PreviewBench bench(form.workbench());
        QVERIFY2(preview->problem().isEmpty(), qPrintable(preview->problem()));
        QVERIFY(preview->drawing() != before);
        QVERIFY(preview->drawing() == *drawPreview(bench, *findCommand("full")).drawing);

        buttonOf(form, "full")->click();
        QVERIFY(fakes->messages.errors.empty());
        testing::FakeClock clock;
        testing::FakeMessageBox messages;
        Workbench core(clock, messages);
        core.cutouts = parseCutoutList(list);
        findCommand("full")->run(core);
        QCOMPARE(contentsOf(folder->filePath("box.dxf")),
                 QByteArray::fromStdString(templateBytes(core, FileType::Dxf)));
    }

    // One history with the tables: Ctrl+Z takes back a cell, an added row and a removed
    // row in turn, and Ctrl+Y puts them back.
    void cellsAddedAndRemovedRowsAreUndoneWithTheTables() {
        MainWindow form(fakes->ports());
        auto* undo = form.findChild<QAction*>("undoAction");
        auto* redo = form.findChild<QAction*>("redoAction");
        const auto lines = [&form] { return cutouts(form).list(); };
        click(form, "addCutoutButton");
        click(form, "addCutoutButton");
        type(form, 1, FaceColumn, "rear");
        const std::vector<std::string> two = lines();
        auto* tableView = form.findChild<QTableView*>("boxTable");
        const std::string thickness = form.workbench().boxTable.cell(1, 1);
        tableView->model()->setData(tableView->model()->index(1, 1), "4");
        form.findChild<QTableView*>("cutoutTable")->setCurrentIndex(cutouts(form).index(0, 0));
        click(form, "removeCutoutButton");
        QCOMPARE(lines(), std::vector<std::string>{two[1]});
        QCOMPARE(form.workbench().cutouts.front().face, BoxFace::Rear);

        undo->trigger();
        QCOMPARE(lines(), two);
        QCOMPARE(form.workbench().cutouts.size(), std::size_t{2});
        undo->trigger();
        QCOMPARE(form.workbench().boxTable.cell(1, 1), thickness);
        QCOMPARE(lines(), two);
        undo->trigger();
        QCOMPARE(cell(form, 1, FaceColumn), QString("front"));
        undo->trigger();
        QCOMPARE(cutouts(form).rowCount(), 1);
        undo->trigger();
        QCOMPARE(cutouts(form).rowCount(), 0);
        QVERIFY(form.workbench().cutouts.empty());
        QVERIFY(!undo->isEnabled());

        for (int step = 0; step < 5; ++step) {
            redo->trigger();
        }
        QCOMPARE(lines(), std::vector<std::string>{two[1]});
        QCOMPARE(form.workbench().boxTable.cell(1, 1), std::string("4"));
        // An undone step brings its tab up with the row selected.
        form.findChild<QTabWidget*>("tabs")->setCurrentWidget(form.findChild<QWidget*>("foldingBoxTab"));
        undo->trigger();
        QCOMPARE(form.findChild<QTabWidget*>("tabs")->currentWidget()->objectName(), QString("cutoutsTab"));
        QCOMPARE(form.findChild<QTableView*>("cutoutTable")->currentIndex().row(), 0);
    }

    // Only the cell at fault is marked, with why; the other rows are still cut, and the
    // list keeps what was typed.
    void aCellThatDoesNotReadIsMarkedAndKeepsItsText() {
        struct Case {
            CutoutColumn column;
            const char* typed;
        };
        for (const Case& c :
             {Case{KindColumn, "hole"}, Case{FaceColumn, "top"}, Case{ShapeColumn, "star"}, Case{XColumn, "1O"},
              Case{YColumn, ""}, Case{SizesColumn, "12,4"}, Case{SizesColumn, "-3"}}) {
            MainWindow form(fakes->ports());
            click(form, "addCutoutButton");
            click(form, "addCutoutButton");
            type(form, 1, FaceColumn, "rear");
            type(form, 0, c.column, c.typed);
            for (int column = 0; column < kCutoutColumns; ++column) {
                QCOMPARE(marked(form, 0, CutoutColumn(column)), column == c.column);
                QCOMPARE(marked(form, 1, CutoutColumn(column)), false);
            }
            const QString why = cutouts(form).index(0, c.column).data(Qt::ToolTipRole).toString();
            QVERIFY2(why.contains(QRegularExpression("[а-я]{2,}")), qPrintable(why));  // the window is Russian
            QCOMPARE(cell(form, 0, c.column), QString(c.typed));
            QCOMPARE(form.workbench().cutouts, parseCutoutList("cutout rear,circle,20,20,10"));
        }
        MainWindow form(fakes->ports());
        click(form, "addCutoutButton");
        // A comma would part a cell of one field and shift the sizes: "1,5" is not taken.
        for (const CutoutColumn column : {KindColumn, FaceColumn, ShapeColumn, XColumn, YColumn}) {
            QVERIFY(!cutouts(form).setData(cutouts(form).index(0, column), "1,5", Qt::EditRole));
        }
        auto* view = form.findChild<QTableView*>("cutoutTable");
        form.findChild<QTabWidget*>("tabs")->setCurrentWidget(form.findChild<QWidget*>("cutoutsTab"));
        form.show();
        view->setCurrentIndex(cutouts(form).index(0, XColumn));
        view->edit(view->currentIndex());
        auto* editor = view->findChild<QLineEdit*>();
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClicks(editor, "1,5");
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(cell(form, 0, XColumn), QString("15"));  // the delegate commits on its next turn
        QCOMPARE(cutouts(form).list(), std::vector<std::string>{"cutout front,circle,15,20,10"});
        type(form, 0, KindColumn, "label");
        QVERIFY(marked(form, 0, TextColumn));
        type(form, 0, TextColumn, "Вход");
        QVERIFY(!marked(form, 0, TextColumn));
        QCOMPARE(form.workbench().cutouts, parseCutoutList("label front,15,20,10,Вход"));
    }

    // A row that reads but reaches outside its face: the preview says why, and the row's
    // position and sizes are marked until it fits.
    void aCutoutTheDrawingRefusesIsNamedAndMarked() {
        MainWindow form(fakes->ports());
        form.show();
        click(form, "addCutoutButton");
        type(form, 0, XColumn, "198");
        QVERIFY(settled(form));
        auto* preview = form.findChild<PreviewWidget*>("Preview");
        QVERIFY2(preview->problem().contains("198"), qPrintable(preview->problem()));
        // In the window's language but for the line and the face, which are the list's words.
        const QString why("cutout front,circle,198,20,10: выходит за грань front, 200 x 100 мм");
        QCOMPARE(preview->problem(), why + ".");
        QCOMPARE(cutouts(form).index(0, XColumn).data(Qt::ToolTipRole).toString(), why + ".");
        for (int column = 0; column < kCutoutColumns; ++column) {
            QCOMPARE(marked(form, 0, CutoutColumn(column)), column >= XColumn && column <= SizesColumn);
        }
        type(form, 0, XColumn, "100");
        QVERIFY(settled(form));
        QVERIFY(preview->problem().isEmpty());
        QVERIFY(!marked(form, 0, XColumn));
    }

    // A saved list of more openings than the limit (a hundred vents, which drew for minutes
    // at every start) is refused at once with the count and the limit, the row that passes
    // the limit marked; every row is kept, and the file as it was.
    void aSavedListOverTheLimitIsRefusedAtStartNeverDrawn() {
        QByteArray list;
        std::size_t openings = 0;
        for (int k = 0; k < 100; ++k) {
            const std::string line = "vent front,holes," + std::to_string(50 + k) + ",50,90,90,6,4";
            openings += openingCount(parseCutoutLine(line).shape);
            list += QByteArray::fromStdString(line) + "\n";
        }
        writeFile(listFile(*fakes, false), list);
        MainWindow form(fakes->ports());
        form.show();
        QVERIFY(settled(form));
        int passing = 0;
        for (std::size_t total = 0; total <= kMostListOpenings; ++passing) {
            total += openingCount(form.workbench().cutouts.at(static_cast<std::size_t>(passing)).shape);
        }
        --passing;
        const QString why = QString(
                                "vent front,holes,%1,50,90,90,6,4: вырезы и вентиляция дают %2 отверстий, больше "
                                "%3, допустимых для одного списка.")
                                .arg(50 + passing)
                                .arg(openings)
                                .arg(kMostListOpenings);
        QCOMPARE(form.findChild<PreviewWidget*>("Preview")->problem(), why);
        QVERIFY(marked(form, passing, SizesColumn));
        QVERIFY(!marked(form, passing - 1, SizesColumn));
        QCOMPARE(cutouts(form).rowCount(), 100);
        QCOMPARE(form.workbench().cutouts.size(), std::size_t{100});
        form.close();
        QCOMPARE(contentsOf(QString::fromStdString(listFile(*fakes, false).string())), list);
    }

    // The file written at close is the list --cutouts reads, comments and all; a list
    // beside the tables at start is shown, its comments kept but not rows.
    void theListIsKeptBesideTheTables() {
        writeFile(listFile(*fakes, false),
                  "# the display\ncutout front,rect,100,60,70,25,2\r\n\n"
                  "label rear,40,80,5,Power, 12 V\n");
        {
            MainWindow form(fakes->ports());
            QVERIFY(fakes->messages.errors.empty());
            QCOMPARE(cutouts(form).rowCount(), 2);
            QCOMPARE(cell(form, 1, TextColumn), QString("Power, 12 V"));
            QCOMPARE(form.workbench().cutouts, readCutoutFile(listFile(*fakes, false).string()));
            click(form, "addCutoutButton");
            type(form, 2, FaceColumn, "bottom");
            click(form, "addCutoutButton");
            type(form, 3, XColumn, "x");  // kept as typed, though --cutouts refuses it
            form.close();
        }
        const QByteArray saved = contentsOf(QString::fromStdString(listFile(*fakes, true).string()));
        QVERIFY(saved.startsWith("# the display\ncutout front,rect,100,60,70,25,2\n\nlabel rear,"));
        QVERIFY(saved.endsWith("cutout front,circle,x,20,10\n"));
        QVERIFY_THROWS_EXCEPTION(UsageError, (void)readCutoutFile(listFile(*fakes, true).string()));
        std::vector<FaceCutout> shown;
        {
            MainWindow form(fakes->ports());
            QCOMPARE(cutouts(form).rowCount(), 4);
            QVERIFY(marked(form, 3, XColumn));
            shown = form.workbench().cutouts;
            cutouts(form).removeRow(3);
            form.close();
        }
        QCOMPARE(shown.size(), std::size_t{3});
        QCOMPARE(readCutoutFile(listFile(*fakes, true).string()), shown);
    }

    // A list a Windows editor saved begins with a byte order mark: no part of its first row,
    // which reads as --cutouts reads it. A size finer than the files keep is marked, in the
    // window's language.
    void aByteOrderMarkIsNoPartOfTheFirstRow() {
        writeFile(listFile(*fakes, false),
                  "\xEF\xBB\xBF"
                  "cutout front,rect,100,60,70,25,2\r\ncutout rear,circle,40,50,1e-300\r\n");
        MainWindow form(fakes->ports());
        QVERIFY(fakes->messages.errors.empty());
        QCOMPARE(cutouts(form).rowCount(), 2);
        QCOMPARE(cell(form, 0, KindColumn), QString("cutout"));
        QVERIFY(!marked(form, 0, KindColumn));
        QCOMPARE(form.workbench().cutouts, parseCutoutList("cutout front,rect,100,60,70,25,2"));
        QVERIFY(marked(form, 1, SizesColumn));
        QCOMPARE(cutouts(form).index(1, SizesColumn).data(Qt::ToolTipRole).toString(),
                 QString("диаметр 1e-300 — меньше 0.000001 мм, самого малого рисуемого размера"));
    }

    // A list that cannot be read is reported and shown empty; the close keeps it beside.
    void anUnreadableListIsReportedAndKeptBeside() {
        const QByteArray unread("cutout front,circle,20,20,10\nlabel rear,40,80,5,\xff\xfe\n");
        writeFile(listFile(*fakes, false), unread);
        {
            MainWindow form(fakes->ports());
            QCOMPARE(fakes->messages.errors.size(), std::size_t{1});
            const QString said = windowMessage(fakes->messages.errors[0]);
            QVERIFY2(said.startsWith("Не удалось прочитать вырезы «") && said.contains("строка 2: не UTF-8"),
                     qPrintable(said));
            QCOMPARE(cutouts(form).rowCount(), 0);
            click(form, "addCutoutButton");
            form.close();
        }
        const QDir beside(QString::fromStdString(listFile(*fakes, true).parent_path().string()));
        QCOMPARE(contentsOf(beside.filePath("Cutouts.refused.txt")), unread);
        QCOMPARE(contentsOf(beside.filePath("Cutouts.txt")), QByteArray("cutout front,circle,20,20,10\n"));
        QCOMPARE(fakes->messages.shown.size(), std::size_t{1});
        const QString kept = windowMessage(fakes->messages.shown[0]);
        QVERIFY2(kept.contains("Cutouts.refused.txt") && kept.endsWith("», а новый записан на его место."),
                 qPrintable(kept));
    }

    // A folder that cannot take the tables (a folder stands in the main table's name) sends
    // them to the data folder; the list goes with them and the next start shows it.
    void theListFollowsTablesMovedToTheDataFolder() {
        const TableFolders folders = tableFolders(fakes->folders);
        std::filesystem::create_directories(folders.writeTo / kMainTableFile);
        {
            MainWindow form(fakes->ports());
            click(form, "addCutoutButton");
            type(form, 0, FaceColumn, "lid");
            form.close();
        }
        QVERIFY(!std::filesystem::exists(folders.writeTo / kCutoutsFile));
        QVERIFY(std::filesystem::exists(folders.fallback / kCutoutsFile));
        MainWindow next(fakes->ports());
        QCOMPARE(cutouts(next).rowCount(), 1);
        QCOMPARE(cell(next, 0, FaceColumn), QString("lid"));
    }

    // No list, no file: a window that never had cut-outs writes none; a list closed as it
    // was read is left as the user wrote it, line ends and all.
    void anUntouchedListIsNotWritten() {
        {
            MainWindow form(fakes->ports());
            form.close();
        }
        QVERIFY(!std::filesystem::exists(listFile(*fakes, true)));
        const QByteArray written("cutout front,circle,20,20,10\r\n#\tend\r\n");
        writeFile(listFile(*fakes, false), written);
        {
            MainWindow form(fakes->ports());
            click(form, "addCutoutButton");
            QUndoStack* history = form.findChild<QUndoStack*>();
            history->undo();
            form.close();
        }
        QCOMPARE(contentsOf(QString::fromStdString(listFile(*fakes, true).string())), written);
    }
};

QTEST_MAIN(CutoutWindowTest)
#include "test_cutout_window.moc"
