#include "drawing/clipper_units.h"

#include <cmath>

#include "drawing/drawing_error.h"

namespace tessaro {

ClipperLib::cInt clipperUnits(double millimetres) {
    // Past this, rounding to 64 bits is undefined and Clipper refuses the point anyway.
    if (!(std::abs(millimetres) <= kLargestClipperMillimetres)) {
        throw DrawingError("A coordinate lies beyond a thousand kilometres, too far to cut or nest");
    }
    return std::llround(millimetres * kClipperUnitsPerMillimetre);
}

double millimetresOf(ClipperLib::cInt units) { return static_cast<double>(units) / kClipperUnitsPerMillimetre; }

ClipperLib::IntPoint clipperPoint(Point p) { return {clipperUnits(p.x), clipperUnits(p.y)}; }

Point pointOf(ClipperLib::IntPoint p) { return {millimetresOf(p.X), millimetresOf(p.Y)}; }

ClipperLib::Path clipperPath(std::span<const Point> points, Vec offset) {
    ClipperLib::Path path;
    path.reserve(points.size());
    for (const Point p : points) {
        path.push_back(clipperPoint({p.x + offset.x, p.y + offset.y}));
    }
    return path;
}

}  // namespace tessaro
