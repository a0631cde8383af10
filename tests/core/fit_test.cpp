// How the assembled box fits, measured on the placed panels: every tab, tooth, wing and
// screw found where the drawing puts it, with the table's allowances to spare, and the
// solids sharing volume exactly where a negative allowance makes them collide.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "app/assembly.h"
#include "app/commands.h"
#include "app/fit_report.h"
#include "assembly/joints.h"
#include "assembly/overlaps.h"
#include "assembly/panel_geometry.h"
#include "drawing/drawing_error.h"
#include "drawing/rigid_parts.h"
#include "support.h"

namespace tessaro {
namespace {

using testing::Bench;

// Points come back from the drawing's six decimals.
constexpr double kClose = 1e-5;

struct Case {
    const char* verb;
    const char* name;
    void (*switches)(Options&);
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.verb << ' ' << c.name; }

const Case kFoldingSets[] = {
    {"full", "plain", [](Options&) {}},
    {"full", "relief", [](Options& o) { o.cornerRelief = true; }},
    {"full", "screws", [](Options& o) { o.screwJoints = true; }},
    {"full", "one tooth", [](Options& o) { o.singleSupportTooth = true; }},
    {"full", "no feet", [](Options& o) { o.feet = Feet::None; }},
    {"full", "one foot", [](Options& o) { o.feet = Feet::One; }},
    {"full", "two feet, no jumper",
     [](Options& o) {
         o.feet = Feet::Two;
         o.supportJumper = false;
     }},
};

const Case kSimpleSets[] = {
    {"simple-full", "plain", [](Options&) {}},
    {"simple-full", "relief", [](Options& o) { o.cornerRelief = true; }},
    {"simple-full", "screws", [](Options& o) { o.screwJoints = true; }},
    {"simple-full", "one tooth", [](Options& o) { o.singleSupportTooth = true; }},
    {"simple-full", "no feet", [](Options& o) { o.feet = Feet::None; }},
    {"simple-full", "one foot", [](Options& o) { o.feet = Feet::One; }},
};

// Thickness, width, height, depth, Ah, Al, F, T, cutter; empty: the built-in table.
constexpr const char* kDefaultTable = "";
constexpr const char* kOddTable = "4 150 72 90 0.15 0.3 3 6 2";
constexpr const char* kThickTable = "8 320 140 180 0.25 0.5 9 8 6";

void setTable(Workbench& wb, const std::string& values) {
    std::istringstream in(values);
    std::string value;
    for (int row = 1; in >> value; ++row) {
        wb.boxTable.setCell(1, row, value);
    }
}

BoxAssembly assembled(Bench& b, const char* verb) {
    const TemplateCommand& command = *findCommand(verb);
    command.run(b.wb);
    return assembledTemplate(b.wb, command);
}

std::size_t indexOf(const BoxAssembly& assembly, BoxPanel panel) {
    for (std::size_t i = 0; i < assembly.panels.size(); ++i) {
        if (assembly.panels[i].panel == panel) {
            return i;
        }
    }
    return assembly.panels.size();
}

// Where a joint is, seen in the drawing of the panel with its cut-out: a slot or hole of
// the holder, or the screw's hole in the panel it goes through.
Point cutOutPoint(const BoxAssembly& assembly, const Joint& j) {
    const std::size_t panel = j.kind == JointKind::ScrewInSlot ? j.inserted : j.holder;
    return drawingPointOf(assembly.panels[panel].frame, centreOf(j.where));
}

double volumeOf(const Bounds3& b) {
    const Vec3 size = b.high - b.low;
    return size.x * size.y * size.z;
}

std::set<std::pair<std::size_t, std::size_t>> pairsOf(const std::vector<Joint>& joints) {
    std::set<std::pair<std::size_t, std::size_t>> pairs;
    for (const Joint& j : joints) {
        pairs.insert(std::minmax(j.inserted, j.holder));
    }
    return pairs;
}

std::string jointText(const BoxAssembly& assembly, const Joint& j) {
    const Vec3 at = centreOf(j.where);
    std::ostringstream text;
    text << panelName(assembly.panels[j.inserted].panel) << " in " << panelName(assembly.panels[j.holder].panel)
         << " at " << at.x << ", " << at.y << ", " << at.z << ": across " << j.across.low << " | " << j.across.high
         << ", along " << j.along.low << " | " << j.along.high;
    return text.str();
}

class DefaultTable : public ::testing::TestWithParam<Case> {
protected:
    void SetUp() override {
        GetParam().switches(b.wb.options);
        assembly = assembled(b, GetParam().verb);
        joints = jointsOf(assembly);
    }
    Bench b;
    BoxAssembly assembly;
    std::vector<Joint> joints;
};

TEST_P(DefaultTable, NoPanelsShareVolumeAndNoJointIsTight) {
    EXPECT_TRUE(overlappingPanels(assembly).empty());
    ASSERT_FALSE(joints.empty());
    for (const Joint& j : joints) {
        EXPECT_FALSE(j.overlaps()) << jointText(assembly, j);
    }
}

// The front panel's tabs are the runs of its outline beyond its inner rectangle; each
// goes through a slot of the panel on that side.
TEST_P(DefaultTable, EveryTabOfTheFrontIsFoundInASlotOfThePanelItFaces) {
    const double W = b.wb.boxTable.real(2);
    const double H = b.wb.boxTable.real(3);
    const std::size_t front = indexOf(assembly, BoxPanel::Front);
    const RegionContour& outline = assembly.panels[front].region.contours.front();
    ASSERT_FALSE(outline.hole);
    std::map<BoxPanel, int> tabsTowards;
    const auto sideBeyond = [&](Point p) -> std::optional<BoxPanel> {
        if (p.y < -kClose)
            return BoxPanel::Bottom;
        if (p.y > H + kClose)
            return BoxPanel::Lid;
        if (p.x < -kClose)
            return BoxPanel::LeftSide;
        if (p.x > W + kClose)
            return BoxPanel::RightSide;
        return std::nullopt;
    };
    const auto& pts = outline.points;
    for (std::size_t i = 0; i < pts.size(); ++i) {
        const auto here = sideBeyond(pts[i]);
        if (here && !sideBeyond(pts[(i + pts.size() - 1) % pts.size()])) {
            ++tabsTowards[*here];
        }
    }
    ASSERT_EQ(tabsTowards.size(), 4u);
    for (const auto& [side, tabs] : tabsTowards) {
        const auto found = std::count_if(joints.begin(), joints.end(), [&](const Joint& j) {
            return j.kind == JointKind::TabInSlot && j.inserted == front && j.holder == indexOf(assembly, side);
        });
        EXPECT_EQ(found, tabs) << panelName(side);
    }
}

// Nothing is cut for nothing: each slot and hole takes a tab, tooth, wing or screw. Only
// a screw's hole may lead nowhere: over the folding box's side panels, which have no
// channels, and with the relief notches, which the panels' edges take instead of them.
TEST_P(DefaultTable, EveryHoleOfEveryPanelHoldsAJoint) {
    const double screw = b.wb.screwTable.real(4);
    for (std::size_t p = 0; p < assembly.panels.size(); ++p) {
        for (const RegionContour& hole : assembly.panels[p].region.contours) {
            const Extent size = extentOf(PanelRegion{{hole}});
            const bool screwSized = std::abs(size.width() - screw) < kClose && std::abs(size.height() - screw) < kClose;
            if (!hole.hole || (b.wb.options.screwJoints && screwSized)) {
                continue;
            }
            const bool held = std::any_of(joints.begin(), joints.end(), [&](const Joint& j) {
                const std::size_t cutIn = j.kind == JointKind::ScrewInSlot ? j.inserted : j.holder;
                return cutIn == p && holdsPoint(hole.points, cutOutPoint(assembly, j));
            });
            EXPECT_TRUE(held) << panelName(assembly.panels[p].panel) << " hole at " << hole.points.front().x << ", "
                              << hole.points.front().y;
        }
    }
}

// The folding box's bottom hangs on the side panels: its wings through their holding
// holes, a tooth in each wing slot (the bottom's holes beside its inner rectangle).
class FoldingBox : public DefaultTable {};

TEST_P(FoldingBox, EachWingSlotHoldsATooth) {
    const std::size_t bottom = indexOf(assembly, BoxPanel::Bottom);
    const double W = b.wb.boxTable.real(2);
    int wingSlots = 0;
    for (const RegionContour& c : assembly.panels[bottom].region.contours) {
        const Extent e = extentOf(PanelRegion{{c}});
        const double middle = (e.minX + e.maxX) / 2;
        wingSlots += c.hole && (middle < 0 || middle > W) ? 1 : 0;
    }
    const auto count = [&](JointKind kind) {
        return std::count_if(joints.begin(), joints.end(), [&](const Joint& j) { return j.kind == kind; });
    };
    EXPECT_GT(wingSlots, 0);
    EXPECT_EQ(count(JointKind::ToothInWingSlot), wingSlots);
    EXPECT_GE(count(JointKind::WingInHole), 2);
    for (const Joint& j : joints) {
        if (j.kind == JointKind::WingInHole) {
            EXPECT_EQ(j.inserted, bottom);
            EXPECT_TRUE(assembly.panels[j.holder].panel == BoxPanel::LeftSide ||
                        assembly.panels[j.holder].panel == BoxPanel::RightSide);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(FoldingSets, DefaultTable, ::testing::ValuesIn(kFoldingSets));
INSTANTIATE_TEST_SUITE_P(SimpleSets, DefaultTable, ::testing::ValuesIn(kSimpleSets));
INSTANTIATE_TEST_SUITE_P(FoldingSets, FoldingBox, ::testing::ValuesIn(kFoldingSets));

struct TableCase {
    const char* verb;
    const char* table;
    bool screws;
};

void PrintTo(const TableCase& c, std::ostream* os) {
    *os << c.verb << " [" << c.table << "]" << (c.screws ? " screws" : "");
}

class AnyTable : public ::testing::TestWithParam<TableCase> {
protected:
    void SetUp() override {
        setTable(b.wb, GetParam().table);
        b.wb.options.screwJoints = GetParam().screws;
        assembly = assembled(b, GetParam().verb);
        joints = jointsOf(assembly);
    }
    [[nodiscard]] double cell(int row) const { return b.wb.boxTable.real(row); }
    Bench b;
    BoxAssembly assembly;
    std::vector<Joint> joints;
};

// A tab or tooth has the slot allowance to spare across, flush with its panel's inner
// face, and the length allowance at each end.
TEST_P(AnyTable, TabsAndTeethHaveTheAllowancesToSpare) {
    const double Ah = cell(5);
    const double Al = cell(6);
    int measured = 0;
    for (const Joint& j : joints) {
        if (j.kind == JointKind::TabInSlot || j.kind == JointKind::ToothInWingSlot) {
            ++measured;
            EXPECT_NEAR(j.across.total(), Ah, kClose);
            EXPECT_NEAR(j.across.low, 0, kClose);
            EXPECT_NEAR(j.along.low, Al, kClose);
            EXPECT_NEAR(j.along.high, Al, kClose);
        }
    }
    EXPECT_GT(measured, 20);
}

// A screw is as wide as its channel and as its hole; across, the material to either side
// of it is the thickness less the screw.
TEST_P(AnyTable, ScrewsFillTheirChannelsAndLeaveTheRestOfTheThickness) {
    const auto screws =
        std::count_if(joints.begin(), joints.end(), [](const Joint& j) { return j.kind == JointKind::ScrewInSlot; });
    if (!GetParam().screws) {
        EXPECT_EQ(screws, 0);
        return;
    }
    EXPECT_GT(screws, 0);
    const double screw = b.wb.screwTable.real(4);
    for (const Joint& j : joints) {
        if (j.kind == JointKind::ScrewInSlot) {
            EXPECT_NEAR(j.across.total(), cell(1) - screw, kClose);
            EXPECT_NEAR(j.along.total(), 0, kClose);
            EXPECT_NEAR(
                j.where.high.x - j.where.low.x + j.where.high.y - j.where.low.y + j.where.high.z - j.where.low.z,
                2 * screw + b.wb.screwTable.real(1) + b.wb.screwTable.real(2) + b.wb.screwTable.real(3), kClose);
        }
    }
}

// With the slots narrower than the material every tab collides with its slot's side:
// exactly the panels that meet share volume, and for panels held by tabs alone the
// volume is the tabs' share of their slots' width.
TEST_P(AnyTable, ANegativeSlotAllowanceMakesTheMeetingPanelsOverlap) {
    const auto meeting = pairsOf(joints);
    std::set<std::pair<std::size_t, std::size_t>> notTabsAlone;
    for (const Joint& j : joints) {
        if (j.kind != JointKind::TabInSlot) {
            notTabsAlone.insert(std::minmax(j.inserted, j.holder));
        }
    }
    b.wb.boxTable.setCell(1, 5, "-0.5");
    const BoxAssembly tight = assembled(b, GetParam().verb);
    std::map<std::pair<std::size_t, std::size_t>, double> tabVolume;
    for (const Joint& j : jointsOf(tight)) {
        if (j.kind == JointKind::TabInSlot) {
            EXPECT_TRUE(j.overlaps());
            EXPECT_NEAR(j.across.total(), -0.5, kClose);
            tabVolume[std::minmax(j.inserted, j.holder)] +=
                volumeOf(j.where) * (-std::min(j.across.low, 0.0) - std::min(j.across.high, 0.0)) / cell(1);
        }
    }
    std::set<std::pair<std::size_t, std::size_t>> overlapping;
    for (const PanelOverlap& o : overlappingPanels(tight)) {
        const auto pair = std::minmax(o.first, o.second);
        overlapping.insert(pair);
        if (notTabsAlone.count(pair) == 0) {
            EXPECT_NEAR(o.volume, tabVolume[pair], 1e-3)
                << panelName(tight.panels[o.first].panel) << " and " << panelName(tight.panels[o.second].panel);
        }
    }
    EXPECT_EQ(overlapping, meeting);
}

INSTANTIATE_TEST_SUITE_P(Tables, AnyTable,
                         ::testing::Values(TableCase{"full", kDefaultTable, false}, TableCase{"full", kOddTable, true},
                                           TableCase{"full", kThickTable, false},
                                           TableCase{"simple-full", kDefaultTable, true},
                                           TableCase{"simple-full", kOddTable, false},
                                           TableCase{"simple-full", kThickTable, true}));

// A box keeps its joints at the edges of the tables: the same panels meet in the same
// ways when the slots are narrower than the material, when relief notches cut through a
// thin frame or a wide cutter makes them deep, and every joint keeps the room its table
// gives it, measured where the piece meets the walls of its cut-out.
struct SwitchSet {
    const char* verb;
    const char* name;
    void (*switches)(Options&);
    std::size_t joints;  // what the box has: tabs, teeth and wings
};

void PrintTo(const SwitchSet& c, std::ostream* os) { *os << c.verb << ' ' << c.name; }

const SwitchSet kSwitchSets[] = {
    {"full", "plain", [](Options&) {}, 42},
    {"full", "relief", [](Options& o) { o.cornerRelief = true; }, 42},
    {"full", "no feet",
     [](Options& o) {
         o.cornerRelief = true;
         o.feet = Feet::None;
     },
     42},
    {"full", "no jumper",
     [](Options& o) {
         o.cornerRelief = true;
         o.supportJumper = false;
     },
     40},
    {"full", "one tooth", [](Options& o) { o.singleSupportTooth = true; }, 32},
    {"simple-full", "plain", [](Options&) {}, 36},
    {"simple-full", "relief", [](Options& o) { o.cornerRelief = true; }, 36},
};

// Box table rows set over the built-in one (5 mm, 200 x 100 x 110, slot allowance 0.1,
// length allowance 0.2, frame 5, tab 5, cutter 3.175): row and value.
using TableEdits = std::vector<std::pair<int, const char*>>;
const TableEdits kTableEdges[] = {
    {},
    {{5, "-0.5"}},
    {{5, "0"}},
    {{5, "0.4"}, {6, "0.5"}},
    {{7, "1"}},
    {{7, "2"}},
    {{9, "4.5"}},
    {{7, "2"}, {9, "4.5"}},
    {{1, "6"}, {7, "2"}, {9, "4.5"}},
    {{5, "-0.5"}, {7, "1"}, {9, "6"}},
    {{7, "2"}, {8, "7"}},
};

using JointKey = std::tuple<JointKind, std::size_t, std::size_t>;

std::multiset<JointKey> keysOf(const std::vector<Joint>& joints) {
    std::multiset<JointKey> keys;
    for (const Joint& j : joints) {
        keys.insert({j.kind, j.inserted, j.holder});
    }
    return keys;
}

class TableEdges : public ::testing::TestWithParam<SwitchSet> {};

TEST_P(TableEdges, EveryJointStaysWithTheRoomItsTableGives) {
    std::multiset<JointKey> plain;
    for (const TableEdits& edits : kTableEdges) {
        Bench b;
        GetParam().switches(b.wb.options);
        std::string table;
        for (const auto& [row, value] : edits) {
            b.wb.boxTable.setCell(1, row, value);
            table += " " + std::to_string(row) + "=" + value;
        }
        SCOPED_TRACE(table);
        const BoxAssembly assembly = assembled(b, GetParam().verb);
        const std::vector<Joint> joints = jointsOf(assembly);
        EXPECT_EQ(joints.size(), GetParam().joints);
        if (edits.empty()) {
            plain = keysOf(joints);
        }
        EXPECT_EQ(keysOf(joints), plain);
        const double Ah = b.wb.boxTable.real(5);
        const double Al = b.wb.boxTable.real(6);
        const double T = b.wb.boxTable.real(8);
        for (const Joint& j : joints) {
            SCOPED_TRACE(jointText(assembly, j));
            // Flush with the inner face, the slot allowance beyond it (or the overlap it
            // leaves), and the length allowance at each end.
            if (j.kind == JointKind::TabInSlot || j.kind == JointKind::ToothInWingSlot) {
                EXPECT_NEAR(j.across.low, 0, kClose);
                EXPECT_NEAR(j.across.high, Ah, kClose);
                EXPECT_NEAR(j.along.low, Al, kClose);
                EXPECT_NEAR(j.along.high, Al, kClose);
            }
            // A wing has the tab's height above it to tilt in, and the slot allowance below;
            // between two teeth, or between a tooth and the jumper's opening, at least the
            // length allowance at each end.
            if (j.kind == JointKind::WingInHole) {
                EXPECT_NEAR(j.across.low, T, kClose);
                EXPECT_NEAR(j.across.high, Ah, kClose);
                EXPECT_NEAR(std::min(j.along.low, j.along.high), Al, kClose);
                EXPECT_GE(std::max(j.along.low, j.along.high), Al - kClose);
            }
            EXPECT_EQ(j.overlaps(), Ah < 0);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Boxes, TableEdges, ::testing::ValuesIn(kSwitchSets));

// With no frame the slots at the panels' edges are cut through them: each tab is still in
// its slot, flush with its inner face, and nothing closes the slot beyond it.
TEST(TableEdges, WithoutAFrameTheEdgeSlotsAreOpen) {
    for (const char* verb : {"full", "simple-full"}) {
        Bench b;
        b.wb.boxTable.setCell(1, 7, "0");
        const BoxAssembly assembly = assembled(b, verb);
        const std::vector<Joint> joints = jointsOf(assembly);
        Bench framed;
        EXPECT_EQ(keysOf(joints), keysOf(jointsOf(assembled(framed, verb)))) << verb;
        for (const Joint& j : joints) {
            if (j.kind == JointKind::TabInSlot) {
                EXPECT_NEAR(j.across.low, 0, kClose) << jointText(assembly, j);
                EXPECT_TRUE(std::isinf(j.across.high) && j.across.high > 0) << jointText(assembly, j);
                EXPECT_FALSE(j.overlaps());
            }
        }
    }
}

// The report lists the joints, then the overlaps, in the words and figures a reader
// can check by hand.
TEST(FitReport, ListsEveryJointThenTheOverlaps) {
    Bench b;
    const BoxAssembly assembly = assembled(b, "full");
    const std::vector<std::string> lines = fitReport(assembly);
    ASSERT_EQ(lines.size(), jointsOf(assembly).size() + 1);
    EXPECT_EQ(lines.back(), "overlaps: none");
    EXPECT_EQ(
        lines.front(),
        "tab in slot: front in bottom at (25.000, -2.500, -2.500): across 0.100 mm (0.000 | 0.100), along 0.400 mm "
        "(0.200 | 0.200)");

    b.wb.boxTable.setCell(1, 5, "-0.5");
    const BoxAssembly tight = assembled(b, "full");
    const std::vector<std::string> tightLines = fitReport(tight);
    const std::size_t overlaps = overlappingPanels(tight).size();
    ASSERT_GT(overlaps, 0u);
    const auto heading = tightLines.end() - static_cast<std::ptrdiff_t>(overlaps) - 1;
    EXPECT_EQ(*heading, "overlaps: " + std::to_string(overlaps));
    EXPECT_NE(std::find(heading, tightLines.end(), "front and bottom: 250.000 mm3"), tightLines.end());
}

// Tables no box can be made from end in the program's own error or in an answer, never
// in a crash or a hang.
TEST(FitReport, ImpossibleTablesGiveAnErrorOrAnAnswer) {
    const std::pair<const char*, const char*> tables[] = {
        {"full", "-5"},
        {"simple-full", "5 0"},
        {"full", "5 200 100 0"},
        {"simple-full", "5 200 100 110 -10"},
        {"full", "5 200 100 110 0.1 -20"},
        {"simple-full", "5 200 100 110 0.1 0.2 5 0"},
        {"full", "5 200 100 3"},
        {"simple-full", "60 20 20 20"},
        {"full", "5 1e9"},
        {"simple-full", "1e-9 200 100 110 0 0 0 0 0"},
        {"full", "5 200 100 110 1e5"},
    };
    for (const auto& [verb, table] : tables) {
        Bench b;
        setTable(b.wb, table);
        b.wb.options.screwJoints = true;
        try {
            const std::vector<std::string> lines = fitReport(assembled(b, verb));
            EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                                    [](const std::string& line) { return line.rfind("overlaps: ", 0) == 0; }),
                      1)
                << verb << " [" << table << "]";
        } catch (const DrawingError& e) {
            EXPECT_EQ(std::string(e.what()).rfind("The ", 0), 0u) << e.what();
        }
    }
}

}  // namespace
}  // namespace tessaro
