#include "assembly/region_window.h"

#include <algorithm>

#include "assembly/panel_geometry.h"
#include "assembly/region_units.h"
#include "drawing/clipper_units.h"

namespace tessaro {
namespace {

ClipperLib::PolyTree clipped(const PanelRegion& region, const Extent& window) {
    ClipperLib::Clipper clipper;
    clipper.AddPaths(pathsOf(region), ClipperLib::ptSubject, true);
    const ClipperLib::Path rectangle{clipperPoint({window.minX, window.minY}), clipperPoint({window.maxX, window.minY}),
                                     clipperPoint({window.maxX, window.maxY}),
                                     clipperPoint({window.minX, window.maxY})};
    clipper.AddPath(rectangle, ClipperLib::ptClip, true);
    ClipperLib::Paths within;
    // Holes run against their outline, so the material is where the winding is not zero.
    clipper.Execute(ClipperLib::ctIntersection, within, ClipperLib::pftNonZero, ClipperLib::pftNonZero);
    // Pieces that meet the window's edge can come out joined by lines along it, there and
    // back; a second pass parts them.
    ClipperLib::Clipper parting;
    parting.AddPaths(within, ClipperLib::ptSubject, true);
    parting.StrictlySimple(true);
    ClipperLib::PolyTree tree;
    parting.Execute(ClipperLib::ctUnion, tree, ClipperLib::pftNonZero, ClipperLib::pftNonZero);
    return tree;
}

}  // namespace

std::vector<PanelRegion> piecesWithin(const PanelRegion& region, const Extent& window) {
    // Kept within the region's own coordinates, which are known to be small enough to cut.
    const Extent drawn = extentOf(region);
    Extent common = window;
    common.minX = std::max(window.minX, drawn.minX);
    common.minY = std::max(window.minY, drawn.minY);
    common.maxX = std::min(window.maxX, drawn.maxX);
    common.maxY = std::min(window.maxY, drawn.maxY);
    if (window.empty || drawn.empty || !(common.width() > 0) || !(common.height() > 0)) {
        return {};
    }
    return regionsOf(clipped(region, common));
}

PanelRegion materialWithin(const PanelRegion& region, const Extent& window) {
    PanelRegion whole;
    for (PanelRegion& piece : piecesWithin(region, window)) {
        whole.contours.insert(whole.contours.end(), piece.contours.begin(), piece.contours.end());
    }
    return whole;
}

}  // namespace tessaro
