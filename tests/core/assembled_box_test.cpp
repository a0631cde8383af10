// The assembled box: each panel a closed, outward-facing shell of the drawn material,
// flush against the inner box and outside it; the STL holds exactly those shells.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <tuple>

#include "app/assembly.h"
#include "app/commands.h"
#include "assembly/panel_mesh.h"
#include "assembly/stl_writer.h"
#include "drawing/drawing_error.h"
#include "support.h"

namespace tessaro {
namespace {

using testing::Bench;

struct Case {
    const char* verb;
    const char* name;
    void (*switches)(Options&);
    const char* table;        // thickness, width, height, depth, Ah, Al, F, T, Cd
    const char* screws = "";  // L1 to L5
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.verb << ' ' << c.name << ' ' << c.table << ' ' << c.screws; }

constexpr const char* kDefaultTable = "";
constexpr const char* kOddTable = "4 150 72 90 0.15 0.3 3 6 2";
// Features a micrometre wide: a cutter's chamfers, a screw's slot.
constexpr const char* kTinyCutter = "5 200 100 110 0.1 0.2 5 5 0.001";
constexpr const char* kTinyScrew = "10 4 5 0.001 10";

const Case kCases[] = {
    {"full", "plain", [](Options&) {}, kDefaultTable},
    {"full", "relief", [](Options& o) { o.cornerRelief = true; }, kDefaultTable},
    {"full", "one tooth, no feet",
     [](Options& o) {
         o.singleSupportTooth = true;
         o.feet = Feet::None;
     },
     kOddTable},
    {"full", "no jumper, square lid",
     [](Options& o) {
         o.supportJumper = false;
         o.roundedLidCorners = false;
     },
     kOddTable},
    {"full", "screws", [](Options& o) { o.screwJoints = true; }, kDefaultTable},
    {"simple-full", "plain", [](Options&) {}, kDefaultTable},
    {"simple-full", "screws", [](Options& o) { o.screwJoints = true; }, kDefaultTable},
    {"simple-full", "relief and screws",
     [](Options& o) {
         o.cornerRelief = true;
         o.screwJoints = true;
     },
     kOddTable},
    {"full", "tiny cutter", [](Options&) {}, kTinyCutter},
    {"full", "tiny screw", [](Options& o) { o.screwJoints = true; }, kDefaultTable, kTinyScrew},
    {"simple-full", "tiny cutter and screw",
     [](Options& o) {
         o.cornerRelief = true;
         o.screwJoints = true;
     },
     kTinyCutter, kTinyScrew},
};

void setTable(ParamTable& table, const char* values) {
    std::istringstream in(values);
    std::string value;
    for (int row = 1; in >> value; ++row) {
        table.setCell(1, row, value);
    }
}

class AssembledBox : public ::testing::TestWithParam<Case> {
protected:
    void SetUp() override {
        setTable(b.wb.boxTable, GetParam().table);
        setTable(b.wb.screwTable, GetParam().screws);
        GetParam().switches(b.wb.options);
        command = findCommand(GetParam().verb);
        command->run(b.wb);
        assembly = assembledTemplate(b.wb, *command);
    }
    [[nodiscard]] double thickness() const { return b.wb.boxTable.real(1); }

