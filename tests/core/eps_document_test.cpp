#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/template_commands.h"
#include "app/template_headers.h"
#include "drawing/drawing_error.h"
#include "model/number_parse.h"
#include "support.h"

namespace tessaro {
namespace {

using testing::Bench;
using testing::bodyOf;
using ::testing::ElementsAre;

TEST(Pen, WritesAbsolutePositionsOfRelativeSteps) {
    testing::Paper paper;
    Pen& pen = paper.pen;
    pen.startOuterCut(0, 0);
    pen.lineTo(10, 0);
    pen.lineTo(10, 0);
    pen.currentX = 12.5;
    pen.currentY = -3;
    pen.startOuterCut(0, 0);
    EXPECT_THAT(testing::linesOf(paper.lines()),
                ElementsAre("   0.000000    0.000000 moveto", "  10.000000    0.000000 lineto",
                            "  20.000000    0.000000 lineto", "  12.500000   -3.000000 moveto"));
}

TEST(Pen, ResidueOfAClosedOutlineIsWrittenAsZero) {
    testing::Paper paper;
    Pen& pen = paper.pen;
    pen.startOuterCut(0.1, 0.2);
    pen.lineTo(0.2, 0.1);
    pen.lineTo(-0.3, -0.3);
    EXPECT_EQ(paper.lines().back(), "   0.000000    0.000000 lineto");
}

TEST(Pen, RefusesACoordinateThatIsNotFinite) {
    testing::Paper paper;
    Pen& pen = paper.pen;
    pen.startOuterCut(1e308, 0);
    EXPECT_THROW(pen.lineTo(1e308, 0), DrawingError);
    EXPECT_EQ(paper.lines().size(), 1U);
}

TEST(MainHeader, HasTwentyLinesWithBoundsTitlesAndTime) {
    Bench b;
    b.wb.templateLabel = "facade";
    startBoxDocument(b.wb);
    const auto lines = testing::linesOf(epsOf(b.wb));
    ASSERT_EQ(lines.size(), 20U);
    EXPECT_EQ(lines[0], "%!PS-Adobe-3.0 EPSF-3.0");
    EXPECT_EQ(lines[1], "%%BoundingBox: -500.00000000 -500.00000000 1200.00000000 1280.00000000");
    EXPECT_EQ(lines[2], "%%Creator: tessaro@tessaro.app");
    EXPECT_EQ(lines[3], "%%Title: Contour data for Case ArtCAM");
    EXPECT_EQ(lines[4], "%%Title: facade");
    EXPECT_EQ(lines[5], "%%Title: Толщина материала 5");
    EXPECT_EQ(lines[10], "%%Title: Припуск длины зуба (скругление фрезы) 0.2");
    EXPECT_EQ(lines[11], "%%CreationDate: 12:34:56");
    EXPECT_EQ(lines[12], "%%EndComments");
    EXPECT_EQ(lines[17], " ");
    EXPECT_EQ(lines[18], "%%Scaling factor from millimetres to PostScript units");
    EXPECT_EQ(lines[19], "2.834646 2.834646 scale");
}

TEST(MainHeader, BoundsFollowTheMarginRule) {
    Bench b;
    b.wb.boxTable.setCell(1, 2, "200.3");
    startBoxDocument(b.wb);
    EXPECT_EQ(epsOf(b.wb)[1], "%%BoundingBox: -500.00000000 -500.00000000 1201.20000000 1280.00000000");
}

TEST(MainHeader, TitlesCopyCaptionsAndValuesAsTheyRead) {
    Bench b;
    b.wb.boxTable.setCell(0, 1, "Material thickness");
    b.wb.boxTable.setCell(1, 1, " 5 ");
    startBoxDocument(b.wb);
    EXPECT_EQ(epsOf(b.wb)[5], "%%Title: Material thickness  5 ");
}

TEST(MainHeader, BadCellLeavesThePreviousDocument) {
    Bench b;
    makeFrontPanel(b.wb);
    const LineList previous = epsOf(b.wb);
    b.wb.boxTable.setCell(1, 3, "10O");
    EXPECT_THROW(startBoxDocument(b.wb), ConversionError);
    EXPECT_TRUE(epsOf(b.wb) == previous);
}

TEST(MainHeader, HugeSizeIsRefusedInsteadOfWritingInf) {
    Bench b;
    makeFrontPanel(b.wb);
    const LineList previous = epsOf(b.wb);
    b.wb.boxTable.setCell(1, 2, "1e308");
    EXPECT_THROW(startBoxDocument(b.wb), DrawingError);
    EXPECT_TRUE(epsOf(b.wb) == previous);
}

TEST(SpiralHeader, HasSeventeenLinesAndCopiesTheSpiralTable) {
    Bench b;
    b.wb.spiralTable.setCell(1, 2, "not read");
    startSpiralDocument(b.wb);
    const auto lines = testing::linesOf(epsOf(b.wb));
    ASSERT_EQ(lines.size(), 17U);
    EXPECT_EQ(lines[1], "%%BoundingBox: -500.00000000 -500.00000000 500.00000000 500.00000000");
    EXPECT_EQ(lines[2], "%%Creator: RDQ");
    EXPECT_EQ(lines[3], "%%Title: Arhimed spiral");
    EXPECT_EQ(lines[4], "%%Title: Начальный радиус  R, мм 10");
    EXPECT_EQ(lines[5], "%%Title: Шаг вектора, градусы  Fi (1,10,15,30) not read");
    EXPECT_EQ(lines[8], "%%CreationDate: 12:34:56");
    EXPECT_EQ(lines[14], " ");
    EXPECT_EQ(lines[16], "2.834646 2.834646 scale");
    EXPECT_TRUE(bodyOf(epsOf(b.wb)).empty());
}

}  // namespace
}  // namespace tessaro
