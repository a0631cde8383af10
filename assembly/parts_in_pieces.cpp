#include "assembly/parts_in_pieces.h"

#include <algorithm>
#include <cmath>

#include "assembly/panel_region.h"
#include "drawing/rigid_parts.h"

namespace tessaro {
namespace {

bool hasClosedOuterCuts(const Drawing& drawing, const Part& part) {
    bool any = false;
    for (std::size_t i = part.firstOutline; i < part.endOutline; ++i) {
        const Outline outline = drawing.outline(i);
        if (outline.role == OutlineRole::OuterCut) {
            if (!outline.closed()) {
                return false;
            }
            any = true;
        }
    }
    return any;
}

// A drawing too large to cut is no sheet's: its own checks say so where it is cut or nested.
bool withinReach(const Extent& e) {
    const auto near = [](double v) { return std::abs(v) <= kLargestCoordinate; };
    return near(e.minX) && near(e.minY) && near(e.maxX) && near(e.maxY);
}

}  // namespace

std::vector<PartInPieces> partsInPieces(const Drawing& drawing) {
    std::vector<PartInPieces> fallingApart;
    if (!withinReach(drawing.extent())) {
        return fallingApart;
    }
    for (std::size_t i = 0; i < drawing.partCount(); ++i) {
        const Part part = drawing.part(i);
        if (!hasClosedOuterCuts(drawing, part)) {
            continue;
        }
        const std::vector<RigidPart> pieces = rigidPartsOf(drawing, i);
        // Each outer cut drawn is meant to come out as one piece.
        std::size_t drawn = 0;
        std::size_t cut = 0;
        for (const RigidPart& piece : pieces) {
            if (!piece.fromStock) {
                const PanelRegion material = materialOf({piece}, {0, 0});
                ++drawn;
                cut += static_cast<std::size_t>(std::count_if(material.contours.begin(), material.contours.end(),
                                                              [](const RegionContour& c) { return !c.hole; }));
            }
        }
        if (cut > drawn) {
            fallingApart.push_back({std::string(part.name), cut});
        }
    }
    return fallingApart;
}

}  // namespace tessaro
