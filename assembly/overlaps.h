#pragma once

#include <cstddef>
#include <vector>

#include "assembly/box_assembly.h"

namespace tessaro {

// Two panels whose volumes intersect, and by how much (cubic millimetres).
struct PanelOverlap {
    std::size_t first;
    std::size_t second;
    double volume = 0;
};

// The pairs of panels whose solids share volume; touching faces do not count.
[[nodiscard]] std::vector<PanelOverlap> overlappingPanels(const BoxAssembly& assembly);

// Throws DrawingError unless the panel is a solid: material, a closed shell, and no face
// through another (an outline that touches or crosses itself at these sizes).
void refuseUnlessSolid(const AssembledPanel& panel);

}  // namespace tessaro
