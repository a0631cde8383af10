#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/commands.h"
#include "output/dxf.h"
#include "output/eps_header.h"
#include "output/eps_reader.h"
#include "support.h"

namespace tessaro {
namespace {

using ::testing::ElementsAre;

LineList documentOf(std::initializer_list<std::string_view> lines) {
    LineList eps;
    for (std::string_view line : lines) {
        eps.append(line);
    }
    return eps;
}

std::vector<DrawingPoint> pointsOf(std::span<const DrawingPoint> outline) { return {outline.begin(), outline.end()}; }

TEST(EpsReader, PartsEndAtStrokeAndOutlinesStartAtMoveto) {
    const EpsDrawing d = readEpsDrawing(documentOf({
        "%!PS-Adobe-3.0 EPSF-3.0", "   9.000000    9.000000 moveto",  // before the body: not drawing
        std::string_view(kEpsBodyMarker), "2.834646 2.834646 scale",
        "   0.000000    0.000000 moveto", "  10.000000    0.000000 lineto", "  10.000000    5.000000 lineto",
        "   0.000000    0.000000 lineto", "   2.000000    1.000000 moveto", "   3.000000    1.000000 lineto",
        "stroke", "  20.000000   -4.500000 moveto", "  25.000000   -4.500000 lineto", "stroke"}));
    ASSERT_EQ(d.partCount(), 2U);
    EXPECT_EQ(d.firstOutlineOf(0), 0U);
    EXPECT_EQ(d.endOutlineOf(0), 2U);
    EXPECT_EQ(d.firstOutlineOf(1), 2U);
    EXPECT_EQ(d.endOutlineOf(1), 3U);
    ASSERT_EQ(d.outlineCount(), 3U);
    EXPECT_THAT(pointsOf(d.outline(0)), ElementsAre(DrawingPoint{0, 0}, DrawingPoint{10, 0}, DrawingPoint{10, 5},
                                                    DrawingPoint{0, 0}));
    EXPECT_THAT(pointsOf(d.outline(1)), ElementsAre(DrawingPoint{2, 1}, DrawingPoint{3, 1}));
    EXPECT_THAT(pointsOf(d.outline(2)), ElementsAre(DrawingPoint{20, -4.5}, DrawingPoint{25, -4.5}));
    EXPECT_EQ(d.pointCount(), 8U);
    EXPECT_TRUE(endsOnItsStart(d.outline(0)));
    EXPECT_FALSE(endsOnItsStart(d.outline(1)));

    const Extent& e = d.extent();
    EXPECT_FALSE(e.empty);
    EXPECT_EQ(e.minX, 0);
    EXPECT_EQ(e.maxX, 25);
    EXPECT_EQ(e.minY, -4.5);
    EXPECT_EQ(e.maxY, 5);
}

TEST(EpsReader, WideCoordinatesAndOddBodiesAreReadNotDropped) {
    const EpsDrawing d = readEpsDrawing(documentOf({
        std::string_view(kEpsBodyMarker), "stroke",                       // a stroke with nothing to end
        "   1.000000    2.000000 lineto",                                  // a line before any move
        "12345.500000 -1000.250000 lineto", "stroke", "",
        "   3.000000    3.000000 moveto", "   4.000000    3.000000 lineto"}));  // no closing stroke
    ASSERT_EQ(d.partCount(), 2U);
    ASSERT_EQ(d.outlineCount(), 2U);
    EXPECT_THAT(pointsOf(d.outline(0)), ElementsAre(DrawingPoint{1, 2}, DrawingPoint{12345.5, -1000.25}));
    EXPECT_THAT(pointsOf(d.outline(1)), ElementsAre(DrawingPoint{3, 3}, DrawingPoint{4, 3}));
}

TEST(EpsReader, DocumentWithoutBodyIsAnEmptyDrawing) {
    for (const LineList& eps : {LineList{}, documentOf({"   1.000000    2.000000 moveto", "stroke"})}) {
        const EpsDrawing d = readEpsDrawing(eps);
        EXPECT_EQ(d.partCount(), 0U);
        EXPECT_EQ(d.outlineCount(), 0U);
        EXPECT_TRUE(d.extent().empty);
    }
}

TEST(EpsReader, ClosingIsJudgedToTheSixDecimalsOfTheText) {
    const std::vector<DrawingPoint> residue{{0, 0}, {5, 0}, {0.000001, -0.000001}};
    EXPECT_TRUE(endsOnItsStart(residue));
    const std::vector<DrawingPoint> gap{{0, 0}, {5, 0}, {0.000002, 0}};
    EXPECT_FALSE(endsOnItsStart(gap));
    const std::vector<DrawingPoint> lone{{1, 1}};
    EXPECT_FALSE(endsOnItsStart(lone));
}

// The reader and the DXF conversion see the same outlines and points in every template.
TEST(EpsReader, AgreesWithTheDxfConversionOnEveryCommand) {
    for (const TemplateCommand& command : templateCommands()) {
        SCOPED_TRACE(std::string(command.name));
        testing::Bench b;
        command.run(b.wb);
        const EpsDrawing d = readEpsDrawing(b.wb.epsDocument);
        LineList dxf;
        convertToDxf(b.wb.epsDocument, true, dxf);
        std::vector<DrawingPoint> vertices;
        std::size_t polylines = 0;
        for (std::size_t i = 0; i < dxf.size(); ++i) {
            polylines += dxf[i] == "POLYLINE" ? 1 : 0;
            if (dxf[i] == "VERTEX") {
                vertices.push_back({std::stod(std::string(dxf[i + 4])), std::stod(std::string(dxf[i + 6]))});
            }
        }
        EXPECT_EQ(d.outlineCount(), polylines);
        std::vector<DrawingPoint> read;
        for (std::size_t i = 0; i < d.outlineCount(); ++i) {
            const auto outline = d.outline(i);
            read.insert(read.end(), outline.begin(), outline.end());
        }
        EXPECT_EQ(read, vertices);
        EXPECT_GT(d.partCount(), 0U);
    }
}

}  // namespace
}  // namespace tessaro
