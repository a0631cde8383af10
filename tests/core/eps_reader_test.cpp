#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/commands.h"
#include "output/eps_reader.h"
#include "output/eps_writer.h"
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

std::vector<Point> pointsOf(const Outline& outline) { return {outline.points.begin(), outline.points.end()}; }

TEST(EpsReader, PartsEndAtStrokeAndOutlinesStartAtMoveto) {
    const Drawing d = readEpsDrawing(documentOf(
        {"%!PS-Adobe-3.0 EPSF-3.0", "   9.000000    9.000000 moveto",  // before the body: not drawing
         std::string_view(kEpsBodyMarker), "2.834646 2.834646 scale", "   0.000000    0.000000 moveto",
         "  10.000000    0.000000 lineto", "  10.000000    5.000000 lineto", "   0.000000    0.000000 lineto",
         "   2.000000    1.000000 moveto", "   3.000000    1.000000 lineto", "stroke", "  20.000000   -4.500000 moveto",
         "  25.000000   -4.500000 lineto", "stroke"}));
    ASSERT_EQ(d.partCount(), 2U);
    EXPECT_EQ(d.part(0).firstOutline, 0U);
    EXPECT_EQ(d.part(0).endOutline, 2U);
    EXPECT_EQ(d.part(1).firstOutline, 2U);
    EXPECT_EQ(d.part(1).endOutline, 3U);
    ASSERT_EQ(d.outlineCount(), 3U);
    EXPECT_THAT(pointsOf(d.outline(0)), ElementsAre(Point{0, 0}, Point{10, 0}, Point{10, 5}, Point{0, 0}));
    EXPECT_THAT(pointsOf(d.outline(1)), ElementsAre(Point{2, 1}, Point{3, 1}));
    EXPECT_THAT(pointsOf(d.outline(2)), ElementsAre(Point{20, -4.5}, Point{25, -4.5}));
    EXPECT_EQ(d.pointCount(), 8U);
    EXPECT_TRUE(d.outline(0).closed());
    EXPECT_FALSE(d.outline(1).closed());

    const Extent& e = d.extent();
    EXPECT_FALSE(e.empty);
    EXPECT_EQ(e.minX, 0);
    EXPECT_EQ(e.maxX, 25);
    EXPECT_EQ(e.minY, -4.5);
    EXPECT_EQ(e.maxY, 5);
}

TEST(EpsReader, WideCoordinatesAndOddBodiesAreReadNotDropped) {
    const Drawing d =
        readEpsDrawing(documentOf({std::string_view(kEpsBodyMarker), "stroke",  // a stroke with nothing to end
                                   "   1.000000    2.000000 lineto",            // a line before any move
                                   "12345.500000 -1000.250000 lineto", "stroke", "", "   3.000000    3.000000 moveto",
                                   "   4.000000    3.000000 lineto"}));  // no closing stroke
    ASSERT_EQ(d.partCount(), 2U);
    ASSERT_EQ(d.outlineCount(), 2U);
    EXPECT_THAT(pointsOf(d.outline(0)), ElementsAre(Point{1, 2}, Point{12345.5, -1000.25}));
    EXPECT_THAT(pointsOf(d.outline(1)), ElementsAre(Point{3, 3}, Point{4, 3}));
}

TEST(EpsReader, DocumentWithoutBodyIsAnEmptyDrawing) {
    for (const LineList& eps : {LineList{}, documentOf({"   1.000000    2.000000 moveto", "stroke"})}) {
        const Drawing d = readEpsDrawing(eps);
        EXPECT_EQ(d.partCount(), 0U);
        EXPECT_EQ(d.outlineCount(), 0U);
        EXPECT_TRUE(d.extent().empty);
    }
}

TEST(EpsReader, ClosingIsJudgedToTheSixDecimalsOfTheText) {
    const std::vector<Point> residue{{0, 0}, {5, 0}, {0.000001, -0.000001}};
    EXPECT_TRUE((Outline{residue}).closed());
    const std::vector<Point> gap{{0, 0}, {5, 0}, {0.000002, 0}};
    EXPECT_FALSE((Outline{gap}).closed());
    const std::vector<Point> lone{{1, 1}};
    EXPECT_FALSE((Outline{lone}).closed());
}

// Every template's EPS text reads back as its drawing: the same parts and outlines, each
// point to the micrometre the text keeps.
TEST(EpsReader, ReadsBackTheDrawingOfEveryCommand) {
    for (const TemplateCommand& command : templateCommands()) {
        SCOPED_TRACE(std::string(command.name));
        testing::Bench b;
        command.run(b.wb);
        const Drawing& drawn = b.wb.drawing;
        const Drawing read = readEpsDrawing(epsOf(b.wb));
        ASSERT_EQ(read.partCount(), drawn.partCount());
        ASSERT_EQ(read.outlineCount(), drawn.outlineCount());
        EXPECT_GT(read.partCount(), 0U);
        for (std::size_t p = 0; p < drawn.partCount(); ++p) {
            EXPECT_EQ(read.part(p).endOutline, drawn.part(p).endOutline);
        }
        for (std::size_t i = 0; i < drawn.outlineCount(); ++i) {
            const auto want = drawn.outline(i).points;
            const auto got = read.outline(i).points;
            ASSERT_EQ(got.size(), want.size()) << "outline " << i;
            for (std::size_t k = 0; k < want.size(); ++k) {
                EXPECT_NEAR(got[k].x, want[k].x, 5e-7);
                EXPECT_NEAR(got[k].y, want[k].y, 5e-7);
            }
        }
    }
}

}  // namespace
}  // namespace tessaro
