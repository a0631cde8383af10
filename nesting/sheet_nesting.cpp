#include "nesting/sheet_nesting.h"

#include <boost/geometry.hpp>
#include <boost/geometry/geometries/multi_point.hpp>
#include <boost/geometry/geometries/point_xy.hpp>
#include <boost/geometry/geometries/ring.hpp>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "drawing/clipper_units.h"
#include "drawing/rigid_parts.h"
#include "nesting/clearance.h"
#include "nesting/nfp_placement.h"
#include "output/number_text.h"

namespace tessaro {
namespace {

std::int64_t units(double millimetres) { return clipperUnits(millimetres); }

// The placer's no-fit polygons, Clipper's simplification and the clearance check grow
// with the product of two pieces' points: a finer footprint is nested by its convex hull,
// and a finer hull by its extent's rectangle.
constexpr std::size_t kMostFootprintPoints = 2000;

DrawnOutline coarseFootprint(const RigidPart& part) {
    namespace bg = boost::geometry;
    using BoostPoint = bg::model::d2::point_xy<double>;
    bg::model::multi_point<BoostPoint> points;
    for (const Point p : part.footprint) {
        points.emplace_back(p.x, p.y);
    }
    bg::model::ring<BoostPoint> hull;
    bg::convex_hull(points, hull);
    if (hull.size() > kMostFootprintPoints || hull.size() < 4) {
        const Extent& e = part.extent;
        return {{e.minX, e.minY}, {e.maxX, e.minY}, {e.maxX, e.maxY}, {e.minX, e.maxY}, {e.minX, e.minY}};
    }
    DrawnOutline footprint;
    for (const BoostPoint& p : hull) {
        footprint.push_back({p.x(), p.y()});
    }
    return footprint;
}

// A cut of one line or a few points in line encloses nothing: the placer's no-fit
// polygons of it have no inside, and it loops over them. It is nested as a box at least a
// micrometre wide and high.
constexpr double kLeastFootprintArea = 1e-6;
constexpr double kLeastFootprintSide = 0.001;

double enclosedArea(const DrawnOutline& outline) {
    double twice = 0;
    for (std::size_t i = 0, j = outline.size() - 1; i < outline.size(); j = i++) {
        twice += outline[j].x * outline[i].y - outline[i].x * outline[j].y;
    }
    return std::abs(twice) / 2;
}

DrawnOutline boxWithRoom(const Extent& e) {
    const double right = std::max(e.maxX, e.minX + kLeastFootprintSide);
    const double top = std::max(e.maxY, e.minY + kLeastFootprintSide);
    return {{e.minX, e.minY}, {right, e.minY}, {right, top}, {e.minX, top}, {e.minX, e.minY}};
}

// The footprint in whole units, its extent's corner at the origin.
std::vector<UnitPoint> unitOutline(const RigidPart& part) {
    std::vector<UnitPoint> outline;
    for (const Point p : part.footprint) {
        outline.push_back({units(p.x - part.extent.minX), units(p.y - part.extent.minY)});
    }
    return outline;
}

// The footprint as the placer sees it, in whole units: a sliver thinner than one is a
// line to it, and the hull of a fine cut along one line is that line.
DrawnOutline inPlacersUnits(const RigidPart& part) {
    DrawnOutline outline;
    for (const UnitPoint p : unitOutline(part)) {
        outline.push_back({millimetresOf(p.x), millimetresOf(p.y)});
    }
    return outline;
}

std::string millimetres(double value) { return fixedText(value, 3, TrailingZeros::Dropped); }

// The piece as the user knows it, from its part of the drawing: "the front panel".
std::string pieceName(const RigidPart& part) {
    static constexpr std::string_view kPanels[] = {"front", "rear", "left side", "right side", "side"};
    const bool panel = std::find(std::begin(kPanels), std::end(kPanels), part.name) != std::end(kPanels);
    const std::string name = "the " + part.name + (panel ? " panel" : "");
    return part.fromStock ? "the cut-outs of " + name : name;
}

// Whether the extent, so turned, fits the sheet with the gap all round, in the whole
// units the placer works in.
bool fitsAsIs(const Extent& e, SheetSize sheet, double gap) {
    const std::int64_t margins = 2 * units(gap);
    return units(e.width()) + margins <= units(sheet.width) && units(e.height()) + margins <= units(sheet.height);
}

bool fitsTurned(const Extent& e, SheetSize sheet, double gap) {
    return fitsAsIs({e.minY, e.minX, e.maxY, e.maxX, e.empty}, sheet, gap);
}

PartTooLarge partThatDoesNotFit(std::size_t i, const RigidPart& part, SheetSize sheet, double gap, Turning turning) {
    const Extent& e = part.extent;
    return PartTooLarge("Part " + std::to_string(i + 1) + " (" + pieceName(part) + ", " + millimetres(e.width()) +
                        " x " + millimetres(e.height()) + " mm) does not fit on a " + millimetres(sheet.width) + " x " +
                        millimetres(sheet.height) + " mm sheet with a gap of " + millimetres(gap) + " mm" +
                        (turning == Turning::QuarterTurns ? ", turned or not" : ""));
}

void refuseIfTooLarge(const std::vector<RigidPart>& parts, SheetSize sheet, double gap, Turning turning) {
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const Extent& e = parts[i].extent;
        if (!fitsAsIs(e, sheet, gap) && (turning == Turning::None || !fitsTurned(e, sheet, gap))) {
            throw partThatDoesNotFit(i, parts[i], sheet, gap, turning);
        }
    }
}

// A quarter-turn rotation applied exactly, so a piece is moved and never redrawn.
Point placedPoint(Point p, const Extent& from, int quarterTurns, Point offset) {
    const double x = p.x - from.minX;
    const double y = p.y - from.minY;
    switch (quarterTurns) {
    case 1: return {offset.x - y, offset.y + x};
    case 2: return {offset.x - x, offset.y - y};
    case 3: return {offset.x + y, offset.y - x};
    default: return {offset.x + x, offset.y + y};
    }
}

DrawnOutline moved(const DrawnOutline& outline, const Extent& from, int quarterTurns, Point offset) {
    DrawnOutline placed;
    for (const Point p : outline) {
        placed.push_back(placedPoint(p, from, quarterTurns, offset));
    }
    return placed;
}

// The piece moved by the offset and turned; its footprint's extent stays the frame.
RigidPart movedPart(const RigidPart& part, int quarterTurns, Point offset) {
    RigidPart placed{part.name, {}, part.fromStock, moved(part.footprint, part.extent, quarterTurns, offset), {}};
    for (const PieceOutline& outline : part.outlines) {
        placed.outlines.push_back(
            {moved(outline.points, part.extent, quarterTurns, offset), outline.role, outline.index});
    }
    for (const Point p : placed.footprint) {
        placed.extent.include(p);
    }
    return placed;
}

// The library tries a piece unturned before it turns it, and drops one that does not fit
// so; a piece that only fits turned is handed over turned.
RigidPart turnedToFit(const RigidPart& part, SheetSize sheet, double gap) {
    return fitsAsIs(part.extent, sheet, gap) ? part : movedPart(part, 1, {0, 0});
}

struct PlacedPart {
    RigidPart piece;
    std::size_t sheet;
};

std::vector<PlacedPart> placedParts(const std::vector<RigidPart>& parts, const std::vector<NfpPlacement>& placements,
                                    SheetSize sheet, double gap, Turning turning) {
    std::vector<PlacedPart> placed;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const NfpPlacement& at = placements[i];
        if (at.sheet < 0) {
            throw partThatDoesNotFit(i, parts[i], sheet, gap, turning);
        }
        const Point offset{millimetresOf(at.offset.x), millimetresOf(at.offset.y)};
        placed.push_back({movedPart(parts[i], at.quarterTurns, offset), static_cast<std::size_t>(at.sheet)});
    }
    return placed;
}

