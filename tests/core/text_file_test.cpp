#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "output/text_file.h"
#include "support.h"

namespace tessaro {
namespace {

namespace fs = std::filesystem;

using testing::asUnprivilegedUser;
using testing::openToEveryone;
using testing::readFileBytes;

std::string repeated(std::string_view text, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) {
        out += text;
    }
    return out;
}

class TextFile : public ::testing::Test {
protected:
    testing::ScratchFolder scratch;
    const fs::path& dir = scratch.path;
};

TEST_F(TextFile, EveryLineEndsWithCrLfAndCyrillicIsWindows1251) {
    LineList lines;
    lines.append("%%Title: Толщина 5");
    lines.append("");
    lines.append("EOF");
    saveFileAtomically((dir / "a.eps").string(), documentBytes(lines));
    const std::string bytes = readFileBytes(dir / "a.eps");
    EXPECT_EQ(bytes, "%%Title: \xD2\xEE\xEB\xF9\xE8\xED\xE0 5\r\n\r\nEOF\r\n");
}

TEST_F(TextFile, CharacterWithoutWindows1251ByteBecomesQuestionMark) {
    EXPECT_EQ(toWindows1251("a\xE2\x82\xAC"
                            "b"),
              "a\x88"
              "b");  // the euro sign has a byte
    EXPECT_EQ(toWindows1251("a\xE4\xB8\xAD"
                            "b"),
              "a?b");  // a Chinese character has none
    EXPECT_EQ(toWindows1251("a\xFF"
                            "b"),
              "a?b");  // a stray byte
}

TEST_F(TextFile, Windows1251ReadsBackAsUtf8) {
    EXPECT_EQ(fromWindows1251("\xC7\xED\xE0\xF7\xE5\xED\xE8\xE5"), "Значение");
    EXPECT_EQ(fromWindows1251(toWindows1251("По умолчанию")), "По умолчанию");
}

TEST_F(TextFile, ReplacesAnExistingFileAndLeavesNoTemporary) {
    const fs::path target = dir / "b.dxf";
    std::ofstream(target) << "old";
    saveFileAtomically(target.string(), "new");
    EXPECT_EQ(readFileBytes(target), "new");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

TEST_F(TextFile, MissingFolderGivesTheFileCreationMessage) {
    const std::string target = (dir / "missing" / "c.dxf").string();
    try {
        saveFileAtomically(target, "x");
        FAIL() << "saved into a missing folder";
    } catch (const FileError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot create file \"" + target + "\". No such file or directory");
    }
}

std::string permissionDenied(const fs::path& target) {
    return "Cannot create file \"" + target.string() + "\". Permission denied";
}

std::size_t entriesIn(const fs::path& folder) {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

TEST_F(TextFile, AFileTheUserMayNotWriteIsNeitherReplacedNorTouched) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "needs a file of another user";
    }
    openToEveryone(dir);  // the folder is writable, so a rename could replace the file
    const fs::path foreign = dir / "foreign.eps";
    const fs::path readOnly = dir / "read-only.eps";
    std::ofstream(foreign) << "precious";
    std::ofstream(readOnly) << "precious too";
    fs::permissions(foreign,
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::others_read);
    fs::permissions(readOnly, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    struct stat before {};
    ::stat(foreign.c_str(), &before);

    EXPECT_EQ(asUnprivilegedUser([&] { saveFileAtomically(foreign.string(), "new"); }), permissionDenied(foreign));
    EXPECT_EQ(asUnprivilegedUser([&] { saveFileAtomically(readOnly.string(), "new"); }), permissionDenied(readOnly));
    EXPECT_EQ(readFileBytes(foreign), "precious");
    EXPECT_EQ(readFileBytes(readOnly), "precious too");
    struct stat after {};
    ::stat(foreign.c_str(), &after);
    EXPECT_EQ(after.st_uid, before.st_uid);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(entriesIn(dir), 2u);
}

TEST_F(TextFile, AWritableFileInAFolderTheUserMayNotWriteIsSavedInPlace) {
    const fs::path shared = dir / "shared.dxf";
    std::ofstream(shared) << "an older and longer text";
    fs::permissions(shared, fs::perms::all & ~(fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec));
    fs::permissions(dir, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec | fs::perms::others_read |
                             fs::perms::others_exec);
    struct stat before {};
    ::stat(shared.c_str(), &before);
    if (::geteuid() != 0) {
        fs::permissions(dir, fs::perms::owner_write, fs::perm_options::remove);
    }

    EXPECT_EQ(asUnprivilegedUser([&] { saveFileAtomically(shared.string(), "new"); }), std::nullopt);
    fs::permissions(dir, fs::perms::owner_all, fs::perm_options::add);
    EXPECT_EQ(readFileBytes(shared), "new");
    struct stat after {};
    ::stat(shared.c_str(), &after);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_uid, before.st_uid);
    EXPECT_EQ(entriesIn(dir), 1u);
}

