#include <gtest/gtest.h>

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

TEST_F(InstalledProgram, TheFirstStartReadsTheWorkingFolderAndTheCloseWritesTheUserDataFolder) {
    writeWidthInto(folders.working, "123");
    Bench b;
    TableStore store(b.wb, folders);
    store.load([] {});
    EXPECT_EQ(b.wb.boxTable.text(2), "123");

    b.wb.bobbinTable.setCell(1, 2, "31");
    store.save();
    EXPECT_TRUE(b.messages.shown.empty());
    EXPECT_EQ(savedWidth(folders.userData), "123");
    ParamTable bobbin = defaultBobbinTable();
    loadTableFile(bobbin, folders.userData / kBobbinTableFile);
    EXPECT_EQ(bobbin.text(2), "31");
    EXPECT_TRUE(fs::exists(folders.userData / kTabSlotTableFile));
    EXPECT_EQ(savedWidth(folders.working), "123");  // the working folder's file is left as it was
}

TEST_F(InstalledProgram, OnceTheUserDataFolderHoldsTablesTheyWinOverTheWorkingFolder) {
    fs::create_directories(folders.userData);
    writeWidthInto(folders.userData, "140");
    writeWidthInto(folders.working, "123");
    Bench b;
    TableStore store(b.wb, folders);
    store.load([] {});
    EXPECT_EQ(b.wb.boxTable.text(2), "140");

    b.wb.boxTable.setCell(1, 2, "150");
    store.save();
    Bench next;
    TableStore(next.wb, folders).load([] {});
    EXPECT_EQ(next.wb.boxTable.text(2), "150");
    EXPECT_EQ(savedWidth(folders.working), "123");
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

TEST(TableFolders, AProgramInItsBuildFolderKeepsTheTablesOfTheSourceTreeRun) {
    testing::ScratchFolder scratch;
    testing::makeBuildFolder(scratch.path);
    TempFolders folders;
    folders.program = scratch.path;
    folders.working = "/somewhere/else";
    folders.userData = "/home/user/.local/share/Tessaro";
    const TableFolders chosen = tableFolders(folders);
    EXPECT_EQ(chosen.readFrom, folders.working);
    EXPECT_EQ(chosen.writeTo, folders.program);
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