bool cutsThrough(OutlineRole role) { return role == OutlineRole::OuterCut || role == OutlineRole::InnerCut; }

// Every cut inside its sheet, the gap from the edge, and every piece the gap from every
// other piece on the sheet, each less what rounding may take. Engraved lines and marks
// cut nothing and ride where their piece goes.
bool isSound(const std::vector<PlacedPart>& placed, SheetSize sheet, double gap) {
    const double least = gap - kGapRounding;
    const auto onSheet = [&](const DrawnOutline& outline) {
        return std::all_of(outline.begin(), outline.end(), [&](Point p) {
            return p.x >= least && p.y >= least && p.x <= sheet.width - least && p.y <= sheet.height - least;
        });
    };
    std::map<std::size_t, std::vector<const DrawnOutline*>> footprintsBySheet;
    for (const PlacedPart& part : placed) {
        if (!onSheet(part.piece.footprint) ||
            !std::all_of(part.piece.outlines.begin(), part.piece.outlines.end(), [&](const PieceOutline& outline) {
                return !cutsThrough(outline.role) || onSheet(outline.points);
            })) {
            return false;
        }
        footprintsBySheet[part.sheet].push_back(&part.piece.footprint);
    }
    return std::all_of(footprintsBySheet.begin(), footprintsBySheet.end(),
                       [least](const auto& onSheet) { return keptApart(onSheet.second, least); });
}

