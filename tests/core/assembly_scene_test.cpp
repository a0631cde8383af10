// What the 3D view draws: the assembled panels' shells as placed, their edges on those
// shells, the box's bounds; and the preview run that makes it without ever throwing.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>
#include <tuple>

#include "app/assembly.h"
#include "app/assembly_preview.h"
#include "assembly/assembly_scene.h"
#include "support.h"

namespace tessaro {
namespace {

using testing::Bench;

// A point rounded to a micrometre, to find it among a shell's corners.
std::tuple<long, long, long> key(Vec3 v) {
    return {std::lround(v.x * 1000), std::lround(v.y * 1000), std::lround(v.z * 1000)};
}

double lengthOf(Vec3 v) { return std::sqrt(dot(v, v)); }

bool within(Vec3 v, const Bounds3& b) {
    return v.x >= b.low.x && v.y >= b.low.y && v.z >= b.low.z && v.x <= b.high.x && v.y <= b.high.y && v.z <= b.high.z;
}

struct Switches {
    const char* verb;
    const char* name;
    void (*set)(Options&);
};

void PrintTo(const Switches& s, std::ostream* os) { *os << s.verb << ' ' << s.name; }

class SceneOfABox : public ::testing::TestWithParam<Switches> {
protected:
    void SetUp() override {
        GetParam().set(b.wb.options);
        const TemplateCommand& command = *findCommand(GetParam().verb);
        command.run(b.wb);
        assembly = assembledTemplate(b.wb, command);
        scene = sceneOf(assembly);
    }
    Bench b;
    BoxAssembly assembly;
    AssemblyScene scene;
};

// One scene panel for each assembled panel, in the same order, with its mesh as placed.
TEST_P(SceneOfABox, HoldsEveryPanelWhereItGoes) {
    ASSERT_EQ(scene.panels.size(), assembly.panels.size());
    for (std::size_t i = 0; i < scene.panels.size(); ++i) {
        const ScenePanel& shown = scene.panels[i];
        EXPECT_EQ(shown.panel, assembly.panels[i].panel);
        EXPECT_EQ(shown.outward, assembly.panels[i].frame.outward);
        const std::vector<Triangle> mesh = panelMesh(assembly.panels[i]);
        ASSERT_EQ(shown.shell.size(), mesh.size());
        for (std::size_t t = 0; t < mesh.size(); ++t) {
            EXPECT_EQ(shown.shell[t].a, mesh[t].a);
        }
    }
}

// The bounds hold every corner and touch the box on all six sides.
TEST_P(SceneOfABox, BoundsHoldTheBoxTightly) {
    Bounds3 touched{scene.bounds.high, scene.bounds.low};
    for (const ScenePanel& panel : scene.panels) {
        for (const Triangle& t : panel.shell) {
            for (const Vec3& v : {t.a, t.b, t.c}) {
                ASSERT_TRUE(within(v, scene.bounds));
                touched.low = {std::min(touched.low.x, v.x), std::min(touched.low.y, v.y),
                               std::min(touched.low.z, v.z)};
                touched.high = {std::max(touched.high.x, v.x), std::max(touched.high.y, v.y),
                                std::max(touched.high.z, v.z)};
            }
        }
    }
    EXPECT_EQ(touched.low, scene.bounds.low);
    EXPECT_EQ(touched.high, scene.bounds.high);
    // The inner box lies inside, a thickness away at least.
    const double thickness = assembly.panels.front().thickness;
    EXPECT_LE(scene.bounds.low.x, -thickness);
    EXPECT_LE(scene.bounds.low.y, -thickness);
    EXPECT_LE(scene.bounds.low.z, -thickness);
}

// Every edge runs between corners of its shell, either in one of the panel's faces or
// straight across its thickness; the outlines on the faces are closed, so every corner
// there is the end of an even number of edges.
TEST_P(SceneOfABox, EdgesLieOnTheShell) {
    for (std::size_t i = 0; i < scene.panels.size(); ++i) {
        const ScenePanel& panel = scene.panels[i];
        const PanelFrame& frame = assembly.panels[i].frame;
        const double thickness = assembly.panels[i].thickness;
        std::set<std::tuple<long, long, long>> corners;
        for (const Triangle& t : panel.shell) {
            corners.insert({key(t.a), key(t.b), key(t.c)});
        }
        ASSERT_FALSE(panel.edges.empty());
        ASSERT_EQ(panel.edges.size() % 2, 0U);
        std::size_t across = 0;
        std::map<std::tuple<long, long, long>, int> faceEnds;
        for (std::size_t e = 0; e < panel.edges.size(); e += 2) {
            const Vec3 from = panel.edges[e];
            const Vec3 to = panel.edges[e + 1];
            ASSERT_TRUE(corners.contains(key(from)) && corners.contains(key(to))) << panelName(panel.panel);
            const double fromDepth = dot(from - frame.origin, frame.outward);
            const double toDepth = dot(to - frame.origin, frame.outward);
            if (std::abs(fromDepth - toDepth) < 1e-9) {
                EXPECT_TRUE(std::abs(fromDepth) < 1e-9 || std::abs(fromDepth - thickness) < 1e-9);
                ++faceEnds[key(from)];
                ++faceEnds[key(to)];
            } else {
                ++across;
                EXPECT_NEAR(lengthOf(to - from), thickness, 1e-9);
                EXPECT_NEAR(std::abs(toDepth - fromDepth), thickness, 1e-9);
            }
        }
        for (const auto& [corner, ends] : faceEnds) {
            ASSERT_EQ(ends % 2, 0) << panelName(panel.panel);
        }
        // A panel has four corners at least, and every hole has some.
        EXPECT_GE(across, 4U + assembly.panels[i].region.contours.size() - 1) << panelName(panel.panel);
    }
}

// Every joint of the default tables has room; with slots narrower than the material,
// joints overlap, and each one's room lies in the box where its panel is.
TEST_P(SceneOfABox, TightJointsAreTheOverlappingOnes) {
    EXPECT_TRUE(scene.tightJoints.empty());
    b.wb.boxTable.setCell(1, 5, "-0.5");
    const TemplateCommand& command = *findCommand(GetParam().verb);
    command.run(b.wb);
    const AssemblyScene tight = sceneOf(assembledTemplate(b.wb, command));
    ASSERT_FALSE(tight.tightJoints.empty());
    std::set<BoxPanel> inserted;
    for (const TightJoint& joint : tight.tightJoints) {
        ASSERT_LT(joint.inserted, tight.panels.size());
        inserted.insert(tight.panels[joint.inserted].panel);
        EXPECT_TRUE(within(joint.where.low, tight.bounds) && within(joint.where.high, tight.bounds));
        EXPECT_LT(joint.where.low.x, joint.where.high.x);
        EXPECT_LT(joint.where.low.y, joint.where.high.y);
        EXPECT_LT(joint.where.low.z, joint.where.high.z);
    }
    // The front and rear panels' tabs stand in the bottom's and lid's slots.
    EXPECT_TRUE(inserted.contains(BoxPanel::Front) && inserted.contains(BoxPanel::Rear));
}

const Switches kSwitches[] = {
    {"full", "plain", [](Options&) {}},
    {"full", "relief and screws",
     [](Options& o) {
         o.cornerRelief = true;
         o.screwJoints = true;
     }},
    {"simple-full", "plain", [](Options&) {}},
    {"simple-full", "relief and screws",
     [](Options& o) {
         o.cornerRelief = true;
         o.screwJoints = true;
     }},
};
INSTANTIATE_TEST_SUITE_P(Boxes, SceneOfABox, ::testing::ValuesIn(kSwitches));

// The preview run never throws: a cell that is not a number names its table and row, a
// command that draws no box says so, and neither leaves a scene.
TEST(AssemblyPreview, ReportsWhatStoppedItAndLeavesNoScene) {
    Bench b;
    {
        PreviewBench bench(b.wb);
        const AssemblyPreview good = assemblePreview(bench, *findCommand("full"));
        ASSERT_TRUE(good.scene);
        EXPECT_EQ(good.scene->panels.size(), 6U);
        EXPECT_TRUE(good.error.empty());
        EXPECT_FALSE(good.badCell);
    }
    b.wb.boxTable.setCell(1, 4, "1,5");
    {
        PreviewBench bench(b.wb);
        const AssemblyPreview bad = assemblePreview(bench, *findCommand("simple-full"));
        EXPECT_FALSE(bad.scene);
        EXPECT_EQ(bad.error, "'1,5' is not a valid floating point value.");
        ASSERT_TRUE(bad.badCell);
        EXPECT_EQ(bad.badCell->table, &Workbench::boxTable);
        EXPECT_EQ(bad.badCell->row, 4);
    }
    {
        PreviewBench bench(b.wb);
        const AssemblyPreview none = assemblePreview(bench, *findCommand("spiral"));
        EXPECT_FALSE(none.scene);
        EXPECT_NE(none.error.find("no whole box"), std::string::npos);
        EXPECT_FALSE(none.badCell);
    }
    // The window's own drawing is never touched.
    EXPECT_TRUE(b.wb.drawing.empty());
}

}  // namespace
}  // namespace tessaro
