// Saves that fail part way, on a disk that fills up or beside another save, leave the old
// files whole: a small tmpfs is the full disk (root only; skipped otherwise).
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <vector>

#include "app/commands.h"
#include "app/saving.h"
#include "output/files.h"
#include "support.h"

namespace tessaro {
namespace {

namespace fs = std::filesystem;

using testing::asUnprivilegedUser;
using testing::namesIn;
using testing::readFileBytes;

ino_t inodeOf(const fs::path& path) {
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info.st_ino;
}

class WholeSaves : public ::testing::Test {
protected:
    testing::ScratchFolder scratch;
    const fs::path& dir = scratch.path;
};

TEST_F(WholeSaves, AFullDiskLeavesAFileWrittenInPlaceWholeAndTheNextSaveWritesIt) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "mounting the small disk and saving as another user need root";
    }
    testing::openToEveryone(dir);
    testing::SmallDisk disk(dir / "disk", 64);
    if (!disk.mounted) {
        GTEST_SKIP() << "this machine does not let tmpfs be mounted";
    }
    // Saved in place by "nobody": a folder it may not write, and a file of another owner
    // (root's, open to all) that a new file could not keep.
    const fs::path readOnlyFolder = disk.path / "read-only";
    fs::create_directory(readOnlyFolder);
    fs::permissions(readOnlyFolder, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                        fs::perms::others_read | fs::perms::others_exec);
    const fs::path inReadOnlyFolder = readOnlyFolder / "box.dxf";
    const fs::path ofAnotherOwner = disk.path / "theirs.dxf";
    const std::string old(3000, 'o');
    for (const fs::path& file : {inReadOnlyFolder, ofAnotherOwner}) {
        std::ofstream(file, std::ios::binary) << old;
        fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                                  fs::perms::group_write | fs::perms::others_read | fs::perms::others_write);
    }
    const std::string larger(20000, 'n');
    disk.fillLeaving(8);

    for (const fs::path& file : {inReadOnlyFolder, ofAnotherOwner}) {
        const ino_t before = inodeOf(file);
        EXPECT_EQ(asUnprivilegedUser([&] { saveFileAtomically(file.string(), larger); }),
                  "Cannot create file \"" + file.string() + "\". No space left on device");
        EXPECT_TRUE(readFileBytes(file) == old) << file << " was cut or changed";
        EXPECT_EQ(inodeOf(file), before);
    }
    fs::remove(disk.path / "filler");
    for (const fs::path& file : {inReadOnlyFolder, ofAnotherOwner}) {
        const ino_t before = inodeOf(file);
        EXPECT_EQ(asUnprivilegedUser([&] { saveFileAtomically(file.string(), larger); }), std::nullopt);
        EXPECT_TRUE(readFileBytes(file) == larger) << file;
        EXPECT_EQ(inodeOf(file), before);  // written in place, not replaced
        EXPECT_EQ(asUnprivilegedUser([&] { saveFileAtomically(file.string(), "short"); }), std::nullopt);
        EXPECT_EQ(readFileBytes(file), "short");  // no tail of the longer text left
    }
    EXPECT_EQ(namesIn(readOnlyFolder), std::set<std::string>{"box.dxf"});
}

// Three files of a set whose old versions say which they are.
class SavedSet : public WholeSaves {
protected:
    void keepOldSet(const fs::path& folder) {
        for (int i = 1; i <= 3; ++i) {
            const fs::path file = folder / ("s-" + std::to_string(i) + ".dxf");
            std::ofstream(file, std::ios::binary) << "old " << i;
            files.push_back(file.string());
        }
    }
    std::vector<FileToSave> newSet(const std::string& bytes) const {
        std::vector<FileToSave> set;
        for (const std::string& file : files) {
            set.push_back({file, bytes});
        }
        return set;
    }
    void expectOldSet() const {
        for (std::size_t i = 0; i < files.size(); ++i) {
            EXPECT_EQ(readFileBytes(files[i]), "old " + std::to_string(i + 1)) << files[i];
        }
    }
    std::vector<std::string> files;
};

TEST_F(SavedSet, AFileThatCannotBeWrittenLeavesEveryOldFileAndNoTemporary) {
    keepOldSet(dir);
    fs::path thirdAsFolder = files[2];
    fs::remove(thirdAsFolder);
    fs::create_directory(thirdAsFolder);
    try {
        saveFilesTogether(newSet("new"));
        FAIL() << "a folder was saved over";
    } catch (const FileError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot create file \"" + files[2] + "\". Is a directory");
    }
    files.pop_back();
    expectOldSet();
    EXPECT_EQ(namesIn(dir), (std::set<std::string>{"s-1.dxf", "s-2.dxf", "s-3.dxf"}));
    EXPECT_TRUE(fs::is_directory(thirdAsFolder));
}

