#pragma once

#include <vector>

#include "assembly/box_assembly.h"
#include "assembly/space.h"

namespace tessaro {

// A triangle whose corners run counterclockwise seen from outside the solid.
struct Triangle {
    Vec3 a;
    Vec3 b;
    Vec3 c;
};

// The panel as a closed shell: its material's faces, triangulated by CGAL's constrained
// Delaunay triangulation, and the walls of every boundary, placed in the box and moved
// by `offset`.
[[nodiscard]] std::vector<Triangle> panelMesh(const AssembledPanel& panel, Vec3 offset = {});

// The unit normal of a triangle; zero for one without area.
[[nodiscard]] Vec3 normalOf(const Triangle& t);

}  // namespace tessaro
