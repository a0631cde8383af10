#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "app/table_files.h"
#include "app/table_folders.h"
#include "output/files.h"
#include "support.h"

namespace tessaro {
namespace {

namespace fs = std::filesystem;
using testing::Bench;
using testing::TempFolders;

std::string savedWidth(const fs::path& folder) {
    ParamTable table = defaultMainTable();
    loadTableFile(table, folder / kMainTableFile);
    return table.text(2);
}

// The program installed system-wide and run by root: its folder is there and may be
// written, and still takes none of the tables.
class InstalledProgram : public ::testing::Test {
protected:
    void SetUp() override {
        folders.program = scratch.path / "usr" / "bin";
        folders.working = scratch.path / "working";
        folders.userData = scratch.path / "home" / ".local" / "share" / "Tessaro";
        fs::create_directories(folders.program);
        fs::create_directories(folders.working);
    }
    void TearDown() override { EXPECT_TRUE(fs::is_empty(folders.program)); }
    void writeWidthInto(const fs::path& folder, const std::string& width) {
        Bench other;
        other.wb.boxTable.setCell(1, 2, width);
        saveTableFile(other.wb.boxTable, folder / kMainTableFile);
    }
    testing::ScratchFolder scratch;
    TempFolders folders;
};

// The tables are read from where they will be written: a working folder that holds them
// gets them back at close, and the data folder is left alone.
TEST_F(InstalledProgram, AWorkingFolderWithTablesIsReadAndWrittenBack) {
    fs::create_directories(folders.userData);
    writeWidthInto(folders.userData, "140");
    writeWidthInto(folders.working, "123");
    Bench b;
    TableStore store(b.wb, folders);
    store.load([] {});
    EXPECT_EQ(b.wb.boxTable.text(2), "123");

    b.wb.boxTable.setCell(1, 2, "124");
    b.wb.bobbinTable.setCell(1, 2, "31");
    store.save();
    EXPECT_TRUE(b.messages.shown.empty());
    EXPECT_EQ(savedWidth(folders.working), "124");
    ParamTable bobbin = defaultBobbinTable();
    loadTableFile(bobbin, folders.working / kBobbinTableFile);
    EXPECT_EQ(bobbin.text(2), "31");
    EXPECT_EQ(savedWidth(folders.userData), "140");
    EXPECT_FALSE(fs::exists(folders.userData / kBobbinTableFile));
}

TEST_F(InstalledProgram, WithoutTablesInTheWorkingFolderTheDataFolderIsReadAndWritten) {
    fs::create_directories(folders.userData);
    writeWidthInto(folders.userData, "140");
    Bench b;
    TableStore store(b.wb, folders);
    store.load([] {});
    EXPECT_EQ(b.wb.boxTable.text(2), "140");

    b.wb.boxTable.setCell(1, 2, "150");
    store.save();
    Bench next;
    TableStore(next.wb, folders).load([] {});
    EXPECT_EQ(next.wb.boxTable.text(2), "150");
    EXPECT_TRUE(fs::is_empty(folders.working));
}

// A working folder whose disk is full keeps its old tables; the close saves the values in
// the data folder, says so, and the next start there reads them and writes them back
// once the folder takes them again.
TEST_F(InstalledProgram, TablesTheirFolderCannotTakeGoToTheDataFolderAndTheCloseSaysSo) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "mounting the small disk needs root";
    }
    testing::SmallDisk disk(folders.working, 64);
    if (!disk.mounted) {
        GTEST_SKIP() << "this machine does not let tmpfs be mounted";
    }
    writeWidthInto(folders.working, "123");
    disk.fillLeaving(0);
    {
        Bench b;
        TableStore store(b.wb, folders);
        store.load([] {});
        b.wb.boxTable.setCell(1, 2, "124");
        store.save();
        ASSERT_EQ(b.messages.shown.size(), 1u);
        const std::string& said = b.messages.shown.front();
        EXPECT_EQ(said.find("The tables could not be saved in \"" + folders.working.string() +
                            "\", so they were saved in \"" + folders.userData.string() +
                            "\", where the next start reads them:\rCannot create file \"" +
                            (folders.working / kMainTableFile).string() + "\". No space left on device"),
                  0u)
            << said;
    }
    EXPECT_EQ(savedWidth(folders.working), "123");
    EXPECT_EQ(savedWidth(folders.userData), "124");

