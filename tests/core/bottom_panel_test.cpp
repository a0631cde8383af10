#include <gtest/gtest.h>

#include "app/commands.h"
#include "folding/bottom_panel.h"
#include "geometry.h"

namespace tessaro {
namespace {

using testing::Bench;
using testing::bodyOf;
using testing::Box;
using Outline = testing::BodyOutline;
using testing::partsOf;

std::vector<Outline> bottom(Bench& b) { return testing::drawnPart(b.wb, makeBottomPanel); }

constexpr double kCutter = 3.175;
constexpr double kNotch = testing::notchArea(kCutter);

TEST(BottomPanel, DefaultTableDrawsSlotsPlateWingSlotsAndJumpers) {
    Bench b;
    const auto outlines = bottom(b);
    ASSERT_EQ(outlines.size(), 4U + 4 + 1 + 4 + 2);
    for (const Outline& o : outlines) {
        EXPECT_TRUE(o.closed());
    }
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(outlines[k].box(), (Box{12.3 + 50 * k, -5.1, 37.7 + 50 * k, 0})) << k;
        EXPECT_EQ(outlines[4 + k].box(), (Box{12.3 + 50 * k, 110, 37.7 + 50 * k, 115.1})) << k;
    }
    const Outline& plate = outlines[8];
    EXPECT_EQ(plate.box(), (Box{-10, -10, 210, 120}));
    EXPECT_NEAR(plate.signedArea(), 200 * 130 + 2 * 10 * 90, 1e-6);
    EXPECT_TRUE(plate.contains(-5, 11));
    EXPECT_FALSE(plate.contains(-5, 9));
    EXPECT_TRUE(plate.contains(205, 99));
    EXPECT_FALSE(plate.contains(205, 101));

    EXPECT_EQ(outlines[9].box(), (Box{-5.1, 23.55, 0, 41.45}));
    EXPECT_EQ(outlines[10].box(), (Box{-5.1, 68.55, 0, 86.45}));
    EXPECT_EQ(outlines[11].box(), (Box{200, 23.55, 205.1, 41.45}));
    EXPECT_EQ(outlines[12].box(), (Box{200, 68.55, 205.1, 86.45}));
    EXPECT_EQ(outlines[13].box(), (Box{-12, 49.8, 0, 60.2}));
    EXPECT_EQ(outlines[14].box(), (Box{200, 49.8, 212, 60.2}));

