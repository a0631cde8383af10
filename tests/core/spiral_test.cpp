#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "app/commands.h"
#include "drawing/drawing_error.h"
#include "model/number_parse.h"
#include "support.h"

namespace tessaro {
namespace {

using testing::Bench;
using testing::bodyOf;
using testing::pointsOf;

std::string failureOf(Workbench& wb) {
    try {
        makeSpiral(wb);
    } catch (const std::exception& e) {
        return e.what();
    }
    return "drawn";
}

TEST(Spiral, DefaultTableGivesCentreLowestPointAnd193Steps) {
    Bench b;
    makeSpiral(b.wb);
    EXPECT_EQ(b.wb.templateLabel, "Spiral");
    EXPECT_EQ(epsOf(b.wb).size(), 17U + 2 + 193 + 1);
    const auto body = bodyOf(epsOf(b.wb));
    ASSERT_EQ(body.size(), 196U);
    EXPECT_EQ(body[0], "   0.000000    0.000000 moveto");
    EXPECT_EQ(body[1], "   0.000000  -10.000000 lineto");
    EXPECT_EQ(body[2], "   2.617801  -10.000000 lineto");
    EXPECT_EQ(body.back(), "stroke");
}

TEST(Spiral, StepsTurnCounterClockwiseAndGrowWithTheRadius) {
    Bench b;
    makeSpiral(b.wb);
    const auto points = pointsOf(epsOf(b.wb));
    double previousLength = 0;
    for (std::size_t i = 2; i < points.size(); ++i) {
        const double dx = points[i].x - points[i - 1].x;
        const double dy = points[i].y - points[i - 1].y;
        const double length = std::hypot(dx, dy);
        EXPECT_GT(length, previousLength - 1e-5) << "step " << i;
        previousLength = length;
        if (i > 2) {
            const double px = points[i - 1].x - points[i - 2].x;
            const double py = points[i - 1].y - points[i - 2].y;
            EXPECT_GT(px * dy - py * dx, 0) << "step " << i << " does not turn left";
        }
    }
    // After eight turns of 5 mm the spiral stands roughly 40 mm further out than it began.
    const double outer = std::hypot(points.back().x, points.back().y);
    EXPECT_NEAR(outer, 10 + 8 * 5, 8);
}

// Counts the lines of a document as they are handed on.
class LineEnds final : public ByteSink {
public:
    void write(std::string_view bytes) override { count += static_cast<std::size_t>(std::ranges::count(bytes, '\n')); }
    std::size_t count = 0;
};

// Past a million points the spiral's are made again by each writer instead of held.
TEST(Spiral, AMillionPointsAndMoreAreWrittenEachOnceAndNeverHeld) {
    Bench b;
    b.wb.spiralTable.setCell(1, 2, "1");
    b.wb.spiralTable.setCell(1, 4, "2913");
    makeSpiral(b.wb);
    const Drawing& d = b.wb.drawing;
    EXPECT_EQ(d.pointCount(), 2U + 360 * 2913 + 2);
    EXPECT_EQ(d.heldPointCount(), 0U);
    LineEnds eps;
    writeDrawingAs(d, FileType::Eps, writeChoices(b.wb), eps);
    EXPECT_EQ(eps.count, 17 + d.pointCount() + 1);
    EXPECT_EQ(d.heldPointCount(), 0U);
}

TEST(Spiral, QuarterTurnsTakeTheStepBeyondTheLastTurn) {
    Bench b;
    b.wb.spiralTable.setCell(1, 2, "90");
    b.wb.spiralTable.setCell(1, 4, "1");
    makeSpiral(b.wb);
    EXPECT_EQ(bodyOf(epsOf(b.wb)).size(), 2U + 6 + 1);
}

TEST(Spiral, NoTurnsDrawTwoStepsAndNegativeTurnsOnlyTheCentreLine) {
    Bench b;
    b.wb.spiralTable.setCell(1, 4, "0");
    makeSpiral(b.wb);
    EXPECT_EQ(bodyOf(epsOf(b.wb)).size(), 2U + 2 + 1);
    b.wb.spiralTable.setCell(1, 4, "-2");
    makeSpiral(b.wb);
    EXPECT_EQ(bodyOf(epsOf(b.wb)).size(), 2U + 1);
}

TEST(Spiral, ZeroStepAngleIsADivisionByZeroAfterTheHeader) {
    Bench b;
    b.wb.spiralTable.setCell(1, 2, "0");
    EXPECT_EQ(failureOf(b.wb), "Floating point division by zero");
    EXPECT_EQ(epsOf(b.wb).size(), 17U);
    // Named as every bad value is: the window marks the row, the command line names its key.
    try {
        makeSpiral(b.wb);
        ADD_FAILURE() << "a step of 0 was drawn";
    } catch (const BadCellError& e) {
        EXPECT_EQ(e.table, &b.wb.spiralTable);
        EXPECT_EQ(e.row, 2);
    }
}

TEST(Spiral, NegativeStepAngleIsRefusedBeforeDrawing) {
    Bench b;
    b.wb.spiralTable.setCell(1, 2, "-15");
    EXPECT_EQ(failureOf(b.wb), "The vector step Fi must be greater than 0 degrees");
    EXPECT_EQ(epsOf(b.wb).size(), 17U);
}

TEST(Spiral, TooManyLinesAreRefusedBeforeDrawing) {
    Bench b;
    b.wb.spiralTable.setCell(1, 2, "0.0001");
    b.wb.spiralTable.setCell(1, 4, "100");
    EXPECT_EQ(failureOf(b.wb),
              "The spiral would have more than 10 000 000 lines; choose a larger vector step Fi or fewer turns");
    EXPECT_EQ(epsOf(b.wb).size(), 17U);
    b.wb.spiralTable.setCell(1, 2, "1e-300");
    b.wb.spiralTable.setCell(1, 4, "1");
    EXPECT_THROW(makeSpiral(b.wb), DrawingError);
    EXPECT_EQ(epsOf(b.wb).size(), 17U);
}

TEST(Spiral, HugeRadiusEndsWithAClearErrorInsteadOfInf) {
    Bench b;
    b.wb.spiralTable.setCell(1, 1, "1e308");
    b.wb.spiralTable.setCell(1, 3, "1e308");
    EXPECT_THROW(makeSpiral(b.wb), DrawingError);
    for (std::string_view line : epsOf(b.wb)) {
        EXPECT_EQ(line.find("inf"), std::string_view::npos);
        EXPECT_EQ(line.find("nan"), std::string_view::npos);
    }
}

TEST(Spiral, BadCellsGiveTheConversionMessages) {
    Bench b;
    b.wb.spiralTable.setCell(1, 3, "5,5");
    EXPECT_EQ(failureOf(b.wb), "'5,5' is not a valid floating point value");
    b.wb.spiralTable.setCell(1, 3, "5");
    b.wb.spiralTable.setCell(1, 4, "8.5");
    EXPECT_EQ(failureOf(b.wb), "'8.5' is not a valid integer value");
    EXPECT_EQ(epsOf(b.wb).size(), 17U);
}

}  // namespace
}  // namespace tessaro
