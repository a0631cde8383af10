#include "app/template_commands.h"

#include <algorithm>
#include <array>
#include <memory>

#include "app/engraving_fonts.h"
#include "app/pieces_warning.h"
#include "app/proposed_names.h"
#include "app/table_sizes.h"
#include "app/template_headers.h"
#include "box/bottom_warning.h"
#include "box/face_cutouts.h"
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
using enum MainRow;
constexpr std::array kFrontPanelRows{Width, Height, TabHeight, ToolDiameter};
constexpr std::array kBottomPanelRows{Thickness,          Width,       Depth,       SlotAllowance,
                                      TabLengthAllowance, FrameMargin, ToolDiameter};
constexpr std::array kSidePanelRows{Thickness,          Height,      Depth,     SlotAllowance,
                                    TabLengthAllowance, FrameMargin, TabHeight, ToolDiameter};
constexpr std::array kLidRows{Thickness, Width, Depth, SlotAllowance, TabLengthAllowance, FrameMargin, ToolDiameter};
constexpr std::array kSheetLayoutRows{Thickness, Width, Height, Depth};

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
    drawTabSlotPiece(pen, readTabSlotSizes(wb.tabSlotTable), wb.options.tabSlotRelief);
}

// A command that draws one part: label, main header, then the part from the origin,
// whose sizes are read after the header as they always were.
void makeSinglePart(Workbench& wb, std::string_view label, Part part, std::string_view partName) {
    wb.templateLabel = label;
    startBoxDocument(wb);
    Pen pen(wb.drawing);
    part(wb, pen);
    pen.endPart(partName);
    warnIfPartsFallApart(wb.messages, wb.drawing);
}

PartDrawing placed(const Workbench& wb, Part part) {
    return [&wb, part](Pen& pen) { part(wb, pen); };
}

// The start of a full set of panels on one sheet: refuses a list of too many openings,
// reads the sizes of the layout, then names the template and writes the header. Either
// refusal leaves the previous document. Each part reads its own rows when its turn comes, so a bad cell that only a
// later part reads keeps the parts drawn before it.
PanelSizes startFullSet(Workbench& wb) {
    refuseTooManyOpenings(wb.cutouts);
    const PanelSizes box = readPanelSizes(wb.boxTable, kSheetLayoutRows);
    wb.templateLabel = kFullLabel;
    startBoxDocument(wb);
    return box;
}

// The fonts are read only for a list that has labels.
PanelAdditions cutoutsOf(const Workbench& wb, const PanelSizes& box) {
    const bool labelled = std::ranges::any_of(
        wb.cutouts, [](const FaceCutout& c) { return std::holds_alternative<EngravedLabel>(c.shape); });
    auto fonts = labelled ? std::make_shared<const EngravingFonts>(loadEngravingFonts()) : nullptr;
    return [&wb, box, fonts](Pen& pen, BoxPanel panel) {
        drawFaceCutouts(pen, panel, box, wb.cutouts, fonts.get(), wb.stop);
    };
}

}  // namespace

void makeFrontPanel(Workbench& wb) { makeSinglePart(wb, "facade", frontPanel, panelName(BoxPanel::Front)); }
void makeBottomPanel(Workbench& wb) { makeSinglePart(wb, "bottom", bottomPanel, panelName(BoxPanel::Bottom)); }
void makeSidePanel(Workbench& wb) { makeSinglePart(wb, "Side", sidePanel, "side"); }
void makeLid(Workbench& wb) { makeSinglePart(wb, "Top", lid, panelName(BoxPanel::Lid)); }
void makeSimpleSidePanel(Workbench& wb) { makeSinglePart(wb, "Side", simpleSidePanel, "side"); }
void makeTabSlotPiece(Workbench& wb) { makeSinglePart(wb, "tab", tabSlotPiece, "tab-slot piece"); }

void makeFoldingBoxSet(Workbench& wb) {
    const PanelSizes box = startFullSet(wb);
    Pen pen(wb.drawing);
    drawFoldingBoxSet(pen, box,
                      {placed(wb, frontPanel), placed(wb, bottomPanel), placed(wb, sidePanel), placed(wb, lid)},
                      cutoutsOf(wb, box));
    warnIfPartsFallApart(wb.messages, wb.drawing);
}

void makeSimpleBoxSet(Workbench& wb) {
    const PanelSizes box = startFullSet(wb);
    Pen pen(wb.drawing);
    drawSimpleBoxSet(pen, box, {placed(wb, frontPanel), placed(wb, lid), placed(wb, simpleSidePanel)},
                     cutoutsOf(wb, box));
    warnIfPartsFallApart(wb.messages, wb.drawing);
}

void makeSpiral(Workbench& wb) {
    wb.templateLabel = "Spiral";
    startSpiralDocument(wb);
    Pen pen(wb.drawing);
    const SpiralSizes sizes = readSpiralSizes(wb.spiralTable);
    // The steps are counted by dividing by the vector step: a step of 0 names its row
    // like any other value that cannot be drawn with.
    if (sizes.stepAngle == 0) {
        throw BadCellError(ConversionError("Floating point division by zero"), wb.spiralTable,
                           rowNumber(SpiralRow::StepAngle));
    }
    drawArchimedeanSpiral(pen, sizes);
    pen.endPart("spiral");
}

// The table is read before the label and the header, so a bad cell leaves the
// previous template as it was.
void makeBobbin(Workbench& wb) {
    const BobbinSizes sizes = readBobbinSizes(wb.bobbinTable);
    wb.templateLabel = kBobbinLabel;
    startBoxDocument(wb);
    Pen pen(wb.drawing);
    drawBobbinFrame(pen, sizes);
    pen.endPart("bobbin frame");
    warnIfPartsFallApart(wb.messages, wb.drawing);
}

}  // namespace tessaro
