#include "assembly/panel_region.h"

#include <cmath>

#include "assembly/region_units.h"
#include "drawing/clipper_units.h"
#include "drawing/drawing_error.h"
#include "drawing/ring_area.h"

namespace tessaro {
namespace {

ClipperLib::Path pathFromOrigin(const DrawnOutline& outline, Point origin) {
    ClipperLib::Path path;
    path.reserve(outline.size());
    for (const Point p : outline) {
        const double x = p.x - origin.x;
        const double y = p.y - origin.y;
        if (!(std::abs(x) <= kLargestCoordinate && std::abs(y) <= kLargestCoordinate)) {
            throw DrawingError("The box is too large to assemble: its parts reach beyond a kilometre");
        }
        path.push_back(clipperPoint({x, y}));
    }
    return path;
}

// A piece's outer outline less the union of the inner cuts drawn with it.
ClipperLib::Paths materialOfPiece(const RigidPart& piece, Point origin) {
    ClipperLib::Clipper clipper;
    clipper.AddPath(pathFromOrigin(*outerCutOf(piece), origin), ClipperLib::ptSubject, true);
    for (const PieceOutline& outline : piece.outlines) {
        if (outline.role == OutlineRole::InnerCut) {
            clipper.AddPath(pathFromOrigin(outline.points, origin), ClipperLib::ptClip, true);
        }
    }
    ClipperLib::Paths material;
    clipper.Execute(ClipperLib::ctDifference, material, ClipperLib::pftNonZero, ClipperLib::pftNonZero);
    return material;
}

void collectContours(const ClipperLib::PolyNode& node, PanelRegion& region) {
    for (const ClipperLib::PolyNode* child : node.Childs) {
        region.contours.push_back(contourOf(child->Contour, child->IsHole()));
        collectContours(*child, region);
    }
}

}  // namespace

PanelRegion materialOf(const std::vector<RigidPart>& pieces, Point origin) {
    ClipperLib::Clipper clipper;
    for (const RigidPart& piece : pieces) {
        // Cut-outs that miss the panel are cut from the stock and take nothing from it.
        if (!piece.fromStock) {
            clipper.AddPaths(materialOfPiece(piece, origin), ClipperLib::ptSubject, true);
        }
    }
    // Strictly simple: a boundary that touches itself is split there, so every contour
    // bounds its faces alone.
    clipper.StrictlySimple(true);
    ClipperLib::PolyTree tree;
    clipper.Execute(ClipperLib::ctUnion, tree, ClipperLib::pftNonZero, ClipperLib::pftNonZero);
    PanelRegion region;
    collectContours(tree, region);
    return region;
}

std::vector<PanelRegion> openingsOf(const std::vector<RigidPart>& pieces, Point origin, const PanelRegion& material) {
    ClipperLib::Clipper clipper;
    for (const RigidPart& piece : pieces) {
        if (!piece.fromStock) {
            clipper.AddPath(pathFromOrigin(*outerCutOf(piece), origin), ClipperLib::ptSubject, true);
        }
    }
    clipper.AddPaths(pathsOf(material), ClipperLib::ptClip, true);
    clipper.StrictlySimple(true);
    ClipperLib::PolyTree tree;
    clipper.Execute(ClipperLib::ctDifference, tree, ClipperLib::pftNonZero, ClipperLib::pftNonZero);
    return regionsOf(tree);
}

double areaOf(const PanelRegion& region) {
    double area = 0;
    for (const RegionContour& contour : region.contours) {
        area += signedArea(contour.points);
    }
    return area;
}

bool holdsMaterial(const PanelRegion& region, Point p) {
    // The contours neither cross nor overlap, so the material is where an odd number of
    // them hold the point.
    bool inside = false;
    for (const RegionContour& contour : region.contours) {
        inside = inside != holdsPoint(contour.points, p);
    }
    return inside;
}

}  // namespace tessaro
