#pragma once

#include <string>

#include "assembly/box_assembly.h"

namespace tessaro {

// The assembled box as binary STL in millimetres: every panel a closed shell with
// outward normals, one after the other.
[[nodiscard]] std::string stlBytes(const BoxAssembly& assembly);

}  // namespace tessaro
