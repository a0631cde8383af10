#include "assembly/panel_region.h"

#include <polyclipping/clipper.hpp>

#include <algorithm>
#include <cmath>

#include "output/drawing_error.h"

namespace tessaro {
namespace {

// Clipper works in integers: a millionth of a millimetre keeps the six decimals drawn.
constexpr double kUnitsPerMillimetre = 1e6;
// A kilometre: past any machine, and far inside Clipper's integer range.
constexpr double kLargestCoordinate = 1e6;

ClipperLib::Path clipperPath(const DrawnOutline& outline, DrawingPoint origin) {
    ClipperLib::Path path;
    path.reserve(outline.size());
    for (const DrawingPoint p : outline) {
        const double x = p.x - origin.x;
        const double y = p.y - origin.y;
        if (!(std::abs(x) <= kLargestCoordinate && std::abs(y) <= kLargestCoordinate)) {
            throw DrawingError("The box is too large to assemble: its parts reach beyond a kilometre");
        }
        path.push_back({std::llround(x * kUnitsPerMillimetre), std::llround(y * kUnitsPerMillimetre)});
    }
    return path;
}

// A piece's outer outline less the union of the outlines drawn with it.
ClipperLib::Paths materialOfPiece(const RigidPart& piece, DrawingPoint origin) {
    ClipperLib::Clipper clipper;
    clipper.AddPath(clipperPath(piece.outlines.front(), origin), ClipperLib::ptSubject, true);
    for (std::size_t i = 1; i < piece.outlines.size(); ++i) {
        clipper.AddPath(clipperPath(piece.outlines[i], origin), ClipperLib::ptClip, true);
    }
    ClipperLib::Paths material;
    clipper.Execute(ClipperLib::ctDifference, material, ClipperLib::pftNonZero, ClipperLib::pftNonZero);
    return material;
}

void collectContours(const ClipperLib::PolyNode& node, PanelRegion& region) {
    for (const ClipperLib::PolyNode* child : node.Childs) {
        RegionContour contour;
        contour.hole = child->IsHole();
        contour.points.reserve(child->Contour.size());
        for (const ClipperLib::IntPoint& p : child->Contour) {
            contour.points.push_back({static_cast<double>(p.X) / kUnitsPerMillimetre,
                                      static_cast<double>(p.Y) / kUnitsPerMillimetre});
        }
        region.contours.push_back(std::move(contour));
        collectContours(*child, region);
    }
}

double signedArea(const std::vector<DrawingPoint>& points) {
    double twice = 0;
    for (std::size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
        twice += points[j].x * points[i].y - points[i].x * points[j].y;
    }
    return twice / 2;
}

}  // namespace

PanelRegion materialOf(const std::vector<RigidPart>& pieces, DrawingPoint origin) {
    ClipperLib::Clipper clipper;
    for (const RigidPart& piece : pieces) {
        clipper.AddPaths(materialOfPiece(piece, origin), ClipperLib::ptSubject, true);
    }
    // Strictly simple: a boundary that touches itself is split there, so every contour
    // bounds its faces alone.
    clipper.StrictlySimple(true);
    ClipperLib::PolyTree tree;
    clipper.Execute(ClipperLib::ctUnion, tree, ClipperLib::pftNonZero, ClipperLib::pftNonZero);
    PanelRegion region;
    collectContours(tree, region);
    // Clipper's outer boundaries run counterclockwise with Y up and its holes clockwise:
    // the material on the left of both.
    for (RegionContour& contour : region.contours) {
        if ((signedArea(contour.points) < 0) != contour.hole) {
            std::reverse(contour.points.begin(), contour.points.end());
        }
    }
    return region;
}

double areaOf(const PanelRegion& region) {
    double area = 0;
    for (const RegionContour& contour : region.contours) {
        area += signedArea(contour.points);
    }
    return area;
}

bool holdsMaterial(const PanelRegion& region, DrawingPoint p) {
    // Winding number over every contour: outer boundaries count +1 round the point,
    // holes -1.
    int winding = 0;
    for (const RegionContour& contour : region.contours) {
        const auto& pts = contour.points;
        for (std::size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++) {
            const DrawingPoint a = pts[j];
            const DrawingPoint b = pts[i];
            const double side = (b.x - a.x) * (p.y - a.y) - (p.x - a.x) * (b.y - a.y);
            if (a.y <= p.y && b.y > p.y && side > 0) {
                ++winding;
            } else if (a.y > p.y && b.y <= p.y && side < 0) {
                --winding;
            }
        }
    }
    return winding > 0;
}

}  // namespace tessaro
