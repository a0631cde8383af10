#include <gtest/gtest.h>

#include "app/commands.h"
#include "assembly.h"
#include "box/bottom_warning.h"
#include "model/number_parse.h"

namespace tessaro {
namespace {

using namespace testing;
using Outline = testing::BodyOutline;
using Part = testing::BodyPart;
using Point = testing::BodyPoint;

std::vector<std::string> simpleSide(Bench& b) {
    makeSimpleSidePanel(b.wb);
    return bodyOf(epsOf(b.wb));
}

Part sidePart(Bench& b) {
    makeSimpleSidePanel(b.wb);
    const auto parts = partsOf(epsOf(b.wb));
    EXPECT_EQ(parts.size(), 1U);
    return parts.front();
}

int moveLines(const std::vector<std::string>& body) {
    int moves = 0;
    for (const std::string& line : body) {
        moves += line.ends_with("moveto") ? 1 : 0;
    }
    return moves;
}

TEST(SimpleSide, DefaultTableStartsWithTheFrontSlotRow) {
    Bench b;
    const auto body = simpleSide(b);
    EXPECT_EQ(epsOf(b.wb)[4], "%%Title: Side");
    EXPECT_EQ(body[0], "  12.300000    0.000000 moveto");
    EXPECT_EQ(body[1], "  12.300000   -5.100000 lineto");
    EXPECT_EQ(body[2], "  37.700000   -5.100000 lineto");
    EXPECT_EQ(body[5], "  62.300000    0.000000 moveto");
    EXPECT_EQ(body[10], "  12.300000  110.000000 moveto");
    EXPECT_EQ(body[11], "  12.300000  115.100000 lineto");
    // Then the body: down the front strip, across, up, and on to the first tab.
    EXPECT_EQ(body[20], "   0.000000    0.000000 moveto");
    EXPECT_EQ(body[21], "   0.000000  -10.000000 lineto");
    EXPECT_EQ(body[22], " 100.000000  -10.000000 lineto");
    EXPECT_EQ(body[23], " 100.000000    0.000000 lineto");
    EXPECT_EQ(body[24], " 100.000000    9.166667 lineto");
    EXPECT_EQ(body[25], " 105.000000    9.166667 lineto");
    EXPECT_EQ(body.back(), "stroke");
    EXPECT_EQ(moveLines(body), 5);
    // 4 slots of 4 lines, the body's 6 strip lines and two edges of 2 ends, 3 tabs of 3, 2 gaps.
    EXPECT_EQ(body.size(), 4U * 5 + 1 + 6 + 2 * (2 + 3 * 3 + 2) + 1);
    EXPECT_TRUE(b.messages.shown.empty());
    // The frame allowance it read (5) is what the warning looks at: none even without feet.
    Bench noFeet;
    noFeet.wb.options.feet = Feet::None;
    simpleSide(noFeet);
    EXPECT_TRUE(noFeet.messages.shown.empty());
}

TEST(SimpleSide, OutlinesAreTheBodyWithSixTabsAndFourSlots) {
    Bench b;
    setOddMainTable(b.wb);
    const Part part = sidePart(b);
    ASSERT_EQ(part.outlines.size(), 5U);
    const double M = 4, H = 72, D = 90, Ah = 0.15, Al = 0.3, F = 3, T = 6;
    const auto& body = part.body();
    EXPECT_TRUE(body.closed());
    EXPECT_GT(body.signedArea(), 0);
    EXPECT_NEAR(body.signedArea(), H * (D + 2 * (M + F)) + 6 * (D / 6) * T, 1e-6);
    const Box box = body.box();
    EXPECT_DOUBLE_EQ(box.left, -T);
    EXPECT_DOUBLE_EQ(box.right, H + T);
    EXPECT_DOUBLE_EQ(box.bottom, -(M + F));
    EXPECT_DOUBLE_EQ(box.top, D + M + F);
    const auto right = runsOf(body, [&](const auto& p) { return p.x > H + kReadBack; });
    const auto left = runsOf(body, [&](const auto& p) { return p.x < -kReadBack; });
    ASSERT_EQ(right.size(), 3U);
    ASSERT_EQ(left.size(), 3U);
    for (int k = 0; k < 3; ++k) {
        EXPECT_NEAR(right[k].bottom, D / 12 + k * D / 3, kReadBack) << k;
        EXPECT_NEAR(right[k].top, D / 4 + k * D / 3, kReadBack) << k;
        EXPECT_NEAR(left[2 - k].bottom, right[k].bottom, kReadBack) << k;
        EXPECT_NEAR(left[2 - k].top, right[k].top, kReadBack) << k;
    }
    const auto slots = outlinesSized(part, H / 4 + 2 * Al, M + Ah);
    ASSERT_EQ(slots.size(), 4U);
    for (const Box& slot : slots) {
        EXPECT_TRUE(slot.top <= kReadBack || slot.bottom >= D - kReadBack);
    }
    EXPECT_NEAR(slots[1].left - slots[0].left, H / 2, kReadBack);
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_TRUE(part.outlines[i].closed()) << i;
    }
}

TEST(SimpleSide, ScrewsAddTwoHolesAndASlotInEveryGap) {
    Bench plain;
    const auto without = simpleSide(plain);
    Bench b;
    b.wb.options.screwJoints = true;
    const auto body = simpleSide(b);
    EXPECT_EQ(moveLines(body), 9);
    // The second slot of each row starts where it does without screws.
    EXPECT_NE(std::find(body.begin(), body.end(), "  62.300000    0.000000 moveto"), body.end());
    EXPECT_NE(std::find(body.begin(), body.end(), "  62.300000  110.000000 moveto"), body.end());
    const auto parts = partsOf(epsOf(b.wb));
    const auto holes = outlinesSized(parts[0], 4, 4);
    ASSERT_EQ(holes.size(), 2U);
    EXPECT_NEAR(centreX(holes[0]), 50, kReadBack);
    EXPECT_NEAR(centreY(holes[0]), -2.55, kReadBack);
    EXPECT_NEAR(centreX(holes[1]), 50, kReadBack);
    EXPECT_NEAR(centreY(holes[1]), 112.55, kReadBack);
    const auto& outline = parts[0].body();
    EXPECT_TRUE(outline.closed());
    const auto intoRight = runsOf(outline, [](const auto& p) { return p.x < 100 - kReadBack && p.x > 50; });
    const auto intoLeft = runsOf(outline, [](const auto& p) { return p.x > kReadBack && p.x < 50; });
    ASSERT_EQ(intoRight.size(), 2U);
    ASSERT_EQ(intoLeft.size(), 2U);
    EXPECT_NEAR(centreY(intoRight[0]), 110.0 / 3, kReadBack);
    EXPECT_NEAR(centreY(intoRight[1]), 220.0 / 3, kReadBack);
    EXPECT_NEAR(centreY(intoLeft[0]), 220.0 / 3, kReadBack);
    EXPECT_NEAR(centreY(intoLeft[1]), 110.0 / 3, kReadBack);
    EXPECT_NEAR(intoRight[0].left, 100 - 19, kReadBack);  // L1 + L2 + L3 deep
    EXPECT_EQ(body.size(), without.size() + 2 * 10 + 4 * 12);
}

TEST(SimpleSide, ReliefTakesTheGapsFromTheScrewsButNotTheHoles) {
    Bench relief;
    relief.wb.options.cornerRelief = true;
    Bench both;
    both.wb.options.cornerRelief = true;
    both.wb.options.screwJoints = true;
    const Part alone = sidePart(relief);
    const Part withScrews = sidePart(both);
    // Each hole is an outline and a move that starts nothing.
    ASSERT_EQ(withScrews.outlines.size(), alone.outlines.size() + 4);
    EXPECT_EQ(outlinesSized(withScrews, 4, 4).size(), 2U);
    const auto& a = alone.body().points;
    const auto& s = withScrews.body().points;
    ASSERT_EQ(a.size(), s.size());
    for (std::size_t i = 0; i < a.size(); ++i) {
        EXPECT_EQ(a[i].x, s[i].x);
        EXPECT_EQ(a[i].y, s[i].y);
    }
    // Notches go out of the slots and into the body, a cutter diameter by half of it.
    const double notch = 3.175 * 3.175 / 2;
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_NEAR(std::abs(alone.outlines[i].signedArea()), 25.4 * 5.1 + 4 * notch, 1e-6) << i;
    }
    EXPECT_GT(alone.outlines[0].signedArea(), 0);
    EXPECT_LT(alone.outlines[2].signedArea(), 0);
    EXPECT_NEAR(alone.body().signedArea(), 100 * 130 + 6 * (110.0 / 6) * 5 - 2 * 6 * notch, 1e-6);
}

