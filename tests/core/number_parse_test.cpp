#include <gtest/gtest.h>

#include <string>

#include "model/number_parse.h"

namespace tessaro {
namespace {

std::string realError(std::string_view text) {
    try {
        (void)parseReal(text);
    } catch (const ConversionError& e) {
        return e.what();
    }
    return "accepted";
}

std::string integerError(std::string_view text) {
    try {
        (void)parseInteger(text);
    } catch (const ConversionError& e) {
        return e.what();
    }
    return "accepted";
}

TEST(ParseReal, AcceptsSignFractionExponentAndBlanks) {
    EXPECT_DOUBLE_EQ(parseReal("200.5"), 200.5);
    EXPECT_DOUBLE_EQ(parseReal(" 5 "), 5);
    EXPECT_DOUBLE_EQ(parseReal("-3.175"), -3.175);
    EXPECT_DOUBLE_EQ(parseReal("+7"), 7);
    EXPECT_DOUBLE_EQ(parseReal("1e3"), 1000);
    EXPECT_DOUBLE_EQ(parseReal("2.5E-1"), 0.25);
    EXPECT_DOUBLE_EQ(parseReal(".5"), 0.5);
    EXPECT_DOUBLE_EQ(parseReal("5."), 5);
    EXPECT_DOUBLE_EQ(parseReal("\t110\t"), 110);
}

TEST(ParseReal, RefusesCommaLettersAndSpecialValuesWithTheSystemMessage) {
    EXPECT_EQ(realError("200,5"), "'200,5' is not a valid floating point value");
    EXPECT_EQ(realError("abc"), "'abc' is not a valid floating point value");
    EXPECT_EQ(realError(""), "'' is not a valid floating point value");
    EXPECT_EQ(realError("   "), "'   ' is not a valid floating point value");
    EXPECT_EQ(realError("inf"), "'inf' is not a valid floating point value");
    EXPECT_EQ(realError("nan"), "'nan' is not a valid floating point value");
    EXPECT_EQ(realError("0x10"), "'0x10' is not a valid floating point value");
    EXPECT_EQ(realError("1 000"), "'1 000' is not a valid floating point value");
    EXPECT_EQ(realError("1e"), "'1e' is not a valid floating point value");
    EXPECT_EQ(realError("+-1"), "'+-1' is not a valid floating point value");
    EXPECT_EQ(realError("."), "'.' is not a valid floating point value");
    EXPECT_EQ(realError("5mm"), "'5mm' is not a valid floating point value");
}

TEST(ParseReal, RefusesValuesOutOfRange) {
    EXPECT_EQ(realError("1e400"), "'1e400' is not a valid floating point value");
    EXPECT_EQ(realError("-1e400"), "'-1e400' is not a valid floating point value");
    EXPECT_DOUBLE_EQ(parseReal("1e300"), 1e300);
}

TEST(ParseInteger, AcceptsWholeNumbersOnly) {
    EXPECT_EQ(parseInteger("8"), 8);
    EXPECT_EQ(parseInteger(" -3 "), -3);
    EXPECT_EQ(parseInteger("+12"), 12);
    EXPECT_EQ(integerError("8.0"), "'8.0' is not a valid integer value");
    EXPECT_EQ(integerError("1e2"), "'1e2' is not a valid integer value");
    EXPECT_EQ(integerError("+-1"), "'+-1' is not a valid integer value");
    EXPECT_EQ(integerError("-"), "'-' is not a valid integer value");
    EXPECT_EQ(integerError("99999999999"), "'99999999999' is not a valid integer value");
}

}  // namespace
}  // namespace tessaro
