#include "folding/panel_edges.h"

#include "model/screw_table.h"
#include "output/relief.h"

namespace tessaro {

EdgeStep panelGapStep(const Workbench& wb, ScrewEdge screwEdge) {
    if (wb.options.ExtAngle) {
        return pExt_LineTo_Ext;
    }
    if (wb.options.ScrewCheck) {
        return [&wb, screwEdge](Pen& pen, double dx, double dy) {
            screwEdge(pen, readScrewSize(wb.GridScrewL), dx, dy);
        };
    }
    return plainStep;
}

GapFeature screwHolesBetweenSlots(Workbench& wb) {
    if (!wb.options.ScrewCheck) {
        return {};
    }
    return [&wb](Vec toCentre) { ScrewHole(wb.pen, wb.GridScrewL.real(4), toCentre.x, toCentre.y); };
}

}  // namespace tessaro
