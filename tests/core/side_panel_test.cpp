#include <gtest/gtest.h>

#include "app/commands.h"
#include "app/pieces_warning.h"
#include "folding/side_panel.h"
#include "geometry.h"

namespace tessaro {
namespace {

using testing::Bench;
using testing::Box;
using Outline = testing::BodyOutline;
using testing::partsOf;

std::vector<Outline> side(Bench& b) { return testing::drawnPart(b.wb, makeSidePanel); }

constexpr double kNotch = testing::notchArea(3.175);
constexpr const char* kWarning = "Дно будет выпадать!\r рекомендуется выбрать вариант с ножками";

TEST(SidePanel, DefaultTableDrawsSlotsBodyHoleAndJumperOpening) {
    Bench b;
    const auto outlines = side(b);
    ASSERT_EQ(outlines.size(), 2U + 2 + 1 + 1 + 1);
    for (const Outline& o : outlines) {
        EXPECT_TRUE(o.closed());
    }
    EXPECT_LT(outlines[2].signedArea(), 0) << "the rear slots are traced clockwise";
    EXPECT_GT(outlines[5].signedArea(), 0) << "the holding hole counterclockwise";
    EXPECT_EQ(outlines[0].box(), (Box{12.3, -5.1, 37.7, 0}));
    EXPECT_EQ(outlines[1].box(), (Box{62.3, -5.1, 87.7, 0}));
    EXPECT_EQ(outlines[2].box(), (Box{12.3, 110, 37.7, 115.1}));
    EXPECT_EQ(outlines[3].box(), (Box{62.3, 110, 87.7, 115.1}));

    const Outline& body = outlines[4];
    EXPECT_EQ(body.box(), (Box{-5, -10, 115, 120}));
    EXPECT_FALSE(body.contains(112, 28)) << "recess between the feet";
    EXPECT_FALSE(body.contains(112, 82));
    EXPECT_TRUE(body.contains(112, 27));
    EXPECT_TRUE(body.contains(112, 83));
    // Lid tabs at y 9.1667-27.5, 45.8333-64.1667, 82.5-100.8333.
    for (double y : {9.2, 27.4, 45.9, 64.1, 82.6, 100.8}) {
        EXPECT_TRUE(body.contains(-2, y)) << y;
    }
    for (double y : {9.1, 27.6, 45.8, 64.2, 82.4, 100.9}) {
        EXPECT_FALSE(body.contains(-2, y)) << y;
    }
    EXPECT_NEAR(body.signedArea(), 115 * 130 - 5 * 55 + 3 * 5 * (110.0 / 6), 1e-6);

    const Outline& hole = outlines[5];
    EXPECT_EQ(hole.box(), (Box{95, 9.8, 105.1, 100.2}));
    // Teeth of the panel at y 23.75-41.25 and 68.75-86.25 reach 5 into the hole's outer side.
    for (double y : {23.8, 41.2, 68.8, 86.2}) {
        EXPECT_FALSE(hole.contains(100.2, y)) << y;
        EXPECT_TRUE(hole.contains(100, y)) << y;
    }
    for (double y : {23.7, 41.3, 68.7, 86.3}) {
        EXPECT_TRUE(hole.contains(100.2, y)) << y;
    }
    EXPECT_EQ(outlines[6].box(), (Box{93, 50, 107, 60}));
    EXPECT_TRUE(b.messages.shown.empty());
    EXPECT_EQ(b.wb.templateLabel, "Side");
}

TEST(SidePanel, FeetChoiceShapesTheOuterEdge) {
    Bench one;
    one.wb.options.feet = Feet::One;
    const Outline oneFoot = side(one)[4];
    EXPECT_EQ(oneFoot.box(), (Box{-5, -10, 115, 120}));
    EXPECT_TRUE(oneFoot.contains(112, 55));

    Bench none;
    none.wb.options.feet = Feet::None;
    const Outline noFeet = side(none)[4];
    EXPECT_EQ(noFeet.box(), (Box{-5, -10, 110, 120}));
    EXPECT_TRUE(noFeet.contains(109, 55));
    EXPECT_TRUE(none.messages.shown.empty()) << "a frame allowance keeps the bottom in";
}

// Records how much of the drawing existed when each message came up.
class MessageWatch final : public MessageBox {
public:
    void show(std::string_view text) override { shown.emplace_back(std::string(text), drawing->pointCount()); }
    void showError(std::string_view text) override { errors.emplace_back(text); }
    const Drawing* drawing = nullptr;
    std::vector<std::pair<std::string, std::size_t>> shown;
    std::vector<std::string> errors;
};

TEST(SidePanel, WarnsBeforeDrawingWhenTheBottomWouldFallOutAndDrawsAllTheSame) {
    testing::FixedClock clock;
    MessageWatch watch;
    Workbench wb(clock, watch);
    watch.drawing = &wb.drawing;
    wb.options.feet = Feet::None;
    wb.boxTable.setCell(1, 7, "0");
    makeSidePanel(wb);
    ASSERT_EQ(watch.shown.size(), 2U);
    EXPECT_EQ(watch.shown[0].first, kWarning);
    EXPECT_EQ(watch.shown[0].second, 0U) << "nothing was drawn when the warning came";
    // The hole cut through the edge leaves the holding teeth loose, and the drawing says so.
    EXPECT_EQ(watch.shown[1].first, fallingApartWarning({{"side", 3}}));
    const auto outlines = partsOf(epsOf(wb)).front().drawn();
    EXPECT_EQ(outlines.size(), 7U);
    // Without feet and frame the outer edge runs through the holding hole, as warned.
    EXPECT_EQ(outlines[4].box().right, 105);
    EXPECT_EQ(outlines[5].box().right, 105.1);
}

TEST(SidePanel, NoWarningWithFeetOrAFrame) {
    Bench feet;
    feet.wb.boxTable.setCell(1, 7, "0");
    feet.wb.options.feet = Feet::One;
    side(feet);
    Bench frame;
    frame.wb.boxTable.setCell(1, 7, "0.5");
    frame.wb.options.feet = Feet::None;
    side(frame);
    EXPECT_TRUE(feet.messages.shown.empty());
    EXPECT_TRUE(frame.messages.shown.empty());
}

TEST(SidePanel, OneToothGivesOneLidTabOneToothAndNoJumperOpening) {
    Bench b;
    b.wb.options.singleSupportTooth = true;
    ASSERT_TRUE(b.wb.options.supportJumper);
    const auto outlines = side(b);
    ASSERT_EQ(outlines.size(), 6U);
    const Outline& body = outlines[4];
    EXPECT_TRUE(body.contains(-2, 9.2));
    EXPECT_TRUE(body.contains(-2, 55));
    EXPECT_TRUE(body.contains(-2, 100.8));
    EXPECT_FALSE(body.contains(-2, 100.9));
    EXPECT_FALSE(body.contains(-2, 9.1));
    const Outline& hole = outlines[5];
    EXPECT_EQ(hole.box(), (Box{95, 9.8, 105.1, 100.2}));
    for (double y : {23.8, 55.0, 86.2}) {
        EXPECT_FALSE(hole.contains(100.2, y)) << y;
    }
    EXPECT_TRUE(hole.contains(100.2, 23.7));
    EXPECT_TRUE(hole.contains(100.2, 86.3));
}

TEST(SidePanel, ReliefNotchesGoIntoThePanel) {
    Bench plain;
    Bench relief;
    relief.wb.options.cornerRelief = true;
    const auto p = side(plain);
    const auto r = side(relief);
    ASSERT_EQ(r.size(), p.size());
    for (int k = 0; k < 4; ++k) {
        EXPECT_NEAR(std::abs(r[k].signedArea()), std::abs(p[k].signedArea()) + 4 * kNotch, 1e-6) << k;
    }
    // Six inside corners at the feet of the lid tabs.
    EXPECT_NEAR(r[4].signedArea(), p[4].signedArea() - 6 * kNotch, 1e-6);
    EXPECT_EQ(r[4].box(), p[4].box());
    // The hole: three pieces of its outer side and its inner side, each notched at both ends.
    EXPECT_NEAR(r[5].signedArea(), p[5].signedArea() + 8 * kNotch, 1e-6);
    EXPECT_NEAR(p[5].signedArea(), 10.1 * 90.4 - 2 * 5 * 17.5, 1e-6);
    EXPECT_NEAR(r[6].signedArea(), p[6].signedArea(), 1e-9) << "the jumper opening gets none";
}

TEST(SidePanel, BothButtonsProposeTheSideName) {
    Bench b;
    testing::ScriptedDialog dialog;
    performCommand(b.wb, *findCommand("side"), dialog);
    EXPECT_EQ(dialog.proposed, std::vector<std::string>{"5mm 200x100x110 side"});
    EXPECT_EQ(epsOf(b.wb)[4], "%%Title: Side");
}

}  // namespace
}  // namespace tessaro
