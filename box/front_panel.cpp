#include "box/front_panel.h"

#include "box/panel_edges.h"
#include "box/panel_sizes.h"
#include "output/shapes.h"

namespace tessaro {

void drawFrontPanel(Workbench& wb) {
    const PanelSizes box = readPanelSizes(wb, {2, 3, 8, 9});
    Pen& pen = wb.pen;
    const bool relief = wb.options.cornerRelief;

    pen.toOrigin();
    pen.moveTo(0, 0);
    drawToothedEdge(pen, ToothedEdge::divided(box.width, 4, box.tabHeight, {1, 0}, {0, -1}), relief, panelGapStep(wb, lineWithScrewSlotUp));
    drawToothedEdge(pen, ToothedEdge::divided(box.height, 2, box.tabHeight, {0, 1}, {1, 0}), relief, panelGapStep(wb, lineWithScrewSlotLeft));
    drawToothedEdge(pen, ToothedEdge::divided(box.width, 4, box.tabHeight, {-1, 0}, {0, 1}), relief, panelGapStep(wb, lineWithScrewSlotDown));
    drawToothedEdge(pen, ToothedEdge::divided(box.height, 2, box.tabHeight, {0, -1}, {-1, 0}), relief, panelGapStep(wb, lineWithScrewSlotRight));
    pen.stroke();
}

}  // namespace tessaro
