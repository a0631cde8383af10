#include "drawing/clipper_units.h"

#include <cmath>

namespace tessaro {

ClipperLib::cInt clipperUnits(double millimetres) { return std::llround(millimetres * kClipperUnitsPerMillimetre); }

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
