#include "simple/side_panel.h"

#include "folding/feet_warning.h"
#include "folding/panel_edges.h"
#include "folding/side_slot_rows.h"
#include "output/shapes.h"

namespace tessaro {

void SimpSideClick(Workbench& wb) {
    const ParamTable& t = wb.ParamGrid;
    const double M = t.real(1);
    const double H = t.real(3);
    const double D = t.real(4);
    const double Ah = t.real(5);
    const double Al = t.real(6);
    const double F = t.real(7);
    const double T = t.real(8);
    const double cutter = t.real(9);
    wb.FrameAllow = F;
    Pen& pen = wb.pen;
    pen.CutterDiam = cutter;
    warnIfBottomFallsOut(wb);

    drawSideSlotRows(wb, {M, H, D, Ah, Al}, wb.options.ScrewCheck);

    // The body, counterclockwise from the front end of the side at x = 0.
    const bool relief = wb.options.ExtAngle;
    const double strip = M + F;
    pen.toOrigin();
    pen.pMoveTo(0, 0);
    pen.pLineTo(0, -strip);
    pen.pLineTo(H, 0);
    pen.pLineTo(0, strip);
    drawToothedEdge(pen, ToothedEdge::divided(D, 3, T, {0, 1}, {1, 0}), relief, panelGapStep(wb, pLineToScrewLft));
    pen.pLineTo(0, strip);
    pen.pLineTo(-H, 0);
    pen.pLineTo(0, -strip);
    drawToothedEdge(pen, ToothedEdge::divided(D, 3, T, {0, -1}, {-1, 0}), relief, panelGapStep(wb, pLineToScrewRgt));
    pen.stroke();
}

}  // namespace tessaro
