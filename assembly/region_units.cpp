#include "assembly/region_units.h"

#include <cmath>

namespace tessaro {
namespace {

constexpr double kUnitsPerMillimetre = 1e6;

}  // namespace

ClipperLib::IntPoint regionUnitsOf(DrawingPoint p) {
    return {std::llround(p.x * kUnitsPerMillimetre), std::llround(p.y * kUnitsPerMillimetre)};
}

RegionContour contourOf(ClipperLib::Path path, bool hole) {
    if (ClipperLib::Orientation(path) == hole) {
        ClipperLib::ReversePath(path);
    }
    RegionContour contour{{}, hole};
    contour.points.reserve(path.size());
    for (const ClipperLib::IntPoint& p : path) {
        contour.points.push_back({static_cast<double>(p.X) / kUnitsPerMillimetre,
                                  static_cast<double>(p.Y) / kUnitsPerMillimetre});
    }
    return contour;
}

}  // namespace tessaro
