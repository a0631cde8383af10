// The only user of CGAL: its exact corefinement is slow to compile, so it stays in this file.
#include "assembly/overlaps.h"

#include <CGAL/Exact_predicates_exact_constructions_kernel.h>
#include <CGAL/Polygon_mesh_processing/corefinement.h>
#include <CGAL/Polygon_mesh_processing/measure.h>
#include <CGAL/Polygon_mesh_processing/orient_polygon_soup.h>
#include <CGAL/Polygon_mesh_processing/polygon_soup_to_polygon_mesh.h>
#include <CGAL/Polygon_mesh_processing/self_intersections.h>
#include <CGAL/Surface_mesh.h>
#include <CGAL/exceptions.h>

#include <array>
#include <map>
#include <optional>
#include <string>
#include <tuple>

#include "assembly/panel_geometry.h"
#include "assembly/panel_mesh.h"
#include "assembly/region_window.h"
#include "drawing/drawing_error.h"

namespace tessaro {
namespace {

// Exact constructions: flush faces meet exactly and share no volume.
using Kernel = CGAL::Exact_predicates_exact_constructions_kernel;
using Solid = CGAL::Surface_mesh<Kernel::Point_3>;
namespace PMP = CGAL::Polygon_mesh_processing;

// Less than this is the rounding of six-decimal coordinates, not an overlap.
constexpr double kLeastOverlap = 1e-3;  // cubic millimetres
constexpr double kLeastRoom = 1e-6;     // millimetres
// Each panel is cut down to a little more than the room the two could share, which
// keeps the corefinement to the few faces near their meeting.
constexpr double kCropMargin = 1;

std::string nameOf(const AssembledPanel& panel) { return std::string(panelName(panel.panel)); }

// The panel's shell as a mesh, its corners shared; a corner where two of the material's
// boundaries touch is split so that the mesh stays a manifold.
std::optional<Solid> solidOf(const AssembledPanel& panel) {
    std::vector<Kernel::Point_3> points;
    std::vector<std::array<std::size_t, 3>> faces;
    std::map<std::tuple<double, double, double>, std::size_t> index;
    for (const Triangle& t : panelMesh(panel)) {
        std::array<std::size_t, 3> face{};
        std::size_t corner = 0;
        for (const Vec3 v : {t.a, t.b, t.c}) {
            const auto [found, added] = index.try_emplace({v.x, v.y, v.z}, points.size());
            if (added) {
                points.emplace_back(v.x, v.y, v.z);
            }
            face[corner++] = found->second;
        }
        if (face[0] != face[1] && face[1] != face[2] && face[0] != face[2]) {
            faces.push_back(face);
        }
    }
    if (faces.empty()) {
        return std::nullopt;
    }
    if (!PMP::is_polygon_soup_a_polygon_mesh(faces)) {
        PMP::orient_polygon_soup(points, faces);
    }
    Solid solid;
    PMP::polygon_soup_to_polygon_mesh(points, faces, solid);
    if (!CGAL::is_closed(solid)) {
        throw DrawingError("The " + nameOf(panel) +
                           " is not a closed solid at these sizes, so it can be neither measured nor written");
    }
    if (PMP::does_self_intersect(solid)) {
        throw DrawingError(
            "The " + nameOf(panel) +
            "'s outline touches or crosses itself at these sizes, so it can be neither measured nor written");
    }
    return solid;
}

// The panel with only the material that lies within `room` as seen through its thickness.
AssembledPanel croppedTo(const AssembledPanel& panel, const Bounds3& room) {
    const Vec3 margin{kCropMargin, kCropMargin, kCropMargin};
    AssembledPanel cropped = panel;
    cropped.region = materialWithin(panel.region, drawnExtentOf(panel.frame, {room.low - margin, room.high + margin}));
    return cropped;
}

double sharedVolume(const AssembledPanel& first, const AssembledPanel& second, const Bounds3& room) {
    std::optional<Solid> a = solidOf(croppedTo(first, room));
    std::optional<Solid> b = solidOf(croppedTo(second, room));
    if (!a || !b) {
        return 0;
    }
    Solid common;
    if (!PMP::corefine_and_compute_intersection(*a, *b, common)) {
        throw DrawingError("The common part of the " + nameOf(first) + " and the " + nameOf(second) +
                           " is not a solid, so its volume cannot be measured");
    }
    return CGAL::to_double(PMP::volume(common));
}

}  // namespace

void refuseUnlessSolid(const AssembledPanel& panel) {
    try {
        if (!solidOf(panel)) {
            throw DrawingError("The " + nameOf(panel) + " has no material left at these sizes");
        }
    } catch (const CGAL::Failure_exception& e) {
        throw DrawingError("The " + nameOf(panel) + " cannot be made a solid: " + e.message());
    }
}

std::vector<PanelOverlap> overlappingPanels(const BoxAssembly& assembly) {
    std::vector<Bounds3> bounds;
    for (const AssembledPanel& panel : assembly.panels) {
        bounds.push_back(boundsOf(panel));
    }
    std::vector<PanelOverlap> overlaps;
    for (std::size_t i = 0; i < assembly.panels.size(); ++i) {
        for (std::size_t j = i + 1; j < assembly.panels.size(); ++j) {
            const Bounds3 room = commonPart(bounds[i], bounds[j]);
            if (!hasRoom(room, kLeastRoom) || !(assembly.panels[i].thickness > 0) ||
                !(assembly.panels[j].thickness > 0)) {
                continue;
            }
            double volume = 0;
            try {
                volume = sharedVolume(assembly.panels[i], assembly.panels[j], room);
            } catch (const CGAL::Failure_exception& e) {
                throw DrawingError("The overlap of the " + nameOf(assembly.panels[i]) + " and the " +
                                   nameOf(assembly.panels[j]) + " cannot be measured: " + e.message());
            }
            if (volume > kLeastOverlap) {
                overlaps.push_back({i, j, volume});
            }
        }
    }
    return overlaps;
}

}  // namespace tessaro
