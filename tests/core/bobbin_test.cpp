#include <gtest/gtest.h>

#include "app/commands.h"
#include "assembly.h"
#include "model/number_parse.h"

namespace tessaro {
namespace {

using namespace testing;
using Outline = testing::BodyOutline;
using Part = testing::BodyPart;
using Point = testing::BodyPoint;

// The outlines that draw something; the moves between them start outlines of one point.
std::vector<Outline> drawnOutlines(Bench& b) {
    makeBobbin(b.wb);
    const auto parts = partsOf(epsOf(b.wb));
    EXPECT_EQ(parts.size(), 1U);
    std::vector<Outline> drawn;
    for (const Outline& o : parts.at(0).outlines) {
        if (o.points.size() > 1) {
            drawn.push_back(o);
        }
    }
    return drawn;
}

// Per row: flange, window, six holes, wide wall, narrow wall.
constexpr std::size_t kPerRow = 10;
constexpr std::size_t kWindow = 1;
constexpr std::size_t kWideWall = 8;
constexpr std::size_t kNarrowWall = 9;

void expectBox(const Box& box, double left, double bottom, double right, double top) {
    EXPECT_NEAR(box.left, left, kReadBack);
    EXPECT_NEAR(box.bottom, bottom, kReadBack);
    EXPECT_NEAR(box.right, right, kReadBack);
    EXPECT_NEAR(box.top, top, kReadBack);
}

TEST(Bobbin, DefaultTableLaysOutSixPartsInTwoRows) {
    Bench b;
    const auto drawn = drawnOutlines(b);
    ASSERT_EQ(drawn.size(), 2 * kPerRow);
    for (std::size_t row = 0; row < 2; ++row) {
        const double y = row == 0 ? 0 : -62;
        const Outline* o = &drawn[row * kPerRow];
        expectBox(o[0].box(), 0, y, 50, y + 57);
        expectBox(o[kWindow].box(), 14.9, y + 14.9, 35.1, y + 42.1);
        const double holes[6][2] = {{14.9, 43.65}, {22.566667, 47.4}, {30.233333, 51.15},
                                    {14.9, 10.9},  {22.566667, 7.15}, {30.233333, 3.4}};
        for (std::size_t h = 0; h < 6; ++h) {
            expectBox(o[2 + h].box(), holes[h][0], y + holes[h][1], holes[h][0] + 3.5, y + holes[h][1] + 4);
        }
        expectBox(o[kWideWall].box(), 55, y, 77, y + 32.4);
        expectBox(o[kNarrowWall].box(), 81, y, 108, y + 28);
    }
    const auto body = bodyOf(epsOf(b.wb));
    EXPECT_EQ(body.front(), "   0.000000    0.000000 moveto");
    EXPECT_EQ(std::count(body.begin(), body.end(), "stroke"), 1);
    EXPECT_EQ(body.back(), "stroke");
    EXPECT_EQ(epsOf(b.wb)[4], "%%Title:  trans");
}

TEST(Bobbin, EveryOutlineIsClosedAndCounterclockwise) {
    Bench b;
    b.wb.bobbinTable.setCell(1, 2, "44.5");
    b.wb.bobbinTable.setCell(1, 6, "0.15");
    // Closed to the last written digit.
    for (const Outline& o : drawnOutlines(b)) {
        EXPECT_TRUE(o.closed(0));
        EXPECT_GT(o.signedArea(), 0);
    }
}

TEST(Bobbin, RowPitchFollowsTheTallerOfWallAndFlange) {
    // The flange is 57 high; walls of h + 4t reach it at h = 53.
    for (const auto& [h, pitch] : {std::pair{"60", 66.0}, {"53", 59.0}, {"52.9", 62.0}}) {
        Bench b;
        b.wb.bobbinTable.setCell(1, 2, h);
        const auto drawn = drawnOutlines(b);
        ASSERT_EQ(drawn.size(), 2 * kPerRow);
        EXPECT_NEAR(drawn[kPerRow].box().bottom, -pitch, kReadBack) << h;
        EXPECT_NEAR(drawn[kPerRow + kNarrowWall].box().bottom, -pitch, kReadBack) << h;
    }
}

TEST(Bobbin, WallsPassTheFlangeWindowWithTheClearance) {
    Bench b;
    for (const auto& [row, text] : {std::pair{1, "1.5"}, {2, "40"}, {3, "12"}, {4, "18"}, {5, "22"}, {6, "0.2"}}) {
        b.wb.bobbinTable.setCell(1, row, text);
    }
    const double t = 1.5, g = 0.2;
    const auto drawn = drawnOutlines(b);
    ASSERT_EQ(drawn.size(), 2 * kPerRow);
    const Box window = drawn[kWindow].box();
    const Outline& wide = drawn[kWideWall];
    const Outline& narrow = drawn[kNarrowWall];
    const Box wideBox = wide.box();
    const Box narrowBox = narrow.box();
    const double middle = (wideBox.left + wideBox.right) / 2;
    const auto rightNotches =
        runsOf(wide, [&](const auto& p) { return p.x > middle && p.x < wideBox.right - kReadBack; });
    const auto leftNotches =
        runsOf(wide, [&](const auto& p) { return p.x < middle && p.x > wideBox.left + kReadBack; });
    ASSERT_EQ(rightNotches.size(), 3U);
    ASSERT_EQ(leftNotches.size(), 3U);

    // Through the window: the wide wall's waist across it, the tube of two wide walls and
    // a narrow wall between them along it, with g to spare on every side.
    const double waist = rightNotches[0].left - leftNotches[2].right;
    EXPECT_NEAR(window.width() - waist, 2 * g, kReadBack);
    // The bottom side, from the start point (the closing point makes a second run).
    const auto narrowBody = runsOf(narrow, [&](const auto& p) { return p.y < narrowBox.bottom + kReadBack; });
    ASSERT_FALSE(narrowBody.empty());
    EXPECT_NEAR(window.height() - (2 * t + narrowBody[0].width()), 2 * g, kReadBack);
    EXPECT_NEAR(wideBox.right - rightNotches[0].left, t, kReadBack);

    // The flanges sit in the end notches with 2g of play; the narrow wall fills the
    // length between them and its tabs sit in the middle notches with g at each end.
    const Box& lowerFlange = rightNotches[0];
    const Box& middleNotch = rightNotches[1];
    const Box& upperFlange = rightNotches[2];
    EXPECT_NEAR(lowerFlange.height() - t, 2 * g, kReadBack);
    EXPECT_NEAR(upperFlange.height() - t, 2 * g, kReadBack);
    EXPECT_NEAR(upperFlange.bottom - lowerFlange.top, narrowBox.height(), kReadBack);
    const auto tabs = runsOf(narrow, [&](const auto& p) { return p.x > narrowBox.right - t + kReadBack; });
    ASSERT_EQ(tabs.size(), 1U);
    const double tabBottom = lowerFlange.top + (tabs[0].bottom - narrowBox.bottom);
    const double tabTop = lowerFlange.top + (tabs[0].top - narrowBox.bottom);
    EXPECT_NEAR(tabBottom - middleNotch.bottom, g, kReadBack);
    EXPECT_NEAR(middleNotch.top - tabTop, g, kReadBack);
    EXPECT_NEAR(tabs[0].width(), 0, kReadBack);
    EXPECT_NEAR(narrowBox.width() - narrowBody[0].width(), 2 * t, kReadBack);
}

TEST(Bobbin, TabLeavesTheClosingFlagAsItStands) {
    for (const bool before : {false, true}) {
        Bench b;
        b.wb.lastPolylineClosed = before;
        showTab(b.wb, findCommand("bobbin")->tab);
        EXPECT_EQ(b.wb.lastPolylineClosed, before);
        showTab(b.wb, findCommand("tab-slot")->tab);
        EXPECT_FALSE(b.wb.lastPolylineClosed);
        showTab(b.wb, findCommand("simple-side")->tab);
        EXPECT_TRUE(b.wb.lastPolylineClosed);
    }
}

}  // namespace
}  // namespace tessaro
