#include "simple/full_set.h"

#include "box/front_panel.h"
#include "box/lid.h"
#include "box/sheet_layout.h"
#include "simple/side_panel.h"

namespace tessaro {

void drawSimpleBoxSet(Workbench& wb, const PanelSizes& box) {
    // The sums run left to right as the layout was first written, to keep every digit.
    const Placement layout[] = {
        {drawFrontPanel, 0, -(box.thickness * 5 + box.height)},                   // front
        {drawLid, 0, 0},                                    // lid
        {drawSimpleSidePanel, -(box.thickness * 7 + box.height), 0},                   // left side
        {drawSimpleSidePanel, box.thickness * 5 + box.width, 0},                      // right side
        {drawFrontPanel, 0, box.thickness * 5 + box.depth},                      // rear
        {drawLid, 0, box.thickness * 5 + box.depth + box.height + box.thickness * 5},        // bottom
    };
    drawSheet(wb, layout);
}

}  // namespace tessaro
