#include "assembly/joint_play.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include "assembly/panel_geometry.h"
#include "assembly/region_units.h"
#include "assembly/region_window.h"
#include "drawing/clipper_operations.h"
#include "drawing/clipper_units.h"

namespace tessaro {
namespace {

// Less common area than this is a piece touching an opening's edge, not going in.
constexpr double kLeastShare = 1e-6;  // square millimetres
// The span a side is measured over stops this short of the shared span's ends, so that
// the walls the piece meets end-on are not taken for the walls beside it.
constexpr double kSpanMargin = 1e-4;
// How far past the holder a strip reaches, to be sure it holds every wall ahead.
constexpr double kBeyond = 1;

ClipperLib::Path rectangleOf(const Extent& e) {
    return {clipperPoint({e.minX, e.minY}), clipperPoint({e.maxX, e.minY}), clipperPoint({e.maxX, e.maxY}),
            clipperPoint({e.minX, e.maxY})};
}

// How far a point lies along the axis direction.
double ahead(Point p, Point direction) { return p.x * direction.x + p.y * direction.y; }

struct Run {
    double from = 0;
    double to = 0;
    [[nodiscard]] double length() const { return to - from; }
};

double low(const Extent& e, bool alongX) { return alongX ? e.minX : e.minY; }
double high(const Extent& e, bool alongX) { return alongX ? e.maxX : e.maxY; }

// The run along one axis of the rectangle over which its whole width across lies in the
// opening: the one through `at`, or the longest when `at` is blocked.
std::optional<Run> clearRun(const PanelRegion& opening, const Extent& rectangle, bool alongX, double at) {
    const ClipperLib::Paths blocked = combined({rectangleOf(rectangle)}, pathsOf(opening), ClipperLib::ctDifference);
    std::vector<Run> walls;
    for (const ClipperLib::Path& path : blocked) {
        Extent e;
        for (const ClipperLib::IntPoint& p : path) {
            e.include(pointOf(p));
        }
        walls.push_back({low(e, alongX), high(e, alongX)});
    }
    std::sort(walls.begin(), walls.end(), [](const Run& a, const Run& b) { return a.from < b.from; });
    std::optional<Run> chosen;
    double from = low(rectangle, alongX);
    const auto holdsAt = [at](const Run& run) { return run.from <= at && at <= run.to; };
    const auto consider = [&](Run run) {
        if (run.length() > 0 && (!chosen || holdsAt(run) || (!holdsAt(*chosen) && run.length() > chosen->length()))) {
            chosen = run;
        }
    };
    for (const Run& wall : walls) {
        consider({from, wall.from});
        from = std::max(from, wall.to);
    }
    consider({from, high(rectangle, alongX)});
    return chosen;
}

Extent withRun(Extent e, bool alongX, const Run& run) {
    (alongX ? e.minX : e.minY) = run.from;
    (alongX ? e.maxX : e.maxY) = run.to;
    return e;
}

// The rectangle of the piece that lies clear in the opening around `at`: the run of one
// axis along a line through it, the other axis's run over that, then the first's again.
std::optional<Extent> clearAround(const PanelRegion& opening, const Extent& piece, Point at, bool firstAlongX) {
    const bool a = firstAlongX;
    const auto coordinate = [&](bool alongX) { return alongX ? at.x : at.y; };
    const Run line{coordinate(!a) - kSpanMargin, coordinate(!a) + kSpanMargin};
    const std::optional<Run> first = clearRun(opening, withRun(piece, !a, line), a, coordinate(a));
    if (!first) {
        return std::nullopt;
    }
    const std::optional<Run> second = clearRun(opening, withRun(piece, a, *first), !a, coordinate(!a));
    if (!second) {
        return std::nullopt;
    }
    const std::optional<Run> again = clearRun(opening, withRun(piece, !a, *second), a, coordinate(a));
    if (!again) {
        return std::nullopt;
    }
    return withRun(withRun(piece, a, *again), !a, *second);
}

double rectangleArea(const Extent& e) { return e.width() * e.height(); }

// Of the two ways round, the larger clear rectangle: a notch beside the middle of a
// piece must not pass for the opening's width, nor a wall it overlaps for an end.
std::optional<Extent> clearThrough(const PanelRegion& opening, const Extent& piece, Point at) {
    const std::optional<Extent> acrossFirst = clearAround(opening, piece, at, true);
    const std::optional<Extent> alongFirst = clearAround(opening, piece, at, false);
    if (!acrossFirst || !alongFirst) {
        return acrossFirst ? acrossFirst : alongFirst;
    }
    return rectangleArea(*acrossFirst) >= rectangleArea(*alongFirst) ? acrossFirst : alongFirst;
}

Point middleOf(const Extent& e) { return {(e.minX + e.maxX) / 2, (e.minY + e.maxY) / 2}; }

// The strip from the middle of the clear span outwards in `direction`, past the holder,
// as wide as the clear span across it.
Extent stripAhead(const Extent& clear, const Extent& holder, Point direction) {
    const bool alongX = std::abs(direction.x) > 0.5;
    Extent strip = clear;
    double& from = alongX ? (direction.x > 0 ? strip.minX : strip.maxX) : (direction.y > 0 ? strip.minY : strip.maxY);
    double& to = alongX ? (direction.x > 0 ? strip.maxX : strip.minX) : (direction.y > 0 ? strip.maxY : strip.minY);
    from = alongX ? middleOf(clear).x : middleOf(clear).y;
    to = alongX ? (direction.x > 0 ? holder.maxX + kBeyond : holder.minX - kBeyond)
                : (direction.y > 0 ? holder.maxY + kBeyond : holder.minY - kBeyond);
    (alongX ? strip.minY : strip.minX) += kSpanMargin;
    (alongX ? strip.maxY : strip.maxX) -= kSpanMargin;
    return strip;
}

double roomTowards(const PanelRegion& holder, const PieceInOpening& piece, Point direction) {
    double nearest = std::numeric_limits<double>::infinity();
    for (const PanelRegion& wall : piecesWithin(holder, stripAhead(piece.clear, extentOf(holder), direction))) {
        for (const RegionContour& contour : wall.contours) {
            for (const Point p : contour.points) {
                nearest = std::min(nearest, ahead(p, direction));
            }
        }
    }
    const Extent& e = piece.piece;
    const double face = std::max({ahead({e.minX, e.minY}, direction), ahead({e.maxX, e.maxY}, direction)});
    return nearest - face;
}

}  // namespace

std::optional<PieceInOpening> openingTaking(const std::vector<PanelRegion>& openings, const Extent& piece) {
    std::optional<std::size_t> taken;
    double most = kLeastShare;
    Extent shared;
    for (std::size_t i = 0; i < openings.size(); ++i) {
        const ClipperLib::Paths common =
            combined(pathsOf(openings[i]), {rectangleOf(piece)}, ClipperLib::ctIntersection);
        const double area = areaOf(common);
        Extent extent;
        for (const ClipperLib::Path& path : common) {
            for (const ClipperLib::IntPoint& p : path) {
                extent.include(pointOf(p));
            }
        }
        if (area > most) {
            most = area;
            taken = i;
            shared = extent;
        }
    }
    if (!taken) {
        return std::nullopt;
    }
    // Measured from the piece's middle, or, where that lies in the holder's material,
    // from the middle of what it shares with the opening.
    const PanelRegion& opening = openings[*taken];
    std::optional<Extent> clear = clearThrough(opening, piece, middleOf(piece));
    if (!clear) {
        clear = clearThrough(opening, piece, middleOf(shared));
    }
    return PieceInOpening{piece, *taken, clear.value_or(shared)};
}

Play playOf(const PanelRegion& holder, const PieceInOpening& piece, Point lowSide) {
    return {roomTowards(holder, piece, lowSide), roomTowards(holder, piece, {-lowSide.x, -lowSide.y})};
}

}  // namespace tessaro
