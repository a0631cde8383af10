#include "folding/front_panel.h"

#include "folding/panel_edges.h"
#include "folding/panel_sizes.h"
#include "output/shapes.h"

namespace tessaro {

void BoxFasadClick(Workbench& wb) {
    const PanelSizes z = readPanelSizes(wb, {2, 3, 8, 9});
    Pen& pen = wb.pen;
    const bool relief = wb.options.ExtAngle;

    pen.toOrigin();
    pen.pMoveTo(0, 0);
    drawToothedEdge(pen, ToothedEdge::divided(z.W, 4, z.T, {1, 0}, {0, -1}), relief, panelGapStep(wb, pLineToScrewUP));
    drawToothedEdge(pen, ToothedEdge::divided(z.H, 2, z.T, {0, 1}, {1, 0}), relief, panelGapStep(wb, pLineToScrewLft));
    drawToothedEdge(pen, ToothedEdge::divided(z.W, 4, z.T, {-1, 0}, {0, 1}), relief, panelGapStep(wb, pLineToScrewDwn));
    drawToothedEdge(pen, ToothedEdge::divided(z.H, 2, z.T, {0, -1}, {-1, 0}), relief, panelGapStep(wb, pLineToScrewRgt));
    pen.stroke();
}

}  // namespace tessaro
