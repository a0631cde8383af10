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
        {BoxFasadClick, 0, -(5 * s.M + s.H)},     // front
        {BoxDownClick, 0, 0},                     // bottom
        {BoxSideClick, -(7 * s.M + s.H), 0},      // left side
        {BoxSideClick, 5 * s.M + s.W, 0},         // right side
        {BoxFasadClick, 0, 5 * s.M + s.D},        // rear
        {BoxTopClick, 0, 10 * s.M + s.D + s.H},   // lid
    };
    drawSheet(wb, layout);
}

}  // namespace tessaro
