#include "folding/front_panel.h"

#include "folding/panel_edges.h"
#include "output/shapes.h"

namespace tessaro {

void BoxFasadClick(Workbench& wb) {
    const double W = wb.ParamGrid.real(2);
    const double H = wb.ParamGrid.real(3);
    const double T = wb.ParamGrid.real(8);
    Pen& pen = wb.pen;
    pen.CutterDiam = wb.ParamGrid.real(9);
    const bool relief = wb.options.ExtAngle;

    pen.toOrigin();
    pen.pMoveTo(0, 0);
    drawToothedEdge(pen, ToothedEdge::divided(W, 4, T, {1, 0}, {0, -1}), relief, panelGapStep(wb, pLineToScrewUP));
    drawToothedEdge(pen, ToothedEdge::divided(H, 2, T, {0, 1}, {1, 0}), relief, panelGapStep(wb, pLineToScrewLft));
    drawToothedEdge(pen, ToothedEdge::divided(W, 4, T, {-1, 0}, {0, 1}), relief, panelGapStep(wb, pLineToScrewDwn));
    drawToothedEdge(pen, ToothedEdge::divided(H, 2, T, {0, -1}, {-1, 0}), relief, panelGapStep(wb, pLineToScrewRgt));
    pen.stroke();
}

}  // namespace tessaro
