#include "assembly/panel_mesh.h"

#include <CGAL/Constrained_Delaunay_triangulation_2.h>
#include <CGAL/Exact_predicates_inexact_constructions_kernel.h>
#include <CGAL/Triangulation_face_base_with_info_2.h>

#include <cmath>
#include <list>
#include <utility>

namespace tessaro {
namespace {

using Kernel = CGAL::Exact_predicates_inexact_constructions_kernel;
// Each face notes how many boundaries lie between it and the outside: odd is material.
using FaceBase =
    CGAL::Constrained_triangulation_face_base_2<Kernel, CGAL::Triangulation_face_base_with_info_2<int, Kernel>>;
using Triangulation = CGAL::Constrained_Delaunay_triangulation_2<
    Kernel, CGAL::Triangulation_data_structure_2<CGAL::Triangulation_vertex_base_2<Kernel>, FaceBase>,
    CGAL::Exact_predicates_tag>;

// Numbers every face by the boundaries crossed to reach it from the outside, spreading
// from the infinite face and stepping up one at each constrained edge.
void countBoundariesCrossed(Triangulation& triangulation) {
    for (auto face = triangulation.all_faces_begin(); face != triangulation.all_faces_end(); ++face) {
        face->info() = -1;
    }
    std::list<std::pair<Triangulation::Face_handle, int>> border{{triangulation.infinite_face(), 0}};
    while (!border.empty()) {
        const auto [start, level] = border.front();
        border.pop_front();
        if (start->info() != -1) {
            continue;
        }
        std::list<Triangulation::Face_handle> queue{start};
        while (!queue.empty()) {
            const Triangulation::Face_handle face = queue.front();
            queue.pop_front();
            if (face->info() != -1) {
                continue;
            }
            face->info() = level;
            for (int i = 0; i < 3; ++i) {
                const Triangulation::Face_handle next = face->neighbor(i);
                if (next->info() != -1) {
                    continue;
                }
                if (triangulation.is_constrained({face, i})) {
                    border.emplace_back(next, level + 1);
                } else {
                    queue.push_back(next);
                }
            }
        }
    }
}

// The material's faces as triangles counterclockwise with Y up: a constrained Delaunay
// triangulation of its boundaries, which adds no point and leaves no sliver of no area.
std::vector<Point> triangulate(const PanelRegion& region) {
    Triangulation triangulation;
    for (const RegionContour& contour : region.contours) {
        std::vector<Kernel::Point_2> points;
        points.reserve(contour.points.size());
        for (const Point p : contour.points) {
            points.emplace_back(p.x, p.y);
        }
        triangulation.insert_constraint(points.begin(), points.end(), true);
    }
    countBoundariesCrossed(triangulation);
    std::vector<Point> corners;
    for (auto face = triangulation.finite_faces_begin(); face != triangulation.finite_faces_end(); ++face) {
        if (face->info() % 2 == 1) {
            for (int i = 0; i < 3; ++i) {
                const Kernel::Point_2& p = face->vertex(i)->point();
                corners.push_back({p.x(), p.y()});
            }
        }
    }
    return corners;
}

double turn(Point a, Point b, Point c) { return (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x); }

}  // namespace

std::vector<Triangle> panelMesh(const AssembledPanel& panel, Vec3 offset) {
    const PanelFrame& frame = panel.frame;
    const double depth = panel.thickness;
    // Triangles are made counterclockwise in the drawing's own axes (x, y, depth); a frame
    // that mirrors those axes turns them round.
    const bool mirrored = dot(cross(frame.across, frame.up), frame.outward) < 0;
    std::vector<Triangle> mesh;
    const auto add = [&](Point a, double da, Point b, double db, Point c, double dc) {
        Triangle t{frame.at(a, da) + offset, frame.at(b, db) + offset, frame.at(c, dc) + offset};
        if (mirrored) {
            std::swap(t.b, t.c);
        }
        mesh.push_back(t);
    };
    const std::vector<Point> corners = triangulate(panel.region);
    for (std::size_t i = 0; i + 2 < corners.size(); i += 3) {
        Point a = corners[i];
        Point b = corners[i + 1];
        Point c = corners[i + 2];
        if (turn(a, b, c) < 0) {
            std::swap(b, c);
        }
        // The outer face looks along `outward`, the inner one against it.
        add(a, depth, b, depth, c, depth);
        add(a, 0, c, 0, b, 0);
    }
    // The walls: the material lies left of every boundary, so each wall looks to its right.
    for (const RegionContour& contour : panel.region.contours) {
        const auto& pts = contour.points;
        for (std::size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++) {
            add(pts[j], 0, pts[i], 0, pts[i], depth);
            add(pts[j], 0, pts[i], depth, pts[j], depth);
        }
    }
    return mesh;
}

Vec3 normalOf(const Triangle& t) {
    const Vec3 n = cross(t.b - t.a, t.c - t.a);
    const double length = std::sqrt(dot(n, n));
    return length > 0 ? (1 / length) * n : Vec3{};
}

}  // namespace tessaro