// Stops at the caller's word or when the nesting has run out of time.
class Deadline {
public:
    explicit Deadline(const NestingStop& stop)
        : stop_(stop), end_(std::chrono::steady_clock::now() + std::chrono::seconds(kMostNestingSeconds)) {}

    bool operator()() {
        askedToStop_ = askedToStop_ || (stop_ && stop_());
        ranOut_ = ranOut_ || std::chrono::steady_clock::now() > end_;
        return askedToStop_ || ranOut_;
    }

    [[nodiscard]] bool askedToStop() const { return askedToStop_; }

    void refuseIfStopped() const {
        if (askedToStop_) {
            throw NestingStopped("The nesting was stopped");
        }
        if (ranOut_) {
            throw NestingStopped("The nesting took longer than " + std::to_string(kMostNestingSeconds) +
                                 " seconds and was stopped: try a larger sheet, or fewer or coarser pieces");
        }
    }

private:
    const NestingStop& stop_;
    std::chrono::steady_clock::time_point end_;
    bool askedToStop_ = false;
    bool ranOut_ = false;
};

// A sound placement and what it costs: its sheets, then the area of the rectangles that
// hold each sheet's pieces (the less, the larger the offcuts).
struct Nesting {
    std::vector<PlacedPart> placed;
    std::size_t sheets = 0;
    double usedArea = 0;

    [[nodiscard]] bool betterThan(const Nesting& other) const {
        return sheets != other.sheets ? sheets < other.sheets : usedArea < other.usedArea;
    }
};

Nesting costOf(std::vector<PlacedPart> placed) {
    std::map<std::size_t, Extent> used;
    for (const PlacedPart& part : placed) {
        used[part.sheet].include(part.piece.extent);
    }
    Nesting nesting{std::move(placed), used.size(), 0};
    for (const auto& [sheet, extent] : used) {
        nesting.usedArea += extent.width() * extent.height();
    }
    return nesting;
}

// The ways tried, the library's own first. Of every order and pull, measured on the boxes,
// the bobbin and the test piece over common sheets, these six between them found the
// fewest sheets any found; the others only repeated them.
struct Way {
    PieceOrder order;
    Pull pull;
};
constexpr std::array kWays{
    Way{PieceOrder::ByArea, Pull::TowardsPile},    Way{PieceOrder::ByArea, Pull::IntoLeastBox},
    Way{PieceOrder::ByHeight, Pull::IntoLeastBox}, Way{PieceOrder::ByArea, Pull::TowardsCorner},
    Way{PieceOrder::ByArea, Pull::TowardsLeft},    Way{PieceOrder::ByHeight, Pull::TowardsCorner}};
// Every way costs the square of the pieces: beyond two templates' worth only the first is
// tried, so a drawing of many small pieces keeps within its time.
constexpr std::size_t kMostPiecesForEveryWay = 12;

// By the real outlines, so a piece may sit in another's notch, in every way there is time
// for; the fewest sheets and then the tightest is kept, the first of equals. Where none is
// sound every piece is nested by its hull, and that placement is checked too.
std::vector<PlacedPart> nestParts(const std::vector<RigidPart>& drawn, SheetSize sheet, double gap, Turning turning,
                                  const NestingStop& stop) {
    std::vector<RigidPart> parts;
    std::vector<std::vector<UnitPoint>> outlines;
    for (const RigidPart& part : drawn) {
        parts.push_back(turning == Turning::QuarterTurns ? turnedToFit(part, sheet, gap) : part);
        if (parts.back().footprint.size() > kMostFootprintPoints) {
            parts.back().footprint = coarseFootprint(parts.back());
        }
        if (!(enclosedArea(inPlacersUnits(parts.back())) > kLeastFootprintArea)) {
            parts.back().footprint = boxWithRoom(parts.back().extent);
        }
        outlines.push_back(unitOutline(parts.back()));
    }
    const UnitPoint sheetUnits{units(sheet.width), units(sheet.height)};
    Deadline deadline(stop);
    const std::function<bool()> stopping = [&deadline] { return deadline(); };
    NoFitPolygons noFitPolygons;
    std::optional<Nesting> best;
    const auto tryPlan = [&](const PlacementPlan& plan) -> std::optional<Nesting> {
        const std::vector<NfpPlacement> placements =
            placeOnSheets(outlines, sheetUnits, units(gap), plan, noFitPolygons, stopping);
        deadline.refuseIfStopped();
        Nesting nesting = costOf(placedParts(parts, placements, sheet, gap, turning));
        // Only a placement that would be kept is worth the check.
        if ((best && !nesting.betterThan(*best)) || !isSound(nesting.placed, sheet, gap)) {
            return std::nullopt;
        }
        return nesting;
    };
    const std::size_t ways = parts.size() <= kMostPiecesForEveryWay ? kWays.size() : 1;
    for (const Way way : std::span(kWays).first(ways)) {
        try {
            std::optional<Nesting> tried =
                tryPlan({NestedBy::RealOutlines, way.order, way.pull, turning == Turning::QuarterTurns});
            if (tried) {
                best = std::move(tried);
            }
        } catch (const NestingStopped&) {
            // Out of time after a sound placement: that one is kept.
            if (!best || deadline.askedToStop()) {
                throw;
            }
            break;
        } catch (const DrawingError&) {
            // A way that left a piece out is no way; the others, or the hulls, may place it.
        }
    }
    if (best) {
        return std::move(best->placed);
    }
    std::optional<Nesting> byHulls =
        tryPlan({NestedBy::ConvexHulls, PieceOrder::ByArea, Pull::TowardsPile, turning == Turning::QuarterTurns});
    if (!byHulls) {
        throw DrawingError("The nesting put a part off its sheet or nearer than " + millimetres(gap) +
                           " mm to another, so nothing is written: try another sheet size or gap");
    }
    return std::move(byHulls->placed);
}

