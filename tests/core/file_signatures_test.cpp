// A sheet of ours is told from a user's file of the same name by what our writers put at
// its start (a PDF's at its end): every file each writer makes is known as its own type's
// and no other's, and the files of other programs, or ours altered, are not.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/commands.h"
#include "app/file_signatures.h"
#include "app/saving.h"
#include "model/face_cutouts.h"
#include "output/pdf_writer.h"
#include "support.h"

namespace tessaro {
namespace {

namespace fs = std::filesystem;
using testing::Bench;

std::vector<FileType> flatTypes() {
    std::vector<FileType> types;
    for (const FileFormat& format : fileFormats()) {
        if (format.flat()) {
            types.push_back(format.type);
        }
    }
    return types;
}

FileEnds endsOf(const std::string& bytes) {
    return {bytes.substr(0, kSignatureBytes), bytes.substr(bytes.size() - std::min(bytes.size(), kSignatureBytes))};
}

void writeFile(const fs::path& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

// The PDFs' captions leave font caches behind, freed as a program ends.
class FileSignatures : public ::testing::Test {
protected:
    void TearDown() override { releaseFontCaches(); }
};

TEST_F(FileSignatures, EveryFileOurWritersMakeIsKnownAsItsOwnTypeOnly) {
    Bench b;
    std::vector<Drawing> drawings{Drawing{}};
    b.wb.cutouts = {parseCutoutLine("label front,100,50,8,Щит 1 & <2>")};
    findCommand("full")->run(b.wb);
    drawings.push_back(b.wb.drawing);
    findCommand("spiral")->run(b.wb);
    drawings.push_back(b.wb.drawing);
    for (const Drawing& drawing : drawings) {
        for (const bool onSheet : {false, true}) {
            WriteChoices choices = writeChoices(b.wb);
            if (onSheet) {
                choices.page = Extent{0, 0, 600, 400, false};
            }
            for (const FileType written : flatTypes()) {
                const FileEnds ends = endsOf(drawingBytes(drawing, written, choices));
                for (const FileType asked : flatTypes()) {
                    EXPECT_EQ(writtenAs(ends, asked), asked == written)
                        << extensionOf(written) << " " << static_cast<int>(written) << " asked as "
                        << static_cast<int>(asked) << ", " << drawing.outlineCount() << " outlines";
                }
            }
        }
    }
}

TEST_F(FileSignatures, FilesOfOtherProgramsAndOursAlteredAreNotOurs) {
    Bench b;
    findCommand("full")->run(b.wb);
    const auto ours = [&b](FileType type) { return drawingBytes(b.wb.drawing, type, writeChoices(b.wb)); };
    const std::vector<std::string> strangers = {"", "my own drawing\n", "revision 7\n", std::string(200000, 'x')};
    for (const FileType type : flatTypes()) {
        for (const std::string& bytes : strangers) {
            EXPECT_FALSE(writtenAs(endsOf(bytes), type)) << static_cast<int>(type) << " " << bytes.substr(0, 20);
        }
        // Cut short, or (a text file) its first line ended as another editor ends lines.
        const std::string own = ours(type);
        EXPECT_FALSE(writtenAs(endsOf(own.substr(0, 20)), type)) << static_cast<int>(type);
        if (type == FileType::Pdf) {
            continue;
        }
        const std::size_t lineEnd = own.find('\n');
        std::string relined = own;
        if (lineEnd != std::string::npos && lineEnd > 0 && own[lineEnd - 1] == '\r') {
            relined.erase(lineEnd - 1, 1);
        } else {
            relined.insert(lineEnd, "\r");
        }
        EXPECT_FALSE(writtenAs(endsOf(relined), type)) << static_cast<int>(type);
    }
    // Other programs' files, each as close to ours as its program comes.
    EXPECT_FALSE(writtenAs(endsOf(replaced(ours(FileType::Dxf), "-200.00000000", "0.0")), FileType::Dxf));
    EXPECT_FALSE(writtenAs(endsOf(replaced(ours(FileType::Dxf2000), "ANSI_1251", "ANSI_1252")), FileType::Dxf2000));
    EXPECT_FALSE(writtenAs(endsOf("%!PS-Adobe-3.0 EPSF-3.0\r\n%%BoundingBox: 0 0 10 10\r\n%%Creator: other\r\n"
                                  "0 0 moveto 10 10 lineto stroke\r\n"),
                           FileType::Eps));
    EXPECT_FALSE(writtenAs(
        endsOf(replaced(ours(FileType::Svg), "encoding=\"UTF-8\"?>", "encoding=\"UTF-8\" standalone=\"no\"?>")),
        FileType::Svg));
    EXPECT_FALSE(
        writtenAs(endsOf(replaced(ours(FileType::Svg), "<g fill=\"none\"", "<g id=\"layer1\"")), FileType::Svg));
    EXPECT_FALSE(
        writtenAs(endsOf(replaced(ours(FileType::Pdf), "/Creator (Tessaro)", "/Creator (Inkscape)")), FileType::Pdf));
    // An STL is never a sheet.
    EXPECT_FALSE(writtenAs(endsOf("solid box\nendsolid box\n"), FileType::Stl));
}

// A large file is read at its ends only: a PDF's creator at its end is found past any
// head, and a folder, a pipe or a link is no sheet of ours, without being waited on.
TEST_F(FileSignatures, AFileIsReadAtItsEndsOnlyAndOnlyARegularFileIsOurs) {
    testing::ScratchFolder scratch;
    Bench b;
    b.wb.spiralTable.setValue(SpiralRow::StepAngle, "1");
    b.wb.spiralTable.setValue(SpiralRow::Turns, "100");
    findCommand("spiral")->run(b.wb);
    for (const FileType type : flatTypes()) {
        const std::string bytes = drawingBytes(b.wb.drawing, type, writeChoices(b.wb));
        ASSERT_GT(bytes.size(), 2 * kSignatureBytes) << static_cast<int>(type);
        const fs::path file = scratch.path / ("large-" + std::to_string(static_cast<int>(type)));
        writeFile(file, bytes);
        const FileEnds ends = readFileEnds(file, kSignatureBytes);
        EXPECT_EQ(ends.head, bytes.substr(0, kSignatureBytes));
        EXPECT_EQ(ends.tail, bytes.substr(bytes.size() - kSignatureBytes));
        EXPECT_TRUE(fileWrittenAs(file, type)) << static_cast<int>(type);

        const fs::path link = scratch.path / ("link-" + std::to_string(static_cast<int>(type)));
        fs::create_symlink(file, link);
        EXPECT_FALSE(fileWrittenAs(link, type));
    }
    const fs::path pipe = scratch.path / "pipe.dxf";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_FALSE(fileWrittenAs(pipe, FileType::Dxf));
    EXPECT_THROW((void)readFileEnds(pipe, kSignatureBytes), FileRefused);
    fs::create_directory(scratch.path / "folder.dxf");
    EXPECT_FALSE(fileWrittenAs(scratch.path / "folder.dxf", FileType::Dxf));
    EXPECT_FALSE(fileWrittenAs(scratch.path / "missing.dxf", FileType::Dxf));
    const FileEnds small = readFileEnds(scratch.path / "large-1", 10);
    EXPECT_EQ(small.head, "%!PS-Adobe");
}

}  // namespace
}  // namespace tessaro
