#include <gtest/gtest.h>

#include <algorithm>

#include "app/commands.h"
#include "app/pieces_warning.h"
#include "box/bottom_warning.h"
#include "geometry.h"
#include "model/number_parse.h"

namespace tessaro {
namespace {

using testing::Bench;
using testing::bodyOf;
using testing::Box;
using testing::partsOf;

TEST(foldingSetButton, SixPartsAroundTheBottom) {
    Bench b;
    makeFoldingBoxSet(b.wb);
    EXPECT_EQ(b.wb.templateLabel, " full");
    EXPECT_EQ(epsOf(b.wb)[4], "%%Title:  full");
    const auto body = bodyOf(epsOf(b.wb));
    EXPECT_EQ(std::count(body.begin(), body.end(), "stroke"), 6);
    EXPECT_EQ(body.back(), "stroke");

    const auto parts = partsOf(epsOf(b.wb));
    ASSERT_EQ(parts.size(), 6U);
    // Each part begins with its first move: the front panel at its origin, the others
    // at their first slot.
    const char* firstLines[] = {"   0.000000 -125.000000 moveto", "  12.300000    0.000000 moveto",
                                "-122.700000    0.000000 moveto", " 237.300000    0.000000 moveto",
                                "   0.000000  135.000000 moveto", "  12.300000  260.000000 moveto"};
    std::size_t line = 0;
    for (std::size_t part = 0; part < 6; ++part) {
        EXPECT_EQ(body[line], firstLines[part]) << part;
        line = std::find(body.begin() + static_cast<std::ptrdiff_t>(line), body.end(), "stroke") - body.begin() + 1;
    }
    Box sheet = parts[0].box();
    for (const auto& part : parts) {
        const Box p = part.box();
        sheet = {std::min(sheet.left, p.left), std::min(sheet.bottom, p.bottom), std::max(sheet.right, p.right),
                 std::max(sheet.top, p.top)};
    }
    EXPECT_EQ(sheet, (Box{-140, -130, 340, 380}));
    // The side panels lie level with the bottom plate.
    EXPECT_EQ(parts[2].body().box().bottom, -10);
    EXPECT_EQ(parts[3].body().box().top, 120);
}

TEST(foldingSetButton, ProposedNameNamesTheFeet) {
    Bench b;
    testing::ScriptedDialog dialog;
    const TemplateCommand& full = *findCommand("full");
    performCommand(b.wb, full, dialog);
    b.wb.boxTable.setCell(1, 1, "5.0");
    performCommand(b.wb, full, dialog);
    b.wb.options.feet = Feet::None;
    EXPECT_EQ(full.proposedName(b.wb), "5.0mm 200x100x110 full leg No");
    EXPECT_EQ(dialog.proposed,
              (std::vector<std::string>{"5mm 200x100x110 full leg 2", "5.0mm 200x100x110 full leg 2"}));
}

TEST(foldingSetButton, WarnsOncePerSidePanelAndGoesOn) {
    Bench b;
    b.wb.options.feet = Feet::None;
    b.wb.boxTable.setCell(1, 7, "0");
    makeFoldingBoxSet(b.wb);
    // Each side's warning, then one of the teeth its hole cuts loose.
    ASSERT_EQ(b.messages.shown.size(), 3U);
    EXPECT_EQ(b.messages.shown[0], kBottomFallsOutWarning);
    EXPECT_EQ(b.messages.shown[1], kBottomFallsOutWarning);
    EXPECT_EQ(b.messages.shown[2], fallingApartWarning({{"left side", 3}, {"right side", 3}}));
    EXPECT_EQ(partsOf(epsOf(b.wb)).size(), 6U);
}

TEST(foldingSetButton, BadSizeLeavesThePreviousDocument) {
    Bench b;
    makeFrontPanel(b.wb);
    const auto before = testing::linesOf(epsOf(b.wb));
    b.wb.boxTable.setCell(1, 1, "5mm");
    EXPECT_THROW(makeFoldingBoxSet(b.wb), ConversionError);
    EXPECT_EQ(testing::linesOf(epsOf(b.wb)), before);
    EXPECT_EQ(b.wb.templateLabel, "facade");
}

TEST(foldingSetButton, BadCellOfAGeneratorKeepsThePartsDrawnSoFar) {
    Bench b;
    testing::ScriptedDialog dialog;
    b.wb.boxTable.setCell(1, 5, "0.1.");  // the front panel does not read it, the bottom does
    EXPECT_THROW(performCommand(b.wb, *findCommand("full"), dialog), ConversionError);
    EXPECT_EQ(partsOf(epsOf(b.wb)).size(), 1U);
    EXPECT_TRUE(dialog.proposed.empty());
}

}  // namespace
}  // namespace tessaro
