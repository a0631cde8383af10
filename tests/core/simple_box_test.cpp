#include <gtest/gtest.h>

#include "app/commands.h"
#include "assembly.h"
#include "folding/front_panel.h"
#include "folding/lid.h"
#include "model/number_parse.h"
#include "simple/side_panel.h"

namespace tessaro {
namespace {

using testing::Bench;
using testing::Box;
using testing::bodyOf;
using testing::centreX;
using testing::centreY;
using testing::outlinesSized;
using testing::Part;
using testing::partsOf;
using testing::runsOf;

constexpr double kTol = 1e-6;

// A table unlike the defaults in every row the panels read.
void oddTable(Bench& b) {
    for (const auto& [row, text] : {std::pair{1, "4"}, {2, "150"}, {3, "72"}, {4, "90"}, {5, "0.15"}, {6, "0.3"},
                                    {7, "3"}, {8, "6"}, {9, "2"}}) {
        b.wb.ParamGrid.setCell(1, row, text);
    }
}

std::vector<std::string> partLines(const std::vector<std::string>& body, std::size_t part) {
    auto begin = body.begin();
    for (std::size_t k = 0; k < part; ++k) {
        begin = std::find(begin, body.end(), "stroke") + 1;
    }
    return {begin, std::find(begin, body.end(), "stroke") + 1};
}

TEST(SimpleBoxSet, IsTheSixGeneratorsFromTheirOrigins) {
    Bench set;
    set.wb.options.ScrewCheck = true;
    AllSimpClick(set.wb);
    EXPECT_EQ(set.wb.OUTeps[4], "%%Title:  full");
    const auto body = bodyOf(set.wb.OUTeps);
    EXPECT_EQ(std::count(body.begin(), body.end(), "stroke"), 6);
    EXPECT_EQ(body.back(), "stroke");
    EXPECT_EQ(body.front(), "   0.000000 -125.000000 moveto");
    struct Expected {
        void (*generator)(Workbench&);
        double OrgX;
        double OrgY;
    };
    const Expected order[] = {{BoxFasadClick, 0, -125}, {BoxTopClick, 0, 0},    {SimpSideClick, -135, 0},
                              {SimpSideClick, 225, 0},  {BoxFasadClick, 0, 135}, {BoxTopClick, 0, 260}};
    for (std::size_t k = 0; k < 6; ++k) {
        Bench alone;
        alone.wb.options.ScrewCheck = true;
        ClearepsClick(alone.wb);
        alone.wb.pen.OrgX = order[k].OrgX;
        alone.wb.pen.OrgY = order[k].OrgY;
        order[k].generator(alone.wb);
        EXPECT_EQ(partLines(body, k), bodyOf(alone.wb.OUTeps)) << k;
    }
    EXPECT_DOUBLE_EQ(set.wb.pen.OrgX, 0);
    EXPECT_DOUBLE_EQ(set.wb.pen.OrgY, 260);
}

TEST(SimpleBoxSet, PartsDoNotOverlap) {
    for (bool odd : {false, true}) {
        Bench b;
        if (odd) {
            oddTable(b);
        }
        b.wb.options.ScrewCheck = true;
        AllSimpClick(b.wb);
        const auto parts = partsOf(b.wb.OUTeps);
        ASSERT_EQ(parts.size(), 6U);
        for (std::size_t i = 0; i < parts.size(); ++i) {
            for (std::size_t j = i + 1; j < parts.size(); ++j) {
                EXPECT_FALSE(overlap(parts[i].box(), parts[j].box())) << odd << ' ' << i << ' ' << j;
            }
        }
    }
}

TEST(SimpleBoxSet, WarnsOncePerSidePanel) {
    Bench b;
    b.wb.options.PinSel = Feet::None;
    b.wb.ParamGrid.setCell(1, 7, "0");
    AllSimpClick(b.wb);
    EXPECT_EQ(b.messages.shown.size(), 2U);
}

TEST(SimpleBoxSet, BadSizeLeavesThePreviousTemplate) {
    Bench b;
    FullTransClick(b.wb);
    const auto before = bodyOf(b.wb.OUTeps);
    b.wb.ParamGrid.setCell(1, 4, "");
    testing::ScriptedDialog dialog;
    EXPECT_THROW(performCommand(b.wb, *findCommand("simple-full"), dialog), ConversionError);
    EXPECT_EQ(bodyOf(b.wb.OUTeps), before);
    EXPECT_EQ(b.wb.tShablon, " trans");
    EXPECT_TRUE(dialog.proposed.empty());
}

// Front panel, lid and side panel, each drawn from the origin, from one table.
struct SimpleBox {
    Part front;
    Part lid;
    Part side;
};

SimpleBox simpleBox(Bench& b) {
    ClearepsClick(b.wb);
    BoxFasadClick(b.wb);
    BoxTopClick(b.wb);
    SimpSideClick(b.wb);
    const auto parts = partsOf(b.wb.OUTeps);
    EXPECT_EQ(parts.size(), 3U);
    return {parts.at(0), parts.at(1), parts.at(2)};
}

constexpr double M = 4, W = 150, H = 72, D = 90, Ah = 0.15, Al = 0.3;

TEST(SimpleBoxAssembly, SideTabsFitTheLidSideSlots) {
    Bench b;
    oddTable(b);
    const SimpleBox box = simpleBox(b);
    // The side panel's long sides run along the depth, as the lid's side columns do.
    const auto& side = box.side.body();
    auto tabs = runsOf(side, [](const auto& p) { return p.x > H + kTol; });
    const auto lidEdgeTabs = runsOf(side, [](const auto& p) { return p.x < -kTol; });
    tabs.insert(tabs.end(), lidEdgeTabs.begin(), lidEdgeTabs.end());
    ASSERT_EQ(tabs.size(), 6U);
    const auto slots = outlinesSized(box.lid, M + Ah, D / 6 + 2 * Al);
    ASSERT_EQ(slots.size(), 6U);
    for (const Box& tab : tabs) {
        int fitting = 0;
        for (const Box& slot : slots) {
            if (std::abs(slot.bottom - (tab.bottom - Al)) < kTol && std::abs(slot.top - (tab.top + Al)) < kTol) {
                ++fitting;
                EXPECT_NEAR(slot.width() - M, Ah, kTol);
            }
        }
        EXPECT_EQ(fitting, 2) << tab.bottom;  // one in each column
    }
}

// With screws on, every channel of a screw slot points at the centre of a hole in the
// mate, on the middle line of the slots where the panel stands.
TEST(SimpleBoxAssembly, ScrewChannelsMeetTheLidHoleCentres) {
    Bench b;
    oddTable(b);
    b.wb.options.ScrewCheck = true;
    b.wb.GridScrewL.setCell(1, 4, "3");
    const SimpleBox box = simpleBox(b);
    const auto holes = outlinesSized(box.lid, 3, 3);
    ASSERT_EQ(holes.size(), 3U + 3 + 2 + 2);
    const auto frontSlots = outlinesSized(box.lid, W / 8 + 2 * Al, M + Ah);
    const auto sideSlots = outlinesSized(box.lid, M + Ah, D / 6 + 2 * Al);
    ASSERT_EQ(frontSlots.size(), 8U);
    ASSERT_EQ(sideSlots.size(), 6U);
    const auto holeAt = [&](double x, double y) {
        return std::count_if(holes.begin(), holes.end(), [&](const Box& h) {
            return std::abs(centreX(h) - x) < kTol && std::abs(centreY(h) - y) < kTol;
        });
    };

    // The front panel's top and bottom edges: channels across the width.
    const auto& front = box.front.body();
    const auto widthChannels = runsOf(front, [](const auto& p) {
        return p.x > kTol && p.x < W - kTol && p.y > kTol && p.y < 72 - kTol && (p.y < 25 || p.y > 72 - 25);
    });
    ASSERT_EQ(widthChannels.size(), 6U);
    for (const Box& channel : widthChannels) {
        EXPECT_EQ(holeAt(centreX(channel), centreY(frontSlots[0])), 1) << centreX(channel);
        EXPECT_EQ(holeAt(centreX(channel), centreY(frontSlots[4])), 1) << centreX(channel);
    }

    // The side panel's long sides: channels along the depth.
    const auto& side = box.side.body();
    const auto depthChannels = runsOf(side, [](const auto& p) {
        return p.y > kTol && p.y < D - kTol && ((p.x > kTol && p.x < 25) || (p.x < H - kTol && p.x > H - 25));
    });
    ASSERT_EQ(depthChannels.size(), 4U);
    for (const Box& channel : depthChannels) {
        EXPECT_EQ(holeAt(centreX(sideSlots[0]), centreY(channel)), 1) << centreY(channel);
        EXPECT_EQ(holeAt(centreX(sideSlots[3]), centreY(channel)), 1) << centreY(channel);
    }
}

}  // namespace
}  // namespace tessaro
