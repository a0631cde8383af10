#include "nesting/rigid_parts.h"

#include <polyclipping/clipper.hpp>

#include <algorithm>
#include <cmath>

namespace tessaro {
namespace {

Extent extentOf(const DrawnOutline& outline) {
    Extent extent;
    for (const DrawingPoint p : outline) {
        extent.include(p);
    }
    return extent;
}

double enclosedArea(const DrawnOutline& outline) {
    double twice = 0;
    for (std::size_t i = 0; i < outline.size(); ++i) {
        const DrawingPoint a = outline[i];
        const DrawingPoint b = outline[(i + 1) % outline.size()];
        twice += a.x * b.y - b.x * a.y;
    }
    return std::abs(twice) / 2;
}

// Even-odd ray crossing; an open outline counts as closed by its last line back to the start.
bool holdsPoint(const DrawnOutline& outline, DrawingPoint p) {
    bool inside = false;
    for (std::size_t i = 0, j = outline.size() - 1; i < outline.size(); j = i++) {
        const DrawingPoint a = outline[i];
        const DrawingPoint b = outline[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x) {
            inside = !inside;
        }
    }
    return inside;
}


bool extentsMeet(const Extent& a, const Extent& b) {
    return a.minX <= b.maxX && b.minX <= a.maxX && a.minY <= b.maxY && b.minY <= a.maxY;
}

double turnOf(DrawingPoint a, DrawingPoint b, DrawingPoint c) { return (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x); }

bool segmentsCross(DrawingPoint a, DrawingPoint b, DrawingPoint c, DrawingPoint d) {
    const double abc = turnOf(a, b, c), abd = turnOf(a, b, d), cda = turnOf(c, d, a), cdb = turnOf(c, d, b);
    return ((abc > 0 && abd < 0) || (abc < 0 && abd > 0)) && ((cda > 0 && cdb < 0) || (cda < 0 && cdb > 0));
}

// A notch cut through a piece's edge is drawn as an outline that crosses the piece's own.
bool crosses(const DrawnOutline& a, const DrawnOutline& b) {
    for (std::size_t i = 0; i + 1 < a.size(); ++i) {
        for (std::size_t j = 0; j + 1 < b.size(); ++j) {
            if (segmentsCross(a[i], a[i + 1], b[j], b[j + 1])) {
                return true;
            }
        }
    }
    return false;
}

// Inside and not crossing, so one point and the extents decide the rest.
bool holds(const DrawnOutline& outer, const Extent& outerExtent, const DrawnOutline& inner, const Extent& innerExtent) {
    return outer.size() > 2 && enclosedArea(outer) > enclosedArea(inner) && innerExtent.minX >= outerExtent.minX &&
           innerExtent.maxX <= outerExtent.maxX && innerExtent.minY >= outerExtent.minY &&
           innerExtent.maxY <= outerExtent.maxY && holdsPoint(outer, inner.front()) && !crosses(inner, outer);
}

constexpr double kFootprintUnitsPerMillimetre = 1e6;

ClipperLib::Path clipperPath(const DrawnOutline& outline) {
    ClipperLib::Path path;
    for (const DrawingPoint p : outline) {
        path.push_back({std::llround(p.x * kFootprintUnitsPerMillimetre), std::llround(p.y * kFootprintUnitsPerMillimetre)});
    }
    return path;
}

// The outer outline united with the outlines that cross it; the outer outline itself
// where none does.
DrawnOutline footprintOf(const DrawnOutline& outer, const std::vector<const DrawnOutline*>& crossing) {
    if (crossing.empty()) {
        return outer;
    }
    ClipperLib::Clipper clipper;
    clipper.AddPath(clipperPath(outer), ClipperLib::ptSubject, true);
    for (const DrawnOutline* outline : crossing) {
        clipper.AddPath(clipperPath(*outline), ClipperLib::ptClip, true);
    }
    ClipperLib::Paths united;
    clipper.Execute(ClipperLib::ctUnion, united, ClipperLib::pftNonZero, ClipperLib::pftNonZero);
    const auto largest = std::max_element(united.begin(), united.end(), [](const auto& a, const auto& b) {
        return std::abs(ClipperLib::Area(a)) < std::abs(ClipperLib::Area(b));
    });
    DrawnOutline footprint;
    for (const ClipperLib::IntPoint& p : *largest) {
        footprint.push_back({static_cast<double>(p.X) / kFootprintUnitsPerMillimetre,
                             static_cast<double>(p.Y) / kFootprintUnitsPerMillimetre});
    }
    footprint.push_back(footprint.front());
    return footprint;
}

void splitGroup(const EpsDrawing& drawing, std::size_t group, std::vector<RigidPart>& parts) {
    std::vector<DrawnOutline> outlines;
    std::vector<Extent> extents;
    for (std::size_t i = drawing.firstOutlineOf(group); i < drawing.endOutlineOf(group); ++i) {
        const auto points = drawing.outline(i);
        if (points.size() > 1) {
            outlines.emplace_back(points.begin(), points.end());
            extents.push_back(extentOf(outlines.back()));
        }
    }
    std::vector<std::size_t> holder(outlines.size(), outlines.size());
    for (std::size_t i = 0; i < outlines.size(); ++i) {
        for (std::size_t j = 0; j < outlines.size(); ++j) {
            // The largest outline that holds this one is its piece's outer outline.
            if (j != i && holds(outlines[j], extents[j], outlines[i], extents[i]) &&
                (holder[i] == outlines.size() || enclosedArea(outlines[j]) > enclosedArea(outlines[holder[i]]))) {
                holder[i] = j;
            }
        }
    }
    // An outline no other holds but that crosses a larger one is cut through that one's edge.
    for (std::size_t i = 0; i < outlines.size(); ++i) {
        for (std::size_t j = 0; j < outlines.size() && holder[i] == outlines.size(); ++j) {
            if (j != i && holder[j] == outlines.size() && enclosedArea(outlines[j]) > enclosedArea(outlines[i]) &&
                extentsMeet(extents[i], extents[j]) && crosses(outlines[i], outlines[j])) {
                holder[i] = j;
            }
        }
    }
    std::vector<std::size_t> partOf(outlines.size());
    std::vector<std::vector<const DrawnOutline*>> crossing;
    const std::size_t first = parts.size();
    for (std::size_t i = 0; i < outlines.size(); ++i) {
        if (holder[i] == outlines.size()) {
            partOf[i] = parts.size();
            parts.push_back({{outlines[i]}, {}, {}});
            crossing.emplace_back();
        }
    }
    for (std::size_t i = 0; i < outlines.size(); ++i) {
        if (holder[i] != outlines.size()) {
            parts[partOf[holder[i]]].outlines.push_back(outlines[i]);
            if (!holds(outlines[holder[i]], extents[holder[i]], outlines[i], extents[i])) {
                crossing[partOf[holder[i]] - first].push_back(&outlines[i]);
            }
        }
    }
    for (std::size_t k = first; k < parts.size(); ++k) {
        parts[k].footprint = footprintOf(parts[k].outlines.front(), crossing[k - first]);
        parts[k].extent = extentOf(parts[k].footprint);
    }
}

}  // namespace

std::vector<RigidPart> rigidParts(const EpsDrawing& drawing) {
    std::vector<RigidPart> parts;
    for (std::size_t group = 0; group < drawing.partCount(); ++group) {
        splitGroup(drawing, group, parts);
    }
    return parts;
}

std::vector<RigidPart> rigidPartsOf(const EpsDrawing& drawing, std::size_t part) {
    std::vector<RigidPart> parts;
    splitGroup(drawing, part, parts);
    return parts;
}

}  // namespace tessaro
