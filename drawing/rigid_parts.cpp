#include "drawing/rigid_parts.h"

#include <polyclipping/clipper.hpp>

#include <algorithm>
#include <cmath>
#include <span>

#include "drawing/clipper_units.h"

namespace tessaro {
namespace {

double enclosedArea(const DrawnOutline& outline) {
    double twice = 0;
    for (std::size_t i = 0; i < outline.size(); ++i) {
        const Point a = outline[i];
        const Point b = outline[(i + 1) % outline.size()];
        twice += a.x * b.y - b.x * a.y;
    }
    return std::abs(twice) / 2;
}

}  // namespace

bool holdsPoint(const DrawnOutline& outline, Point p) {
    bool inside = false;
    for (std::size_t i = 0, j = outline.size() - 1; i < outline.size(); j = i++) {
        const Point a = outline[i];
        const Point b = outline[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x) {
            inside = !inside;
        }
    }
    return inside;
}

namespace {

bool extentsMeet(const Extent& a, const Extent& b) {
    return a.minX <= b.maxX && b.minX <= a.maxX && a.minY <= b.maxY && b.minY <= a.maxY;
}

double turnOf(Point a, Point b, Point c) { return (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x); }

bool segmentsCross(Point a, Point b, Point c, Point d) {
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

// The outer outline united with the outlines that cross it; the outer outline itself
// where none does, or where the union cannot be had.
DrawnOutline footprintOf(const DrawnOutline& outer, const std::vector<const DrawnOutline*>& crossing) {
    if (crossing.empty()) {
        return outer;
    }
    ClipperLib::Paths united;
    try {
        ClipperLib::Clipper clipper;
        clipper.AddPath(clipperPath(outer), ClipperLib::ptSubject, true);
        for (const DrawnOutline* outline : crossing) {
            clipper.AddPath(clipperPath(*outline), ClipperLib::ptClip, true);
        }
        clipper.Execute(ClipperLib::ctUnion, united, ClipperLib::pftNonZero, ClipperLib::pftNonZero);
    } catch (const ClipperLib::clipperException&) {
        united.clear();
    }
    const auto largest = std::max_element(united.begin(), united.end(), [](const auto& a, const auto& b) {
        return std::abs(ClipperLib::Area(a)) < std::abs(ClipperLib::Area(b));
    });
    if (largest == united.end()) {
        return outer;
    }
    DrawnOutline footprint;
    for (const ClipperLib::IntPoint& p : *largest) {
        footprint.push_back(pointOf(p));
    }
    footprint.push_back(footprint.front());
    return footprint;
}

DrawnOutline rectangleAround(const Extent& e) {
    return {{e.minX, e.minY}, {e.maxX, e.minY}, {e.maxX, e.maxY}, {e.minX, e.maxY}, {e.minX, e.minY}};
}

struct CutOf {
    DrawnOutline points;
    Extent extent;
    double area = 0;
};

// The largest outer cut that holds the inner cut, or else the largest it crosses; none: -1.
std::ptrdiff_t outerCutTaking(const std::vector<CutOf>& outers, const CutOf& inner, bool& crossing) {
    std::ptrdiff_t best = -1;
    for (std::size_t j = 0; j < outers.size(); ++j) {
        if (holds(outers[j].points, outers[j].extent, inner.points, inner.extent) &&
            (best < 0 || outers[j].area > outers[static_cast<std::size_t>(best)].area)) {
            best = static_cast<std::ptrdiff_t>(j);
        }
    }
    crossing = false;
    if (best >= 0) {
        return best;
    }
    for (std::size_t j = 0; j < outers.size(); ++j) {
        if (outers[j].area > inner.area && extentsMeet(outers[j].extent, inner.extent) &&
            crosses(inner.points, outers[j].points) &&
            (best < 0 || outers[j].area > outers[static_cast<std::size_t>(best)].area)) {
            best = static_cast<std::ptrdiff_t>(j);
        }
    }
    crossing = best >= 0;
    return best;
}

void splitPart(const Drawing& drawing, std::size_t part, std::vector<RigidPart>& parts) {
    std::vector<CutOf> outers;
    std::vector<CutOf> inners;
    std::vector<CutOf> engraved;
    const Part range = drawing.part(part);
    for (std::size_t i = range.firstOutline; i < range.endOutline; ++i) {
        const Outline outline = drawing.outline(i);
        if (outline.role == OutlineRole::Mark) {
            continue;
        }
        CutOf cut{{outline.points.begin(), outline.points.end()}, extentOf(outline.points), 0};
        cut.area = enclosedArea(cut.points);
        (outline.role == OutlineRole::OuterCut  ? outers
         : outline.role == OutlineRole::Engrave ? engraved
                                                : inners)
            .push_back(std::move(cut));
    }
    const std::size_t first = parts.size();
    std::vector<std::vector<const DrawnOutline*>> crossing(outers.size());
    for (const CutOf& outer : outers) {
        parts.push_back({std::string(range.name), {outer.points}, false, {}, {}, {}});
    }
    RigidPart stock;
    stock.name = range.name;
    Extent stockExtent;
    // Each inner cut, then each engraved line, goes with the piece that takes it; only a
    // cut across the edge widens the piece's footprint.
    for (const auto& [cuts, list] :
         {std::pair{&inners, &RigidPart::outlines}, std::pair{&engraved, &RigidPart::engraved}}) {
        for (const CutOf& cut : *cuts) {
            bool crossesEdge = false;
            const std::ptrdiff_t taker = outerCutTaking(outers, cut, crossesEdge);
            if (taker < 0) {
                (stock.*list).push_back(cut.points);
                stockExtent.include(cut.extent);
                continue;
            }
            const auto k = static_cast<std::size_t>(taker);
            (parts[first + k].*list).push_back(cut.points);
            if (crossesEdge && list == &RigidPart::outlines) {
                crossing[k].push_back(&cut.points);
            }
        }
    }
    for (std::size_t k = 0; k < outers.size(); ++k) {
        RigidPart& piece = parts[first + k];
        piece.footprint = footprintOf(piece.outlines.front(), crossing[k]);
        piece.extent = extentOf(piece.footprint);
    }
    if (!stock.outlines.empty() || !stock.engraved.empty()) {
        stock.fromStock = true;
        stock.footprint = rectangleAround(stockExtent);
        stock.extent = stockExtent;
        parts.push_back(std::move(stock));
    }
}

}  // namespace

std::vector<RigidPart> rigidParts(const Drawing& drawing) {
    std::vector<RigidPart> parts;
    for (std::size_t part = 0; part < drawing.partCount(); ++part) {
        splitPart(drawing, part, parts);
    }
    return parts;
}

std::vector<RigidPart> rigidPartsOf(const Drawing& drawing, std::size_t part) {
    std::vector<RigidPart> parts;
    splitPart(drawing, part, parts);
    return parts;
}

}  // namespace tessaro