    fs::remove(folders.working / "filler");
    Bench next;
    TableStore store(next.wb, folders);
    store.load([] {});
    EXPECT_EQ(next.wb.boxTable.text(2), "124");
    store.save();
    EXPECT_TRUE(next.messages.shown.empty());
    EXPECT_EQ(savedWidth(folders.working), "124");
    Bench after;
    TableStore(after.wb, folders).load([] {});
    EXPECT_EQ(after.wb.boxTable.text(2), "124");
    EXPECT_FALSE(fs::exists(folders.userData / kMovedTablesNote));
}

TEST_F(InstalledProgram, AStartInAnEmptyFolderKeepsTheDefaultsAndStillSaves) {
    Bench b;
    TableStore store(b.wb, folders);
    store.load([] {});
    EXPECT_EQ(b.wb.boxTable, defaultMainTable());
    store.save();
    EXPECT_TRUE(fs::is_empty(folders.working));
    EXPECT_EQ(savedWidth(folders.userData), defaultMainTable().text(2));
}

TEST_F(InstalledProgram, AUserDataFolderThatCannotBeMadeIsReportedForEveryFile) {
    fs::create_directories(scratch.path / "home");
    std::ofstream(scratch.path / "home" / ".local") << "a file where the folder should be";
    Bench b;
    TableStore store(b.wb, folders);
    store.load([] {});
    try {
        store.save();
        FAIL() << "the save reported no failure";
    } catch (const FileError& e) {
        const std::string message = e.what();
        for (const std::string_view name : {kMainTableFile, kTabSlotTableFile, kBobbinTableFile}) {
            EXPECT_NE(message.find("Cannot create file \"" + (folders.userData / name).string() + "\""),
                      std::string::npos)
                << message;
        }
    }
}

// Started from another folder, the program run from its build reads the tables it writes:
// its own folder's, not the built-in ones over them.
TEST(TableFolders, AProgramInItsBuildFolderReadsAndWritesItsOwnTablesFromAnotherFolder) {
    testing::ScratchFolder scratch;
    TempFolders folders;
    folders.program = scratch.path / "build";
    folders.working = scratch.path / "elsewhere";
    folders.userData = scratch.path / "data";
    fs::create_directories(folders.program);
    fs::create_directories(folders.working);
    testing::makeBuildFolder(folders.program);
    const TableFolders chosen = tableFolders(folders);
    EXPECT_EQ(chosen.readFrom, folders.program);
    EXPECT_EQ(chosen.writeTo, folders.program);

    std::ofstream(folders.working / kTabSlotTableFile) << "a table\t\r\n";
    const TableFolders here = tableFolders(folders);
    EXPECT_EQ(here.readFrom, folders.working);
    EXPECT_EQ(here.writeTo, folders.working);
}

TEST(TableFolders, OnlyTheFolderCMakeConfiguredIsABuild) {
    testing::ScratchFolder scratch;
    EXPECT_FALSE(runsFromItsBuild(scratch.path));  // writable, as /usr/bin is to root
    EXPECT_FALSE(runsFromItsBuild(scratch.path / "missing"));
    fs::create_directory(scratch.path / "CMakeCache.txt");
    EXPECT_FALSE(runsFromItsBuild(scratch.path));
    fs::remove(scratch.path / "CMakeCache.txt");
    testing::makeBuildFolder(scratch.path);
    EXPECT_TRUE(runsFromItsBuild(scratch.path));
}

}  // namespace
}  // namespace tessaro