    Bench b;
    const TemplateCommand* command = nullptr;
    BoxAssembly assembly;
};

using Corner = std::tuple<double, double, double>;
Corner corner(Vec3 p) { return {p.x, p.y, p.z}; }

// Volume by the divergence theorem: positive when every face looks outward.
double enclosedVolume(const std::vector<Triangle>& mesh) {
    double six = 0;
    for (const Triangle& t : mesh) {
        six += dot(t.a, cross(t.b, t.c));
    }
    return six / 6;
}

Bounds3 boundsOf(const std::vector<Triangle>& mesh) {
    Bounds3 bounds{mesh.front().a, mesh.front().a};
    for (const Triangle& t : mesh) {
        for (const Vec3 p : {t.a, t.b, t.c}) {
            bounds.low = {std::min(bounds.low.x, p.x), std::min(bounds.low.y, p.y), std::min(bounds.low.z, p.z)};
            bounds.high = {std::max(bounds.high.x, p.x), std::max(bounds.high.y, p.y), std::max(bounds.high.z, p.z)};
        }
    }
    return bounds;
}

TEST_P(AssembledBox, HasTheSixPanelsOfTheDrawingEachOnce) {
    ASSERT_EQ(assembly.panels.size(), 6U);
    std::map<BoxPanel, int> seen;
    for (const AssembledPanel& panel : assembly.panels) {
        ++seen[panel.panel];
        EXPECT_GT(areaOf(panel.region), 0);
        EXPECT_EQ(panel.thickness, thickness());
    }
    EXPECT_EQ(seen.size(), 6U);
}

TEST_P(AssembledBox, EveryPanelIsAClosedShellWhoseEdgesMeetOnceEachWay) {
    for (const AssembledPanel& panel : assembly.panels) {
        std::map<std::pair<Corner, Corner>, int> edges;
        for (const Triangle& t : panelMesh(panel)) {
            for (const auto& [from, to] : {std::pair{t.a, t.b}, std::pair{t.b, t.c}, std::pair{t.c, t.a}}) {
                ++edges[{corner(from), corner(to)}];
            }
        }
        for (const auto& [edge, count] : edges) {
            EXPECT_EQ(count, 1) << panelName(panel.panel) << ": an edge is used twice the same way";
            const auto back = edges.find({edge.second, edge.first});
            EXPECT_TRUE(back != edges.end() && back->second == 1) << panelName(panel.panel) << ": an open edge";
        }
    }
}

TEST_P(AssembledBox, EveryPanelEnclosesItsDrawnAreaTimesTheThicknessFacingOutward) {
    for (const AssembledPanel& panel : assembly.panels) {
        const double expected = areaOf(panel.region) * thickness();
        EXPECT_NEAR(enclosedVolume(panelMesh(panel)), expected, expected * 1e-9) << panelName(panel.panel);
    }
}

// Each panel lies flush on its face of the inner box, outside it: its thickness reaches
// from that face outward, and nothing of it but the tabs passes the face's edges.
TEST_P(AssembledBox, EveryPanelLiesOnItsFaceOfTheInnerBoxAndOutsideIt) {
    const double M = thickness();
    const Vec3 inner{b.wb.boxTable.real(2), b.wb.boxTable.real(4), b.wb.boxTable.real(3)};
    for (const AssembledPanel& panel : assembly.panels) {
        const Bounds3 bounds = boundsOf(panelMesh(panel));
        const Vec3 out = panel.frame.outward;
        const double facePosition = dot(panel.frame.origin, out);
        const double low = std::min(dot(bounds.low, out), dot(bounds.high, out));
        const double high = std::max(dot(bounds.low, out), dot(bounds.high, out));
        EXPECT_NEAR(low, facePosition, 1e-9) << panelName(panel.panel);
        EXPECT_NEAR(high, facePosition + M, 1e-9) << panelName(panel.panel);
        // The inner face is one of the inner box's six.
        const double innerLow = std::min(0.0, dot(inner, out));
        const double innerHigh = std::max(0.0, dot(inner, out));
        EXPECT_TRUE(std::abs(low - innerHigh) < 1e-9 || std::abs(high - innerLow) < 1e-9) << panelName(panel.panel);
    }
}

TEST_P(AssembledBox, TheStlHoldsEveryPanelsTrianglesWithTheirNormals) {
    const std::string stl = stlBytes(assembly);
    ASSERT_GE(stl.size(), 84U);
    EXPECT_NE(stl.substr(0, 5), "solid");
    std::uint32_t count = 0;
    std::memcpy(&count, stl.data() + 80, sizeof count);
    std::size_t triangles = 0;
    for (const AssembledPanel& panel : assembly.panels) {
        triangles += panelMesh(panel).size();
    }
    EXPECT_EQ(count, triangles);
    ASSERT_EQ(stl.size(), 84 + 50 * std::size_t{count});
    // A reader takes the normal from the corners as the file holds them and mends any
    // that differs (admesh by more than 0.001 in a component).
    for (std::size_t i = 0; i < count; ++i) {
        float facet[12];
        std::memcpy(facet, stl.data() + 84 + 50 * i, sizeof facet);
        const Vec3 stored{facet[0], facet[1], facet[2]};
        EXPECT_NEAR(dot(stored, stored), 1.0, 1e-5) << "facet " << i;
        const Triangle corners{
            {facet[3], facet[4], facet[5]}, {facet[6], facet[7], facet[8]}, {facet[9], facet[10], facet[11]}};
        const Vec3 off = stored - normalOf(corners);
        EXPECT_LT(std::max({std::abs(off.x), std::abs(off.y), std::abs(off.z)}), 1e-5) << "facet " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(BoxSets, AssembledBox, ::testing::ValuesIn(kCases));

TEST(AssembledTemplate, IsOnlyForTheWholeBoxes) {
    int assembling = 0;
    for (const TemplateCommand& command : templateCommands()) {
        if (!assembles(command)) {
            Bench b;
            command.run(b.wb);
            EXPECT_THROW((void)assembledTemplate(b.wb, command), UsageError) << command.name;
        } else {
            ++assembling;
        }
    }
    EXPECT_EQ(assembling, 2);
}

TEST(AssembledTemplate, RefusesAThicknessItCannotExtrudeAndSizesBeyondAnyMachine) {
    for (const char* thickness : {"0", "-5"}) {
        Bench b;
        b.wb.boxTable.setCell(1, 1, thickness);
        makeFoldingBoxSet(b.wb);
        EXPECT_THROW((void)assembledTemplate(b.wb, *findCommand("full")), DrawingError) << thickness;
    }
    Bench b;
    b.wb.boxTable.setCell(1, 2, "1e300");
    makeSimpleBoxSet(b.wb);
    EXPECT_THROW((void)assembledTemplate(b.wb, *findCommand("simple-full")), DrawingError);
}

}  // namespace
}  // namespace tessaro
