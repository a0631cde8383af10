#include "simple/full_set.h"

namespace tessaro {

std::array<PanelPlace, 6> simpleBoxPlaces(const PanelSizes& box) {
    const double M = box.thickness;
    // The sums run left to right as the layout was first written, to keep every digit.
    return {{
        {BoxPanel::Front, 0, -(M * 5 + box.height)},
        {BoxPanel::Lid, 0, 0},
        {BoxPanel::LeftSide, -(M * 7 + box.height), 0},
        {BoxPanel::RightSide, M * 5 + box.width, 0},
        {BoxPanel::Rear, 0, M * 5 + box.depth},
        {BoxPanel::Bottom, 0, M * 5 + box.depth + box.height + M * 5},
    }};
}

void drawSimpleBoxSet(Pen& pen, const PanelSizes& box, const SimpleBoxParts& parts, const PanelAdditions& additions) {
    const auto drawingOf = [&parts](BoxPanel panel) -> const PartDrawing& {
        switch (panel) {
        case BoxPanel::Front:
        case BoxPanel::Rear: return parts.front;
        case BoxPanel::LeftSide:
        case BoxPanel::RightSide: return parts.side;
        case BoxPanel::Bottom:
        case BoxPanel::Lid: break;
        }
        return parts.lid;
    };
    drawSheet(pen, simpleBoxPlaces(box), drawingOf, additions);
}

}  // namespace tessaro
