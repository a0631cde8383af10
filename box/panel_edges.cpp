#include "box/panel_edges.h"

#include "drawing/shapes.h"
#include "model/screw_table.h"

namespace tessaro {

EdgeStep panelGapStep(const Options& switches, double toolDiameter, const ParamTable& screwTable, ScrewEdge screwEdge) {
    if (switches.cornerRelief) {
        return reliefOr({true, toolDiameter}, lineNotchedAtBothEnds);
    }
    if (switches.screwJoints) {
        return [&screwTable, screwEdge](Pen& pen, double dx, double dy) {
            screwEdge(pen, readScrewSize(screwTable), dx, dy);
        };
    }
    return plainStep;
}

GapFeature holesForScrewsBetweenSlots(Pen& pen, const Options& switches, const ParamTable& screwTable) {
    if (!switches.screwJoints) {
        return {};
    }
    return [&pen, &screwTable](Vec toCentre) {
        drawHoleForScrew(pen, screwTable.real(ScrewRow::ScrewDiameter), toCentre.x, toCentre.y);
    };
}

}  // namespace tessaro
