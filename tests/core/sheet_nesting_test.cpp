#include <gtest/gtest.h>

#include <polyclipping/clipper.hpp>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <string>
#include <vector>

#include "app/commands.h"
#include "app/table_keys.h"
#include "drawing/clipper_units.h"
#include "drawing/rigid_parts.h"
#include "nesting/sheet_nesting.h"
#include "output/eps_body.h"
#include "output/eps_writer.h"
#include "output/number_text.h"
#include "support.h"

namespace tessaro {
namespace {

using testing::Bench;

bool cuts(OutlineRole role) { return role == OutlineRole::OuterCut || role == OutlineRole::InnerCut; }

// A piece as a rigid move leaves it: its outline count and, per outline, the role, the
// point count, the enclosed area and the sorted side lengths, all to the micrometre.
std::vector<std::vector<long long>> shapeOf(const RigidPart& part) {
    std::vector<std::vector<long long>> shape;
    for (const PieceOutline& piece : part.outlines) {
        const DrawnOutline& outline = piece.points;
        std::vector<long long> sides;
        double twiceArea = 0;
        for (std::size_t i = 0; i < outline.size(); ++i) {
            const Point a = outline[i];
            const Point b = outline[(i + 1) % outline.size()];
            sides.push_back(std::llround(std::hypot(b.x - a.x, b.y - a.y) * 1000));
            twiceArea += a.x * b.y - b.x * a.y;
        }
        std::sort(sides.begin(), sides.end());
        sides.insert(sides.begin(), {static_cast<long long>(piece.role), static_cast<long long>(outline.size()),
                                     std::llround(std::abs(twiceArea) * 500)});
        shape.push_back(sides);
    }
    std::sort(shape.begin(), shape.end());
    return shape;
}

std::vector<std::vector<std::vector<long long>>> shapesOf(const std::vector<RigidPart>& parts) {
    std::vector<std::vector<std::vector<long long>>> shapes;
    for (const RigidPart& part : parts) {
        shapes.push_back(shapeOf(part));
    }
    std::sort(shapes.begin(), shapes.end());
    return shapes;
}

// Every cut of a piece grown by half the gap (less the rounding) with round corners, in
// hundredths of a micrometre: two pieces at least the gap apart grow into areas that do
// not overlap.
ClipperLib::Paths grownByHalf(const RigidPart& part, double gap) {
    ClipperLib::ClipperOffset offset(2, 1);
    for (const PieceOutline& cut : part.outlines) {
        if (!cuts(cut.role)) {
            continue;
        }
        ClipperLib::Path outline;
        for (const Point p : cut.points) {
            outline.push_back({std::llround(p.x * 1e5), std::llround(p.y * 1e5)});
        }
        offset.AddPath(outline, ClipperLib::jtRound, ClipperLib::etClosedPolygon);
    }
    ClipperLib::Paths grown;
    offset.Execute(grown, (gap - kGapRounding) / 2 * 1e5);
    return grown;
}

double overlapArea(const ClipperLib::Paths& a, const ClipperLib::Paths& b) {
    ClipperLib::Clipper clipper;
    clipper.AddPaths(a, ClipperLib::ptSubject, true);
    clipper.AddPaths(b, ClipperLib::ptClip, true);
    ClipperLib::Paths common;
    clipper.Execute(ClipperLib::ctIntersection, common, ClipperLib::pftNonZero, ClipperLib::pftNonZero);
    double area = 0;
    for (const ClipperLib::Path& path : common) {
        area += std::abs(ClipperLib::Area(path));
    }
    return area;
}

// The pieces of a sheet as it holds them, a part each, framed by their cuts.
std::vector<RigidPart> piecesOf(const Drawing& sheet) {
    std::vector<RigidPart> pieces;
    for (std::size_t p = 0; p < sheet.partCount(); ++p) {
        const Part part = sheet.part(p);
        RigidPart piece{std::string(part.name), {}, true, {}, {}};
        for (std::size_t o = part.firstOutline; o < part.endOutline; ++o) {
            const Outline outline = sheet.outline(o);
            piece.outlines.push_back({{outline.points.begin(), outline.points.end()}, outline.role, o});
            piece.fromStock = piece.fromStock && outline.role != OutlineRole::OuterCut;
            for (const Point point : outline.points) {
                if (cuts(outline.role)) {
                    piece.extent.include(point);
                }
            }
        }
        pieces.push_back(piece);
    }
    return pieces;
}

// Every piece's cuts on its sheet, the gap from the edge, and every two pieces on a sheet
// the gap apart; the pieces of all sheets together.
std::vector<RigidPart> expectSoundSheets(const std::vector<Drawing>& sheets, SheetSize sheet, double gap) {
    std::vector<RigidPart> nested;
    for (const Drawing& drawing : sheets) {
        const std::vector<RigidPart> onSheet = piecesOf(drawing);
        EXPECT_FALSE(onSheet.empty());
        std::vector<ClipperLib::Paths> grown;
        for (const RigidPart& part : onSheet) {
            EXPECT_GE(part.extent.minX, gap - kGapRounding);
            EXPECT_GE(part.extent.minY, gap - kGapRounding);
            EXPECT_LE(part.extent.maxX, sheet.width - gap + kGapRounding);
            EXPECT_LE(part.extent.maxY, sheet.height - gap + kGapRounding);
            grown.push_back(grownByHalf(part, gap));
        }
        for (std::size_t i = 0; i < grown.size(); ++i) {
            for (std::size_t j = i + 1; j < grown.size(); ++j) {
                EXPECT_EQ(overlapArea(grown[i], grown[j]), 0) << "pieces " << i << " and " << j;
            }
        }
        nested.insert(nested.end(), onSheet.begin(), onSheet.end());
    }
    return nested;
}

struct NestingCase {
    std::string command;
    SheetSize sheet;
    double gap;
    std::string assignment;  // a table value as --set takes it; none when empty
};

class NestedSet : public ::testing::TestWithParam<NestingCase> {};

TEST_P(NestedSet, EveryPieceOnceInsideItsSheetAndTheGapApart) {
    const NestingCase& nesting = GetParam();
    Bench b;
    b.wb.options.screwJoints = true;
    if (!nesting.assignment.empty()) {
        assignTableValue(b.wb, nesting.assignment);
    }
    findCommand(nesting.command)->run(b.wb);
    const std::vector<RigidPart> drawn = rigidParts(b.wb.drawing);
    ASSERT_GT(drawn.size(), 1U);

    const std::vector<Drawing> sheets = nestOntoSheets(b.wb.drawing, nesting.sheet, nesting.gap);
    const std::vector<RigidPart> nested = expectSoundSheets(sheets, nesting.sheet, nesting.gap);
    EXPECT_EQ(shapesOf(nested), shapesOf(drawn));
}

INSTANTIATE_TEST_SUITE_P(
    Sets, NestedSet,
    ::testing::Values(NestingCase{"full", {600, 400}, 6.35, ""}, NestingCase{"full", {300, 200}, 6.35, ""},
                      NestingCase{"simple-full", {600, 400}, 6.35, ""}, NestingCase{"simple-full", {300, 200}, 2, ""},
                      NestingCase{"bobbin", {150, 100}, 2, ""}, NestingCase{"tab-slot", {300, 200}, 3, ""},
                      // Tables whose pieces were once placed off the sheet or over each other.
                      NestingCase{"tab-slot", {600, 400}, 3, "tabslot.A=5"},
                      NestingCase{"tab-slot", {600, 400}, 3, "tabslot.A=20"},
                      NestingCase{"tab-slot", {600, 400}, 3, "tabslot.A=150"},
                      NestingCase{"full", {600, 400}, 6.35, "main.D=-5"},
                      NestingCase{"full", {600, 400}, 6.35, "screw.L4=50"}),
    [](const auto& info) {
        std::string name = info.param.command + "_" + std::to_string(static_cast<int>(info.param.sheet.width)) +
                           (info.param.assignment.empty() ? "" : "_" + info.param.assignment);
        std::replace_if(
            name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
        return name;
    });

TEST(sheetNesting, AFineSpiralIsNestedWithinItsSheet) {
    Bench b;
    assignTableValue(b.wb, "spiral.Fi=0.05");
    findCommand("spiral")->run(b.wb);
    ASSERT_GT(b.wb.drawing.pointCount(), 10000U);
    const std::vector<Drawing> sheets = nestOntoSheets(b.wb.drawing, {1000, 1000}, 2);
    ASSERT_EQ(sheets.size(), 1U);
    EXPECT_EQ(sheets.front().pointCount(), b.wb.drawing.pointCount());
    const Extent& e = sheets.front().extent();
    EXPECT_TRUE(e.minX >= 2 && e.minY >= 2 && e.maxX <= 998 && e.maxY <= 998);
}

// A cut of one line encloses nothing; the placer once looped over its no-fit polygons.
TEST(sheetNesting, CutsOfOneLineAreNestedBesideTheRest) {
    Drawing drawing;
    for (int i = 0; i < 6; ++i) {
        const double x = 30.0 * i;
        drawing.beginOutline({x, 0}, OutlineRole::OuterCut);
        drawing.lineTo({x + (i % 2 == 0 ? 10.0 : 1.0), i % 2 == 0 ? 0.0 : 1.0});
        drawing.endPart("line");
        drawing.beginOutline({x, 50}, OutlineRole::OuterCut);
        for (const Point p : {Point{x + 20, 50}, Point{x + 20, 70}, Point{x, 70}, Point{x, 50}}) {
            drawing.lineTo(p);
        }
        drawing.endPart("square");
    }
    std::size_t outlines = 0;
    for (const Drawing& sheet : nestOntoSheets(drawing, {300, 200}, 2)) {
        outlines += sheet.outlineCount();
        const Extent& e = sheet.extent();
        EXPECT_TRUE(e.minX >= 2 && e.minY >= 2 && e.maxX <= 298 && e.maxY <= 198);
    }
    EXPECT_EQ(outlines, drawing.outlineCount());
}

// The window stops a nesting whose result it will not show; the command line's has a time limit.
TEST(sheetNesting, TheCallersStopIsAskedForEveryPieceAndEndsTheNestingWithNoSheet) {
    Bench b;
    findCommand("full")->run(b.wb);
    const std::size_t pieces = rigidParts(b.wb.drawing).size();
    std::size_t asked = 0;
    (void)nestOntoSheets(b.wb.drawing, {300, 200}, 6.35, [&asked] { return ++asked == 0; });
    EXPECT_GE(asked, pieces);
    EXPECT_THROW((void)nestOntoSheets(b.wb.drawing, {300, 200}, 6.35, [] { return true; }), NestingStopped);
}

TEST(rigidParts, CoordinatesBeyondAnyMachineAreRefusedNotRounded) {
    for (const double beyond : {1e300, -1e20, std::nan(""), HUGE_VAL}) {
        EXPECT_THROW((void)clipperUnits(beyond), DrawingError) << beyond;
    }
    EXPECT_EQ(clipperUnits(-kLargestClipperMillimetres),
              -std::llround(kLargestClipperMillimetres * kClipperUnitsPerMillimetre));
    // A notch across the edge of a piece far away: its footprint is a union in Clipper's integers.
    Drawing drawing;
    const double far = 1e12;
    drawing.beginOutline({0, 0}, OutlineRole::OuterCut);
    for (const Point p : {Point{far, 0}, Point{far, far}, Point{0, far}, Point{0, 0}}) {
        drawing.lineTo(p);
    }
    drawing.beginOutline({-1, far / 2}, OutlineRole::InnerCut);
    for (const Point p : {Point{1, far / 2}, Point{1, far / 2 + 1}, Point{-1, far / 2 + 1}, Point{-1, far / 2}}) {
        drawing.lineTo(p);
    }
    drawing.endPart("far");
    EXPECT_THROW((void)rigidParts(drawing), DrawingError);
    EXPECT_THROW((void)nestOntoSheets(drawing, {600, 400}, 2), DrawingError);
}

TEST(sheetNesting, FullSetTakesOneLargeSheetAndFewSmallOnes) {
    Bench b;
    findCommand("full")->run(b.wb);
    EXPECT_EQ(nestOntoSheets(b.wb.drawing, {600, 400}, 6.35).size(), 1U);
    EXPECT_LE(nestOntoSheets(b.wb.drawing, {300, 200}, 6.35).size(), 5U);
}

TEST(sheetNesting, EachSheetKeepsTheHeaderWithItsOwnBoundingBox) {
    Bench b;
    findCommand("full")->run(b.wb);
    const LineList whole = epsOf(b.wb);
    for (const Drawing& drawing : nestOntoSheets(b.wb.drawing, {300, 200}, 6.35)) {
        const LineList sheet = epsOf(drawing);
        const std::size_t body = epsBodyStart(sheet);
        ASSERT_EQ(body, epsBodyStart(whole));
        for (std::size_t i = 0; i <= body + 1; ++i) {
            if (i != 1) {
                EXPECT_EQ(sheet[i], whole[i]);
            }
        }
        const Extent drawn = drawing.extent();
        const double points = 2.834646;
        EXPECT_EQ(sheet[1], "%%BoundingBox: " + fixedText(drawn.minX * points, 8) + " " +
                                fixedText(drawn.minY * points, 8) + " " + fixedText(drawn.maxX * points, 8) + " " +
                                fixedText(drawn.maxY * points, 8));
        EXPECT_EQ(sheet.back(), "stroke");
    }
}

// What a nesting too small for a piece is refused with; empty when it nests.
std::string refusalOf(const Drawing& drawing, SheetSize sheet, double gap, Turning turning = Turning::QuarterTurns) {
    try {
        static_cast<void>(nestOntoSheets(drawing, sheet, gap, {}, turning));
    } catch (const PartTooLarge& e) {
        return e.what();
    }
    return {};
}

// The piece is named by its part of the drawing, as the user knows it.
TEST(sheetNesting, APieceLargerThanTheSheetIsRefusedByNumberNameAndSize) {
    Bench b;
    findCommand("full")->run(b.wb);
    const std::string message = refusalOf(b.wb.drawing, {200, 100}, 6.35);
    EXPECT_TRUE(message.starts_with("Part 1 (the front panel, ")) << message;
    EXPECT_NE(message.find(" mm) does not fit on a 200 x 100 mm sheet"), std::string::npos) << message;
}

// A sheet exactly as large as a piece and the gap all round takes it, as drawn or turned;
// one a hundredth smaller does not.
TEST(sheetNesting, APieceFitsASheetOfExactlyItsSizeAndTheGap) {
    Bench b;
    findCommand("facade")->run(b.wb);
    const Extent drawn = b.wb.drawing.extent();
    for (const double gap : {1.0, 2.0, 6.35}) {
        const double width = drawn.width() + 2 * gap;
        const double height = drawn.height() + 2 * gap;
        for (const SheetSize sheet : {SheetSize{width, height}, SheetSize{height, width}}) {
            const std::vector<Drawing> sheets = nestOntoSheets(b.wb.drawing, sheet, gap);
            ASSERT_EQ(sheets.size(), 1U);
            EXPECT_EQ(shapesOf(expectSoundSheets(sheets, sheet, gap)), shapesOf(rigidParts(b.wb.drawing)));
        }
        EXPECT_THROW(static_cast<void>(nestOntoSheets(b.wb.drawing, {width - 0.01, height}, gap)), PartTooLarge);
    }
}

// Whatever a template's pieces, a sheet that each fits as drawn takes them all, on as many
// sheets as it needs: none is left over with a message of its own.
TEST(sheetNesting, EveryPieceThatFitsTheSheetIsPlaced) {
    for (const char* name : {"full", "simple-full", "bobbin", "tab-slot"}) {
        Bench b;
        findCommand(name)->run(b.wb);
        const std::vector<RigidPart> drawn = rigidParts(b.wb.drawing);
        const double gap = 1.5;
        SheetSize sheet;
        for (const RigidPart& part : drawn) {
            sheet.width = std::max(sheet.width, part.extent.width() + 2 * gap);
            sheet.height = std::max(sheet.height, part.extent.height() + 2 * gap);
        }
        const std::vector<Drawing> sheets = nestOntoSheets(b.wb.drawing, sheet, gap);
        EXPECT_EQ(shapesOf(expectSoundSheets(sheets, sheet, gap)), shapesOf(drawn)) << name;
    }
}

Drawing outlineAlone(const DrawnOutline& outline) {
    Drawing drawing;
    drawing.beginOutline(outline.front(), OutlineRole::OuterCut);
    for (std::size_t i = 1; i < outline.size(); ++i) {
        drawing.lineTo(outline[i]);
    }
    drawing.endPart("alone");
    return drawing;
}

// An open cut and a piece with sharp corners take no more room than their size and the
// gap: the toothed strip of the test piece, an open zigzag and a needle of a triangle.
TEST(sheetNesting, OpenAndSharpCutsNeedOnlyTheirSizeAndTheGap) {
    Bench b;
    findCommand("tab-slot")->run(b.wb);
    const DrawnOutline strip = *outerCutOf(rigidParts(b.wb.drawing).front());
    ASSERT_NE(strip.front(), strip.back());
    const DrawnOutline zigzag{{0, 0}, {10, 30}, {20, 0}, {30, 30}, {40, 0}, {50, 30}};
    const DrawnOutline needle{{0, 0}, {80, 4}, {0, 8}, {0, 0}};
    for (const DrawnOutline& cut : {strip, zigzag, needle}) {
        const Drawing alone = outlineAlone(cut);
        for (const double gap : {1.0, 3.0}) {
            const SheetSize sheet{alone.extent().width() + 2 * gap, alone.extent().height() + 2 * gap};
            const std::vector<Drawing> sheets = nestOntoSheets(alone, sheet, gap);
            ASSERT_EQ(sheets.size(), 1U);
            EXPECT_EQ(shapesOf(expectSoundSheets(sheets, sheet, gap)), shapesOf(rigidParts(alone)));
        }
    }
}

// Cuts that enclose nothing the nesting can see are nested like a cut of one line, beside
// the rest: a fine cut along one line, whose hull is that line, and a sliver thinner than
// the nesting's resolution.
TEST(sheetNesting, CutsThatEncloseNothingAtTheNestingsResolutionAreNested) {
    DrawnOutline thereAndBack;
    for (int i = 0; i <= 2500; ++i) {
        thereAndBack.push_back({(i % 2 == 0 ? 0.0 : 25.4) + i * 1e-3, 10});
    }
    Drawing drawing = outlineAlone(thereAndBack);
    for (const DrawnOutline& cut :
         {DrawnOutline{{50, 0}, {75.4, 0.000001}, {50, 0}}, DrawnOutline{{0, 0}, {20, 0}, {20, 20}, {0, 20}, {0, 0}}}) {
        drawing.beginOutline(cut.front(), OutlineRole::OuterCut);
        for (std::size_t i = 1; i < cut.size(); ++i) {
            drawing.lineTo(cut[i]);
        }
        drawing.endPart("piece");
    }
    const SheetSize sheet{60, 40};
    const std::vector<Drawing> sheets = nestOntoSheets(drawing, sheet, 2);
    EXPECT_EQ(shapesOf(expectSoundSheets(sheets, sheet, 2)), shapesOf(rigidParts(drawing)));
}

TEST(sheetNesting, UnusableSheetsAndGapsAreRefused) {
    Bench b;
    findCommand("full")->run(b.wb);
    for (const SheetSize sheet : {SheetSize{0, 400}, SheetSize{600, -1}, SheetSize{NAN, 400}, SheetSize{1e300, 400}}) {
        EXPECT_THROW(static_cast<void>(nestOntoSheets(b.wb.drawing, sheet, 2)), DrawingError);
    }
    for (const double gap : {-1.0, double(NAN), double(INFINITY)}) {
        EXPECT_THROW(static_cast<void>(nestOntoSheets(b.wb.drawing, {600, 400}, gap)), DrawingError);
    }
}

// Closed outlines in one part: an outer cut, then whatever it holds or crosses, in their roles.
void addPart(Drawing& drawing, const std::vector<std::pair<std::vector<Point>, OutlineRole>>& outlines) {
    for (const auto& [points, role] : outlines) {
        drawing.beginOutline(points.front(), role);
        for (std::size_t i = 1; i <= points.size(); ++i) {
            drawing.lineTo(points[i % points.size()]);
        }
    }
    drawing.endPart("piece");
}

// Closed outer cuts, one piece each.
Drawing piecesDocument(const std::vector<std::vector<Point>>& pieces) {
    Drawing drawing;
    for (const auto& piece : pieces) {
        addPart(drawing, {{piece, OutlineRole::OuterCut}});
    }
    return drawing;
}

// A piece with a deep notch and a block that fits in it: by their hulls they take two
// sheets, by their real outlines one, the block in the notch, the gap kept all round.
TEST(sheetNesting, APieceSitsInAnothersNotch) {
    const std::vector<Point> notched{{0, 0}, {100, 0}, {100, 100}, {80, 100}, {80, 30}, {20, 30}, {20, 100}, {0, 100}};
    const std::vector<Point> block{{0, 0}, {50, 0}, {50, 50}, {0, 50}};
    const double gap = 2;
    const SheetSize sheet{100 + 2 * gap + 1, 100 + 2 * gap + 1};
    const std::vector<Drawing> sheets = nestOntoSheets(piecesDocument({notched, block}), sheet, gap);
    ASSERT_EQ(sheets.size(), 1U);
    EXPECT_EQ(expectSoundSheets(sheets, sheet, gap).size(), 2U);
}

TEST(rigidParts, OutlinesInsideAnotherRideWithItAndSeparateOnesArePiecesOfTheirOwn) {
    Bench b;
    findCommand("full")->run(b.wb);
    const Drawing& drawing = b.wb.drawing;
    EXPECT_EQ(rigidParts(drawing).size(), drawing.partCount());  // six panels, each with its slots and notches
    findCommand("bobbin")->run(b.wb);
    const std::vector<RigidPart> bobbin = rigidParts(b.wb.drawing);
    EXPECT_GT(bobbin.size(), 1U);
    for (const RigidPart& part : bobbin) {
        for (const PieceOutline& inner : part.outlines) {
            for (const Point p : inner.points) {
                EXPECT_TRUE(p.x >= part.extent.minX && p.x <= part.extent.maxX && p.y >= part.extent.minY &&
                            p.y <= part.extent.maxY);
            }
        }
    }
}

// A notch cut through a piece's edge is an outline across the piece's own: it moves with
// the piece, and no other piece may come near the part of it that lies outside.
TEST(rigidParts, ANotchCutThroughTheEdgeRidesWithItsPieceAndWidensItsFootprint) {
    Drawing drawing;
    addPart(drawing, {{{{0, 0}, {40, 0}, {40, 40}, {0, 40}}, OutlineRole::OuterCut},
                      {{{36, 18}, {44, 18}, {44, 22}, {36, 22}}, OutlineRole::InnerCut}});
    const std::vector<RigidPart> parts = rigidParts(drawing);
    ASSERT_EQ(parts.size(), 1U);
    EXPECT_EQ(parts[0].outlines.size(), 2U);
    EXPECT_DOUBLE_EQ(parts[0].extent.maxX, 44);
    EXPECT_DOUBLE_EQ(parts[0].extent.maxY, 40);

    const double gap = 2;
    const std::vector<Drawing> sheets = nestOntoSheets(drawing, {44 + 2 * gap + 1, 40 + 2 * gap + 1}, gap);
    ASSERT_EQ(sheets.size(), 1U);
    const std::vector<RigidPart> placed = rigidParts(sheets.front());
    ASSERT_EQ(placed.size(), 1U);
    EXPECT_EQ(shapeOf(placed[0]), shapeOf(parts[0]));
}

// Every distance between two points of a piece, its marks' included, to the micrometre:
// a rigid move keeps them all.
std::vector<long long> distancesOf(const RigidPart& part) {
    std::vector<Point> points;
    for (const PieceOutline& outline : part.outlines) {
        points.insert(points.end(), outline.points.begin(), outline.points.end());
    }
    std::vector<long long> distances;
    for (std::size_t i = 0; i < points.size(); ++i) {
        for (std::size_t j = i + 1; j < points.size(); ++j) {
            distances.push_back(std::llround(std::hypot(points[i].x - points[j].x, points[i].y - points[j].y) * 1000));
        }
    }
    std::sort(distances.begin(), distances.end());
    return distances;
}

// Marks placed in and beside a piece and a line engraved across its edge go where the
// piece goes, in their roles; the piece measures only what is cut.
TEST(sheetNesting, MarksAndEngravedLinesRideWithTheirPieceAndAddNothingToItsSize) {
    Drawing drawing;
    for (const auto& [corners, role] :
         {std::pair{std::vector<Point>{{0, 0}, {40, 0}, {40, 30}, {0, 30}}, OutlineRole::OuterCut},
          std::pair{std::vector<Point>{{10, 10}, {16, 10}, {16, 14}, {10, 14}}, OutlineRole::InnerCut}}) {
        drawing.beginOutline(corners.front(), role);
        for (std::size_t i = 1; i <= corners.size(); ++i) {
            drawing.lineTo(corners[i % corners.size()]);
        }
    }
    drawing.beginOutline({20, 20}, OutlineRole::Engrave);
    drawing.lineTo({55, 20});
    drawing.beginOutline({5, 5}, OutlineRole::Mark);
    drawing.beginOutline({48, 37}, OutlineRole::Mark);
    drawing.endPart("marked");
    const std::vector<RigidPart> drawn = rigidParts(drawing);
    ASSERT_EQ(drawn.size(), 1U);
    ASSERT_EQ(drawn[0].outlines.size(), drawing.outlineCount());
    for (std::size_t i = 0; i < drawing.outlineCount(); ++i) {
        EXPECT_EQ(drawn[0].outlines[i].role, drawing.outline(i).role);
    }
    EXPECT_EQ(drawn[0].extent.width(), 40);
    EXPECT_EQ(drawn[0].extent.height(), 30);

    for (const double gap : {1.0, 4.0}) {
        for (const SheetSize sheet : {SheetSize{40 + 2 * gap, 30 + 2 * gap}, SheetSize{30 + 2 * gap, 40 + 2 * gap}}) {
            const std::vector<Drawing> sheets = nestOntoSheets(drawing, sheet, gap);
            ASSERT_EQ(sheets.size(), 1U);
            const std::vector<RigidPart> nested = expectSoundSheets(sheets, sheet, gap);
            ASSERT_EQ(nested.size(), 1U);
            EXPECT_EQ(shapeOf(nested[0]), shapeOf(drawn[0]));
            EXPECT_EQ(distancesOf(nested[0]), distancesOf(drawn[0]));
            ASSERT_EQ(sheets[0].outlineCount(), drawing.outlineCount());
            for (std::size_t i = 0; i < drawing.outlineCount(); ++i) {
                EXPECT_EQ(sheets[0].outline(i).role, drawing.outline(i).role);
            }
        }
    }
}

// A DXF leaves the template's last outline open: on sheets that outline, wherever its
// piece lands, is the last of the last sheet.
TEST(sheetNesting, TheDrawingsLastOutlineIsTheLastOfTheLastSheet) {
    const struct {
        const char* name;
        SheetSize sheet;
        double gap;
    } cases[] = {
        {"tab-slot", {103, 12}, 1}, {"tab-slot", {300, 200}, 3}, {"full", {300, 200}, 6.35}, {"bobbin", {100, 80}, 2}};
    for (const auto& nesting : cases) {
        Bench b;
        findCommand(nesting.name)->run(b.wb);
        const std::vector<Drawing> sheets = nestOntoSheets(b.wb.drawing, nesting.sheet, nesting.gap);
        const Drawing& last = sheets.back();
        ASSERT_GT(last.outlineCount(), 0U);
        const auto alone = [](const Outline& outline) {
            return rigidParts(outlineAlone({outline.points.begin(), outline.points.end()}));
        };
        const Outline drawnLast = b.wb.drawing.outline(b.wb.drawing.outlineCount() - 1);
        const Outline nestedLast = last.outline(last.outlineCount() - 1);
        EXPECT_EQ(nestedLast.role, drawnLast.role) << nesting.name;
        EXPECT_EQ(shapesOf(alone(nestedLast)), shapesOf(alone(drawnLast))) << nesting.name;
        EXPECT_EQ(nestedLast.closed(), drawnLast.closed()) << nesting.name;
    }
}

// Not turned, every outline is only moved; a piece that fits only turned is refused by
// its number and size.
TEST(sheetNesting, NotTurnedEveryOutlineIsOnlyMoved) {
    // Each outline by its role and the steps between its points, to the micrometre.
    const auto stepsOf = [](const Drawing& drawing) {
        std::vector<std::vector<long long>> steps;
        for (std::size_t o = 0; o < drawing.outlineCount(); ++o) {
            const Outline outline = drawing.outline(o);
            std::vector<long long> outlineSteps{static_cast<long long>(outline.role)};
            for (std::size_t i = 1; i < outline.points.size(); ++i) {
                outlineSteps.push_back(std::llround((outline.points[i].x - outline.points[i - 1].x) * 1000));
                outlineSteps.push_back(std::llround((outline.points[i].y - outline.points[i - 1].y) * 1000));
            }
            steps.push_back(outlineSteps);
        }
        std::sort(steps.begin(), steps.end());
        return steps;
    };
    for (const char* name : {"full", "bobbin", "tab-slot"}) {
        Bench b;
        findCommand(name)->run(b.wb);
        Drawing nested;
        const SheetSize sheet{300, 200};
        const std::vector<Drawing> sheets = nestOntoSheets(b.wb.drawing, sheet, 2, {}, Turning::None);
        static_cast<void>(expectSoundSheets(sheets, sheet, 2));
        for (const Drawing& onSheet : sheets) {
            appendMoved(nested, onSheet, {});
        }
        EXPECT_EQ(stepsOf(nested), stepsOf(b.wb.drawing)) << name;
    }

    Bench b;
    findCommand("facade")->run(b.wb);
    const Extent drawn = b.wb.drawing.extent();
    const SheetSize upright{drawn.height() + 4, drawn.width() + 4};
    EXPECT_EQ(nestOntoSheets(b.wb.drawing, upright, 2).size(), 1U);
    const std::string message = refusalOf(b.wb.drawing, upright, 2, Turning::None);
    EXPECT_TRUE(message.starts_with("Part 1 (")) << message;
    EXPECT_EQ(message.find("turned"), std::string::npos) << message;
}

// Sheets a plain rectangle packer fills with the whole set take it on one.
TEST(sheetNesting, ABoxSetTakesOneSheetWhereItsPanelsFitSideBySide) {
    const struct {
        const char* name;
        SheetSize sheet;
    } cases[] = {{"full", {460, 400}}, {"full", {480, 400}}, {"simple-full", {460, 400}}};
    for (const auto& nesting : cases) {
        Bench b;
        findCommand(nesting.name)->run(b.wb);
        const double gap = 6.35;
        const std::vector<Drawing> sheets = nestOntoSheets(b.wb.drawing, nesting.sheet, gap);
        EXPECT_EQ(sheets.size(), 1U) << nesting.name << " " << nesting.sheet.width;
        EXPECT_EQ(shapesOf(expectSoundSheets(sheets, nesting.sheet, gap)), shapesOf(rigidParts(b.wb.drawing)));
    }
}

}  // namespace
}  // namespace tessaro
