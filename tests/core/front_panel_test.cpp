#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/commands.h"
#include "box/front_panel.h"
#include "geometry.h"
#include "model/number_parse.h"

namespace tessaro {
namespace {

using testing::Bench;
using testing::bodyOf;
using testing::partsOf;

std::vector<std::string> facade(Bench& b) {
    makeFrontPanel(b.wb);
    return bodyOf(epsOf(b.wb));
}

TEST(FrontPanel, DefaultTableGivesFiftyFourLines) {
    Bench b;
    const auto body = facade(b);
    ASSERT_EQ(body.size(), 54U);
    EXPECT_EQ(b.wb.templateLabel, "facade");
    EXPECT_EQ(epsOf(b.wb)[4], "%%Title: facade");
    EXPECT_EQ(body[0], "   0.000000    0.000000 moveto");
    EXPECT_EQ(body[1], "  12.500000    0.000000 lineto");
    EXPECT_EQ(body[2], "  12.500000   -5.000000 lineto");
    EXPECT_EQ(body[3], "  37.500000   -5.000000 lineto");
    EXPECT_EQ(body[4], "  37.500000    0.000000 lineto");
    EXPECT_EQ(body[5], "  62.500000    0.000000 lineto");
    EXPECT_EQ(body[17], " 200.000000    0.000000 lineto");
    EXPECT_EQ(body[18], " 200.000000   12.500000 lineto");
    EXPECT_EQ(body[52], "   0.000000    0.000000 lineto");
    EXPECT_EQ(body[53], "stroke");
}

TEST(FrontPanel, OutlineIsTheBodyPlusTwelveTabs) {
    Bench b;
    b.wb.boxTable.setCell(1, 2, "160");
    b.wb.boxTable.setCell(1, 3, "72");
    b.wb.boxTable.setCell(1, 8, "4");
    facade(b);
    const auto parts = partsOf(epsOf(b.wb));
    ASSERT_EQ(parts.size(), 1U);
    ASSERT_EQ(parts[0].outlines.size(), 1U);
    const auto& outline = parts[0].outlines[0];
    EXPECT_TRUE(outline.closed());
    // Counterclockwise: the body plus 8 tabs of W/8 x T and 4 tabs of H/4 x T.
    EXPECT_NEAR(outline.signedArea(), 160 * 72 + 8 * (160.0 / 8) * 4 + 4 * (72.0 / 4) * 4, 1e-6);
    const auto box = outline.box();
    EXPECT_DOUBLE_EQ(box.left, -4);
    EXPECT_DOUBLE_EQ(box.bottom, -4);
    EXPECT_DOUBLE_EQ(box.right, 164);
    EXPECT_DOUBLE_EQ(box.top, 76);
    // Tabs centred at W/8, 3W/8, … below the body; gaps between them are body.
    for (double x : {20.0, 60.0, 100.0, 140.0}) {
        EXPECT_TRUE(outline.contains(x, -2)) << x;
        EXPECT_TRUE(outline.contains(x, 74)) << x;
    }
    for (double x : {5.0, 40.0, 80.0, 120.0, 155.0}) {
        EXPECT_FALSE(outline.contains(x, -2)) << x;
    }
    for (double y : {18.0, 54.0}) {
        EXPECT_TRUE(outline.contains(-2, y)) << y;
        EXPECT_TRUE(outline.contains(162, y)) << y;
    }
    EXPECT_FALSE(outline.contains(-2, 36));
}

TEST(FrontPanel, ReliefCutsNotchesIntoTheBodyAtTheFeetOfTheTabs) {
    Bench b;
    b.wb.options.cornerRelief = true;
    const auto body = facade(b);
    EXPECT_EQ(body[1], "   9.325000    0.000000 lineto");
    EXPECT_EQ(body[2], "   9.325000    1.587500 lineto");
    EXPECT_EQ(body[3], "  12.500000    1.587500 lineto");
    EXPECT_EQ(body[4], "  12.500000    0.000000 lineto");
    EXPECT_EQ(body[5], "  12.500000   -5.000000 lineto");
    // Each edge: 2 corner pieces of 4 lines, n-1 gaps of 7, n tabs of 3.
    EXPECT_EQ(body.size(), 1U + 2 * (8 + 3 * 7 + 4 * 3) + 2 * (8 + 1 * 7 + 2 * 3) + 1);
    const auto parts = partsOf(epsOf(b.wb));
    const auto& outline = parts[0].outlines[0];
    EXPECT_TRUE(outline.closed());
    // 8 notches per width edge and 4 per height edge, D x D/2 each, cut out of the body.
    const double notch = 3.175 * 3.175 / 2;
    EXPECT_NEAR(outline.signedArea(), 200 * 100 + 8 * 25 * 5 + 4 * 25 * 5 - 24 * notch, 1e-6);
}

TEST(FrontPanel, ScrewSlotsSitInTheMiddleOfEveryGap) {
    Bench b;
    b.wb.options.screwJoints = true;
    const auto body = facade(b);
    // 3 + 1 + 3 + 1 gaps each take 13 lines instead of 1.
    EXPECT_EQ(body.size(), 54U + 8 * 12);
    const auto parts = partsOf(epsOf(b.wb));
    const auto& outline = parts[0].outlines[0];
    EXPECT_TRUE(outline.closed());
    // The channel runs L1 + L2 + L3 = 19 into the panel from the middle of each gap.
    for (double x : {50.0, 100.0, 150.0}) {
        EXPECT_FALSE(outline.contains(x, 18)) << x;
        EXPECT_FALSE(outline.contains(x, 100 - 18)) << x;
        EXPECT_TRUE(outline.contains(x, 20)) << x;
    }
    EXPECT_FALSE(outline.contains(18, 50));
    EXPECT_FALSE(outline.contains(200 - 18, 50));
    // The nut pocket: L5 wide between depths L1 and L1 + L2.
    EXPECT_FALSE(outline.contains(50 + 4.5, 12));
    EXPECT_TRUE(outline.contains(50 + 4.5, 16));
}

TEST(FrontPanel, ReliefWinsOverScrews) {
    Bench relief;
    relief.wb.options.cornerRelief = true;
    Bench both;
    both.wb.options.cornerRelief = true;
    both.wb.options.screwJoints = true;
    EXPECT_EQ(facade(relief), facade(both));
}

TEST(FrontPanel, OriginShiftsEveryCoordinate) {
    Bench b;
    b.pen.originY = -125;
    drawFrontPanel(b.pen, testing::allPanelSizes(b.wb), b.wb.options, b.wb.screwTable);
    EXPECT_EQ(bodyOf(epsOf(b.wb))[0], "   0.000000 -125.000000 moveto");
    EXPECT_EQ(bodyOf(epsOf(b.wb))[1], "  12.500000 -125.000000 lineto");
    EXPECT_EQ(b.pen.currentY, -125);
}

TEST(FrontPanel, BadCellEndsBeforeTheFirstLine) {
    Bench b;
    b.wb.boxTable.setCell(1, 8, "5 mm");
    EXPECT_THROW(makeFrontPanel(b.wb), ConversionError);
    EXPECT_TRUE(bodyOf(epsOf(b.wb)).empty());
}

TEST(FrontPanel, BadScrewCellEndsTheCommandAtTheFirstSlot) {
    Bench b;
    b.wb.options.screwJoints = true;
    b.wb.screwTable.setCell(1, 5, "ten");
    EXPECT_THROW(drawFrontPanel(b.pen, testing::allPanelSizes(b.wb), b.wb.options, b.wb.screwTable), ConversionError);
    // The move, the corner piece and the first tab stand; the slot wrote nothing.
    EXPECT_EQ(bodyOf(epsOf(b.wb)).size(), 5U);
}

TEST(FrontPanel, AllFourButtonsProposeTheFacadeName) {
    for (const char* name : {"facade", "rear", "simple-front", "simple-rear"}) {
        Bench b;
        testing::ScriptedDialog dialog;
        b.wb.boxTable.setCell(1, 1, " 5");
        performCommand(b.wb, *findCommand(name), dialog);
        EXPECT_EQ(dialog.proposed, std::vector<std::string>{" 5mm 200x100x110 facade"}) << name;
        EXPECT_EQ(bodyOf(epsOf(b.wb)).size(), 54U) << name;
    }
}

}  // namespace
}  // namespace tessaro
