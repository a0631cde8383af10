#include "assembly/band_pieces.h"

#include <algorithm>
#include <optional>

#include "assembly/region_window.h"

namespace tessaro {
namespace {

// Thinner layers are the rounding of the drawing's six decimals, not a depth of their own.
constexpr double kThinnestLayer = 1e-4;

double lowDepth(const Band& band) { return band.depthAlongX ? band.extent.minX : band.extent.minY; }
double highDepth(const Band& band) { return band.depthAlongX ? band.extent.maxX : band.extent.maxY; }

Extent layerOf(const Band& band, double from, double to) {
    Extent layer = band.extent;
    (band.depthAlongX ? layer.minX : layer.minY) = from;
    (band.depthAlongX ? layer.maxX : layer.maxY) = to;
    return layer;
}

// The depths at which the material's boundary turns, across the band and in order.
std::vector<double> depthsOf(const PanelRegion& material, const Band& band) {
    std::vector<double> depths{lowDepth(band), highDepth(band)};
    for (const RegionContour& contour : material.contours) {
        for (const Point p : contour.points) {
            depths.push_back(band.depthAlongX ? p.x : p.y);
        }
    }
    std::sort(depths.begin(), depths.end());
    depths.erase(std::unique(depths.begin(), depths.end()), depths.end());
    return depths;
}

struct Layers {
    double from = 0;
    double to = 0;
    std::size_t pieces = 0;
};

}  // namespace

std::vector<PanelRegion> piecesInBand(const PanelRegion& region, const Band& band) {
    const PanelRegion material = materialWithin(region, band.extent);
    const std::vector<double> depths = depthsOf(material, band);
    // The thickest run of neighbouring layers that hold as many pieces each.
    Layers best;
    std::optional<Layers> run;
    for (std::size_t i = 0; i + 1 < depths.size(); ++i) {
        const double from = depths[i];
        const double to = depths[i + 1];
        if (to - from < kThinnestLayer) {
            if (run) {
                run->to = to;
            }
            continue;
        }
        const std::size_t pieces = piecesWithin(material, layerOf(band, from, to)).size();
        if (run && run->pieces == pieces) {
            run->to = to;
        } else {
            run = Layers{from, to, pieces};
        }
        const double thickness = run->to - run->from;
        const double bestThickness = best.to - best.from;
        if (run->pieces > 0 && (thickness > bestThickness + kThinnestLayer ||
                                (thickness > bestThickness - kThinnestLayer && run->pieces > best.pieces))) {
            best = *run;
        }
    }
    if (best.pieces == 0) {
        return {};
    }
    return piecesWithin(material, layerOf(band, best.from, best.to));
}

}  // namespace tessaro
