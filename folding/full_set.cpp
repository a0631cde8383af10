#include "folding/full_set.h"

#include "folding/bottom_panel.h"
#include "box/front_panel.h"
#include "box/lid.h"
#include "box/sheet_layout.h"
#include "folding/side_panel.h"

namespace tessaro {

void drawFoldingBoxSet(Workbench& wb, const PanelSizes& box) {
    // With tab height and frame allowance equal to the thickness every gap is 2M.
    const Placement layout[] = {
        {drawFrontPanel, 0, -(5 * box.thickness + box.height)},     // front
        {drawBottomPanel, 0, 0},                     // bottom
        {drawSidePanel, -(7 * box.thickness + box.height), 0},      // left side
        {drawSidePanel, 5 * box.thickness + box.width, 0},         // right side
        {drawFrontPanel, 0, 5 * box.thickness + box.depth},        // rear
        {drawLid, 0, 10 * box.thickness + box.depth + box.height},   // lid
    };
    drawSheet(wb, layout);
}

}  // namespace tessaro
