#include <gtest/gtest.h>

#include <fcntl.h>
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

using testing::readFileBytes;

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
    EXPECT_EQ(toWindows1251("a\xE2\x82\xAC" "b"), "a\x88" "b");  // the euro sign has a byte
    EXPECT_EQ(toWindows1251("a\xE4\xB8\xAD" "b"), "a?b");         // a Chinese character has none
    EXPECT_EQ(toWindows1251("a\xFF" "b"), "a?b");                 // a stray byte
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

TEST_F(TextFile, FailedSaveKeepsTheOldFile) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root writes into read-only folders";
    }
    const fs::path target = dir / "d.eps";
    std::ofstream(target) << "precious";
    fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_THROW(saveFileAtomically(target.string(), "new"), FileError);
    EXPECT_EQ(readFileBytes(target), "precious");
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
