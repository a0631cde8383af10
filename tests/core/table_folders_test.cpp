#include <gtest/gtest.h>

#include <sys/stat.h>
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

// The program installed system-wide: its folder takes no files. Root may write
// anywhere, so the stand-in is a folder that is not there.
class InstalledProgram : public ::testing::Test {
protected:
    void SetUp() override {
        folders.program = scratch.path / "usr" / "bin";
        folders.working = scratch.path / "working";
        folders.userData = scratch.path / "home" / ".local" / "share" / "Tessaro";
        fs::create_directories(folders.working);
    }
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
    EXPECT_FALSE(fs::exists(folders.program));
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

TEST(TableFolders, AProgramFolderThatTakesFilesKeepsTheTablesOfTheSourceTreeRun) {
    testing::ScratchFolder scratch;
    TempFolders folders;
    folders.program = scratch.path;
    folders.working = "/somewhere/else";
    folders.userData = "/home/user/.local/share/Tessaro";
    const TableFolders chosen = tableFolders(folders);
    EXPECT_EQ(chosen.readFrom, folders.working);
    EXPECT_EQ(chosen.writeTo, folders.program);
}

TEST(TableFolders, AFolderTakesFilesOnlyWhenThisUserMayWriteIntoIt) {
    testing::ScratchFolder scratch;
    EXPECT_TRUE(canCreateFilesIn(scratch.path));
    EXPECT_FALSE(canCreateFilesIn(scratch.path / "missing"));
    if (::geteuid() != 0) {
        fs::permissions(scratch.path, fs::perms::owner_read | fs::perms::owner_exec);
        EXPECT_FALSE(canCreateFilesIn(scratch.path));
    }
}

}  // namespace
}  // namespace tessaro
