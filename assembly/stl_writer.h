#pragma once

#include <string>

#include "assembly/box_assembly.h"

namespace tessaro {

// The assembled box as binary STL in millimetres: every panel a closed shell with
// outward normals, one after the other, each facet's normal that of its corners as written.
// Throws DrawingError for a panel that is no solid at these sizes (see refuseUnlessSolid),
// or whose file would hold facets of no area or turned over by single precision.
[[nodiscard]] std::string stlBytes(const BoxAssembly& assembly);

}  // namespace tessaro
