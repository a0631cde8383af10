#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "output/dxf_writer.h"
#include "output/eps_reader.h"
#include "output/eps_writer.h"
#include "support.h"

namespace tessaro {
namespace {

using ::testing::ElementsAre;

LineList epsWithBody(std::initializer_list<std::string_view> body) {
    LineList eps;
    eps.append("%!PS-Adobe-3.0 EPSF-3.0");
    eps.append(kEpsBodyMarker);
    eps.append("2.834646 2.834646 scale");
    for (std::string_view line : body) {
        eps.append(line);
    }
    return eps;
}

// The drawing an EPS body describes, written as DXF.
std::vector<std::string> convert(const LineList& eps, bool closeLast) {
    LineList dxf;
    LineListSink sink(dxf);
    writeDxf(readEpsDrawing(eps), closeLast, sink);
    return testing::linesOf(dxf);
}

std::vector<std::string> entitiesOf(const std::vector<std::string>& dxf) { return {dxf.begin() + 55, dxf.end()}; }

TEST(Dxf, PrologueIsTheFixedR12Header) {
    const auto dxf = convert(epsWithBody({}), true);
    ASSERT_EQ(dxf.size(), 60U);
    EXPECT_EQ(dxf[0], "  0");
    EXPECT_EQ(dxf[7], "AC1009");
    EXPECT_EQ(dxf[11], "-200.00000000");
    EXPECT_EQ(dxf[19], "500.00000000");
    EXPECT_EQ(dxf[39], "По умолчанию");
    EXPECT_EQ(dxf[45], "CONTINUOUS");
    EXPECT_EQ(dxf[53], "ENTITIES");
    EXPECT_EQ(dxf[54], "  0");
    EXPECT_THAT(entitiesOf(dxf), ElementsAre("SEQEND", "  0", "ENDSEC", "  0", "EOF"));
}

TEST(Dxf, VertexKeepsTheNumberTextsWithTheirBlanks) {
    const auto dxf = convert(epsWithBody({"  12.500000   -3.000000 moveto"}), true);
    EXPECT_THAT(entitiesOf(dxf), ElementsAre("POLYLINE", "  8", "def", " 66", "  1", " 39", "0.000000", " 70", "  1",
                                             "  0", "VERTEX", "  8", "0", " 10", "  12.500000", " 20", "  -3.000000",
                                             "  0", "SEQEND", "  0", "ENDSEC", "  0", "EOF"));
}

TEST(Dxf, EachMoveStartsAPolylineAndAllAreClosed) {
    const auto dxf =
        convert(epsWithBody({"   0.000000    0.000000 moveto", "  10.000000    0.000000 lineto", "stroke",
                             "   1.000000    1.000000 moveto", "   2.000000    1.000000 lineto", "stroke"}),
                true);
    const auto entities = entitiesOf(dxf);
    EXPECT_EQ(std::count(entities.begin(), entities.end(), "POLYLINE"), 2);
    EXPECT_EQ(std::count(entities.begin(), entities.end(), "VERTEX"), 4);
    // The second polyline follows "SEQEND" and a group code 0 written without blanks.
    EXPECT_EQ(entities[26], "SEQEND");
    EXPECT_EQ(entities[27], "0");
    EXPECT_EQ(entities[28], "POLYLINE");
    EXPECT_EQ(entities[8], "  1");
    EXPECT_EQ(entities[36], "  1");
}

TEST(Dxf, OpenFlagTouchesOnlyTheLastPolyline) {
    const auto dxf = convert(epsWithBody({"   0.000000    0.000000 moveto", "   1.000000    1.000000 moveto",
                                          "   2.000000    1.000000 lineto"}),
                             false);
    const auto entities = entitiesOf(dxf);
    EXPECT_EQ(entities[8], "  1");
    EXPECT_EQ(entities[20], "POLYLINE");
    EXPECT_EQ(entities[28], "  2");
}

TEST(Dxf, ALineBeforeAnyMoveStartsAPolylineAsInTheDrawing) {
    // A vertex outside a polyline is no DXF; the drawing reader makes such a line an outline too.
    const LineList eps = epsWithBody({"   1.000000    2.000000 lineto", "   3.000000    4.000000 lineto",
                                      "   5.000000    6.000000 moveto", "   7.000000    8.000000 lineto"});
    const auto entities = entitiesOf(convert(eps, true));
    EXPECT_EQ(entities.front(), "POLYLINE");
    EXPECT_EQ(std::count(entities.begin(), entities.end(), "POLYLINE"), 2);
    EXPECT_EQ(readEpsDrawing(eps).outlineCount(), 2U);
    EXPECT_EQ(std::count(entities.begin(), entities.end(), "VERTEX"), 4);
}

TEST(Dxf, NothingBeforeTheScalingCommentIsRead) {
    LineList eps;
    eps.append("   5.000000    5.000000 moveto");
    const auto dxf = convert(eps, true);
    EXPECT_EQ(dxf.size(), 60U);
}

TEST(Dxf, WideCoordinatesKeepEveryVertex) {
    const auto dxf = convert(epsWithBody({"10000.000000 -1000.000000 moveto", "12345.678901    5.000000 lineto",
                                          "   5.000000 -2000.500000 lineto"}),
                             true);
    const auto entities = entitiesOf(dxf);
    EXPECT_EQ(std::count(entities.begin(), entities.end(), "VERTEX"), 3);
    EXPECT_EQ(entities[14], "10000.000000");
    EXPECT_EQ(entities[16], "-1000.000000");
    EXPECT_EQ(entities[22], "12345.678901");
    EXPECT_EQ(entities[24], "5.000000");
    EXPECT_EQ(entities[32], "-2000.500000");
}

TEST(Dxf, ConvertingTwiceGivesTheSameDocument) {
    const LineList eps = epsWithBody({"   0.000000    0.000000 moveto", "  10.000000    0.000000 lineto"});
    EXPECT_EQ(convert(eps, false), convert(eps, false));
}

}  // namespace
}  // namespace tessaro
