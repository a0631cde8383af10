#include <gtest/gtest.h>

#include <algorithm>

#include "app/commands.h"
#include "box/lid.h"
#include "geometry.h"
#include "model/number_parse.h"

namespace tessaro {
namespace {

using testing::Bench;
using testing::bodyOf;
using testing::Box;
using Outline = testing::BodyOutline;

std::vector<Outline> lid(Bench& b) { return testing::drawnPart(b.wb, makeLid); }

// The closed outlines of a given size: slots by their width, screw holes by theirs.
std::vector<Box> boxesOf(const std::vector<Outline>& outlines, bool (*kind)(const Box&)) {
    std::vector<Box> boxes;
    for (const Outline& o : outlines) {
        if (kind(o.box())) {
            boxes.push_back(o.box());
        }
    }
    return boxes;
}

bool isHoleForScrew(const Box& b) { return std::abs(b.width() - 4) < 1e-6 && std::abs(b.height() - 4) < 1e-6; }
bool isSlot(const Box& b) { return std::min(b.width(), b.height()) > 5 && std::max(b.width(), b.height()) < 50; }

constexpr double kCutter = 3.175;
constexpr double kNotch = testing::notchArea(kCutter);
constexpr double kSixth = 110.0 / 6;

TEST(Lid, DefaultTableDrawsFourSlotRowsAndAChamferedFrame) {
    Bench b;
    const auto outlines = lid(b);
    ASSERT_EQ(outlines.size(), 4U + 4 + 3 + 3 + 1);
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(outlines[k].box(), (Box{12.3 + 50 * k, -5.1, 37.7 + 50 * k, 0})) << k;
        EXPECT_EQ(outlines[4 + k].box(), (Box{12.3 + 50 * k, 110, 37.7 + 50 * k, 115.1})) << k;
    }
    for (int k = 0; k < 3; ++k) {
        const double from = 110.0 / 12 - 0.2 + k * 2 * kSixth;
        const double to = 110.0 / 4 + 0.2 + k * 2 * kSixth;
        EXPECT_EQ(outlines[8 + k].box(), (Box{-5.1, from, 0, to})) << k;
        EXPECT_EQ(outlines[11 + k].box(), (Box{200, from, 205.1, to})) << k;
    }
    const Outline& frame = outlines.back();
    EXPECT_TRUE(frame.closed());
    EXPECT_EQ(frame.box(), (Box{-10, -10, 210, 120}));
    EXPECT_NEAR(frame.signedArea(), 220 * 130 - 4 * kNotch, 1e-6) << "four 45-degree corners, legs of one cutter";
    EXPECT_FALSE(frame.contains(-9, -9));
    EXPECT_TRUE(frame.contains(-9, -6));

