#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <utility>

#include "drawing/drawing_error.h"
#include "drawing/relief.h"
#include "support.h"

namespace tessaro {
namespace {

using Primitive = ReliefEdge;
using Points = std::vector<std::pair<double, double>>;

// Draws one primitive from (0, 0) with the given cutter and returns the points it wrote
// after the start.
Points drawn(Primitive primitive, double dx, double dy, double cutter = 3.175) {
    testing::Paper paper;
    Pen& pen = paper.pen;
    pen.startInnerCut(0, 0);
    primitive(pen, cutter, dx, dy);
    Points points;
    const LineList lines = paper.lines();
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        EXPECT_TRUE(line.ends_with(" lineto")) << line;
        const auto p = parseEpsPoint(line);
        points.emplace_back(std::stod(std::string(p->x)), std::stod(std::string(p->y)));
    }
    return points;
}

MATCHER_P(PointsNear, expected, "") {
    if (arg.size() != expected.size()) {
        *result_listener << "has " << arg.size() << " points";
        return false;
    }
    for (std::size_t i = 0; i < arg.size(); ++i) {
        if (std::abs(arg[i].first - expected[i].first) > 1e-9 || std::abs(arg[i].second - expected[i].second) > 1e-9) {
            *result_listener << "point " << i << " is (" << arg[i].first << ", " << arg[i].second << ")";
            return false;
        }
    }
    return true;
}

TEST(ReliefOneEnd, NotchAtTheStartLiesLeftOfTravel) {
    EXPECT_THAT(drawn(lineNotchedAtStart, 20, 0),
                PointsNear(Points{{0, 1.5875}, {3.175, 1.5875}, {3.175, 0}, {20, 0}}));
    EXPECT_THAT(drawn(lineNotchedAtStart, -20, 0),
                PointsNear(Points{{0, -1.5875}, {-3.175, -1.5875}, {-3.175, 0}, {-20, 0}}));
    EXPECT_THAT(drawn(lineNotchedAtStart, 0, 20),
                PointsNear(Points{{-1.5875, 0}, {-1.5875, 3.175}, {0, 3.175}, {0, 20}}));
    EXPECT_THAT(drawn(lineNotchedAtStart, 0, -20),
                PointsNear(Points{{1.5875, 0}, {1.5875, -3.175}, {0, -3.175}, {0, -20}}));
}

TEST(ReliefOneEnd, NotchAtTheEndFollowsTheShortenedRun) {
    EXPECT_THAT(drawn(lineNotchedAtEnd, 0, -20),
                PointsNear(Points{{0, -16.825}, {1.5875, -16.825}, {1.5875, -20}, {0, -20}}));
    EXPECT_THAT(drawn(lineNotchedAtEnd, 0, 20),
                PointsNear(Points{{0, 16.825}, {-1.5875, 16.825}, {-1.5875, 20}, {0, 20}}));
    EXPECT_THAT(drawn(lineNotchedAtEnd, 20, 0),
                PointsNear(Points{{16.825, 0}, {16.825, 1.5875}, {20, 1.5875}, {20, 0}}));
    EXPECT_THAT(drawn(lineNotchedAtEnd, -20, 0),
                PointsNear(Points{{-16.825, 0}, {-16.825, -1.5875}, {-20, -1.5875}, {-20, 0}}));
}

TEST(ReliefOneEnd, ShortStepRunsBackAndZeroCutterRepeatsThePoint) {
    EXPECT_THAT(drawn(lineNotchedAtStart, 2, 0), PointsNear(Points{{0, 1.5875}, {3.175, 1.5875}, {3.175, 0}, {2, 0}}));
    EXPECT_THAT(drawn(lineNotchedAtStart, 10, 0, 0), PointsNear(Points{{0, 0}, {0, 0}, {0, 0}, {10, 0}}));
    EXPECT_THAT(drawn(lineNotchedAtEnd, 10, 0, 0), PointsNear(Points{{10, 0}, {10, 0}, {10, 0}, {10, 0}}));
}

TEST(ReliefBothEnds, LeftAndRightNotchesMirrorAcrossTheEdge) {
    EXPECT_THAT(drawn(lineNotchedAtBothEnds, 30, 0),
                PointsNear(Points{
                    {0, 1.5875}, {3.175, 1.5875}, {3.175, 0}, {26.825, 0}, {26.825, 1.5875}, {30, 1.5875}, {30, 0}}));
    EXPECT_THAT(
        drawn(lineNotchedOutsideAtBothEnds, 30, 0),
        PointsNear(Points{
            {0, -1.5875}, {3.175, -1.5875}, {3.175, 0}, {26.825, 0}, {26.825, -1.5875}, {30, -1.5875}, {30, 0}}));
    EXPECT_THAT(drawn(lineNotchedOutsideAtBothEnds, 0, 20),
                PointsNear(Points{
                    {1.5875, 0}, {1.5875, 3.175}, {0, 3.175}, {0, 16.825}, {1.5875, 16.825}, {1.5875, 20}, {0, 20}}));
    EXPECT_THAT(
        drawn(lineNotchedAtBothEnds, 0, -20),
        PointsNear(Points{
            {1.5875, 0}, {1.5875, -3.175}, {0, -3.175}, {0, -16.825}, {1.5875, -16.825}, {1.5875, -20}, {0, -20}}));
    for (auto [dx, dy] : Points{{30, 0}, {-30, 0}, {0, 30}, {0, -30}}) {
        const Points left = drawn(lineNotchedAtBothEnds, dx, dy);
        const Points right = drawn(lineNotchedOutsideAtBothEnds, dx, dy);
        ASSERT_EQ(left.size(), 7U);
        for (std::size_t i = 0; i < left.size(); ++i) {
            // Mirror images across the edge's line, which passes through the origin.
            EXPECT_NEAR(left[i].first, dy == 0 ? right[i].first : -right[i].first, 1e-9);
            EXPECT_NEAR(left[i].second, dx == 0 ? right[i].second : -right[i].second, 1e-9);
        }
    }
}

TEST(ReliefBothEnds, StepOfTwoDiametersWritesAZeroLengthRun) {
    EXPECT_THAT(drawn(lineNotchedAtBothEnds, 6.35, 0),
                PointsNear(Points{
                    {0, 1.5875}, {3.175, 1.5875}, {3.175, 0}, {3.175, 0}, {3.175, 1.5875}, {6.35, 1.5875}, {6.35, 0}}));
    const Points overlapping = drawn(lineNotchedOutsideAtBothEnds, 0, -4);
    ASSERT_EQ(overlapping.size(), 7U);
    EXPECT_NEAR(overlapping.back().second, -4, 1e-12);
}

TEST(Relief, EveryPrimitiveCoversExactlyItsStep) {
    for (Primitive p : {lineNotchedAtStart, lineNotchedAtEnd, lineNotchedAtBothEnds, lineNotchedOutsideAtBothEnds}) {
        for (auto [dx, dy] : Points{{12.3, 0}, {-7.7, 0}, {0, 41.1}, {0, -0.5}}) {
            const Points points = drawn(p, dx, dy);
            EXPECT_NEAR(points.back().first, dx, 1e-12);
            EXPECT_NEAR(points.back().second, dy, 1e-12);
        }
        EXPECT_TRUE(drawn(p, 0, 0).empty());
    }
}

TEST(Relief, DiagonalStepIsRefusedWithoutWriting) {
    for (Primitive p : {lineNotchedAtStart, lineNotchedAtEnd, lineNotchedAtBothEnds, lineNotchedOutsideAtBothEnds}) {
        testing::Paper paper;
        Pen& pen = paper.pen;
        EXPECT_THROW(p(pen, 3, 10, 5), DrawingError);
        EXPECT_TRUE(paper.lines().empty());
        EXPECT_EQ(pen.currentX, 0);
        EXPECT_EQ(pen.currentY, 0);
    }
}

}  // namespace
}  // namespace tessaro
