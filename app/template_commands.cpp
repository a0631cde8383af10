#include "app/template_commands.h"

#include <array>

#include "app/proposed_names.h"
#include "box/bottom_warning.h"
#include "box/front_panel.h"
#include "box/lid.h"
#include "folding/bottom_panel.h"
#include "folding/full_set.h"
#include "folding/side_panel.h"
#include "simple/full_set.h"
#include "simple/side_panel.h"
#include "templates/bobbin.h"
#include "templates/spiral.h"
#include "templates/tab_slot.h"

namespace tessaro {
namespace {

// The box table's rows each part reads, in the order it reads them: the order decides
// which bad cell is reported.
constexpr std::array kFrontPanelRows{2, 3, 8, 9};
constexpr std::array kBottomPanelRows{1, 2, 4, 5, 6, 7, 9};
constexpr std::array kSidePanelRows{1, 3, 4, 5, 6, 7, 8, 9};
constexpr std::array kLidRows{1, 2, 4, 5, 6, 7, 9};
constexpr std::array kSheetLayoutRows{1, 2, 3, 4};

// A part reads its sizes from the tables, shows its warning and draws from the pen's
// origin.
using Part = void (*)(const Workbench&, Pen&);

void frontPanel(const Workbench& wb, Pen& pen) {
    drawFrontPanel(pen, readPanelSizes(wb.boxTable, kFrontPanelRows), wb.options, wb.screwTable);
}

void bottomPanel(const Workbench& wb, Pen& pen) {
    drawBottomPanel(pen, readPanelSizes(wb.boxTable, kBottomPanelRows), wb.options);
}

void sidePanel(const Workbench& wb, Pen& pen) {
    const PanelSizes box = readPanelSizes(wb.boxTable, kSidePanelRows);
    warnIfBottomFallsOut(wb.messages, box, wb.options.feet);
    drawSidePanel(pen, box, wb.options);
}

void lid(const Workbench& wb, Pen& pen) {
    drawLid(pen, readPanelSizes(wb.boxTable, kLidRows), wb.options, wb.screwTable);
}

void simpleSidePanel(const Workbench& wb, Pen& pen) {
    const PanelSizes box = readPanelSizes(wb.boxTable, kSidePanelRows);
    warnIfBottomFallsOut(wb.messages, box, wb.options.feet);
    drawSimpleSidePanel(pen, box, wb.options, wb.screwTable);
}

void tabSlotPiece(const Workbench& wb, Pen& pen) {
    drawTabSlotPiece(pen, TabSlotSizes::read(wb.tabSlotTable), wb.options.tabSlotRelief);
}

// A command that draws one part: label, origin, main header, then the part, whose sizes
// are read after the header as they always were.
void makeSinglePart(Workbench& wb, std::string_view label, Part part) {
    startTemplate(wb, label);
    startBoxDocument(wb);
    part(wb, wb.pen);
}

PartDrawing placed(const Workbench& wb, Part part) {
    return [&wb, part](Pen& pen) { part(wb, pen); };
}

// The start of a full set of panels on one sheet: reads the sizes of the layout, then
// names the template and writes the header. A bad size of the layout leaves the previous
// document. Each part reads its own rows when its turn comes, so a bad cell that only a
// later part reads keeps the parts drawn before it.
PanelSizes startFullSet(Workbench& wb) {
    const PanelSizes box = readPanelSizes(wb.boxTable, kSheetLayoutRows);
    startTemplate(wb, kFullLabel);
    startBoxDocument(wb);
    return box;
}

}  // namespace

void startTemplate(Workbench& wb, std::string_view label) {
    wb.templateLabel = label;
    wb.pen.originX = 0;
    wb.pen.originY = 0;
}

void makeFrontPanel(Workbench& wb) { makeSinglePart(wb, "facade", frontPanel); }
void makeBottomPanel(Workbench& wb) { makeSinglePart(wb, "bottom", bottomPanel); }
void makeSidePanel(Workbench& wb) { makeSinglePart(wb, "Side", sidePanel); }
void makeLid(Workbench& wb) { makeSinglePart(wb, "Top", lid); }
void makeSimpleSidePanel(Workbench& wb) { makeSinglePart(wb, "Side", simpleSidePanel); }
void makeTabSlotPiece(Workbench& wb) { makeSinglePart(wb, "tab", tabSlotPiece); }

void makeFoldingBoxSet(Workbench& wb) {
    const PanelSizes box = startFullSet(wb);
    drawFoldingBoxSet(wb.pen, box,
                      {placed(wb, frontPanel), placed(wb, bottomPanel), placed(wb, sidePanel), placed(wb, lid)});
}

void makeSimpleBoxSet(Workbench& wb) {
    const PanelSizes box = startFullSet(wb);
    drawSimpleBoxSet(wb.pen, box, {placed(wb, frontPanel), placed(wb, lid), placed(wb, simpleSidePanel)});
}

void makeSpiral(Workbench& wb) {
    startTemplate(wb, "Spiral");
    startSpiralDocument(wb);
    drawArchimedeanSpiral(wb.pen, SpiralSizes::read(wb.spiralTable));
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