// The template's header with the bounding box of the sheet's own pieces, in points; each
// piece a part of its own, its outlines in their roles.
Drawing sheetDrawing(const DrawingHeader& header, const std::vector<const PlacedPart*>& parts) {
    Drawing sheet;
    for (const PlacedPart* part : parts) {
        for (const PieceOutline& outline : part->piece.outlines) {
            sheet.beginOutline(outline.points.front(), outline.role);
            for (std::size_t i = 1; i < outline.points.size(); ++i) {
                sheet.lineTo(outline.points[i]);
            }
        }
        sheet.endPart(part->piece.name);
    }
    const Extent& extent = sheet.extent();
    sheet.header = header;
    sheet.header.left = extent.minX * kPointsPerMillimetre;
    sheet.header.bottom = extent.minY * kPointsPerMillimetre;
    sheet.header.right = extent.maxX * kPointsPerMillimetre;
    sheet.header.top = extent.maxY * kPointsPerMillimetre;
    return sheet;
}

// Sides beyond any machine bed would overflow the library's arithmetic.
constexpr double kLargestSide = 10000;

void refuseBadSheet(SheetSize sheet, double gap) {
    const auto usable = [](double side) { return std::isfinite(side) && side > 0 && side <= kLargestSide; };
    if (!usable(sheet.width) || !usable(sheet.height)) {
        throw DrawingError("A sheet's width and height must be more than 0 and at most " + millimetres(kLargestSide) +
                           " mm");
    }
    if (!std::isfinite(gap) || gap < 0 || gap > kLargestSide) {
        throw DrawingError("The gap between parts must be at least 0 and at most " + millimetres(kLargestSide) + " mm");
    }
}

bool endsDrawing(const PlacedPart& part, std::size_t lastOutline) {
    return !part.piece.outlines.empty() && part.piece.outlines.back().index == lastOutline;
}

}  // namespace

std::vector<Drawing> nestOntoSheets(const Drawing& drawing, SheetSize sheet, double gap, const NestingStop& stop,
                                    Turning turning) {
    refuseBadSheet(sheet, gap);
    const std::vector<RigidPart> parts = rigidParts(drawing);
    refuseIfTooLarge(parts, sheet, gap, turning);
    const std::vector<PlacedPart> placed = nestParts(parts, sheet, gap, turning, stop);

    // The DXF's open last outline is the template's own: its piece goes last, on the last sheet.
    const std::size_t lastOutline = drawing.outlineCount() - 1;
    std::size_t lastSheet = 0;
    std::size_t sheetCount = 1;
    for (const PlacedPart& part : placed) {
        sheetCount = std::max(sheetCount, part.sheet + 1);
        lastSheet = endsDrawing(part, lastOutline) ? part.sheet : lastSheet;
    }
    std::vector<std::size_t> sheetOrder;
    for (std::size_t s = 0; s < sheetCount; ++s) {
        if (s != lastSheet) {
            sheetOrder.push_back(s);
        }
    }
    sheetOrder.push_back(lastSheet);
    std::vector<Drawing> sheets;
    for (const std::size_t s : sheetOrder) {
        std::vector<const PlacedPart*> onSheet;
        const PlacedPart* ending = nullptr;
        for (const PlacedPart& part : placed) {
            if (part.sheet != s) {
                continue;
            }
            if (endsDrawing(part, lastOutline)) {
                ending = &part;
            } else {
                onSheet.push_back(&part);
            }
        }
        if (ending != nullptr) {
            onSheet.push_back(ending);
        }
        sheets.push_back(sheetDrawing(drawing.header, onSheet));
    }
    return sheets;
}

}  // namespace tessaro
