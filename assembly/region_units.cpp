#include "assembly/region_units.h"

#include "drawing/clipper_units.h"

namespace tessaro {
namespace {

void collectRegions(const ClipperLib::PolyNode& node, std::vector<PanelRegion>& regions) {
    for (const ClipperLib::PolyNode* outer : node.Childs) {
        if (ClipperLib::Area(outer->Contour) == 0) {
            continue;
        }
        PanelRegion region{{contourOf(outer->Contour, false)}};
        for (const ClipperLib::PolyNode* hole : outer->Childs) {
            region.contours.push_back(contourOf(hole->Contour, true));
            collectRegions(*hole, regions);
        }
        regions.push_back(std::move(region));
    }
}

}  // namespace

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

ClipperLib::Paths pathsOf(const PanelRegion& region) {
    ClipperLib::Paths paths;
    paths.reserve(region.contours.size());
    for (const RegionContour& contour : region.contours) {
        paths.push_back(clipperPath(contour.points));
    }
    return paths;
}

std::vector<PanelRegion> regionsOf(const ClipperLib::PolyTree& tree) {
    std::vector<PanelRegion> regions;
    collectRegions(tree, regions);
    return regions;
}

}  // namespace tessaro
