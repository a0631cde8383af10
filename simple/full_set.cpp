#include "simple/full_set.h"

#include "folding/front_panel.h"
#include "folding/lid.h"
#include "folding/sheet_layout.h"
#include "simple/side_panel.h"

namespace tessaro {

void drawSimpleBoxSet(Workbench& wb, const PanelSizes& s) {
    // The sums run left to right as the layout was first written, to keep every digit.
    const Placement layout[] = {
        {drawFrontPanel, 0, -(s.M * 5 + s.H)},                   // front
        {drawLid, 0, 0},                                    // lid
        {drawSimpleSidePanel, -(s.M * 7 + s.H), 0},                   // left side
        {drawSimpleSidePanel, s.M * 5 + s.W, 0},                      // right side
        {drawFrontPanel, 0, s.M * 5 + s.D},                      // rear
        {drawLid, 0, s.M * 5 + s.D + s.H + s.M * 5},        // bottom
    };
    drawSheet(wb, layout);
}

}  // namespace tessaro
