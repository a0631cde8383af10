#pragma once

#include <polyclipping/clipper.hpp>

#include <span>

#include "drawing/point.h"

namespace tessaro {

// Clipper and the nesting library work in integers. A hundred-thousandth of a millimetre
// keeps every micrometre the files write, and the products of a 10 m sheet's
// coordinates stay within 64 bits.
inline constexpr double kClipperUnitsPerMillimetre = 1e5;
// A thousand kilometres: within Clipper's range in units, far past any drawing's.
inline constexpr double kLargestClipperMillimetres = 1e9;

// Throws DrawingError for a coordinate beyond kLargestClipperMillimetres, or not a number.
[[nodiscard]] ClipperLib::cInt clipperUnits(double millimetres);
[[nodiscard]] double millimetresOf(ClipperLib::cInt units);
[[nodiscard]] ClipperLib::IntPoint clipperPoint(Point p);
[[nodiscard]] Point pointOf(ClipperLib::IntPoint p);
[[nodiscard]] ClipperLib::Path clipperPath(std::span<const Point> points, Vec offset = {});

}  // namespace tessaro
