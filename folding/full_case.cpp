#include "folding/full_case.h"

#include "folding/bottom_panel.h"
#include "folding/front_panel.h"
#include "folding/lid.h"
#include "folding/sheet_layout.h"
#include "folding/side_panel.h"

namespace tessaro {

void drawFoldingBoxSet(Workbench& wb, const PanelSizes& s) {
    // With tab height and frame allowance equal to the thickness every gap is 2M.
    const Placement layout[] = {
        {drawFrontPanel, 0, -(5 * s.M + s.H)},     // front
        {drawBottomPanel, 0, 0},                     // bottom
        {drawSidePanel, -(7 * s.M + s.H), 0},      // left side
        {drawSidePanel, 5 * s.M + s.W, 0},         // right side
        {drawFrontPanel, 0, 5 * s.M + s.D},        // rear
        {drawLid, 0, 10 * s.M + s.D + s.H},   // lid
    };
    drawSheet(wb, layout);
}

}  // namespace tessaro
