#include "nesting/nfp_placement.h"

#include <libnest2d/libnest2d.hpp>

#include <cmath>

namespace tessaro {
namespace {

constexpr double kQuarterTurn = 1.5707963267948966;

libnest2d::Item itemOf(const std::vector<UnitPoint>& outline) {
    libnest2d::PolygonImpl shape;
    for (const UnitPoint p : outline) {
        shape.Contour.push_back({p.x, p.y});
    }
    if (shape.Contour.front() != shape.Contour.back()) {
        shape.Contour.push_back(shape.Contour.front());
    }
    // The library's no-fit polygons are right for convex shapes only: a piece is nested by
    // the hull of its outline, so no other piece can reach into a notch and overlap it.
    // The library takes its outlines clockwise.
    if (ClipperLib::Orientation(shape.Contour)) {
        ClipperLib::ReversePath(shape.Contour);
    }
    return libnest2d::Item(libnest2d::shapelike::convexHull(shape));
}

int quarterTurnsOf(const libnest2d::Item& item) {
    const long turns = std::lround(static_cast<double>(item.rotation()) / kQuarterTurn);
    return static_cast<int>(((turns % 4) + 4) % 4);
}

}  // namespace

std::vector<NfpPlacement> placeOnSheets(const std::vector<std::vector<UnitPoint>>& outlines, UnitPoint sheet,
                                        std::int64_t spacing) {
    std::vector<libnest2d::Item> items;
    for (const auto& outline : outlines) {
        items.push_back(itemOf(outline));
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
    libnest2d::nest(items, bin, 2 * half, config);

    std::vector<NfpPlacement> placements;
    for (const libnest2d::Item& item : items) {
        placements.push_back({item.binId(), quarterTurnsOf(item), {item.translation().X, item.translation().Y}});
    }
    return placements;
}

}  // namespace tessaro