TEST_F(TextFile, AReplacedFileKeepsItsOwnerAndGroup) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "only root can give a file to another user";
    }
    const fs::path target = dir / "theirs.eps";
    std::ofstream(target) << "old";
    ASSERT_EQ(::chown(target.c_str(), 65534, 65534), 0);
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    saveFileAtomically(target.string(), "new");
    struct stat after {};
    ::stat(target.c_str(), &after);
    EXPECT_EQ(readFileBytes(target), "new");
    EXPECT_EQ(after.st_uid, 65534u);
    EXPECT_EQ(after.st_gid, 65534u);
    EXPECT_EQ(after.st_mode & 07777, 0640u);
}

TEST_F(TextFile, TheLongestLegalNamesSaveAndLeaveNoTemporary) {
    for (const std::size_t length : {249u, 255u}) {
        const fs::path target = dir / (std::string(length - 4, 'n') + ".dxf");
        saveFileAtomically(target.string(), "first");
        saveFileAtomically(target.string(), "second");
        EXPECT_EQ(readFileBytes(target), "second");
    }
    // Cyrillic names are two bytes a letter; the temporary name is never cut inside one.
    const fs::path cyrillic = dir / (repeated("ф", 125) + ".eps");
    saveFileAtomically(cyrillic.string(), "x");
    EXPECT_EQ(readFileBytes(cyrillic), "x");
    EXPECT_EQ(entriesIn(dir), 3u);
}

TEST_F(TextFile, ADanglingSymbolicLinkIsWrittenThroughToItsTarget) {
    fs::create_directory(dir / "sheets");
    const fs::path link = dir / "latest.dxf";
    fs::create_symlink("sheets/box.dxf", link);  // relative to the link's folder, and missing
    saveFileAtomically(link.string(), "new");
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(readFileBytes(dir / "sheets" / "box.dxf"), "new");
}

TEST_F(TextFile, ALoopOfLinksIsRefused) {
    fs::create_symlink("b.dxf", dir / "a.dxf");
    fs::create_symlink("a.dxf", dir / "b.dxf");
    EXPECT_THROW(saveFileAtomically((dir / "a.dxf").string(), "x"), FileError);
}

TEST_F(TextFile, TemporariesLeftByKilledSavesOfTheTargetAreRemoved) {
    const fs::path target = dir / "box.dxf";
    const std::string prefix = temporaryNamePrefix("box.dxf");
    EXPECT_TRUE(prefix.starts_with(".box.dxf"));
    EXPECT_NE(prefix.find("tessaro"), std::string::npos);
    const fs::path killed = dir / (prefix + "aB3xZ9");
    const fs::path running = dir / (prefix + "Qq1w2E");
    const fs::path otherTarget = dir / (temporaryNamePrefix("lid.dxf") + "aB3xZ9");
    for (const fs::path& path : {killed, running, otherTarget}) {
        std::ofstream(path) << "half a file";
    }
    const int live = ::open(running.c_str(), O_RDONLY);  // a save in progress holds its lock
    ASSERT_GE(live, 0);
    ASSERT_EQ(::flock(live, LOCK_EX), 0);

    saveFileAtomically(target.string(), "whole");
    ::close(live);
    EXPECT_EQ(readFileBytes(target), "whole");
    EXPECT_FALSE(fs::exists(killed));
    EXPECT_TRUE(fs::exists(running));
    EXPECT_TRUE(fs::exists(otherTarget));
}

TEST_F(TextFile, TargetThatIsAFolderFailsAndIsLeftAlone) {
    const fs::path target = dir / "folder.eps";
    fs::create_directories(target / "inside");
    EXPECT_THROW(saveFileAtomically(target.string(), "new"), FileError);
    EXPECT_TRUE(fs::is_directory(target / "inside"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

TEST_F(TextFile, ASymbolicLinkIsWrittenThroughAndStaysALink) {
    const fs::path target = dir / "real.dxf";
    const fs::path link = dir / "link.dxf";
    std::ofstream(target) << "old";
    fs::create_symlink(target, link);
    saveFileAtomically(link.string(), "new");
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(readFileBytes(target), "new");
}

TEST_F(TextFile, AReplacedFileKeepsItsPermissions) {
    const fs::path target = dir / "private.eps";
    std::ofstream(target) << "old";
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write);
    saveFileAtomically(target.string(), "new");
    EXPECT_EQ(fs::status(target).permissions(), fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(TextFile, APipeIsWrittenAsItIsAndNotReplaced) {
    const fs::path pipe = dir / "pipe.dxf";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    // Without a reader the save fails at once instead of waiting.
    EXPECT_THROW(saveFileAtomically(pipe.string(), "lost"), FileError);
    const int reader = ::open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    saveFileAtomically(pipe.string(), "through the pipe");
    std::array<char, 64> buffer{};
    const ssize_t got = ::read(reader, buffer.data(), buffer.size());
    ::close(reader);
    EXPECT_EQ(std::string(buffer.data(), static_cast<std::size_t>(std::max<ssize_t>(got, 0))), "through the pipe");
    EXPECT_TRUE(fs::is_fifo(pipe));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

}  // namespace
}  // namespace tessaro
