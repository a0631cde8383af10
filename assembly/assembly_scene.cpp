#include "assembly/assembly_scene.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "assembly/joints.h"

namespace tessaro {
namespace {

// A bend sharper than this shows as an edge across the thickness; the short steps of a
// drawn arc do not, so a rounded corner reads as one surface.
constexpr double kEdgeBendDegrees = 20;

double bendDegrees(Point before, Point at, Point after) {
    const double in = std::atan2(at.y - before.y, at.x - before.x);
    const double out = std::atan2(after.y - at.y, after.x - at.x);
    const double bend = std::abs(std::remainder(out - in, 2 * std::numbers::pi));
    return bend * 180 / std::numbers::pi;
}

// Each boundary's outline on both faces and the edges across the thickness at its corners.
std::vector<Vec3> edgesOf(const AssembledPanel& panel) {
    std::vector<Vec3> edges;
    const PanelFrame& frame = panel.frame;
    for (const RegionContour& contour : panel.region.contours) {
        const std::vector<Point>& p = contour.points;
        const std::size_t n = p.size();
        for (std::size_t i = 0; i < n; ++i) {
            const Point& at = p[i];
            const Point& next = p[(i + 1) % n];
            for (const double depth : {0.0, panel.thickness}) {
                edges.push_back(frame.at(at, depth));
                edges.push_back(frame.at(next, depth));
            }
            if (bendDegrees(p[(i + n - 1) % n], at, next) > kEdgeBendDegrees) {
                edges.push_back(frame.at(at, 0));
                edges.push_back(frame.at(at, panel.thickness));
            }
        }
    }
    return edges;
}

Bounds3 boundsOf(const std::vector<ScenePanel>& panels) {
    constexpr double inf = std::numeric_limits<double>::infinity();
    Bounds3 b{{inf, inf, inf}, {-inf, -inf, -inf}};
    for (const ScenePanel& panel : panels) {
        for (const Triangle& t : panel.shell) {
            for (const Vec3& v : {t.a, t.b, t.c}) {
                b.low = {std::min(b.low.x, v.x), std::min(b.low.y, v.y), std::min(b.low.z, v.z)};
                b.high = {std::max(b.high.x, v.x), std::max(b.high.y, v.y), std::max(b.high.z, v.z)};
            }
        }
    }
    return b.low.x <= b.high.x ? b : Bounds3{};
}

}  // namespace

AssemblyScene sceneOf(const BoxAssembly& assembly, const StopRequest& stop) {
    AssemblyScene scene;
    for (const AssembledPanel& panel : assembly.panels) {
        stopIfAsked(stop);
        scene.panels.push_back({panel.panel, panel.frame.outward, panelMesh(panel), edgesOf(panel)});
    }
    stopIfAsked(stop);
    for (const Joint& joint : jointsOf(assembly)) {
        if (joint.overlaps()) {
            scene.tightJoints.push_back({joint.inserted, joint.where});
        }
    }
    scene.bounds = boundsOf(scene.panels);
    return scene;
}

}  // namespace tessaro