    const auto body = bodyOf(epsOf(b.wb));
    const auto start = std::find(body.begin(), body.end(), "  -6.825000  -10.000000 moveto");
    ASSERT_NE(start, body.end());
    EXPECT_EQ(start[1], " 206.825000  -10.000000 lineto");
    EXPECT_EQ(start[2], " 210.000000   -6.825000 lineto");
    EXPECT_EQ(body.back(), "stroke");
    EXPECT_EQ(b.wb.templateLabel, "Top");
}

TEST(Lid, SquareCornersWithoutTheCornerSwitch) {
    Bench b;
    b.wb.options.roundedLidCorners = false;
    const Outline frame = lid(b).back();
    EXPECT_EQ(frame.points.size(), 5U);
    EXPECT_EQ(frame.box(), (Box{-10, -10, 210, 120}));
    EXPECT_NEAR(frame.signedArea(), 220 * 130, 1e-6);
}

TEST(Lid, HolesForScrewsSitInTheGapsAndLeaveTheSlotsWhereTheyWere) {
    Bench plain;
    Bench screws;
    screws.wb.options.screwJoints = true;
    const auto p = lid(plain);
    const auto s = lid(screws);
    EXPECT_EQ(boxesOf(s, isSlot), boxesOf(p, isSlot));

    std::vector<Box> expected;
    const auto hole = [&](double x, double y) { expected.push_back({x - 2, y - 2, x + 2, y + 2}); };
    for (double y : {-2.55, 112.55}) {
        for (double x : {50.0, 100.0, 150.0}) {
            hole(x, y);
        }
    }
    for (double x : {-2.55, 202.55}) {
        for (double y : {110.0 / 3, 220.0 / 3}) {
            hole(x, y);
        }
    }
    EXPECT_EQ(boxesOf(s, isHoleForScrew), expected);

    // Without the holes (a move, eight lines, a move back) the drawing is the plain one
    // to the printed digit: every slot begins at the very same point.
    auto withHoles = bodyOf(epsOf(screws.wb));
    std::vector<std::string> withoutHoles;
    for (std::size_t i = 0; i < withHoles.size(); ++i) {
        const bool octagon = i + 9 < withHoles.size() && withHoles[i].ends_with("moveto") &&
                             withHoles[i + 9].ends_with("moveto") &&
                             std::all_of(withHoles.begin() + i + 1, withHoles.begin() + i + 9,
                                         [](const std::string& line) { return line.ends_with("lineto"); });
        if (octagon) {
            i += 9;
            continue;
        }
        withoutHoles.push_back(withHoles[i]);
    }
    EXPECT_EQ(withoutHoles, bodyOf(epsOf(plain.wb)));
}

TEST(Lid, HolesForScrewsStayWithRelief) {
    Bench b;
    b.wb.options.screwJoints = true;
    b.wb.options.cornerRelief = true;
    const auto outlines = lid(b);
    EXPECT_EQ(boxesOf(outlines, isHoleForScrew).size(), 10U);
    for (const Outline& o : outlines) {
        if (isSlot(o.box())) {
            EXPECT_NEAR(std::min(o.box().width(), o.box().height()), 5.1 + kCutter, 1e-6);
        }
    }
}

TEST(Lid, ReliefOnlyOnTheSlots) {
    Bench plain;
    Bench relief;
    relief.wb.options.cornerRelief = true;
    const auto p = lid(plain);
    const auto r = lid(relief);
    ASSERT_EQ(r.size(), p.size());
    for (std::size_t k = 0; k + 1 < r.size(); ++k) {
        EXPECT_NEAR(std::abs(r[k].signedArea()), std::abs(p[k].signedArea()) + 4 * kNotch, 1e-6) << k;
    }
    EXPECT_EQ(r.back().points.size(), p.back().points.size());
}

TEST(Lid, OneToothGivesOneLongSideSlotAndNoSideHolesForScrews) {
    Bench b;
    b.wb.options.singleSupportTooth = true;
    b.wb.options.screwJoints = true;
    const auto outlines = lid(b);
    const auto slots = boxesOf(outlines, [](const Box& box) { return box.height() > 80 && box.height() < 100; });
    ASSERT_EQ(slots.size(), 2U);
    EXPECT_EQ(slots[0], (Box{-5.1, 110.0 / 12 - 0.2, 0, 110.0 * 11 / 12 + 0.2}));
    EXPECT_EQ(slots[1], (Box{200, 110.0 / 12 - 0.2, 205.1, 110.0 * 11 / 12 + 0.2}));
    EXPECT_EQ(boxesOf(outlines, isHoleForScrew).size(), 6U);
    EXPECT_EQ(boxesOf(outlines, isSlot).size(), 8U) << "front and rear rows as before";
    // The right slot is drawn along first, so both are traced clockwise.
    for (const Outline& o : outlines) {
        if (o.box().height() > 80 && o.box().height() < 100) {
            EXPECT_LT(o.signedArea(), 0);
        }
    }
}

TEST(Lid, HolesForScrewsReadOnlyTheScrewDiameter) {
    Bench b;
    b.wb.options.screwJoints = true;
    b.wb.screwTable.setCell(1, 5, "ten");
    EXPECT_NO_THROW(drawLid(b.pen, testing::allPanelSizes(b.wb), b.wb.options, b.wb.screwTable));

    Bench bad;
    bad.wb.options.screwJoints = true;
    bad.wb.screwTable.setCell(1, 4, "four");
    EXPECT_THROW(drawLid(bad.pen, testing::allPanelSizes(bad.wb), bad.wb.options, bad.wb.screwTable), ConversionError);
    EXPECT_EQ(bodyOf(epsOf(bad.wb)).size(), 5U) << "the first slot stands, the hole wrote nothing";
}

TEST(Lid, LidAndSimpleBoxLidAndBottomAreOneCommand) {
    std::vector<std::vector<std::string>> bodies;
    for (const char* name : {"top", "simple-top", "simple-bottom"}) {
        Bench b;
        testing::ScriptedDialog dialog;
        performCommand(b.wb, *findCommand(name), dialog);
        EXPECT_EQ(dialog.proposed, std::vector<std::string>{"5mm 200x100x110 top"}) << name;
        bodies.push_back(bodyOf(epsOf(b.wb)));
    }
    EXPECT_EQ(bodies[1], bodies[0]);
    EXPECT_EQ(bodies[2], bodies[0]);
}

}  // namespace
}  // namespace tessaro
