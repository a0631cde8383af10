#include "drawing/rigid_parts.h"

#include <polyclipping/clipper.hpp>

#include <algorithm>
#include <cmath>
#include <span>
#include <string_view>
#include <utility>

#include "drawing/clipper_units.h"
#include "drawing/ring_area.h"

namespace tessaro {

const DrawnOutline* outerCutOf(const RigidPart& part) {
    for (const PieceOutline& outline : part.outlines) {
        if (outline.role == OutlineRole::OuterCut) {
            return &outline.points;
        }
    }
    return nullptr;
}

bool holdsPoint(std::span<const Point> outline, Point p) {
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
    return outer.size() > 2 && std::abs(signedArea(outer)) > std::abs(signedArea(inner)) &&
           innerExtent.minX >= outerExtent.minX && innerExtent.maxX <= outerExtent.maxX &&
           innerExtent.minY >= outerExtent.minY && innerExtent.maxY <= outerExtent.maxY &&
           holdsPoint(outer, inner.front()) && !crosses(inner, outer);
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

CutOf cutOf(const Outline& outline) {
    CutOf cut{{outline.points.begin(), outline.points.end()}, extentOf(outline.points), 0};
    cut.area = std::abs(signedArea(cut.points));
    return cut;
}

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

double distanceTo(const Extent& e, Point p) {
    return std::hypot(std::max({e.minX - p.x, 0.0, p.x - e.maxX}), std::max({e.minY - p.y, 0.0, p.y - e.maxY}));
}

// The largest outer cut that holds the mark, or else the nearest; none: -1. A mark is
// placed for the piece it is drawn on or beside.
std::ptrdiff_t outerCutNearest(const std::vector<CutOf>& outers, Point mark) {
    std::ptrdiff_t best = -1;
    double bestDistance = 0;
    for (std::size_t j = 0; j < outers.size(); ++j) {
        // Held marks rank by the area holding them, before every mark outside.
        const double distance = outers[j].points.size() > 2 && holdsPoint(outers[j].points, mark)
                                    ? -outers[j].area
                                    : distanceTo(outers[j].extent, mark);
        if (best < 0 || distance < bestDistance) {
            best = static_cast<std::ptrdiff_t>(j);
            bestDistance = distance;
        }
    }
    return best;
}

bool cutsThrough(OutlineRole role) { return role == OutlineRole::OuterCut || role == OutlineRole::InnerCut; }

// What is left on the stock is framed by its cuts; with no cuts, by what it marks.
RigidPart stockPiece(std::string_view name, std::vector<PieceOutline> outlines) {
    Extent cuts;
    Extent all;
    for (const PieceOutline& outline : outlines) {
        for (const Point p : outline.points) {
            all.include(p);
            if (cutsThrough(outline.role)) {
                cuts.include(p);
            }
        }
    }
    const Extent& frame = cuts.empty ? all : cuts;
    return {std::string(name), std::move(outlines), true, rectangleAround(frame), frame};
}

void splitPart(const Drawing& drawing, std::size_t part, std::vector<RigidPart>& parts) {
    const Part range = drawing.part(part);
    std::vector<CutOf> outers;
    for (std::size_t i = range.firstOutline; i < range.endOutline; ++i) {
        if (drawing.outline(i).role == OutlineRole::OuterCut) {
            outers.push_back(cutOf(drawing.outline(i)));
        }
    }
    std::vector<RigidPart> pieces(outers.size(), RigidPart{std::string(range.name), {}, false, {}, {}});
    // Per piece, the places in its outlines of the inner cuts that cross its edge.
    std::vector<std::vector<std::size_t>> crossing(outers.size());
    std::vector<PieceOutline> stock;
    std::size_t nextOuter = 0;
    for (std::size_t i = range.firstOutline; i < range.endOutline; ++i) {
        const Outline outline = drawing.outline(i);
        PieceOutline drawn{{outline.points.begin(), outline.points.end()}, outline.role, i};
        std::ptrdiff_t taker = -1;
        bool crossesEdge = false;
        switch (outline.role) {
        case OutlineRole::OuterCut: taker = static_cast<std::ptrdiff_t>(nextOuter++); break;
        case OutlineRole::Mark: taker = outerCutNearest(outers, outline.points.front()); break;
        case OutlineRole::InnerCut:
        case OutlineRole::Engrave: taker = outerCutTaking(outers, cutOf(outline), crossesEdge); break;
        }
        if (taker < 0) {
            stock.push_back(std::move(drawn));
            continue;
        }
        RigidPart& piece = pieces[static_cast<std::size_t>(taker)];
        // An engraved line across the edge marks the piece; it cuts no room around it.
        if (crossesEdge && outline.role == OutlineRole::InnerCut) {
            crossing[static_cast<std::size_t>(taker)].push_back(piece.outlines.size());
        }
        piece.outlines.push_back(std::move(drawn));
    }
    for (std::size_t k = 0; k < pieces.size(); ++k) {
        RigidPart& piece = pieces[k];
        std::vector<const DrawnOutline*> crossingCuts;
        for (const std::size_t at : crossing[k]) {
            crossingCuts.push_back(&piece.outlines[at].points);
        }
        piece.footprint = footprintOf(*outerCutOf(piece), crossingCuts);
        piece.extent = extentOf(piece.footprint);
        parts.push_back(std::move(piece));
    }
    if (!stock.empty()) {
        parts.push_back(stockPiece(range.name, std::move(stock)));
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