TEST(SimpleSide, WarnsOnceWithoutFeetAndFrameMarginAndDrawsAnyway) {
    Bench b;
    b.wb.options.feet = Feet::None;
    b.wb.boxTable.setCell(1, 7, "0");
    const auto body = simpleSide(b);
    EXPECT_EQ(b.messages.shown, std::vector<std::string>{std::string(kBottomFallsOutWarning)});
    EXPECT_EQ(std::string(kBottomFallsOutWarning), "Дно будет выпадать!\r рекомендуется выбрать вариант с ножками");
    EXPECT_EQ(moveLines(body), 5);

    Bench framed;
    framed.wb.options.feet = Feet::None;
    simpleSide(framed);
    Bench footed;
    footed.wb.boxTable.setCell(1, 7, "0");
    simpleSide(footed);
    EXPECT_TRUE(framed.messages.shown.empty());
    EXPECT_TRUE(footed.messages.shown.empty());
}

TEST(SimpleSide, BadCellLeavesTheHeaderAloneAndWarnsNot) {
    Bench b;
    b.wb.options.feet = Feet::None;
    b.wb.boxTable.setCell(1, 7, "0");
    b.wb.boxTable.setCell(1, 9, "3,175");
    testing::ScriptedDialog dialog;
    EXPECT_THROW(performCommand(b.wb, *findCommand("simple-side"), dialog), ConversionError);
    EXPECT_EQ(epsOf(b.wb).size(), 20U);
    EXPECT_TRUE(b.messages.shown.empty());
    EXPECT_TRUE(dialog.proposed.empty());
}

}  // namespace
}  // namespace tessaro
