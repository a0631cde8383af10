// A new set of sheets removes only what is provably an earlier, larger set of its own: the
// unbroken run of sheets our writer of that type made, from the sheet after its count; a
// file of the user's named as a sheet, and everything past the first file that breaks the
// run, are named and left as they were.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "app/commands.h"
#include "app/saving.h"
#include "app/sheets.h"
#include "support.h"

namespace tessaro {
namespace {

namespace fs = std::filesystem;

TEST(SheetSets, OnlyTheUnbrokenRunOfOurSheetsAfterTheCountIsRemovedAndTheRestIsNamed) {
    testing::ScratchFolder scratch;
    testing::Bench b;
    findCommand("tab-slot")->run(b.wb);
    const auto at = [&scratch](const std::string& name) { return (scratch.path / name).string(); };
    const std::string ours = drawingBytes(b.wb.drawing, FileType::Dxf, writeChoices(b.wb));
    const std::map<std::string, std::string> before = {
        {"box-1.dxf", "my own drawing\n"},
        {"box-2.dxf", ours},
        {"box-3.dxf", ours},
        {"box-4.dxf", drawingBytes(b.wb.drawing, FileType::Dxf2000, writeChoices(b.wb))},
        {"box-5.dxf", ours},
        {"box-2024.dxf", "revision 7\n"},
        {"box-02.dxf", ours},
        {"box-6.svg", ours},
        {"box.dxf", ours},
    };
    for (const auto& [name, bytes] : before) {
        std::ofstream(at(name), std::ios::binary) << bytes;
    }
    fs::create_directory(at("box-6.dxf"));

    const FilesInTheWay asked = sheetsInTheWay(at("box.dxf"), FileType::Dxf, 1);
    EXPECT_EQ(asked.replaced, std::vector{at("box-1.dxf")});
    EXPECT_EQ(asked.removed, (std::vector{at("box-2.dxf"), at("box-3.dxf")}));
    const std::vector left = {at("box-4.dxf"), at("box-5.dxf"), at("box-6.dxf"), at("box-2024.dxf")};
    EXPECT_EQ(asked.left, left);
    // Read as another type's set, none of them is ours.
    EXPECT_TRUE(sheetsInTheWay(at("box.dxf"), FileType::Eps, 1).removed.empty());

    const SheetFiles saved = saveSheets(b.wb, at("box.dxf"), FileType::Dxf, {b.wb.drawing}, SheetSize{600, 400});
    EXPECT_EQ(saved.written, std::vector{at("box-1.dxf")});
    EXPECT_EQ(saved.replaced, asked.replaced);
    EXPECT_EQ(saved.removed, asked.removed);
    EXPECT_EQ(saved.left, left);
    for (const auto& [name, bytes] : before) {
        if (name == "box-1.dxf" || name == "box-2.dxf" || name == "box-3.dxf") {
            continue;
        }
        EXPECT_EQ(testing::readFileBytes(at(name)), bytes) << name;
    }
    EXPECT_FALSE(fs::exists(at("box-2.dxf")));
    EXPECT_FALSE(fs::exists(at("box-3.dxf")));
    EXPECT_TRUE(fs::is_directory(at("box-6.dxf")));

    // The set of one again: box-4 breaks the run at once, so nothing more goes.
    const FilesInTheWay again = sheetsInTheWay(at("box.dxf"), FileType::Dxf, 1);
    EXPECT_TRUE(again.removed.empty());
    EXPECT_EQ(again.left, left);
}

}  // namespace
}  // namespace tessaro
