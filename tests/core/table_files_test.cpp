#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <set>
#include <sstream>
#include <tuple>

#include "app/language.h"
#include "app/table_files.h"
#include "output/text_file.h"
#include "support.h"

namespace tessaro {
namespace {

namespace fs = std::filesystem;
using testing::Bench;
using testing::TempFolders;

using testing::namesIn;
using testing::readFileBytes;

void writeBytes(const fs::path& path, std::string_view bytes) { std::ofstream(path, std::ios::binary) << bytes; }

class TableFiles : public ::testing::Test {
protected:
    void SetUp() override {
        folders.program = dir / "program";
        folders.working = dir / "working";
        folders.userData = dir / "data";
        fs::create_directories(folders.program);
        fs::create_directories(folders.working);
        testing::makeBuildFolder(folders.program);
    }
    testing::ScratchFolder scratch;
    const fs::path& dir = scratch.path;
    TempFolders folders;
    Bench b;
};

TEST(TableFileText, EveryCellIsFollowedByATabAndEveryLineByCrLf) {
    const std::string text = tableFileText(defaultMainTable());
    EXPECT_TRUE(text.starts_with("Параметры корпуса\tЗначение\t\r\nТолщина материала\t5\t\r\n"));
    EXPECT_TRUE(text.ends_with("Диаметр фрезы\t3.175\t\r\n"));
}

TEST(TableFileText, ReadingWhatWasWrittenGivesTheSameTable) {
    for (const ParamTable& original : {defaultMainTable(), defaultTabSlotTable(), defaultBobbinTable()}) {
        ParamTable read("", "", {});
        readTableText(read, tableFileText(original));
        EXPECT_EQ(read, original);
    }
}

TEST(TableFileText, LinesEndAtCrLfLfOrCr) {
    ParamTable table("", "", {});
    readTableText(table, "a\tb\t\r\nc\td\t\ne\tf\t\rg\th\t");
    ASSERT_EQ(table.rowCount(), 4);
    EXPECT_EQ(table.cell(1, 0), "b");
    EXPECT_EQ(table.cell(1, 1), "d");
    EXPECT_EQ(table.cell(1, 2), "f");
    EXPECT_EQ(table.cell(0, 3), "g");
    EXPECT_EQ(table.cell(1, 3), "h");
}

TEST(TableFileText, CellsAreTheTextsBeforeEachTab) {
    ParamTable table = defaultMainTable();
    readTableText(table,
                  "Header\r\n"         // no TAB: only column 0
                  "\r\n"               // an empty line sets nothing
                  "\t6\t\r\n"          // a leading TAB empties column 0
                  "x\t7\textra\t\r\n"  // a third cell adds a column
                  "y\t8");             // no trailing TAB: the last text is a cell all the same
    EXPECT_EQ(table.cell(0, 0), "Header");
    EXPECT_EQ(table.cell(1, 0), "Значение");
    EXPECT_EQ(table.cell(0, 1), "Толщина материала");
    EXPECT_EQ(table.cell(1, 1), "5");
    EXPECT_EQ(table.cell(0, 2), "");
    EXPECT_EQ(table.cell(1, 2), "6");
    EXPECT_EQ(table.cell(2, 3), "extra");
    EXPECT_EQ(table.columnCount(), 3);
    EXPECT_EQ(table.cell(1, 4), "8");
    EXPECT_EQ(table.cell(1, 9), "3.175");  // rows the text does not mention keep their text
    EXPECT_EQ(table.rowCount(), 10);       // and the table never shrinks
}

TEST(TableFileText, TwelveLinesGrowTheTableToTwelveRows) {
    ParamTable table = defaultMainTable();
    std::string text;
    for (int row = 0; row < 12; ++row) {
        const std::string number = std::to_string(row);
        text.append("c").append(number).append("\tv").append(number).append("\t\r\n");
    }
    readTableText(table, text);
    EXPECT_EQ(table.rowCount(), 12);
    EXPECT_EQ(table.columnCount(), 2);
    EXPECT_EQ(table.cell(1, 11), "v11");
    EXPECT_EQ(tableFileText(table), text);
}

TEST_F(TableFiles, FilesAreWindows1251AndReadBack) {
    const fs::path path = dir / "ParamGrid.txt";
    saveTableFile(b.wb.boxTable, path);
    const std::string bytes = readFileBytes(path);
    EXPECT_EQ(bytes, toWindows1251(tableFileText(b.wb.boxTable)));
    EXPECT_TRUE(bytes.starts_with("\xCF\xE0\xF0\xE0\xEC\xE5\xF2\xF0\xFB"));  // "Параметры"

    ParamTable read = defaultMainTable();
    read.setCell(1, 2, "999");
    loadTableFile(read, path);
    EXPECT_EQ(read, b.wb.boxTable);
}

TEST_F(TableFiles, FirstStartWithoutFilesKeepsTheDefaultsAndCloseWritesThreeFilesNextToTheProgram) {
    TableStore store(b.wb, folders);
    bool english = false;
    store.load([&] { english = true; });
    EXPECT_FALSE(english);
    EXPECT_EQ(b.wb.boxTable, defaultMainTable());
    b.wb.bobbinTable.setCell(1, 2, "31");
    store.save();
    EXPECT_TRUE(fs::is_empty(folders.working));
    EXPECT_FALSE(fs::exists(folders.userData));
    ParamTable trans = defaultBobbinTable();
    loadTableFile(trans, folders.program / "TransGrid.txt");
    EXPECT_EQ(trans.text(2), "31");
    EXPECT_TRUE(fs::exists(folders.program / "ParamGrid.txt"));
    EXPECT_TRUE(fs::exists(folders.program / "ParamZub.txt"));
}

TEST_F(TableFiles, StartReadsTheWorkingFolderAndAnEnglishMainTableSwitchesBeforeTheTransformerLoads) {
    Bench saved;
    setEnglishTables(saved.wb);
    saved.wb.boxTable.setCell(1, 2, "250");
    saved.wb.bobbinTable.setCell(1, 1, "2");
    saveTables(saved.wb, folders.working);

    TableStore store(b.wb, folders);
    std::string transAtSwitch;
    store.load([&] { transAtSwitch = b.wb.bobbinTable.text(1); });
    EXPECT_EQ(transAtSwitch, "1");  // the switch ran before the transformer table loaded
    EXPECT_EQ(b.wb.bobbinTable.text(1), "2");
    EXPECT_EQ(b.wb.boxTable.text(2), "250");
    EXPECT_EQ(b.wb.boxTable.caption(2), "Inner width");
}

TEST_F(TableFiles, AHandWrittenFileWithTwelveLinesEnlargesTheMainTable) {
    std::string bytes = toWindows1251("Параметры корпуса\tЗначение\t\n");
    for (int row = 1; row < 12; ++row) {
        bytes += "r" + std::to_string(row) + "\t" + std::to_string(row) + "\t\n";
    }
    writeBytes(folders.working / "ParamGrid.txt", bytes);
    TableStore store(b.wb, folders);
    store.load([] {});
    EXPECT_EQ(b.wb.boxTable.rowCount(), 12);
    EXPECT_EQ(b.wb.boxTable.cell(0, 0), "Параметры корпуса");
    EXPECT_EQ(b.wb.boxTable.text(11), "11");
    store.save();
    EXPECT_TRUE(readFileBytes(folders.working / "ParamGrid.txt").ends_with("r11\t11\t\r\n"));
}

TEST_F(TableFiles, AFileThatCannotBeOpenedIsReportedAndTheOthersStillLoad) {
    Bench saved;
    saved.wb.boxTable.setCell(1, 1, "6");
    saved.wb.bobbinTable.setCell(1, 1, "2");
    saveTables(saved.wb, folders.working);
    const fs::path screwFile = folders.working / "ParamZub.txt";
    fs::remove(screwFile);
    fs::create_directory(screwFile);  // exists, but cannot be read (even by root)

    TableStore store(b.wb, folders);
    try {
        store.load([] {});
        FAIL() << "no error";
    } catch (const FileError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot open file \"" + screwFile.string() + "\". Is a directory");
    }
    EXPECT_EQ(b.wb.boxTable.text(1), "6");
    EXPECT_EQ(b.wb.tabSlotTable, defaultTabSlotTable());
    // Loaded although an earlier file failed, so the close does not overwrite it with defaults.
    EXPECT_EQ(b.wb.bobbinTable.text(1), "2");
}

TEST_F(TableFiles, FilesThatAreNoTablesAreRefusedAndTheirTablesKeepTheDefaults) {
    writeBytes(folders.working / "ParamGrid.txt", std::string("\x7F"
                                                              "ELF\x02\x01\x01\0\0\0",
                                                              10) +
                                                      "junk\t1\t\r\n");
    std::ofstream big(folders.working / "ParamZub.txt", std::ios::binary);
    for (int i = 0; i < 70000; ++i) {
        big << "Толщина\t5\t\r\n";
    }
    big.close();
    writeBytes(folders.working / "TransGrid.txt", "x\t7\t\r\n");

    TableStore store(b.wb, folders);
    std::string message;
    try {
        store.load([] {});
    } catch (const FileError& e) {
        message = e.what();
    }
    EXPECT_EQ(message, "\"" + (folders.working / "ParamGrid.txt").string() +
                           "\" is not a table file (it holds binary bytes); it was not loaded\n\"" +
                           (folders.working / "ParamZub.txt").string() +
                           "\" is not a table file (larger than 1 MiB); it was not loaded");
    EXPECT_EQ(b.wb.boxTable, defaultMainTable());
    EXPECT_EQ(b.wb.tabSlotTable, defaultTabSlotTable());
    EXPECT_EQ(b.wb.bobbinTable.text(0), "7");
}

TEST_F(TableFiles, AFifoIsRefusedWithoutWaitingForAWriter) {
    const fs::path fifo = folders.working / "ParamGrid.txt";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    try {
        loadTableFile(b.wb.boxTable, fifo);
        ADD_FAILURE() << "a FIFO was loaded";
    } catch (const FileError& e) {
        EXPECT_EQ(std::string(e.what()),
                  "\"" + fifo.string() + "\" is not a table file (not a regular file); it was not loaded");
    }
    EXPECT_EQ(b.wb.boxTable, defaultMainTable());
}

TEST(TableFileText, TextsBeyondWhatATableCanHoldAreRefusedAndLeaveTheTableAsItWas) {
    const std::string manyCells = std::string(16000, '\t') + std::string(16000, '\n');
    const std::string manyLines(1024 * 1024, '\n');
    for (const auto& [text, why] :
         {std::pair{manyCells, "a line of more than 64 cells"}, std::pair{manyLines, "more than 1000 lines"}}) {
        ParamTable table = defaultMainTable();
        try {
            readTableText(table, text);
            FAIL() << why;
        } catch (const FileError& e) {
            EXPECT_EQ(std::string(e.what()), std::string("The text is not a table (") + why + ")");
        }
        EXPECT_EQ(table, defaultMainTable());
    }
}

TEST(TableFileText, TheLargestTableLoadsWhole) {
    std::string text;
    for (int row = 0; row < 1000; ++row) {
        text.append(63, 'x').append(std::string(63, '\t')).append("\r\n");
    }
    ParamTable table = defaultMainTable();
    readTableText(table, text);
    EXPECT_EQ(table.rowCount(), 1000);
    EXPECT_EQ(table.columnCount(), 63);
    EXPECT_EQ(table.cell(0, 999), std::string(63, 'x'));
    EXPECT_EQ(tableFileText(table), text);
}

TEST(TableFileText, TabsAndLineBreaksInsideACellAreWrittenAsBlanks) {
    Bench b;
    b.wb.bobbinTable.setCell(1, 1, "1\t2\r\n3");
    const std::string text = tableFileText(b.wb.bobbinTable);
    EXPECT_NE(text.find("Толщина материала\t1 2  3\t\r\n"), std::string::npos);
    ParamTable reread = defaultBobbinTable();
    readTableText(reread, text);
    EXPECT_EQ(reread.text(1), "1 2  3");
    EXPECT_EQ(reread.rowCount(), b.wb.bobbinTable.rowCount());
}

// Every table is tried in its folder; when one cannot be written there, all of them go to
// the data folder, and the close says where and why.
TEST_F(TableFiles, ACloseThatCannotWriteOneFileSavesThemInTheDataFolderAndSaysSo) {
    fs::create_directory(folders.program / "ParamGrid.txt");  // cannot be replaced by a file
    b.wb.bobbinTable.setCell(1, 2, "31");
    TableStore store(b.wb, folders);
    store.save();
    ASSERT_EQ(b.messages.shown.size(), 1u);
    EXPECT_EQ(b.messages.shown.front(), "The tables could not be saved in \"" + folders.program.string() +
                                            "\", so they were saved in \"" + folders.userData.string() +
                                            "\", where the next start reads them:\rCannot create file \"" +
                                            (folders.program / "ParamGrid.txt").string() + "\". Is a directory.");
    EXPECT_TRUE(fs::exists(folders.program / "ParamZub.txt"));
    for (const fs::path& folder : {folders.program, folders.userData}) {
        ParamTable trans = defaultBobbinTable();
        loadTableFile(trans, folder / "TransGrid.txt");
        EXPECT_EQ(trans.text(2), "31");
    }
    EXPECT_TRUE(fs::exists(folders.userData / "ParamGrid.txt"));
}

// The window's usual set-up: it reads and writes its tables in one folder.
class TablesInOneFolder : public TableFiles {
protected:
    void SetUp() override {
        TableFiles::SetUp();
        folders.program = folders.working;
        testing::makeBuildFolder(folders.program);
    }
};

TEST_F(TablesInOneFolder, AFileRefusedAtStartIsKeptBesideAndTheValuesTypedAreSaved) {
    const fs::path main = folders.working / "ParamGrid.txt";
    const fs::path tabSlot = folders.working / "ParamZub.txt";
    const std::string strayByte = toWindows1251(tableFileText(defaultMainTable())).insert(40, 1, '\x01');
    const std::string tooLong(1024 * 1024 + 1, '\n');
    writeBytes(main, strayByte);
    writeBytes(tabSlot, tooLong);

    TableStore store(b.wb, folders);
    EXPECT_THROW(store.load([] {}), FileError);
    b.wb.boxTable.setCell(1, 2, "250");  // typed during the run
    store.save();

    EXPECT_EQ(readFileBytes(folders.working / "ParamGrid.refused.txt"), strayByte);
    EXPECT_EQ(readFileBytes(folders.working / "ParamZub.refused.txt"), tooLong);
    ParamTable saved = defaultMainTable();
    loadTableFile(saved, main);
    EXPECT_EQ(saved.text(2), "250");
    ASSERT_EQ(b.messages.shown.size(), 1u);
    EXPECT_EQ(b.messages.shown[0],
              "\"" + main.string() + "\" was not loaded at start, so it was not overwritten: it is kept as \"" +
                  (folders.working / "ParamGrid.refused.txt").string() +
                  "\", and the new one was saved in its place\r\"" + tabSlot.string() +
                  "\" was not loaded at start, so it was not overwritten: it is kept as \"" +
                  (folders.working / "ParamZub.refused.txt").string() + "\", and the new one was saved in its place.");

    // The next refusal keeps the earlier one too.
    writeBytes(main, strayByte);
    TableStore next(b.wb, folders);
    EXPECT_THROW(next.load([] {}), FileError);
    next.save();
    EXPECT_EQ(readFileBytes(folders.working / "ParamGrid.refused-2.txt"), strayByte);
    EXPECT_TRUE(fs::exists(folders.working / "ParamGrid.refused.txt"));
}

TEST_F(TablesInOneFolder, AFileTheUserMayNotReadIsNeitherLoadedNorReplaced) {
    testing::openToEveryone(dir);
    testing::openToEveryone(folders.working);
    const fs::path main = folders.working / "ParamGrid.txt";
    writeBytes(main, "Header\t7\t\r\n");
    fs::permissions(main, fs::perms::none);

    const auto closeFailure = testing::asUnprivilegedUser([&] {
        TableStore store(b.wb, folders);
        try {
            store.load([] {});
        } catch (const FileError&) {
            store.save();  // the close: the values go to the data folder instead
        }
    });
    EXPECT_EQ(closeFailure, std::nullopt);
    EXPECT_TRUE(fs::exists(folders.userData / "ParamGrid.txt"));
    fs::permissions(main, fs::perms::owner_read);
    EXPECT_EQ(readFileBytes(main), "Header\t7\t\r\n");
    EXPECT_FALSE(fs::exists(folders.working / "ParamGrid.refused.txt"));
}

TEST_F(TableFiles, TheRussianSwitchKeepsEveryValueAndTheNextStartIsRussian) {
    Bench saved;
    setEnglishTables(saved.wb);
    saveTables(saved.wb, folders.working);
    TableStore store(b.wb, folders);
    store.load([&] { setEnglishTables(b.wb); });
    b.wb.boxTable.setCell(1, 2, "150");
    b.wb.tabSlotTable.setCell(1, 2, "12");
    b.wb.spiralTable.setCell(1, 4, "9");
    b.wb.bobbinTable.setCell(1, 2, "31");
    const ParamTable typedMain = b.wb.boxTable, typedTabSlot = b.wb.tabSlotTable, typedSpiral = b.wb.spiralTable;

    store.useRussian();
    EXPECT_EQ(b.messages.shown, std::vector<std::string>{"Перезапустите программу!"});
    EXPECT_FALSE(tablesAreEnglish(b.wb));
    EXPECT_TRUE(fs::exists(folders.working / "ParamGrid.txt"));
    EXPECT_TRUE(fs::exists(folders.working / "ParamZub.txt"));
    for (const auto& [now, before, builtIn] : {std::tuple{&b.wb.boxTable, &typedMain, defaultMainTable()},
                                               std::tuple{&b.wb.tabSlotTable, &typedTabSlot, defaultTabSlotTable()},
                                               std::tuple{&b.wb.spiralTable, &typedSpiral, defaultSpiralTable()}}) {
        ASSERT_EQ(now->rowCount(), before->rowCount());
        EXPECT_EQ(now->cell(1, 0), builtIn.cell(1, 0));
        for (int row = 0; row < now->rowCount(); ++row) {
            EXPECT_EQ(now->caption(row), builtIn.caption(row)) << row;
            if (row > 0) {
                EXPECT_EQ(now->text(row), before->text(row)) << row;
            }
        }
    }

    store.save();  // the close
    Bench next;
    bool english = false;
    for (const fs::path& file : fs::directory_iterator(folders.program)) {
        fs::copy_file(file, folders.working / file.filename(), fs::copy_options::overwrite_existing);
    }
    TableStore(next.wb, folders).load([&] { english = true; });
    EXPECT_FALSE(english);
    EXPECT_EQ(next.wb.boxTable.caption(2), defaultMainTable().caption(2));
    EXPECT_EQ(next.wb.boxTable.text(2), "150");
    EXPECT_EQ(next.wb.tabSlotTable.text(2), "12");
    EXPECT_EQ(next.wb.bobbinTable.text(2), "31");
}

// The message of the close, or nothing when it saved every table.
std::optional<std::string> closeMessage(const TableStore& store) {
    try {
        store.save();
    } catch (const FileError& e) {
        return e.what();
    }
    return std::nullopt;
}

TEST_F(TablesInOneFolder, APipeOrADeviceIsRefusedAtStartAndNeitherWrittenNorMovedAtClose) {
    const fs::path main = folders.working / "ParamGrid.txt";
    const fs::path tabSlot = folders.working / "ParamZub.txt";
    ASSERT_EQ(::mkfifo(main.c_str(), 0600), 0);
    fs::create_symlink("/dev/full", tabSlot);
    const int reader = ::open(main.c_str(), O_RDONLY | O_NONBLOCK);  // a write would not fail, and would show
    ASSERT_GE(reader, 0);

    TableStore store(b.wb, folders);
    EXPECT_THROW(store.load([] {}), FileError);
    EXPECT_EQ(closeMessage(store), std::nullopt);
    ASSERT_EQ(b.messages.shown.size(), 1u);
    EXPECT_NE(
        b.messages.shown.front().find("Cannot create file \"" + main.string() + "\". It is not a regular file\r" +
                                      "Cannot create file \"" + tabSlot.string() + "\". It is not a regular file"),
        std::string::npos)
        << b.messages.shown.front();
    EXPECT_TRUE(fs::exists(folders.userData / "ParamZub.txt"));
    char byte = 0;
    EXPECT_EQ(::read(reader, &byte, 1), 0);
    ::close(reader);
    EXPECT_TRUE(fs::is_fifo(main));
    EXPECT_TRUE(fs::is_symlink(tabSlot));
    EXPECT_EQ(namesIn(folders.working),
              (std::set<std::string>{"CMakeCache.txt", "ParamGrid.txt", "ParamZub.txt", "TransGrid.txt"}));
}

TEST_F(TableFiles, ThePipeOrLinkToNothingInTheFolderWrittenAtCloseIsLeftAlone) {
    const fs::path pipe = folders.program / "ParamGrid.txt";
    const fs::path dangling = folders.program / "ParamZub.txt";
    const fs::path outside = dir / "elsewhere" / "ParamZub.txt";
    fs::create_directory(dir / "elsewhere");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    fs::create_symlink(outside, dangling);
    const int reader = ::open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);

