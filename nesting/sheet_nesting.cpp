#include "nesting/sheet_nesting.h"

#include <boost/geometry.hpp>
#include <boost/geometry/geometries/multi_point.hpp>
#include <boost/geometry/geometries/point_xy.hpp>
#include <boost/geometry/geometries/ring.hpp>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <map>
#include <string>
#include <string_view>

#include "drawing/clipper_units.h"
#include "drawing/rigid_parts.h"
#include "nesting/clearance.h"
#include "nesting/nfp_placement.h"
#include "output/number_text.h"

namespace tessaro {
namespace {

// Ten micrometres more between the pieces than asked, so that rounding to the unit, the
// library's turning and the body's six decimals never bring two closer than the gap.
constexpr double kRoundingAllowance = 0.01;
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
// micrometre wide and high, well within the rounding allowance.
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

std::string millimetres(double value) { return fixedText(value, 3, TrailingZeros::Dropped); }

// The piece as the user knows it, from its part of the drawing: "the front panel".
std::string pieceName(const RigidPart& part) {
    static constexpr std::string_view kPanels[] = {"front", "rear", "left side", "right side", "side"};
    const bool panel = std::find(std::begin(kPanels), std::end(kPanels), part.name) != std::end(kPanels);
    const std::string name = "the " + part.name + (panel ? " panel" : "");
    return part.fromStock ? "the cut-outs of " + name : name;
}

void refuseIfTooLarge(const std::vector<RigidPart>& parts, SheetSize sheet, double spacing, double gap) {
    const double width = sheet.width - 2 * spacing;
    const double height = sheet.height - 2 * spacing;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const Extent& e = parts[i].extent;
        const bool fits = (e.width() <= width && e.height() <= height) || (e.height() <= width && e.width() <= height);
        if (!fits) {
            throw PartTooLarge("Part " + std::to_string(i + 1) + " (" + pieceName(parts[i]) + ", " +
                               millimetres(e.width()) + " x " + millimetres(e.height()) + " mm) does not fit on a " +
                               millimetres(sheet.width) + " x " + millimetres(sheet.height) +
                               " mm sheet with a gap of " + millimetres(gap) + " mm, turned or not");
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

struct PlacedPart {
    std::string name;
    bool fromStock;
    std::size_t sheet;
    std::vector<DrawnOutline> outlines;
    DrawnOutline footprint;
    std::vector<DrawnOutline> engraved;
};

DrawnOutline moved(const DrawnOutline& outline, const Extent& from, int quarterTurns, Point offset) {
    DrawnOutline placed;
    for (const Point p : outline) {
        placed.push_back(placedPoint(p, from, quarterTurns, offset));
    }
    return placed;
}

PlacedPart placedPart(const RigidPart& part, const NfpPlacement& placement) {
    const Point offset{millimetresOf(placement.offset.x), millimetresOf(placement.offset.y)};
    PlacedPart placed{part.name,
                      part.fromStock,
                      static_cast<std::size_t>(placement.sheet),
                      {},
                      moved(part.footprint, part.extent, placement.quarterTurns, offset),
                      {}};
    for (const DrawnOutline& outline : part.outlines) {
        placed.outlines.push_back(moved(outline, part.extent, placement.quarterTurns, offset));
    }
    for (const DrawnOutline& line : part.engraved) {
        placed.engraved.push_back(moved(line, part.extent, placement.quarterTurns, offset));
    }
    return placed;
}

// The library tries a piece unturned before it turns it, and drops one that does not fit
// so; a piece that only fits turned is handed over turned.
RigidPart turnedToFit(const RigidPart& part, SheetSize sheet, double spacing) {
    if (part.extent.width() + 2 * spacing <= sheet.width && part.extent.height() + 2 * spacing <= sheet.height) {
        return part;
    }
    RigidPart turned{part.name, {}, part.fromStock, {}, {}, {}};
    for (const DrawnOutline& outline : part.outlines) {
        turned.outlines.push_back(moved(outline, part.extent, 1, {0, 0}));
    }
    for (const DrawnOutline& line : part.engraved) {
        turned.engraved.push_back(moved(line, part.extent, 1, {0, 0}));
    }
    turned.footprint = moved(part.footprint, part.extent, 1, {0, 0});
    for (const Point p : turned.footprint) {
        turned.extent.include(p);
    }
    return turned;
}

std::vector<PlacedPart> placedParts(const std::vector<RigidPart>& parts, const std::vector<NfpPlacement>& placements) {
    std::vector<PlacedPart> placed;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (placements[i].sheet < 0) {
            throw DrawingError("Part " + std::to_string(i + 1) + " could not be placed on a sheet");
        }
        placed.push_back(placedPart(parts[i], placements[i]));
    }
    return placed;
}

// Every outline inside its sheet, the gap from the edge, and every piece the gap from
// every other piece on the sheet.
bool isSound(const std::vector<PlacedPart>& placed, SheetSize sheet, double gap) {
    const auto onSheet = [&](const DrawnOutline& outline) {
        return std::all_of(outline.begin(), outline.end(), [&](Point p) {
            return p.x >= gap && p.y >= gap && p.x <= sheet.width - gap && p.y <= sheet.height - gap;
        });
    };
    std::map<std::size_t, std::vector<const DrawnOutline*>> outersBySheet;
    for (const PlacedPart& part : placed) {
        if (!onSheet(part.footprint) || !std::all_of(part.outlines.begin(), part.outlines.end(), onSheet)) {
            return false;
        }
        outersBySheet[part.sheet].push_back(&part.footprint);
    }
    return std::all_of(outersBySheet.begin(), outersBySheet.end(),
                       [gap](const auto& onSheet) { return keptApart(onSheet.second, gap); });
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

// By the real outlines first, so a piece may sit in another's notch; where that placement
// is not sound every piece is nested by its hull, and that placement is checked too.
std::vector<PlacedPart> nestParts(const std::vector<RigidPart>& drawn, SheetSize sheet, double spacing, double gap,
                                  const NestingStop& stop) {
    std::vector<RigidPart> parts;
    std::vector<std::vector<UnitPoint>> outlines;
    for (const RigidPart& part : drawn) {
        parts.push_back(turnedToFit(part, sheet, spacing));
        if (parts.back().footprint.size() > kMostFootprintPoints) {
            parts.back().footprint = coarseFootprint(parts.back());
        } else if (!(enclosedArea(parts.back().footprint) > kLeastFootprintArea)) {
            parts.back().footprint = boxWithRoom(parts.back().extent);
        }
        outlines.push_back(unitOutline(parts.back()));
    }
    const UnitPoint sheetUnits{units(sheet.width), units(sheet.height)};
    Deadline deadline(stop);
    const std::function<bool()> stopping = [&deadline] { return deadline(); };
    try {
        std::vector<PlacedPart> placed =
            placedParts(parts, placeOnSheets(outlines, sheetUnits, units(spacing), NestedBy::RealOutlines, stopping));
        if (isSound(placed, sheet, gap)) {
            return placed;
        }
    } catch (const DrawingError&) {
    }
    deadline.refuseIfStopped();
    const std::vector<NfpPlacement> placements =
        placeOnSheets(outlines, sheetUnits, units(spacing), NestedBy::ConvexHulls, stopping);
    deadline.refuseIfStopped();
    std::vector<PlacedPart> placed = placedParts(parts, placements);
    if (!isSound(placed, sheet, gap)) {
        throw DrawingError("The nesting put a part off its sheet or nearer than " + millimetres(gap) +
                           " mm to another, so nothing is written: try another sheet size or gap");
    }
    return placed;
}

// The template's header with the bounding box of the sheet's own pieces, in points; each
// piece a part of its own, its outlines in their roles.
Drawing sheetDrawing(const DrawingHeader& header, const std::vector<const PlacedPart*>& parts) {
    Drawing sheet;
    Extent extent;
    for (const PlacedPart* part : parts) {
        for (std::size_t o = 0; o < part->outlines.size(); ++o) {
            const DrawnOutline& outline = part->outlines[o];
            // A piece of the stock has no outer cut: its outlines are all cut out of the sheet.
            const bool outer = o == 0 && !part->fromStock;
            sheet.beginOutline(outline.front(), outer ? OutlineRole::OuterCut : OutlineRole::InnerCut);
            for (std::size_t i = 1; i < outline.size(); ++i) {
                sheet.lineTo(outline[i]);
            }
            for (const Point p : outline) {
                extent.include(p);
            }
        }
        for (const DrawnOutline& line : part->engraved) {
            sheet.beginOutline(line.front(), OutlineRole::Engrave);
            for (std::size_t i = 1; i < line.size(); ++i) {
                sheet.lineTo(line[i]);
            }
        }
        sheet.endPart(part->name);
    }
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

}  // namespace

std::vector<Drawing> nestOntoSheets(const Drawing& drawing, SheetSize sheet, double gap, const NestingStop& stop) {
    refuseBadSheet(sheet, gap);
    const std::vector<RigidPart> parts = rigidParts(drawing);
    const double spacing = gap + kRoundingAllowance;
    refuseIfTooLarge(parts, sheet, spacing, gap);
    const std::vector<PlacedPart> placed = nestParts(parts, sheet, spacing, gap, stop);

    std::size_t sheetCount = 1;
    for (const PlacedPart& part : placed) {
        sheetCount = std::max(sheetCount, part.sheet + 1);
    }
    std::vector<Drawing> sheets;
    for (std::size_t s = 0; s < sheetCount; ++s) {
        std::vector<const PlacedPart*> onSheet;
        for (const PlacedPart& part : placed) {
            if (part.sheet == s) {
                onSheet.push_back(&part);
            }
        }
        sheets.push_back(sheetDrawing(drawing.header, onSheet));
    }
    return sheets;
}

}  // namespace tessaro
