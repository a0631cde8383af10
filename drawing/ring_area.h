#pragma once

#include <span>

#include "drawing/point.h"

namespace tessaro {

// The area a ring of points encloses, closed by its last point back to its first:
// positive when it turns counterclockwise.
[[nodiscard]] double signedArea(std::span<const Point> ring);

}  // namespace tessaro
