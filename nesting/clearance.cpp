#include "nesting/clearance.h"

#include <polyclipping/clipper.hpp>

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

}  // namespace

bool keptApart(const std::vector<const DrawnOutline*>& outers, double gap) {
    std::vector<ClipperLib::Paths> grown;
    for (const DrawnOutline* outline : outers) {
        grown.push_back(grownByHalf(*outline, gap));
    }
    for (std::size_t i = 0; i < grown.size(); ++i) {
        for (std::size_t j = i + 1; j < grown.size(); ++j) {
            if (overlap(grown[i], grown[j])) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace tessaro
