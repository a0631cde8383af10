#include "app/template_commands.h"

#include "app/proposed_names.h"
#include "folding/bottom_panel.h"
#include "box/front_panel.h"
#include "folding/full_set.h"
#include "box/lid.h"
#include "folding/side_panel.h"
#include "simple/full_set.h"
#include "simple/side_panel.h"
#include "templates/bobbin.h"
#include "templates/spiral.h"
#include "templates/tab_slot.h"

namespace tessaro {
namespace {

// A full set of panels on one sheet. A bad size leaves the previous document: the sizes
// the layout needs are read before the label and the header.
void makeFullSet(Workbench& wb, void (*drawSet)(Workbench&, const PanelSizes&)) {
    const PanelSizes sizes = readPanelSizes(wb, {1, 2, 3, 4});
    startTemplate(wb, kFullLabel);
    startBoxDocument(wb);
    drawSet(wb, sizes);
}

}  // namespace

void startTemplate(Workbench& wb, std::string_view label) {
    wb.templateLabel = label;
    wb.pen.originX = 0;
    wb.pen.originY = 0;
}

void makeSinglePanel(Workbench& wb, std::string_view label, void (*generator)(Workbench&)) {
    startTemplate(wb, label);
    startBoxDocument(wb);
    generator(wb);
}

void makeFrontPanel(Workbench& wb) { makeSinglePanel(wb, "facade", drawFrontPanel); }
void makeBottomPanel(Workbench& wb) { makeSinglePanel(wb, "bottom", drawBottomPanel); }
void makeSidePanel(Workbench& wb) { makeSinglePanel(wb, "Side", drawSidePanel); }
void makeLid(Workbench& wb) { makeSinglePanel(wb, "Top", drawLid); }
void makeSimpleSidePanel(Workbench& wb) { makeSinglePanel(wb, "Side", drawSimpleSidePanel); }
void makeTabSlotPiece(Workbench& wb) { makeSinglePanel(wb, "tab", drawTabSlotPiece); }

void makeFoldingBoxSet(Workbench& wb) { makeFullSet(wb, drawFoldingBoxSet); }
void makeSimpleBoxSet(Workbench& wb) { makeFullSet(wb, drawSimpleBoxSet); }

void makeSpiral(Workbench& wb) {
    startTemplate(wb, "Spiral");
    startSpiralDocument(wb);
    drawArchimedeanSpiral(wb);
}

// The table is read before the label and the header, so a bad cell leaves the
// previous template as it was.
void makeBobbin(Workbench& wb) {
    const BobbinSizes sizes = BobbinSizes::read(wb.bobbinTable);
    startTemplate(wb, kBobbinLabel);
    startBoxDocument(wb);
    drawBobbinFrame(wb.pen, sizes);
}

}  // namespace tessaro
