#include <gtest/gtest.h>

#include "app/commands.h"
#include "app/saving.h"
#include "assembly.h"
#include "model/number_parse.h"

namespace tessaro {
namespace {

using namespace testing;
using Outline = testing::BodyOutline;
using Part = testing::BodyPart;
using Point = testing::BodyPoint;

std::vector<std::string> tabSlot(Bench& b) {
    makeTabSlotPiece(b.wb);
    return bodyOf(epsOf(b.wb));
}

TEST(TabSlot, DefaultTableGivesTheTwentyTwoLinePath) {
    Bench b;
    const std::vector<std::string> expected = {"   0.000000    0.000000 moveto", "  50.000000    0.000000 moveto",
                                               "  75.400000    0.000000 lineto", "  75.400000    5.100000 lineto",
                                               "  50.000000    5.100000 lineto", "  50.000000    0.000000 lineto",
                                               " 100.000000    0.000000 moveto", " 125.400000    0.000000 lineto",
                                               " 125.400000    5.100000 lineto", " 100.000000    5.100000 lineto",
                                               " 100.000000    0.000000 lineto", "  37.700000   13.000000 moveto",
                                               "  50.200000   13.000000 lineto", "  50.200000    8.000000 lineto",
                                               "  75.200000    8.000000 lineto", "  75.200000   13.000000 lineto",
                                               " 100.200000   13.000000 lineto", " 100.200000    8.000000 lineto",
                                               " 125.200000    8.000000 lineto", " 125.200000   13.000000 lineto",
                                               " 137.700000   13.000000 lineto", "stroke"};
    EXPECT_EQ(tabSlot(b), expected);
    EXPECT_EQ(epsOf(b.wb)[4], "%%Title: tab");
}

TEST(TabSlot, ReliefGivesFiftyEightLinesWithNotchesIntoThePlateAndTheStrip) {
    Bench b;
    b.wb.options.tabSlotRelief = true;
    const auto body = tabSlot(b);
    ASSERT_EQ(body.size(), 58U);
    const std::vector<std::string> bottomEdge(body.begin() + 2, body.begin() + 9);
    EXPECT_EQ(bottomEdge, (std::vector<std::string>{"  50.000000   -1.587500 lineto", "  53.175000   -1.587500 lineto",
                                                    "  53.175000    0.000000 lineto", "  72.225000    0.000000 lineto",
                                                    "  72.225000   -1.587500 lineto", "  75.400000   -1.587500 lineto",
                                                    "  75.400000    0.000000 lineto"}));
    const auto parts = partsOf(epsOf(b.wb));
    ASSERT_EQ(parts.size(), 1U);
    ASSERT_EQ(parts[0].outlines.size(), 4U);
    const double notch = 3.175 * 3.175 / 2;
    for (int k : {1, 2}) {
        EXPECT_TRUE(parts[0].outlines[k].closed());
        EXPECT_NEAR(parts[0].outlines[k].signedArea(), 25.4 * 5.1 + 4 * notch, kReadBack);
    }
    // The strip's notches stand up from the gaps at the roots of the teeth.
    const auto& edge = parts[0].outlines[3];
    EXPECT_FALSE(edge.closed());
    EXPECT_DOUBLE_EQ(edge.box().top, 13 + 3.175 / 2);
    EXPECT_EQ(runsOf(edge, [](const auto& p) { return p.y > 13 + kReadBack; }).size(), 4U);
}

TEST(TabSlot, TeethStandCentredOverTheirSlots) {
    Bench b;
    for (const auto& [row, text] : {std::pair{1, "3"}, {2, "18"}, {3, "12"}, {4, "0.15"}, {5, "0.25"}, {6, "2"}}) {
        b.wb.tabSlotTable.setCell(1, row, text);
    }
    const double T = 3, A = 0.15, B = 0.25;
    for (bool relief : {false, true}) {
        b.wb.options.tabSlotRelief = relief;
        tabSlot(b);
        const auto parts = partsOf(epsOf(b.wb));
        ASSERT_EQ(parts.at(0).outlines.size(), 4U);
        const Box slots[] = {parts[0].outlines[1].box(), parts[0].outlines[2].box()};
        const double notch = relief ? 2.0 / 2 : 0;  // the slots' notches deepen their extent
        const auto& edge = parts[0].outlines[3];
        const double edgeY = edge.points.front().y;
        const auto teeth = runsOf(edge, [&](const auto& p) { return p.y < edgeY - kReadBack; });
        ASSERT_EQ(teeth.size(), 2U);
        for (int k = 0; k < 2; ++k) {
            EXPECT_TRUE(parts[0].outlines[k + 1].closed());
            EXPECT_NEAR(centreX(teeth[k]), centreX(slots[k]), kReadBack) << relief;
            EXPECT_NEAR(teeth[k].left - slots[k].left, B, kReadBack) << relief;
            EXPECT_NEAR(slots[k].height() - 2 * notch - T, A, kReadBack) << relief;
            EXPECT_NEAR(edgeY - teeth[k].bottom, T, kReadBack) << relief;
            EXPECT_NEAR(teeth[k].bottom - (slots[k].top - notch), 3 - A, kReadBack) << relief;
        }
    }
}

TEST(TabSlot, ZeroGapWritesNoGapLinesWithReliefAndZeroLengthLinesWithout) {
    Bench plain;
    plain.wb.tabSlotTable.setCell(1, 3, "0");
    const auto without = tabSlot(plain);
    EXPECT_EQ(without.size(), 22U);
    EXPECT_EQ(without[11], "  25.200000   13.000000 moveto");
    EXPECT_EQ(without[12], "  25.200000   13.000000 lineto");
    EXPECT_EQ(without[16], without[15]);

    Bench relief;
    relief.wb.tabSlotTable.setCell(1, 3, "0");
    relief.wb.options.tabSlotRelief = true;
    const auto with = tabSlot(relief);
    // Slots of 16 lines each; the edge keeps only its two teeth.
    EXPECT_EQ(with.size(), 1U + 2 * 17 + 1 + 2 * 3 + 1);
    EXPECT_EQ(with[35], "  25.200000   13.000000 moveto");
    EXPECT_EQ(with[36], "  25.200000    8.000000 lineto");
}

TEST(TabSlot, OnlyItsOwnReliefSwitchCounts) {
    Bench plain;
    Bench boxRelief;
    boxRelief.wb.options.cornerRelief = true;
    EXPECT_EQ(tabSlot(plain), tabSlot(boxRelief));
}

TEST(TabSlot, DxfLeavesTheToothedEdgeOpenAndTheSlotsClosed) {
    Bench b;
    showTab(b.wb, findCommand("tab-slot")->tab);
    makeTabSlotPiece(b.wb);
    (void)templateBytes(b.wb, FileType::Dxf);
    std::vector<std::string> flags;
    for (std::size_t i = 0; i + 8 < dxfOf(b.wb).size(); ++i) {
        if (dxfOf(b.wb)[i] == "POLYLINE") {
            flags.emplace_back(dxfOf(b.wb)[i + 8]);
        }
    }
    EXPECT_EQ(flags, (std::vector<std::string>{"  1", "  1", "  1", "  2"}));
}

TEST(TabSlot, BadCellLeavesTheHeaderAlone) {
    Bench b;
    b.wb.tabSlotTable.setCell(1, 3, "wide");
    testing::ScriptedDialog dialog;
    EXPECT_THROW(performCommand(b.wb, *findCommand("tab-slot"), dialog), ConversionError);
    EXPECT_EQ(epsOf(b.wb).size(), 20U);
    EXPECT_TRUE(dialog.proposed.empty());
}

}  // namespace
}  // namespace tessaro
