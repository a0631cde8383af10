// Cut-outs land where the user measured them: through the assembled box, on the face
// named, in the panel that closes it; they stay inside their face, leave the panel one
// piece, and the fit check names what they run into.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "app/assembly.h"
#include "app/commands.h"
#include "app/fit_report.h"
#include "assembly/panel_geometry.h"
#include "box/face_cutouts.h"
#include "drawing/drawing_error.h"
#include "drawing/shapes.h"
#include "support.h"

namespace tessaro {
namespace {

using testing::Bench;

// The box as the user sees it: W wide, D deep, H high.
struct Inner {
    double W = 200;
    double H = 100;
    double D = 110;
};

// Where the user means a face point (u, v): standing in front of the face, outside the
// box (the bottom and the lid seen from above, the front edge nearest), u to the right
// and v up from the inner face's lower-left corner.
Vec3 meant(BoxFace face, double u, double v, const Inner& box) {
    switch (face) {
    case BoxFace::Front: return {u, 0, v};
    case BoxFace::Rear: return {box.W - u, box.D, v};
    case BoxFace::Left: return {0, box.D - u, v};
    case BoxFace::Right: return {box.W, u, v};
    case BoxFace::Bottom: return {u, v, 0};
    case BoxFace::Lid: break;
    }
    return {u, v, box.H};
}

BoxPanel panelOf(BoxFace face) {
    switch (face) {
    case BoxFace::Front: return BoxPanel::Front;
    case BoxFace::Rear: return BoxPanel::Rear;
    case BoxFace::Left: return BoxPanel::LeftSide;
    case BoxFace::Right: return BoxPanel::RightSide;
    case BoxFace::Bottom: return BoxPanel::Bottom;
    case BoxFace::Lid: break;
    }
    return BoxPanel::Lid;
}

double contourArea(const RegionContour& contour) {
    double twice = 0;
    const auto& p = contour.points;
    for (std::size_t i = 0, j = p.size() - 1; i < p.size(); j = i++) {
        twice += p[j].x * p[i].y - p[i].x * p[j].y;
    }
    return std::abs(twice) / 2;
}

Point centroidOf(const RegionContour& contour) {
    Point sum;
    for (const Point p : contour.points) {
        sum = {sum.x + p.x, sum.y + p.y};
    }
    const double n = static_cast<double>(contour.points.size());
    return {sum.x / n, sum.y / n};
}

struct Found {
    std::size_t panel;
    Vec3 centre;
};

// The holes of the assembled box with the area of a circle of that diameter, and where
// their centres are in the box.
std::vector<Found> circularHoles(const BoxAssembly& box, double diameter) {
    const double area = std::numbers::pi * diameter * diameter / 4;
    std::vector<Found> found;
    for (std::size_t i = 0; i < box.panels.size(); ++i) {
        for (const RegionContour& contour : box.panels[i].region.contours) {
            if (contour.hole && std::abs(contourArea(contour) - area) < 0.01 * area) {
                found.push_back({i, box.panels[i].frame.at(centroidOf(contour), 0)});
            }
        }
    }
    return found;
}

TEST(CutoutPlacement, EveryPanelIsDrawnAsSeenFromOutside) {
    const PanelSizes box{5, 200, 100, 110};
    for (const BoxPanel panel :
         {BoxPanel::Front, BoxPanel::Rear, BoxPanel::LeftSide, BoxPanel::RightSide, BoxPanel::Bottom, BoxPanel::Lid}) {
        const PanelFrame frame = panelFrame(panel, box);
        EXPECT_EQ(cross(frame.across, frame.up), frame.outward) << panelName(panel);
    }
}

class FacePoint : public ::testing::TestWithParam<const char*> {};

// A small hole at an uneven point of each face, in turn, is found once in the assembled
// box: in the panel of that face, on its inner face, where the user measured it.
TEST_P(FacePoint, AHoleLandsWhereTheUserMeasuredIt) {
    const Inner inner;
    const double diameter = 4;
    for (const BoxFace face :
         {BoxFace::Front, BoxFace::Rear, BoxFace::Left, BoxFace::Right, BoxFace::Bottom, BoxFace::Lid}) {
        Bench b;
        const double faceWidth = face == BoxFace::Left || face == BoxFace::Right ? inner.D : inner.W;
        const double faceHeight = face == BoxFace::Bottom || face == BoxFace::Lid ? inner.D : inner.H;
        const double u = 0.3 * faceWidth;
        const double v = 0.6 * faceHeight;
        b.wb.cutouts = {{face, {u, v}, RoundHole{diameter}}};
        const TemplateCommand& command = *findCommand(GetParam());
        command.run(b.wb);
        const BoxAssembly box = assembledTemplate(b.wb, command);
        const std::vector<Found> holes = circularHoles(box, diameter);
        ASSERT_EQ(holes.size(), 1u) << faceName(face);
        EXPECT_EQ(box.panels[holes[0].panel].panel, panelOf(face)) << faceName(face);
        const Vec3 expected = meant(face, u, v, inner);
        EXPECT_NEAR(holes[0].centre.x, expected.x, 1e-3) << faceName(face);
        EXPECT_NEAR(holes[0].centre.y, expected.y, 1e-3) << faceName(face);
        EXPECT_NEAR(holes[0].centre.z, expected.z, 1e-3) << faceName(face);
    }
}

// How a label reads to one standing in front of the face, outside the box (the bottom
// from below, the front edge nearest): the directions of its text's right and up.
struct Reading {
    Vec3 right;
    Vec3 up;
};

Reading readingOf(BoxFace face) {
    switch (face) {
    case BoxFace::Front: return {{1, 0, 0}, {0, 0, 1}};
    case BoxFace::Rear: return {{-1, 0, 0}, {0, 0, 1}};
    case BoxFace::Left: return {{0, -1, 0}, {0, 0, 1}};
    case BoxFace::Right: return {{0, 1, 0}, {0, 0, 1}};
    case BoxFace::Bottom: return {{-1, 0, 0}, {0, 1, 0}};
    case BoxFace::Lid: break;
    }
    return {{1, 0, 0}, {0, 1, 0}};
}

// The engraved strokes of a part, as points of the assembled box on the panel's outer face.
std::vector<std::vector<Vec3>> engravedStrokes(const Workbench& wb, const TemplateCommand& command, BoxPanel panel) {
    const PanelSizes box{5, 200, 100, 110};
    const auto places = command.panelPlaces(box);
    std::vector<std::vector<Vec3>> strokes;
    for (std::size_t i = 0; i < places.size(); ++i) {
        if (places[i].panel != panel) {
            continue;
        }
        const PanelFrame frame = panelFrame(panel, box);
        const Part part = wb.drawing.part(i);
        for (std::size_t o = part.firstOutline; o < part.endOutline; ++o) {
            const Outline outline = wb.drawing.outline(o);
            if (outline.role == OutlineRole::Engrave) {
                auto& stroke = strokes.emplace_back();
                for (const Point p : outline.points) {
                    stroke.push_back(frame.at({p.x - places[i].originX, p.y - places[i].originY}, box.thickness));
                }
            }
        }
    }
    return strokes;
}

Vec3 middleOf(const std::vector<Vec3>& points) {
    Vec3 sum;
    for (const Vec3& p : points) {
        sum = sum + p;
    }
    return (1.0 / static_cast<double>(points.size())) * sum;
}

// A label on each face is engraved on that face's panel, centred where the user measured
// it, and reads from outside: its first letter to the left, a low line below the middle.
TEST_P(FacePoint, ALabelReadsFromOutsideWhereTheUserMeasuredIt) {
    const Inner inner;
    for (const BoxFace face :
         {BoxFace::Front, BoxFace::Rear, BoxFace::Left, BoxFace::Right, BoxFace::Bottom, BoxFace::Lid}) {
        const TemplateCommand& command = *findCommand(GetParam());
        const Reading reading = readingOf(face);
        const double u = 40;
        const double v = 30;
        const Vec3 at = meant(face, u, v, inner);
        {
            Bench b;
            b.wb.cutouts = {{face, {u, v}, EngravedLabel{6, "Ixxxxxxxxx"}}};
            command.run(b.wb);
            const auto strokes = engravedStrokes(b.wb, command, panelOf(face));
            ASSERT_GE(strokes.size(), 10u) << faceName(face);
            std::vector<Vec3> all;
            for (const auto& stroke : strokes) {
                all.insert(all.end(), stroke.begin(), stroke.end());
            }
            const Vec3 centre = middleOf(all) - at;
            EXPECT_LT(std::abs(dot(centre, reading.right)), 3) << faceName(face);
            EXPECT_LT(dot(middleOf(strokes.front()) - at, reading.right), -10) << faceName(face) << ": the I first";
        }
        {
            Bench b;
            b.wb.cutouts = {{face, {u, v}, EngravedLabel{6, "_"}}};
            command.run(b.wb);
            const auto strokes = engravedStrokes(b.wb, command, panelOf(face));
            ASSERT_EQ(strokes.size(), 1u) << faceName(face);
            EXPECT_LT(dot(middleOf(strokes.front()) - at, reading.up), -2) << faceName(face) << ": below";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(BothBoxes, FacePoint, ::testing::Values("full", "simple-full"));

TEST(CutoutPlacement, ACutoutOutsideItsFaceIsRefusedWithTheFaceAndItsSize) {
    for (const char* verb : {"full", "simple-full"}) {
        Bench b;
        b.wb.cutouts = {parseCutoutLine("cutout left,rect,100,50,30,10")};
        try {
            findCommand(verb)->run(b.wb);
            ADD_FAILURE() << verb << ": drawn";
        } catch (const DrawingError& e) {
            EXPECT_STREQ(e.what(), "cutout left,rect,100,50,30,10: it reaches outside the left face, 110 x 100 mm");
        }
    }
}

// A vent's openings are holes each, the bars between them at least the least bar, and
// the panel stays one piece.
TEST(CutoutPlacement, AVentLeavesThePanelInOnePiece) {
    for (const char* line : {"vent front,slots,100,50,120,60", "vent front,holes,100,50,120,60,5,3.5"}) {
        Bench b;
        b.wb.cutouts = {parseCutoutLine(line)};
        const std::vector<std::vector<Point>> openings = openingsOf(b.wb.cutouts[0]);
        ASSERT_GT(openings.size(), 3u);
        findCommand("full")->run(b.wb);
        const BoxAssembly box = assembledTemplate(b.wb, *findCommand("full"));
        const PanelRegion& front = box.panels[0].region;
        std::size_t outer = 0;
        std::size_t holes = 0;
        for (const RegionContour& contour : front.contours) {
            (contour.hole ? holes : outer) += 1;
        }
        EXPECT_EQ(outer, 1u) << line;
        EXPECT_EQ(holes, openings.size()) << line;
        double nearest = 1e9;
        for (std::size_t i = 0; i < openings.size(); ++i) {
            for (std::size_t j = i + 1; j < openings.size(); ++j) {
                for (const Point p : openings[i]) {
                    for (const Point q : openings[j]) {
                        nearest = std::min(nearest, std::hypot(p.x - q.x, p.y - q.y));
                    }
                }
            }
        }
        EXPECT_GE(nearest, kLeastBar - 2 * kLargestChordError) << line;
    }
}

std::size_t innerCuts(const Drawing& drawing) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < drawing.outlineCount(); ++i) {
        count += drawing.outline(i).role == OutlineRole::InnerCut ? 1 : 0;
    }
    return count;
}

// What the list's limit counts is what the drawing cuts: an entry adds as many inner cuts
// as it counts openings, a vent of either pattern and shape included.
TEST(CutoutPlacement, AnEntryCutsAsManyOpeningsAsItCounts) {
    Bench plain;
    findCommand("full")->run(plain.wb);
    const std::size_t panelsOwn = innerCuts(plain.wb.drawing);
    for (const char* line :
         {"cutout front,circle,30,20,12", "cutout rear,rect,50,40,60,25,3", "cutout left,slot,20,30,4,18",
          "label front,100,50,8,Вход", "vent front,slots,100,50,120,60", "vent front,slots,100,50,30,80,5,2",
          "vent front,holes,100,50,120,60,5,3.5", "vent front,holes,100,50,4,80,6,4",
          "vent lid,holes,100,55,150,11,2,1", "vent lid,slots,100,55,7,7,6,3"}) {
        Bench b;
        b.wb.cutouts = {parseCutoutLine(line)};
        findCommand("full")->run(b.wb);
        EXPECT_EQ(innerCuts(b.wb.drawing) - panelsOwn, openingCount(b.wb.cutouts[0].shape)) << line;
    }
}

// A list that cuts more openings in all than the limit is refused before anything is drawn,
// naming the count and the limit and beginning with the entry that passes it, so that the
// window marks that row; the last drawing stays. At the limit it passes.
TEST(CutoutPlacement, AListOfMoreOpeningsThanTheLimitIsRefusedBeforeItIsDrawn) {
    const FaceCutout vent = parseCutoutLine("vent front,holes,100,50,190,90,2.5,1.5");
    const std::size_t perVent = openingCount(vent.shape);
    ASSERT_GT(perVent, 1000u);
    std::vector<FaceCutout> list(kMostListOpenings / perVent, vent);
    list.resize(list.size() + kMostListOpenings % perVent, parseCutoutLine("cutout rear,circle,30,20,12"));
    EXPECT_NO_THROW(refuseTooManyOpenings(list));
    // One more early on: the last opening is the one past the limit; a label cuts none.
    list.insert(list.begin() + 1, parseCutoutLine("cutout bottom,circle,10,10,3"));
    list.push_back(parseCutoutLine("label front,100,50,8,Вход"));
    const std::string passing = cutoutLine(list[list.size() - 2]);
    for (const char* verb : {"full", "simple-full"}) {
        Bench b;
        findCommand("tab-slot")->run(b.wb);
        const Drawing before = b.wb.drawing;
        b.wb.cutouts = list;
        try {
            findCommand(verb)->run(b.wb);
            ADD_FAILURE() << verb << ": drawn";
        } catch (const DrawingError& e) {
            EXPECT_EQ(std::string(e.what()),
                      passing + ": the cut-outs and vents make " + std::to_string(kMostListOpenings + 1) +
                          " openings in all, more than the " + std::to_string(kMostListOpenings) + " a list may make");
        }
        EXPECT_EQ(b.wb.drawing, before) << verb;
    }
}

std::vector<std::string> fitOf(const char* verb, std::vector<FaceCutout> cutouts) {
    Bench b;
    b.wb.cutouts = std::move(cutouts);
    const TemplateCommand& command = *findCommand(verb);
    command.run(b.wb);
    return templateFitReport(b.wb, command);
}

std::vector<std::string> checkLines(const std::vector<std::string>& report) {
    std::vector<std::string> check;
    for (const std::string& line : report) {
        if (line.starts_with("cut-outs:") || (!check.empty() && !line.starts_with("overlaps:"))) {
            check.push_back(line);
        }
        if (line.starts_with("overlaps:")) {
            break;
        }
    }
    return check;
}

TEST(CutoutFit, CleanCutoutsClashWithNothing) {
    const std::vector<std::string> report = fitOf(
        "full", {parseCutoutLine("cutout front,rect,100,60,70,25,2"), parseCutoutLine("cutout rear,circle,30,50,12"),
                 parseCutoutLine("cutout rear,circle,60,50,12"), parseCutoutLine("vent lid,holes,100,55,60,40"),
                 parseCutoutLine("cutout bottom,circle,10,10,3.5")});
    EXPECT_EQ(checkLines(report), std::vector<std::string>{"cut-outs: none clash"});
    // The check stands just before the overlaps.
    const auto at = std::ranges::find(report, "cut-outs: none clash");
    ASSERT_NE(at, report.end());
    EXPECT_TRUE((at + 1)->starts_with("overlaps:"));
}

TEST(CutoutFit, ACutoutOnTheFrontsTabsIsReported) {
    // The front's first bottom tab spans x from W/16 to 3W/16: 12.5 to 37.5.
    for (const char* verb : {"full", "simple-full"}) {
        const std::vector<std::string> check = checkLines(fitOf(verb, {parseCutoutLine("cutout front,circle,25,3,5")}));
        ASSERT_EQ(check.size(), 2u) << verb;
        EXPECT_EQ(check[0], "cut-outs: 1 clash");
        EXPECT_TRUE(check[1].starts_with("cutout front,circle,25,3,5: runs into a tab")) << check[1];
    }
}

TEST(CutoutFit, CutoutsThatTouchEachOtherOrTheirPanelsCutsAreReported) {
    // Two holes 0.5 mm apart; a hole on the folding side's holding hole; one in the
    // bottom's wing slot; one between the front's tabs, at its edge.
    const std::vector<std::string> check = checkLines(
        fitOf("full", {parseCutoutLine("cutout lid,circle,50,50,10"), parseCutoutLine("cutout lid,circle,60.5,50,10"),
                       parseCutoutLine("cutout left,circle,55,3,4"), parseCutoutLine("cutout front,circle,50,0.8,1")}));
    ASSERT_EQ(check.size(), 5u);
    EXPECT_EQ(check[0], "cut-outs: 4 clash");
    EXPECT_EQ(check[1], "cutout lid,circle,50,50,10: runs into cutout lid,circle,60.5,50,10");
    EXPECT_EQ(check[2], "cutout lid,circle,60.5,50,10: runs into cutout lid,circle,50,50,10");
    EXPECT_EQ(check[3], "cutout left,circle,55,3,4: runs into a slot or hole");
    EXPECT_EQ(check[4], "cutout front,circle,50,0.8,1: runs into the face's edge");
}

// A lid full of holes with room between them, and a few holes dropped among them: the
// check names exactly the holes that come nearer to each other than the least bar, by
// their centres and radii, each with the holes it meets in the list's order.
TEST(CutoutFit, AmongManyCutoutsOnlyThoseThatMeetAreReported) {
    std::vector<FaceCutout> cutouts;
    const auto hole = [&cutouts](double x, double y, double diameter) {
        cutouts.push_back({BoxFace::Lid, {x, y}, RoundHole{diameter}});
    };
    for (int row = 0; row < 10; ++row) {
        for (int column = 0; column < 26; ++column) {
            hole(20 + 6.5 * column, 15 + 8.5 * row, 2);
        }
    }
    hole(23.25, 15, 3);            // 0.75 mm from the two holes beside it
    hole(150, 55, 2);              // 0.5 mm under one hole, in its column
    hole(20 + 6.5 * 25, 92, 2.2);  // into the last hole of the last row
    hole(190, 105, 2);             // alone in the far corner, clear of everything
    std::vector<std::string> expected;
    for (std::size_t i = 0; i < cutouts.size(); ++i) {
        std::string meets;
        for (std::size_t j = 0; j < cutouts.size(); ++j) {
            const Point a = cutouts[i].centre;
            const Point b = cutouts[j].centre;
            const double radii =
                (std::get<RoundHole>(cutouts[i].shape).diameter + std::get<RoundHole>(cutouts[j].shape).diameter) / 2;
            if (j != i && std::hypot(a.x - b.x, a.y - b.y) - radii < kLeastBar) {
                meets += (meets.empty() ? "" : "; ") + cutoutLine(cutouts[j]);
            }
        }
        if (!meets.empty()) {
            expected.push_back(cutoutLine(cutouts[i]) + ": runs into " + meets);
        }
    }
    ASSERT_EQ(expected.size(), 7U);  // the three dropped in and the four they meet
    expected.insert(expected.begin(), "cut-outs: 7 clash");
    EXPECT_EQ(checkLines(fitOf("full", cutouts)), expected);
}

}  // namespace
}  // namespace tessaro
