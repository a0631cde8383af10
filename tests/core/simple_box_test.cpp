#include <gtest/gtest.h>

#include <functional>
#include "app/commands.h"
#include "app/template_headers.h"
#include "assembly.h"

#include "box/front_panel.h"
#include "box/lid.h"
#include "model/number_parse.h"
#include "simple/side_panel.h"

namespace tessaro {
namespace {

using namespace testing;
using Outline = testing::BodyOutline;
using Part = testing::BodyPart;
using Point = testing::BodyPoint;

std::vector<std::string> partLines(const std::vector<std::string>& body, std::size_t part) {
    auto begin = body.begin();
    for (std::size_t k = 0; k < part; ++k) {
        begin = std::find(begin, body.end(), "stroke") + 1;
    }
    return {begin, std::find(begin, body.end(), "stroke") + 1};
}

TEST(SimpleBoxSet, IsTheSixGeneratorsFromTheirOrigins) {
    Bench set;
    set.wb.options.screwJoints = true;
    makeSimpleBoxSet(set.wb);
    EXPECT_EQ(epsOf(set.wb)[4], "%%Title:  full");
    const auto body = bodyOf(epsOf(set.wb));
    EXPECT_EQ(std::count(body.begin(), body.end(), "stroke"), 6);
    EXPECT_EQ(body.back(), "stroke");
    EXPECT_EQ(body.front(), "   0.000000 -125.000000 moveto");
    using Generator = std::function<void(Pen&, const Workbench&)>;
    const Generator front = [](Pen& pen, const Workbench& wb) {
        drawFrontPanel(pen, allPanelSizes(wb), wb.options, wb.screwTable);
    };
    const Generator lid = [](Pen& pen, const Workbench& wb) {
        drawLid(pen, allPanelSizes(wb), wb.options, wb.screwTable);
    };
    const Generator side = [](Pen& pen, const Workbench& wb) {
        drawSimpleSidePanel(pen, allPanelSizes(wb), wb.options, wb.screwTable);
    };
    struct Expected {
        Generator generator;
        double originX;
        double originY;
    };
    const Expected order[] = {{front, 0, -125}, {lid, 0, 0},     {side, -135, 0},
                              {side, 225, 0},   {front, 0, 135}, {lid, 0, 260}};
    for (std::size_t k = 0; k < 6; ++k) {
        Bench alone;
        alone.wb.options.screwJoints = true;
        startBoxDocument(alone.wb);
        alone.pen.originX = order[k].originX;
        alone.pen.originY = order[k].originY;
        order[k].generator(alone.pen, alone.wb);
        alone.pen.endPart({});
        EXPECT_EQ(partLines(body, k), bodyOf(epsOf(alone.wb))) << k;
    }
}

TEST(SimpleBoxSet, PartsDoNotOverlap) {
    for (bool odd : {false, true}) {
        Bench b;
        if (odd) {
            setOddMainTable(b.wb);
        }
        b.wb.options.screwJoints = true;
        makeSimpleBoxSet(b.wb);
        const auto parts = partsOf(epsOf(b.wb));
        ASSERT_EQ(parts.size(), 6U);
        EXPECT_EQ(overlappingParts(parts), "") << "odd table: " << odd;
    }
}

TEST(SimpleBoxSet, WarnsOncePerSidePanel) {
    Bench b;
    b.wb.options.feet = Feet::None;
    b.wb.boxTable.setCell(1, 7, "0");
    makeSimpleBoxSet(b.wb);
    EXPECT_EQ(b.messages.shown.size(), 2U);
}

// Front panel, lid and side panel, each drawn from the origin, from one table.
struct SimpleBox {
    Part front;
    Part lid;
    Part side;
};

SimpleBox simpleBox(Bench& b) {
    startBoxDocument(b.wb);
    const PanelSizes sizes = allPanelSizes(b.wb);
    drawFrontPanel(b.pen, sizes, b.wb.options, b.wb.screwTable);
    b.pen.endPart({});
    drawLid(b.pen, sizes, b.wb.options, b.wb.screwTable);
    b.pen.endPart({});
    drawSimpleSidePanel(b.pen, sizes, b.wb.options, b.wb.screwTable);
    b.pen.endPart({});
    const auto parts = partsOf(epsOf(b.wb));
    EXPECT_EQ(parts.size(), 3U);
    return {parts.at(0), parts.at(1), parts.at(2)};
}

constexpr double M = 4, W = 150, H = 72, D = 90, Ah = 0.15, Al = 0.3;

// How many of the slots (all M + Ah wide) take a tab spanning `from` to `to` with Al to
// spare at each end; `alongX` says which way the slots run.
int slotsTaking(double from, double to, const std::vector<Box>& slots, bool alongX) {
    return static_cast<int>(std::count_if(slots.begin(), slots.end(), [&](const Box& slot) {
        const double start = alongX ? slot.left : slot.bottom;
        const double end = alongX ? slot.right : slot.top;
        return std::abs(start - (from - Al)) < kReadBack && std::abs(end - (to + Al)) < kReadBack;
    }));
}

TEST(SimpleBoxAssembly, TabsFitTheSlotsOfTheirMates) {
    Bench b;
    setOddMainTable(b.wb);
    const SimpleBox box = simpleBox(b);

    // The side panel's long sides run along the depth, as the lid's side columns do.
    const auto& side = box.side.body();
    auto sideTabs = runsOf(side, [](const auto& p) { return p.x > H + kReadBack; });
    const auto otherSideTabs = runsOf(side, [](const auto& p) { return p.x < -kReadBack; });
    sideTabs.insert(sideTabs.end(), otherSideTabs.begin(), otherSideTabs.end());
    ASSERT_EQ(sideTabs.size(), 6U);
    const auto lidSlots = outlinesSized(box.lid, M + Ah, D / 6 + 2 * Al);
    ASSERT_EQ(lidSlots.size(), 6U);
    for (const Box& tab : sideTabs) {
        EXPECT_EQ(slotsTaking(tab.bottom, tab.top, lidSlots, false), 2) << tab.bottom;  // one in each column
    }

    // The front panel's side tabs: along the side panel's X lies the front panel's height.
    const auto frontTabs = runsOf(box.front.body(), [](const auto& p) { return p.x > W + kReadBack; });
    ASSERT_EQ(frontTabs.size(), 2U);
    const auto sideSlots = outlinesSized(box.side, H / 4 + 2 * Al, M + Ah);
    ASSERT_EQ(sideSlots.size(), 4U);
    for (const Box& tab : frontTabs) {
        EXPECT_EQ(slotsTaking(tab.bottom, tab.top, sideSlots, true), 2) << tab.bottom;  // one in each row
    }
}

// With screws on, every channel of a screw slot points at the centre of a hole in the
// mate, on the middle line of the slots where the panel stands.
TEST(SimpleBoxAssembly, ScrewChannelsMeetTheHoleCentresOfTheirMates) {
    Bench b;
    setOddMainTable(b.wb);
    b.wb.options.screwJoints = true;
    b.wb.screwTable.setCell(1, 4, "3");
    const SimpleBox box = simpleBox(b);
    const auto holeAt = [](const Part& part, double x, double y) {
        const auto holes = outlinesSized(part, 3, 3);
        return std::count_if(holes.begin(), holes.end(), [&](const Box& h) {
            return std::abs(centreX(h) - x) < kReadBack && std::abs(centreY(h) - y) < kReadBack;
        });
    };
    EXPECT_EQ(outlinesSized(box.lid, 3, 3).size(), 3U + 3 + 2 + 2);
    EXPECT_EQ(outlinesSized(box.side, 3, 3).size(), 2U);
    const auto lidRowSlots = outlinesSized(box.lid, W / 8 + 2 * Al, M + Ah);
    const auto lidColumnSlots = outlinesSized(box.lid, M + Ah, D / 6 + 2 * Al);
    const auto sideSlots = outlinesSized(box.side, H / 4 + 2 * Al, M + Ah);
    ASSERT_EQ(lidRowSlots.size(), 8U);
    ASSERT_EQ(lidColumnSlots.size(), 6U);
    ASSERT_EQ(sideSlots.size(), 4U);

    // The front panel's top and bottom edges, into the lid's front and rear rows.
    const auto& front = box.front.body();
    const auto widthChannels = runsOf(front, [](const auto& p) {
        return p.x > kReadBack && p.x < W - kReadBack && p.y > kReadBack && p.y < H - kReadBack &&
               (p.y < 25 || p.y > H - 25);
    });
    ASSERT_EQ(widthChannels.size(), 6U);
    for (const Box& channel : widthChannels) {
        EXPECT_EQ(holeAt(box.lid, centreX(channel), centreY(lidRowSlots[0])), 1) << centreX(channel);
        EXPECT_EQ(holeAt(box.lid, centreX(channel), centreY(lidRowSlots[4])), 1) << centreX(channel);
    }

    // Its side edges, into the side panel's front and rear rows.
    const auto heightChannels = runsOf(front, [](const auto& p) {
        return p.y > kReadBack && p.y < H - kReadBack &&
               ((p.x > kReadBack && p.x < 25) || (p.x < W - kReadBack && p.x > W - 25));
    });
    ASSERT_EQ(heightChannels.size(), 2U);
    for (const Box& channel : heightChannels) {
        EXPECT_EQ(holeAt(box.side, centreY(channel), centreY(sideSlots[0])), 1) << centreY(channel);
        EXPECT_EQ(holeAt(box.side, centreY(channel), centreY(sideSlots[2])), 1) << centreY(channel);
    }

    // The side panel's long sides, into the lid's side columns.
    const auto& side = box.side.body();
    const auto depthChannels = runsOf(side, [](const auto& p) {
        return p.y > kReadBack && p.y < D - kReadBack &&
               ((p.x > kReadBack && p.x < 25) || (p.x < H - kReadBack && p.x > H - 25));
    });
    ASSERT_EQ(depthChannels.size(), 4U);
    for (const Box& channel : depthChannels) {
        EXPECT_EQ(holeAt(box.lid, centreX(lidColumnSlots[0]), centreY(channel)), 1) << centreY(channel);
        EXPECT_EQ(holeAt(box.lid, centreX(lidColumnSlots[3]), centreY(channel)), 1) << centreY(channel);
    }
}

}  // namespace
}  // namespace tessaro
