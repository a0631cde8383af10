#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "drawing/screw.h"
#include "model/number_parse.h"
#include "model/screw_table.h"
#include "support.h"

namespace tessaro {
namespace {

using ::testing::ElementsAre;

std::vector<std::pair<double, double>> drawnBy(void (*edge)(Pen&, const ScrewSize&, double, double), double dx,
                                               double dy, const ScrewSize& size) {
    testing::Paper paper;
    Pen& pen = paper.pen;
    pen.startOuterCut(0, 0);
    edge(pen, size, dx, dy);
    std::vector<std::pair<double, double>> points;
    const LineList lines = paper.lines();
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        EXPECT_TRUE(line.ends_with(" lineto"));
        const auto p = parseEpsPoint(line);
        points.emplace_back(std::stod(std::string(p->x)), std::stod(std::string(p->y)));
    }
    return points;
}

using P = std::pair<double, double>;
const ScrewSize kDefault{10, 4, 5, 4, 10};

TEST(ScrewSlot, PointsIntoThePanelInEachDirection) {
    EXPECT_THAT(drawnBy(lineWithScrewSlotUp, 30, 0, kDefault),
                ElementsAre(P{13, 0}, P{13, 10}, P{10, 10}, P{10, 14}, P{13, 14}, P{13, 19}, P{17, 19}, P{17, 14},
                            P{20, 14}, P{20, 10}, P{17, 10}, P{17, 0}, P{30, 0}));
    EXPECT_THAT(drawnBy(lineWithScrewSlotDown, -30, 0, kDefault),
                ElementsAre(P{-13, 0}, P{-13, -10}, P{-10, -10}, P{-10, -14}, P{-13, -14}, P{-13, -19}, P{-17, -19},
                            P{-17, -14}, P{-20, -14}, P{-20, -10}, P{-17, -10}, P{-17, 0}, P{-30, 0}));
    EXPECT_THAT(drawnBy(lineWithScrewSlotLeft, 0, 30, kDefault),
                ElementsAre(P{0, 13}, P{-10, 13}, P{-10, 10}, P{-14, 10}, P{-14, 13}, P{-19, 13}, P{-19, 17},
                            P{-14, 17}, P{-14, 20}, P{-10, 20}, P{-10, 17}, P{0, 17}, P{0, 30}));
    EXPECT_THAT(drawnBy(lineWithScrewSlotRight, 0, -30, kDefault),
                ElementsAre(P{0, -13}, P{10, -13}, P{10, -10}, P{14, -10}, P{14, -13}, P{19, -13}, P{19, -17},
                            P{14, -17}, P{14, -20}, P{10, -20}, P{10, -17}, P{0, -17}, P{0, -30}));
}

TEST(ScrewSlot, IgnoresTheOtherComponent) {
    EXPECT_EQ(drawnBy(lineWithScrewSlotUp, 30, 7, kDefault), drawnBy(lineWithScrewSlotUp, 30, 0, kDefault));
    EXPECT_EQ(drawnBy(lineWithScrewSlotLeft, 5, 30, kDefault), drawnBy(lineWithScrewSlotLeft, 0, 30, kDefault));
}

TEST(ScrewSlot, NutAsNarrowAsTheScrewStillWritesThirteenLines) {
    const auto points = drawnBy(lineWithScrewSlotUp, 30, 0, ScrewSize{10, 4, 5, 4, 4});
    ASSERT_EQ(points.size(), 13U);
    EXPECT_EQ(points[2], points[1]);  // shoulder steps of zero length
    EXPECT_EQ(points[4], points[3]);
    EXPECT_EQ(points.back(), (P{30, 0}));
}

TEST(ScrewTable, DefaultsAndEveryCellConverted) {
    testing::Bench b;
    const ScrewSize size = readScrewSize(b.wb.screwTable);
    EXPECT_EQ(size.channelToNut, 10);
    EXPECT_EQ(size.nutThickness, 4);
    EXPECT_EQ(size.channelBeyondNut, 5);
    EXPECT_EQ(size.screwDiameter, 4);
    EXPECT_EQ(size.nutWidth, 10);
    b.wb.screwTable.setCell(1, 5, "1O");
    EXPECT_THROW((void)readScrewSize(b.wb.screwTable), ConversionError);
}

TEST(drawHoleForScrew, IsAClosedOctagonAroundItsCentre) {
    testing::Paper paper;
    Pen& pen = paper.pen;
    drawHoleForScrew(pen, 4, 50, -5);
    EXPECT_THAT(testing::linesOf(paper.lines()),
                ElementsAre("  49.333333   -3.000000 moveto", "  50.666667   -3.000000 lineto",
                            "  52.000000   -4.333333 lineto", "  52.000000   -5.666667 lineto",
                            "  50.666667   -7.000000 lineto", "  49.333333   -7.000000 lineto",
                            "  48.000000   -5.666667 lineto", "  48.000000   -4.333333 lineto",
                            "  49.333333   -3.000000 lineto", "  49.333333    0.000000 moveto"));
    EXPECT_NEAR(pen.currentX, 50 - 4.0 / 6, 1e-12);
    EXPECT_EQ(pen.currentY, 0);
}

}  // namespace
}  // namespace tessaro