    TableStore store(b.wb, folders);
    EXPECT_THROW(store.load([] {}), FileError);
    EXPECT_EQ(closeMessage(store), std::nullopt);
    ASSERT_EQ(b.messages.shown.size(), 1u);
    EXPECT_NE(b.messages.shown.front().find("Cannot create file \"" + pipe.string() + "\". It is not a regular file\r" +
                                            "Cannot create file \"" + dangling.string() + "\". It is a link to \"" +
                                            outside.string() + "\", which does not exist"),
              std::string::npos)
        << b.messages.shown.front();
    char byte = 0;
    EXPECT_EQ(::read(reader, &byte, 1), 0);
    ::close(reader);
    EXPECT_TRUE(fs::is_empty(dir / "elsewhere"));
    EXPECT_TRUE(fs::is_symlink(dangling));
    EXPECT_TRUE(fs::exists(folders.program / "TransGrid.txt"));
}

TEST_F(TablesInOneFolder, ATableThatWouldGrowPastWhatTheStartLoadsIsNotSavedAndTheFileStays) {
    // Within 1 MiB with bare LF and no TABs after the last cells; the saved form adds them.
    const fs::path main = folders.working / "ParamGrid.txt";
    const std::string head = toWindows1251("Параметры корпуса\tЗначение\nТолщина\t");
    const std::string nearlyMebibyte = head + std::string(1024 * 1024 - head.size() - 2, '5') + "\n";
    writeBytes(main, nearlyMebibyte);
    TableStore store(b.wb, folders);
    store.load([] {});
    b.wb.bobbinTable.setCell(1, 2, "31");

    EXPECT_EQ(closeMessage(store), "Cannot create file \"" + main.string() +
                                       "\". The table would make a file the next start refuses (larger than 1 MiB), "
                                       "so it was not saved and the file was left as it was");
    EXPECT_EQ(readFileBytes(main), nearlyMebibyte);
    Bench next;
    TableStore(next.wb, folders).load([] {});  // every file the close left loads back
    EXPECT_EQ(next.wb.boxTable.text(1), b.wb.boxTable.text(1));
    EXPECT_EQ(next.wb.bobbinTable.text(2), "31");

    // A cell typed too long is refused the same way, and so is a control character the
    // start would take for binary bytes; a table of sensible cells is saved again.
    b.wb.boxTable.setCell(1, 1, "5");
    for (const std::string& typed : {std::string(2 * 1024 * 1024, '7'), std::string("5\x01")}) {
        b.wb.boxTable.setCell(1, 2, typed);
        EXPECT_NE(closeMessage(store), std::nullopt);
        EXPECT_EQ(readFileBytes(main), nearlyMebibyte);
    }
    b.wb.boxTable.setCell(1, 2, "250");
    EXPECT_EQ(closeMessage(store), std::nullopt);
    ParamTable saved = defaultMainTable();
    loadTableFile(saved, main);
    EXPECT_EQ(saved.text(2), "250");
}

}  // namespace
}  // namespace tessaro