TEST_F(SavedSet, ADeviceOrAPipeInTheSetIsRefusedBeforeAnyFileIsReplaced) {
    keepOldSet(dir);
    fs::remove(files[1]);
    ASSERT_EQ(::mkfifo(files[1].c_str(), 0600), 0);
    EXPECT_THROW(saveFilesTogether(newSet("new")), FileError);
    fs::remove(files[1]);
    fs::create_symlink("/dev/null", files[1]);
    EXPECT_THROW(saveFilesTogether(newSet("new")), FileError);
    EXPECT_EQ(readFileBytes(files[0]), "old 1");
    EXPECT_EQ(readFileBytes(files[2]), "old 3");
    EXPECT_EQ(namesIn(dir).size(), 3u);
    EXPECT_THROW(refuseUnlessRegularOrAbsent("/dev/full"), FileError);
    EXPECT_NO_THROW(refuseUnlessRegularOrAbsent(files[0]));
    EXPECT_NO_THROW(refuseUnlessRegularOrAbsent((dir / "new.dxf").string()));
}

TEST_F(SavedSet, AFullDiskAtTheSecondFileLeavesEveryOldFileAndTheRoomAsItWas) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "mounting the small disk needs root";
    }
    testing::SmallDisk disk(dir / "disk", 64);
    if (!disk.mounted) {
        GTEST_SKIP() << "this machine does not let tmpfs be mounted";
    }
    keepOldSet(disk.path);
    const std::string sheet(12000, 's');  // three pages: one fits, two do not
    disk.fillLeaving(20);
    const std::uintmax_t spare = fs::space(disk.path).available;
    try {
        saveFilesTogether(newSet(sheet));
        FAIL() << "a set larger than the disk was saved";
    } catch (const FileError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot create file \"" + files[1] + "\". No space left on device");
    }
    expectOldSet();
    EXPECT_EQ(namesIn(disk.path), (std::set<std::string>{"filler", "s-1.dxf", "s-2.dxf", "s-3.dxf"}));
    EXPECT_EQ(fs::space(disk.path).available, spare);

    fs::remove(disk.path / "filler");
    saveFilesTogether(newSet(sheet));
    for (const std::string& file : files) {
        EXPECT_TRUE(readFileBytes(file) == sheet) << file;
    }
}

// Processes saving one name at once: each save's temporary is its own until renamed, so
// none fails for another's sweep of leftovers, and the file is always one of them whole.
TEST_F(WholeSaves, RacingSavesOfOneNameNeverFailForEachOther) {
    constexpr int kProcesses = 4;
    constexpr int kSavesEach = 150;
    const fs::path target = dir / "box.dxf";
    std::vector<pid_t> children;
    for (int p = 0; p < kProcesses; ++p) {
        const pid_t child = ::fork();
        if (child == 0) {
            int failures = 0;
            const std::string bytes(1000 + static_cast<std::size_t>(p), static_cast<char>('a' + p));
            for (int i = 0; i < kSavesEach; ++i) {
                try {
                    saveFileAtomically(target.string(), bytes);
                } catch (const FileError&) {
                    ++failures;
                }
            }
            ::_exit(std::min(failures, 100));
        }
        children.push_back(child);
    }
    int failures = 0;
    for (const pid_t child : children) {
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFEXITED(status));
        failures += WEXITSTATUS(status);
    }
    EXPECT_EQ(failures, 0);
    const std::string saved = readFileBytes(target);
    ASSERT_GE(saved.size(), 1000u);
    EXPECT_EQ(saved, std::string(saved.size(), static_cast<char>('a' + (saved.size() - 1000))));
    EXPECT_EQ(namesIn(dir), std::set<std::string>{"box.dxf"});
}

// A save stopped by its watch part way through a large template (as Cancel stops it)
// leaves the old file as it was and no temporary beside it; the watch saw the bytes grow.
TEST_F(WholeSaves, AStoppedSaveLeavesTheOldFileAndNoTemporary) {
    StandInClock clock;
    SilentMessages messages;
    Workbench wb(clock, messages);
    wb.spiralTable.setValue(SpiralRow::StepAngle, "1");
    wb.spiralTable.setValue(SpiralRow::Turns, "300");
    findCommand("spiral")->run(wb);
    const fs::path target = dir / "spiral.dxf";
    std::ofstream(target, std::ios::binary) << "old";
    std::vector<std::size_t> seen;
    const WriteWatch stopHalfWay = [&seen](std::size_t written) {
        seen.push_back(written);
        return written > 1'000'000;
    };
    EXPECT_THROW(saveTemplate(wb, target.string(), FileType::Dxf, stopHalfWay), WriteStopped);
    EXPECT_EQ(readFileBytes(target), "old");
    EXPECT_EQ(namesIn(dir), std::set<std::string>{"spiral.dxf"});
    ASSERT_GE(seen.size(), 2U);
    EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
    // Unwatched, the same save writes the whole template.
    saveTemplate(wb, target.string(), FileType::Dxf);
    EXPECT_EQ(readFileBytes(target), templateBytes(wb, FileType::Dxf));
    EXPECT_GT(readFileBytes(target).size(), seen.back());
}

}  // namespace
}  // namespace tessaro
