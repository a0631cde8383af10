#include "box/front_panel.h"

#include "box/panel_edges.h"
#include "drawing/shapes.h"

namespace tessaro {

void drawFrontPanel(Pen& pen, const PanelSizes& box, const Options& switches, const ParamTable& screwTable) {
    const Relief relief{switches.cornerRelief, box.toolDiameter};
    const auto gap = [&](ScrewEdge screwEdge) {
        return panelGapStep(switches, box.toolDiameter, screwTable, screwEdge);
    };
    const double W = box.width;
    const double H = box.height;
    const double T = box.tabHeight;

    pen.toOrigin();
    pen.startOuterCut(0, 0);
    drawToothedEdge(pen, ToothedEdge::divided(W, 4, T, {1, 0}, {0, -1}), relief, gap(lineWithScrewSlotUp));
    drawToothedEdge(pen, ToothedEdge::divided(H, 2, T, {0, 1}, {1, 0}), relief, gap(lineWithScrewSlotLeft));
    drawToothedEdge(pen, ToothedEdge::divided(W, 4, T, {-1, 0}, {0, 1}), relief, gap(lineWithScrewSlotDown));
    drawToothedEdge(pen, ToothedEdge::divided(H, 2, T, {0, -1}, {-1, 0}), relief, gap(lineWithScrewSlotRight));
}

}  // namespace tessaro
