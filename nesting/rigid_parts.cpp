#include "nesting/rigid_parts.h"

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

// Outlines of one piece never cross, so one point and the extents decide.
bool holds(const DrawnOutline& outer, const Extent& outerExtent, const DrawnOutline& inner, const Extent& innerExtent) {
    return outer.size() > 2 && enclosedArea(outer) > enclosedArea(inner) && innerExtent.minX >= outerExtent.minX &&
           innerExtent.maxX <= outerExtent.maxX && innerExtent.minY >= outerExtent.minY &&
           innerExtent.maxY <= outerExtent.maxY && holdsPoint(outer, inner.front());
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
    std::vector<std::size_t> partOf(outlines.size());
    for (std::size_t i = 0; i < outlines.size(); ++i) {
        if (holder[i] == outlines.size()) {
            partOf[i] = parts.size();
            parts.push_back({{outlines[i]}, extents[i]});
        }
    }
    for (std::size_t i = 0; i < outlines.size(); ++i) {
        if (holder[i] != outlines.size()) {
            parts[partOf[holder[i]]].outlines.push_back(outlines[i]);
        }
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

}  // namespace tessaro
