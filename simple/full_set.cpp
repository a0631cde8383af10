#include "simple/full_set.h"

namespace tessaro {

void drawSimpleBoxSet(Pen& pen, const PanelSizes& box, const SimpleBoxParts& parts) {
    const double M = box.thickness;
    // The sums run left to right as the layout was first written, to keep every digit.
    const Placement layout[] = {
        {parts.front, 0, -(M * 5 + box.height)},                          // front
        {parts.lid, 0, 0},                                                // lid
        {parts.side, -(M * 7 + box.height), 0},                           // left side
        {parts.side, M * 5 + box.width, 0},                               // right side
        {parts.front, 0, M * 5 + box.depth},                              // rear
        {parts.lid, 0, M * 5 + box.depth + box.height + M * 5},           // bottom
    };
    drawSheet(pen, layout);
}

}  // namespace tessaro
