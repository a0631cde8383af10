#include "assembly/region_units.h"

#include "drawing/clipper_units.h"

namespace tessaro {

RegionContour contourOf(ClipperLib::Path path, bool hole) {
    if (ClipperLib::Orientation(path) == hole) {
        ClipperLib::ReversePath(path);
    }
    RegionContour contour{{}, hole};
    contour.points.reserve(path.size());
    for (const ClipperLib::IntPoint& p : path) {
        contour.points.push_back(pointOf(p));
    }
    return contour;
}

}  // namespace tessaro
