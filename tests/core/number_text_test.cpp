#include <gtest/gtest.h>

#include "output/number_text.h"

namespace tessaro {
namespace {

std::string formatted(double value) {
    std::string text;
    appendCoordinate(text, value);
    return text;
}

TEST(CoordinateText, IsElevenCharactersWideWithSixDecimals) {
    EXPECT_EQ(formatted(0), "   0.000000");
    EXPECT_EQ(formatted(12.5), "  12.500000");
    EXPECT_EQ(formatted(-3), "  -3.000000");
    EXPECT_EQ(formatted(200), " 200.000000");
    EXPECT_EQ(formatted(9999.999999), "9999.999999");
    EXPECT_EQ(formatted(-999.999999), "-999.999999");
}

TEST(CoordinateText, RoundsToSixDecimals) {
    EXPECT_EQ(formatted(2.6178010471), "   2.617801");
    EXPECT_EQ(formatted(1.5875), "   1.587500");
    EXPECT_EQ(formatted(-4.3333333), "  -4.333333");
    EXPECT_EQ(formatted(0.0000005000001), "   0.000001");
}

TEST(CoordinateText, ValueThatRoundsToZeroHasNoSign) {
    EXPECT_EQ(formatted(-0.0), "   0.000000");
    EXPECT_EQ(formatted(-0.0000004), "   0.000000");
    EXPECT_EQ(formatted(-0.0000006), "  -0.000001");
    EXPECT_EQ(formatted(-1e-300), "   0.000000");
}

TEST(CoordinateText, WidensForLargeValues) {
    EXPECT_EQ(formatted(10000), "10000.000000");
    EXPECT_EQ(formatted(-1000), "-1000.000000");
    EXPECT_EQ(formatted(-999.9999996), "-1000.000000");
}

TEST(FixedText, WritesTheGivenDecimalsWithoutPadding) {
    EXPECT_EQ(fixedText(-500, 8), "-500.00000000");
    EXPECT_EQ(fixedText(1201.2, 8), "1201.20000000");
    EXPECT_EQ(fixedText(-0.0, 8), "0.00000000");
}

TEST(FixedText, DroppedZerosTakeAWholeNumbersPointAndNeverLeaveASign) {
    const auto short6 = [](double value) { return fixedText(value, 6, TrailingZeros::Dropped); };
    EXPECT_EQ(short6(100), "100");
    EXPECT_EQ(short6(-1.5), "-1.5");
    EXPECT_EQ(short6(12.3456789), "12.345679");
    EXPECT_EQ(short6(-0.0000004), "0");
    EXPECT_EQ(fixedText(2500, 0, TrailingZeros::Dropped), "2500") << "no point, so no zero is a decimal";
}

}  // namespace
}  // namespace tessaro
