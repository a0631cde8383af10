// The folding box must go together: every tab in its slot with the allowances to spare,
// checked on the drawn outlines of the separate parts, for several main tables.
#include <gtest/gtest.h>

#include "app/commands.h"
#include "geometry.h"

namespace tessaro {
namespace {

using testing::Bench;
using testing::Box;
using testing::drawnPart;
using testing::fitsWithin;
using Outline = testing::BodyOutline;
using Part = testing::BodyPart;
using testing::partsOf;
using testing::Span;
using testing::spansOnLine;

struct Table {
    const char* name;
    double M, W, H, D, Ah, Al, F, T, Cd;
};

void PrintTo(const Table& t, std::ostream* os) { *os << t.name; }

void apply(Workbench& wb, const Table& t) {
    const double values[] = {t.M, t.W, t.H, t.D, t.Ah, t.Al, t.F, t.T, t.Cd};
    for (int row = 1; row <= 9; ++row) {
        wb.boxTable.setCell(1, row, std::to_string(values[row - 1]));
    }
}

// A tab of thickness M in its slot: Al to spare at each end along the slot, the whole
// slot allowance Ah to spare across it.
void expectFits(const Box& tab, const Box& slot, bool alongX, const Table& t, const std::string& what) {
    EXPECT_TRUE(fitsWithin(tab, slot, alongX ? t.Al : 0, alongX ? 0 : t.Al)) << what;
    const double spareAcross = alongX ? slot.height() - tab.height() : slot.width() - tab.width();
    EXPECT_GE(spareAcross, t.Ah - 1e-6) << what;
}

class Assembly : public ::testing::TestWithParam<Table> {
protected:
    void SetUp() override {
        apply(b.wb, GetParam());
        t = GetParam();
    }
    Bench b;
    Table t{};
};

TEST_P(Assembly, FrontPanelTabsFitTheBottomAndLidSlots) {
    const Outline front = drawnPart(b.wb, makeFrontPanel).front();
    const auto bottomTabs = spansOnLine(front, false, -t.T);
    const auto topTabs = spansOnLine(front, false, t.H + t.T);
    const auto bottom = drawnPart(b.wb, makeBottomPanel);
    const auto lid = drawnPart(b.wb, makeLid);
    ASSERT_EQ(bottomTabs.size(), 4U);
    ASSERT_EQ(topTabs.size(), 4U);
    for (std::size_t k = 0; k < 4; ++k) {
        // The front panel stands with its inner face on y = 0, the rear one on y = D.
        const Box atFront{bottomTabs[k].from, -t.M, bottomTabs[k].to, 0};
        const Box atRear{bottomTabs[k].from, t.D, bottomTabs[k].to, t.D + t.M};
        expectFits(atFront, bottom[k].box(), true, t, "bottom front " + std::to_string(k));
        expectFits(atRear, bottom[4 + k].box(), true, t, "bottom rear " + std::to_string(k));
        const Box topAtFront{topTabs[k].from, -t.M, topTabs[k].to, 0};
        const Box topAtRear{topTabs[k].from, t.D, topTabs[k].to, t.D + t.M};
        expectFits(topAtFront, lid[k].box(), true, t, "lid front " + std::to_string(k));
        expectFits(topAtRear, lid[4 + k].box(), true, t, "lid rear " + std::to_string(k));
    }
}

TEST_P(Assembly, FrontPanelSideTabsFitTheSidePanelSlots) {
    const Outline front = drawnPart(b.wb, makeFrontPanel).front();
    const auto sideTabs = spansOnLine(front, true, t.W + t.T);
    const auto side = drawnPart(b.wb, makeSidePanel);
    ASSERT_EQ(sideTabs.size(), 2U);
    // The side panel's x runs from the lid (the front panel's top, y = H) down.
    for (std::size_t k = 0; k < 2; ++k) {
        const Span tab = sideTabs[1 - k];
        const Box atFront{t.H - tab.to, -t.M, t.H - tab.from, 0};
        const Box atRear{t.H - tab.to, t.D, t.H - tab.from, t.D + t.M};
        expectFits(atFront, side[k].box(), true, t, "side front " + std::to_string(k));
        expectFits(atRear, side[2 + k].box(), true, t, "side rear " + std::to_string(k));
    }
}

TEST_P(Assembly, SidePanelLidTabsFitTheLidSideSlots) {
    for (const bool oneTooth : {false, true}) {
        b.wb.options.singleSupportTooth = oneTooth;
        const auto side = drawnPart(b.wb, makeSidePanel);
        const auto lidTabs = spansOnLine(side[4], true, -t.T);
        const auto lid = drawnPart(b.wb, makeLid);
        const std::size_t n = oneTooth ? 1 : 3;
        ASSERT_EQ(lidTabs.size(), n);
        for (std::size_t k = 0; k < n; ++k) {
            // The side panels stand with their inner faces on x = 0 and x = W of the lid.
            const Box left{-t.M, lidTabs[k].from, 0, lidTabs[k].to};
            const Box right{t.W, lidTabs[k].from, t.W + t.M, lidTabs[k].to};
            expectFits(left, lid[8 + k].box(), false, t, "lid left " + std::to_string(k));
            expectFits(right, lid[8 + n + k].box(), false, t, "lid right " + std::to_string(k));
        }
    }
}

TEST_P(Assembly, HoldingTeethFitTheWingSlotsAndTheWingPassesTheHole) {
    for (const bool oneTooth : {false, true}) {
        b.wb.options.singleSupportTooth = oneTooth;
        const auto side = drawnPart(b.wb, makeSidePanel);
        const Outline& hole = side[5];
        const auto teeth = spansOnLine(hole, true, t.H + t.M + t.Ah - t.T);
        const auto bottom = drawnPart(b.wb, makeBottomPanel);
        const std::size_t n = oneTooth ? 1 : 2;
        ASSERT_EQ(teeth.size(), n);
        const std::size_t leftSlots = 9;
        const std::size_t rightSlots = oneTooth ? 10 : 11;
        for (std::size_t k = 0; k < n; ++k) {
            const Box left{-t.M, teeth[k].from, 0, teeth[k].to};
            const Box right{t.W, teeth[k].from, t.W + t.M, teeth[k].to};
            expectFits(left, bottom[leftSlots + k].box(), false, t, "left wing " + std::to_string(k));
            expectFits(right, bottom[rightSlots + k].box(), false, t, "right wing " + std::to_string(k));
        }
        // The wing (y from 2M to D - 2M) goes through the hole with Al to spare at each
        // end, through the strip the teeth leave open.
        const Box hb = hole.box();
        EXPECT_NEAR(hb.bottom, 2 * t.M - t.Al, 1e-6);
        EXPECT_NEAR(hb.top, t.D - 2 * t.M + t.Al, 1e-6);
        const Box plate = bottom[8].box();
        EXPECT_TRUE(bottom[8].contains(plate.left + 1e-3, 2 * t.M + 1e-3));
        EXPECT_FALSE(bottom[8].contains(plate.left + 1e-3, 2 * t.M - 1e-3));
        EXPECT_GE(hb.width() - t.T, t.M + t.Ah - 1e-6);
    }
}

TEST_P(Assembly, NoTwoPartsOfTheFullSetOverlap) {
    for (const Feet feet : {Feet::None, Feet::One, Feet::Two}) {
        b.wb.options.feet = feet;
        makeFoldingBoxSet(b.wb);
        const auto parts = partsOf(epsOf(b.wb));
        ASSERT_EQ(parts.size(), 6U);
        EXPECT_EQ(testing::overlappingParts(parts), "") << "feet " << feetText(feet);
    }
}

INSTANTIATE_TEST_SUITE_P(Tables, Assembly,
                         ::testing::Values(Table{"Default", 5, 200, 100, 110, 0.1, 0.2, 5, 5, 3.175},
                                           Table{"ThinPlywood", 3, 150, 60, 80, 0.15, 0.3, 3, 3, 2},
                                           Table{"WideFrame", 4, 173, 71.5, 93, 0.05, 0.25, 6, 4, 3}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tessaro
