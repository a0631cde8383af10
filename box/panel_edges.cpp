#include "box/panel_edges.h"

#include "model/screw_table.h"
#include "output/relief.h"

namespace tessaro {

EdgeStep panelGapStep(const Workbench& wb, ScrewEdge screwEdge) {
    if (wb.options.cornerRelief) {
        return lineNotchedAtBothEnds;
    }
    if (wb.options.screwJoints) {
        return [&wb, screwEdge](Pen& pen, double dx, double dy) {
            screwEdge(pen, readScrewSize(wb.screwTable), dx, dy);
        };
    }
    return plainStep;
}

GapFeature screwHolesBetweenSlots(Workbench& wb) {
    if (!wb.options.screwJoints) {
        return {};
    }
    return [&wb](Vec toCentre) { drawScrewHole(wb.pen, wb.screwTable.real(4), toCentre.x, toCentre.y); };
}

}  // namespace tessaro
