#include "folding/full_set.h"

namespace tessaro {

std::array<PanelPlace, 6> foldingBoxPlaces(const PanelSizes& box) {
    const double M = box.thickness;
    // With tab height and frame allowance equal to the thickness every gap is 2M.
    return {{
        {BoxPanel::Front, 0, -(5 * M + box.height)},
        {BoxPanel::Bottom, 0, 0},
        {BoxPanel::LeftSide, -(7 * M + box.height), 0},
        {BoxPanel::RightSide, 5 * M + box.width, 0},
        {BoxPanel::Rear, 0, 5 * M + box.depth},
        {BoxPanel::Lid, 0, 10 * M + box.depth + box.height},
    }};
}

void drawFoldingBoxSet(Pen& pen, const PanelSizes& box, const FoldingBoxParts& parts, const PanelAdditions& additions) {
    const auto drawingOf = [&parts](BoxPanel panel) -> const PartDrawing& {
        switch (panel) {
        case BoxPanel::Front:
        case BoxPanel::Rear: return parts.front;
        case BoxPanel::Bottom: return parts.bottom;
        case BoxPanel::LeftSide:
        case BoxPanel::RightSide: return parts.side;
        case BoxPanel::Lid: break;
        }
        return parts.lid;
    };
    drawSheet(pen, foldingBoxPlaces(box), drawingOf, additions);
}

}  // namespace tessaro
