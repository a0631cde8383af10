#include "folding/full_set.h"

namespace tessaro {

void drawFoldingBoxSet(Pen& pen, const PanelSizes& box, const FoldingBoxParts& parts) {
    const double M = box.thickness;
    // With tab height and frame allowance equal to the thickness every gap is 2M.
    const Placement layout[] = {
        {parts.front, 0, -(5 * M + box.height)},                    // front
        {parts.bottom, 0, 0},                                       // bottom
        {parts.side, -(7 * M + box.height), 0},                     // left side
        {parts.side, 5 * M + box.width, 0},                         // right side
        {parts.front, 0, 5 * M + box.depth},                        // rear
        {parts.lid, 0, 10 * M + box.depth + box.height},            // lid
    };
    drawSheet(pen, layout);
}

}  // namespace tessaro
