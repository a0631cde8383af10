#include "nesting/nfp_placement.h"

#include <libnest2d/libnest2d.hpp>

#include <cmath>

// The library's no-fit polygons are right for convex shapes only, and it has no other.
// Here every pair gets the exact one, the Minkowski sum of the stationary outline and the
// mirrored orbiting one, so a piece may reach into another's notch.
namespace libnest2d::nfp {

template <>
struct MaxNfpLevel<PolygonImpl> {
    static const NfpLevel value = NfpLevel::BOTH_CONCAVE;
};

template <NfpLevel level>
struct NfpImpl<PolygonImpl, level> {
    NfpResult<PolygonImpl> operator()(const PolygonImpl& stationary, const PolygonImpl& orbiter) {
        ClipperLib::Path mirrored;
        for (const ClipperLib::IntPoint& p : orbiter.Contour) {
            mirrored.push_back({-p.X, -p.Y});
        }
        ClipperLib::Paths sums;
        ClipperLib::MinkowskiSum(mirrored, stationary.Contour, sums, true);
        // The outer outline of the sum; the holes are where the orbiter would sit inside the stationary piece.
        PolygonImpl nfp;
        double largest = 0;
        for (const ClipperLib::Path& path : sums) {
            if (std::abs(ClipperLib::Area(path)) > largest) {
                largest = std::abs(ClipperLib::Area(path));
                nfp.Contour = path;
            }
        }
        if (ClipperLib::Orientation(nfp.Contour)) {
            ClipperLib::ReversePath(nfp.Contour);
        }
        if (!nfp.Contour.empty()) {
            nfp.Contour.push_back(nfp.Contour.front());
        }
        // The placer moves the orbiter by its top right vertex and puts the polygon where that
        // vertex is when the orbiter's bottom left touches the stationary piece's top right.
        const PointImpl reference = rightmostUpVertex(orbiter);
        shapelike::translate(nfp, reference);
        return {nfp, reference + rightmostUpVertex(stationary) - leftmostDownVertex(orbiter)};
    }
};

}  // namespace libnest2d::nfp

namespace tessaro {
namespace {

constexpr double kQuarterTurn = 1.5707963267948966;

// An outline that crosses itself has no inside the no-fit polygons could keep apart.
bool isSimple(const ClipperLib::Path& contour) {
    ClipperLib::Paths simple;
    ClipperLib::SimplifyPolygon(contour, simple);
    return simple.size() == 1 && std::abs(ClipperLib::Area(simple.front())) == std::abs(ClipperLib::Area(contour));
}

libnest2d::Item itemOf(const std::vector<UnitPoint>& outline, NestedBy nestedBy) {
    libnest2d::PolygonImpl shape;
    for (const UnitPoint p : outline) {
        shape.Contour.push_back({p.x, p.y});
    }
    if (shape.Contour.front() != shape.Contour.back()) {
        shape.Contour.push_back(shape.Contour.front());
    }
    // The library takes its outlines clockwise.
    if (ClipperLib::Orientation(shape.Contour)) {
        ClipperLib::ReversePath(shape.Contour);
    }
    if (nestedBy == NestedBy::RealOutlines && isSimple(shape.Contour)) {
        return libnest2d::Item(shape);
    }
    return libnest2d::Item(libnest2d::shapelike::convexHull(shape));
}

int quarterTurnsOf(const libnest2d::Item& item) {
    const long turns = std::lround(static_cast<double>(item.rotation()) / kQuarterTurn);
    return static_cast<int>(((turns % 4) + 4) % 4);
}

}  // namespace

std::vector<NfpPlacement> placeOnSheets(const std::vector<std::vector<UnitPoint>>& outlines, UnitPoint sheet,
                                        std::int64_t spacing, NestedBy nestedBy, const std::function<bool()>& stop) {
    std::vector<libnest2d::Item> items;
    for (const auto& outline : outlines) {
        items.push_back(itemOf(outline, nestedBy));
    }
    // The library keeps half the spacing around every piece; the sheet loses the other half at its edge.
    const std::int64_t half = (spacing + 1) / 2;
    const libnest2d::Box bin({half, half}, {sheet.x - half, sheet.y - half});
    libnest2d::NestConfig<libnest2d::NfpPlacer, libnest2d::FirstFitSelection> config;
    auto& placement = config.placer_config;
    placement.rotations = {0.0, kQuarterTurn, 2 * kQuarterTurn, 3 * kQuarterTurn};
    placement.alignment = libnest2d::NfpPlacer::Config::Alignment::BOTTOM_LEFT;
    placement.starting_point = libnest2d::NfpPlacer::Config::Alignment::BOTTOM_LEFT;
    // Threads would contend with the rest of the machine for little gain on a few pieces.
    placement.parallel = false;
    libnest2d::nest(items, bin, 2 * half, config, libnest2d::NestControl(stop));

    std::vector<NfpPlacement> placements;
    for (const libnest2d::Item& item : items) {
        placements.push_back({item.binId(), quarterTurnsOf(item), {item.translation().X, item.translation().Y}});
    }
    return placements;
}

}  // namespace tessaro
