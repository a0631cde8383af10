#include "nesting/clearance.h"

#include <polyclipping/clipper.hpp>

#include <algorithm>
#include <cmath>

#include "drawing/clipper_units.h"

namespace tessaro {
namespace {

ClipperLib::Paths grownByHalf(const DrawnOutline& outline, double gap) {
    // Round corners as fine as a twentieth of a micrometre: a corner may come that much
    // nearer than the gap unnoticed, and no more.
    ClipperLib::ClipperOffset offset(2.0, 0.00005 * kClipperUnitsPerMillimetre);
    offset.AddPath(clipperPath(outline), ClipperLib::jtRound, ClipperLib::etClosedPolygon);
    ClipperLib::Paths grown;
    offset.Execute(grown, gap / 2 * kClipperUnitsPerMillimetre);
    return grown;
}

bool overlap(const ClipperLib::Paths& a, const ClipperLib::Paths& b) {
    ClipperLib::Clipper clipper;
    clipper.AddPaths(a, ClipperLib::ptSubject, true);
    clipper.AddPaths(b, ClipperLib::ptClip, true);
    ClipperLib::Paths common;
    clipper.Execute(ClipperLib::ctIntersection, common, ClipperLib::pftNonZero, ClipperLib::pftNonZero);
    return !common.empty();
}

ClipperLib::IntRect boundsOf(const ClipperLib::Paths& paths) {
    ClipperLib::IntRect bounds{0, 0, -1, -1};
    bool first = true;
    for (const ClipperLib::Path& path : paths) {
        for (const ClipperLib::IntPoint& p : path) {
            bounds.left = first ? p.X : std::min(bounds.left, p.X);
            bounds.right = first ? p.X : std::max(bounds.right, p.X);
            bounds.top = first ? p.Y : std::min(bounds.top, p.Y);
            bounds.bottom = first ? p.Y : std::max(bounds.bottom, p.Y);
            first = false;
        }
    }
    return bounds;
}

}  // namespace

bool keptApart(const std::vector<const DrawnOutline*>& outers, double gap) {
    std::vector<ClipperLib::Paths> grown;
    std::vector<ClipperLib::IntRect> bounds;
    for (const DrawnOutline* outline : outers) {
        grown.push_back(grownByHalf(*outline, gap));
        bounds.push_back(boundsOf(grown.back()));
    }
    // Only pieces whose grown rectangles meet need Clipper to tell.
    const auto meet = [](const ClipperLib::IntRect& a, const ClipperLib::IntRect& b) {
        return a.left <= b.right && b.left <= a.right && a.top <= b.bottom && b.top <= a.bottom;
    };
    for (std::size_t i = 0; i < grown.size(); ++i) {
        for (std::size_t j = i + 1; j < grown.size(); ++j) {
            if (meet(bounds[i], bounds[j]) && overlap(grown[i], grown[j])) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace tessaro
