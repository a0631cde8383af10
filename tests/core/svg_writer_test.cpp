#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <regex>

#include "app/commands.h"
#include "app/saving.h"
#include "drawing/outlines.h"
#include "drawing/pen.h"
#include "output/eps_reader.h"
#include "output/eps_writer.h"
#include "support.h"

namespace tessaro {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::StartsWith;

std::string svgOfBody(std::initializer_list<std::string_view> body, std::string_view title = "t") {
    LineList eps;
    eps.append(kEpsBodyMarker);
    for (std::string_view line : body) {
        eps.append(line);
    }
    return drawingBytes(readEpsDrawing(eps), FileType::Svg, {title});
}

// The d attributes of the paths stroked in `colour`, or of every path.
std::vector<std::string> pathsOf(const std::string& svg, std::string_view colour = "#[0-9a-f]{6}") {
    const std::regex path("<path stroke=\"" + std::string(colour) + "\" d=\"([^\"]*)\"/>");
    std::vector<std::string> found;
    for (auto it = std::sregex_iterator(svg.begin(), svg.end(), path); it != std::sregex_iterator(); ++it) {
        found.push_back((*it)[1]);
    }
    return found;
}

TEST(SvgWriter, SizedInMillimetresToTheExtentWithYFlipped) {
    const std::string svg = svgOfBody({"  -5.250000   -2.000000 moveto", " 195.000000   -2.000000 lineto",
                                       " 195.000000  108.125000 lineto", "stroke"});
    EXPECT_THAT(svg, StartsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg "));
    EXPECT_THAT(svg, HasSubstr(" width=\"200.25mm\" height=\"110.125mm\" viewBox=\"-5.25 -108.125 200.25 110.125\""));
    EXPECT_THAT(pathsOf(svg), ::testing::ElementsAre("M-5.25 2L195 2 195 -108.125"));
    EXPECT_THAT(svg, HasSubstr("fill=\"none\""));
    EXPECT_THAT(svg, HasSubstr("stroke-width=\"0.025\""));
}

TEST(SvgWriter, OnePathPerOutlineAndOneGroupPerPart) {
    const std::string svg =
        svgOfBody({"   0.000000    0.000000 moveto", "  10.000000    0.000000 lineto", "  10.000000    5.000000 lineto",
                   "  -0.000000    0.000001 lineto", "   2.000000    1.000000 moveto", "   3.000000    1.500000 lineto",
                   "stroke", "  20.000000    0.000000 moveto", "  30.000000    0.000000 lineto", "stroke"});
    // A closed outline ends in Z instead of repeating its first point; an open one has no Z.
    // The open cut inside the triangle is cut before it.
    EXPECT_THAT(pathsOf(svg), ::testing::ElementsAre("M2 -1L3 -1.5", "M0 0L10 0 10 -5Z", "M20 0L30 0"));
    EXPECT_EQ(std::count(svg.begin(), svg.end(), '\n'), 13);
    const std::regex group("<g>\n(<path[^\n]*\n)+</g>\n");
    EXPECT_EQ(std::distance(std::sregex_iterator(svg.begin(), svg.end(), group), std::sregex_iterator()), 2);
}

TEST(SvgWriter, ALoneMoveIsARedCrossWithNoShareInTheSize) {
    // The move that ends a slot row cuts nothing: no one-point path a laser would burn as a dot,
    // no margin on the sheet.
    const std::string svg =
        svgOfBody({"   0.000000    0.000000 moveto", "  10.000000    0.000000 lineto", "  10.000000    5.000000 lineto",
                   "   0.000000    0.000000 lineto", "  40.000000   -2.000000 moveto", "stroke"});
    EXPECT_EQ(pathsOf(svg, "#000000"), std::vector<std::string>{"M0 0L10 0 10 -5Z"});
    EXPECT_EQ(pathsOf(svg, "#ff0000"), std::vector<std::string>{"M39.75 2L40.25 2M40 2.25L40 1.75"});
    EXPECT_THAT(svg, HasSubstr(" width=\"10mm\" height=\"5mm\" viewBox=\"0 -5 10 5\""));
}

TEST(SvgWriter, EachOperationInItsColourAndInnerCutsBeforeTheirOutline) {
    Drawing drawing;
    Pen pen(drawing);
    pen.startOuterCut(0, 0);
    drawRectangle(pen, 40, 30);
    pen.startInnerCut(5, 5);
    drawRectangle(pen, 10, 10);
    pen.startEngraving(15, 0);
    pen.lineTo(5, 0);
    pen.endPart("plate");
    const std::string svg = drawingBytes(drawing, FileType::Svg, {"t"});
    EXPECT_THAT(pathsOf(svg),
                ::testing::ElementsAre("M20 -5L25 -5", "M5 -5L15 -5 15 -15 5 -15Z", "M0 0L40 0 40 -30 0 -30Z"));
    EXPECT_THAT(pathsOf(svg, "#00ff00"), ::testing::ElementsAre("M20 -5L25 -5"));
    EXPECT_THAT(pathsOf(svg, "#0000ff"), ::testing::ElementsAre("M5 -5L15 -5 15 -15 5 -15Z"));
    EXPECT_THAT(pathsOf(svg, "#000000"), ::testing::ElementsAre("M0 0L40 0 40 -30 0 -30Z"));
}

TEST(SvgWriter, TitleIsTheLabelInUtf8WithMarkupEscaped) {
    EXPECT_THAT(svgOfBody({}, "Шаблон"), HasSubstr("<title>Шаблон</title>"));
    EXPECT_THAT(svgOfBody({}, "a<b & c>"), HasSubstr("<title>a&lt;b &amp; c&gt;</title>"));
}

TEST(SvgWriter, EmptyDrawingIsAValidEmptyDocument) {
    const std::string svg = svgOfBody({"stroke"});
    EXPECT_THAT(svg, HasSubstr(" width=\"0mm\" height=\"0mm\" viewBox=\"0 0 0 0\""));
    EXPECT_TRUE(pathsOf(svg).empty());
    EXPECT_THAT(svg, Not(HasSubstr("<g>")));
    EXPECT_THAT(svg, ::testing::EndsWith("</svg>\n"));
}

TEST(SvgWriter, SavingAsTheThirdTypeWritesTheSvgOfTheCurrentTemplate) {
    testing::Bench b;
    makeSpiral(b.wb);
    const std::string svg = templateBytes(b.wb, FileType::Svg);
    EXPECT_THAT(svg, HasSubstr("<title>Spiral</title>"));
    const auto paths = pathsOf(svg);
    ASSERT_EQ(paths.size(), 1U);
    EXPECT_THAT(paths[0], StartsWith("M0 0L0 10 2.617801 "));
    EXPECT_THAT(paths[0], Not(HasSubstr("Z")));
    EXPECT_EQ(extensionOf(FileType::Svg), "svg");
    EXPECT_EQ(fileTypeNamed("svg"), FileType::Svg);
}

}  // namespace
}  // namespace tessaro
