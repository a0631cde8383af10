#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cfloat>
#include <cstdio>
#include <new>
#include <sstream>

#include "app/commands.h"
#include "app/error_text.h"
#include "app/saving.h"
#include "app/table_keys.h"
#include "drawing/drawing_error.h"
#include "drawing/pen.h"
#include "output/eps_reader.h"
#include "support.h"

namespace tessaro {
namespace {

using testing::Bench;

// Values at the edges of what a double holds, and around the widths that overflowed
// fixed buffers: every writer must give their exact decimals or refuse them.
constexpr double kExtremes[] = {1e56,   9.99e55, 1e300, -1.7976931348623157e308, DBL_MAX / 2,
                                5e-324, -5e-7,   5e-7,  123456789.12345679,      -0.0};

// The exact decimals of a value to six places, by the C library's own printf.
std::string exactText(double value) {
    const int size = std::snprintf(nullptr, 0, "%.6f", value);
    std::string text(static_cast<std::size_t>(size), '\0');
    std::snprintf(text.data(), text.size() + 1, "%.6f", value);
    if (text.find_first_not_of("-0.") == std::string::npos) {
        text.erase(0, text.find_first_not_of('-'));  // zero has no sign
    }
    return text;
}

// The same without the trailing zeros, as SVG writes it.
std::string shortText(double value) {
    std::string text = exactText(value);
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') {
        text.pop_back();
    }
    return text;
}

void expectOnlyPlainText(std::string_view bytes, std::string_view writer) {
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        ASSERT_TRUE(c == '\n' || c == '\r' || (byte >= 0x20 && byte < 0x7F)) << writer << " wrote byte " << int{byte};
    }
}

// A triangle with one corner at (v, -v): the other corners keep the extent finite.
Drawing documentReaching(double v) {
    testing::Paper paper;
    paper.pen.startOuterCut(0, 0);
    paper.pen.lineTo(v, -v);
    paper.pen.lineTo(1, 0);
    paper.pen.endPart({});
    return paper.drawing;
}

TEST(Writers, EveryFiniteValueIsWrittenExactlyByEps_Dxf_AndSvg) {
    for (const double v : kExtremes) {
        const Drawing drawing = documentReaching(v);
        const LineList eps = epsOf(drawing);
        const std::string cornerLine(testing::bodyOf(eps)[1]);
        std::istringstream corner{cornerLine};
        std::string x, y, keyword;
        corner >> x >> y >> keyword;
        EXPECT_EQ(x, exactText(v));
        EXPECT_EQ(y, exactText(-v));
        EXPECT_EQ(keyword, "lineto");
        expectOnlyPlainText(cornerLine, "EPS");

        const LineList dxf = drawingLines(drawing, FileType::Dxf, {});
        std::string dxfText;  // the entities: the prologue's layer name is Cyrillic
        bool inEntities = false;
        for (std::string_view line : dxf) {
            inEntities = inEntities || line == "ENTITIES";
            if (inEntities) {
                dxfText.append(line).push_back('\n');
            }
        }
        expectOnlyPlainText(dxfText, "DXF");
        EXPECT_NE(dxfText.find(exactText(v) + "\n 20\n"), std::string::npos) << v;

        const std::string svg = drawingBytes(drawing, FileType::Svg, {"extreme"});
        expectOnlyPlainText(svg, "SVG");
        EXPECT_NE(svg.find("L" + shortText(v) + " " + shortText(v) + " "), std::string::npos) << v;
    }
}

TEST(Writers, AnSvgWhoseSizeIsBeyondAnyNumberIsRefused) {
    testing::Paper paper;
    paper.pen.currentX = -DBL_MAX;
    paper.pen.startOuterCut(0, 0);
    paper.pen.currentX = DBL_MAX;  // from the far left to the far right: the width is no number
    paper.pen.lineTo(0, 0);
    EXPECT_THROW((void)drawingBytes(paper.drawing, FileType::Svg, {"too wide"}), DrawingError);
}

TEST(Spiral, AStepThatUnderflowsOrNumbersTooWideAreRefusedBeforeDrawing) {
    const std::vector<std::vector<std::string>> cases = {
        {"spiral.Fi=4.9e-324", "spiral.N=0"},                 // the angle step underflows to nothing
        {"spiral.Fi=1e-310", "spiral.N=0"},                   // a step too small to add to the angle
        {"spiral.R=1e300", "spiral.Fi=1", "spiral.N=10000"},  // 3.6 million lines of 300-digit numbers
        {"spiral.St=1e200", "spiral.Fi=0.1", "spiral.N=2000"},
    };
    for (const auto& assignments : cases) {
        Bench b;
        for (const std::string& assignment : assignments) {
            assignTableValue(b.wb, assignment);
        }
        EXPECT_THROW(makeSpiral(b.wb), DrawingError) << assignments[0];
        EXPECT_EQ(epsOf(b.wb).size(), 17U) << assignments[0];
    }
    Bench b;
    assignTableValue(b.wb, "spiral.R=1e300");  // huge, but few lines: drawn, exactly
    makeSpiral(b.wb);
    const std::string firstStep = "0.000000 " + exactText(-1e300) + " lineto";
    EXPECT_TRUE(std::any_of(epsOf(b.wb).begin(), epsOf(b.wb).end(),
                            [&](std::string_view line) { return line.ends_with(firstStep); }));
}

TEST(TableKeys, AValueWithALineBreakOrAControlCharacterIsRefused) {
    using namespace std::string_literals;
    for (const std::string& text : {"5\n%%EOF"s, "5\r"s, "5\0"s, "\x1b[2J"s, "5\x7f"s, "5\t6"s}) {
        Bench b;
        EXPECT_THROW(assignTableValue(b.wb, "main.M=" + text), UsageError);
        EXPECT_EQ(b.wb.boxTable.text(1), "5");
    }
}

TEST(ProposedNames, NeverLeaveTheCurrentFolder) {
    for (const TemplateCommand& command : templateCommands()) {
        Bench b;
        for (ParamTable* table : {&b.wb.boxTable, &b.wb.tabSlotTable, &b.wb.bobbinTable, &b.wb.spiralTable}) {
            for (int row = 1; row <= 4; ++row) {
                table->setCell(1, row, "../../x\n\r\x01/");
            }
        }
        const std::string name = command.proposedName(b.wb);
        EXPECT_EQ(name.find('/'), std::string::npos) << command.name;
        for (char c : name) {
            EXPECT_GE(static_cast<unsigned char>(c), 0x20) << command.name;
        }
        EXPECT_NE(name.find(".. .. x"), std::string::npos) << name;
    }
}

TEST(ErrorBoxText, RunningOutOfMemoryIsASentence) {
    EXPECT_EQ(errorBoxText(std::bad_alloc()), "There is not enough memory for this template; nothing was written.");
    EXPECT_EQ(errorBoxText(DrawingError("Floating point division by zero")), "Floating point division by zero.");
}

}  // namespace
}  // namespace tessaro
