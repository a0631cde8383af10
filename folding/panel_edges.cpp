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

}  // namespace tessaro