    EXPECT_EQ(plate.box().bottom, -(5 + 5)) << "thickness and frame allowance past the front slots";
    EXPECT_EQ(b.wb.templateLabel, "bottom");
}

TEST(BottomPanel, EachSlotRowEndsWithAMoveThatStartsNothing) {
    Bench b;
    makeBottomPanel(b.wb);
    const auto body = bodyOf(epsOf(b.wb));
    ASSERT_GT(body.size(), 42U);
    EXPECT_EQ(body[0], "  12.300000    0.000000 moveto");
    EXPECT_EQ(body[1], "  12.300000   -5.100000 lineto");
    EXPECT_EQ(body[20], " 212.300000    0.000000 moveto");
    EXPECT_EQ(body[21], "  12.300000  110.000000 moveto");
    EXPECT_EQ(body[41], " 212.300000  110.000000 moveto");
    EXPECT_EQ(body[42], "   0.000000  -10.000000 moveto");
    EXPECT_EQ(body.back(), "stroke");
}

TEST(BottomPanel, OneToothGivesOneLongWingSlotAndNoJumper) {
    Bench b;
    b.wb.options.singleSupportTooth = true;
    const auto outlines = bottom(b);
    ASSERT_EQ(outlines.size(), 4U + 4 + 1 + 2);
    EXPECT_EQ(outlines[9].box(), (Box{-5.1, 23.55, 0, 86.45}));
    EXPECT_EQ(outlines[10].box(), (Box{200, 23.55, 205.1, 86.45}));
    // The right slot is drawn from its outer edge, stepping left first.
    EXPECT_NEAR(outlines[10].points[0].x, 205.1, 1e-9);
    EXPECT_NEAR(outlines[10].points[1].x, 200, 1e-9);
    EXPECT_GT(outlines[9].signedArea() * outlines[10].signedArea(), 0);
}

TEST(BottomPanel, JumperSwitchOnlyAddsTheTwoNotches) {
    Bench with;
    Bench without;
    without.wb.options.supportJumper = false;
    const auto all = bottom(with);
    const auto some = bottom(without);
    ASSERT_EQ(some.size(), all.size() - 2);
    for (std::size_t i = 0; i < some.size(); ++i) {
        EXPECT_EQ(some[i].box(), all[i].box()) << i;
    }
}

TEST(BottomPanel, ReliefNotchesGoIntoTheMaterial) {
    Bench b;
    b.wb.options.cornerRelief = true;
    const auto outlines = bottom(b);
    ASSERT_EQ(outlines.size(), 15U);
    // Every slot grows by four notches whatever its winding: the notches lie outside it.
    for (int k = 0; k < 8; ++k) {
        EXPECT_NEAR(std::abs(outlines[k].signedArea()), 25.4 * 5.1 + 4 * kNotch, 1e-6) << k;
        EXPECT_NEAR(outlines[k].box().height(), 5.1 + kCutter, 1e-6) << k;
    }
    for (int k = 9; k < 13; ++k) {
        EXPECT_NEAR(std::abs(outlines[k].signedArea()), 17.9 * 5.1 + 4 * kNotch, 1e-6) << k;
        EXPECT_NEAR(outlines[k].box().width(), 5.1 + kCutter, 1e-6) << k;
    }
    // The plate loses a notch at each of the four inside corners where a wing begins.
    EXPECT_NEAR(outlines[8].signedArea(), 200 * 130 + 2 * 10 * 90 - 4 * kNotch, 1e-6);
    EXPECT_EQ(outlines[8].box(), (Box{-10, -10, 210, 120}));
    // Jumper notches never get relief.
    EXPECT_NEAR(std::abs(outlines[13].signedArea()), 12 * 10.4, 1e-6);
}

TEST(BottomPanel, ASlotKeepsItsNotchSideWhenTheTableMakesItInsideOut) {
    // A tab-length allowance of -20 turns the front slots' long sides round (25 - 40 < 0);
    // the notches stay on the side the slot's tracing gives them, as for sound values.
    Bench b;
    b.wb.options.cornerRelief = true;
    b.wb.boxTable.setCell(1, 6, "-20");
    makeBottomPanel(b.wb);
    const auto body = bodyOf(epsOf(b.wb));
    EXPECT_EQ(body[0], "  32.500000    0.000000 moveto");
    EXPECT_EQ(body[1], "  32.500000   -5.100000 lineto");
    EXPECT_EQ(body[2], "  32.500000   -3.512500 lineto");
}

TEST(BottomPanel, OriginShiftsTheWholePart) {
    Bench at0;
    Bench shifted;
    shifted.pen.originX = -30;
    shifted.pen.originY = 40;
    drawBottomPanel(at0.pen, testing::allPanelSizes(at0.wb), at0.wb.options);
    drawBottomPanel(shifted.pen, testing::allPanelSizes(shifted.wb), shifted.wb.options);
    const auto a = partsOf(epsOf(at0.wb)).front().drawn();
    const auto s = partsOf(epsOf(shifted.wb)).front().drawn();
    ASSERT_EQ(a.size(), s.size());
    for (std::size_t i = 0; i < a.size(); ++i) {
        const Box box = a[i].box();
        EXPECT_EQ(s[i].box(), (Box{box.left - 30, box.bottom + 40, box.right - 30, box.top + 40})) << i;
    }
}

TEST(BottomPanel, ProposesTheBottomName) {
    Bench b;
    testing::ScriptedDialog dialog;
    b.wb.boxTable.setCell(1, 4, "110.0");
    performCommand(b.wb, *findCommand("bottom"), dialog);
    EXPECT_EQ(dialog.proposed, std::vector<std::string>{"5mm 200x100x110.0 bottom"});
    EXPECT_EQ(epsOf(b.wb)[4], "%%Title: bottom");
}

}  // namespace
}  // namespace tessaro
