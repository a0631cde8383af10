#include "app/commands.h"

#include <array>

#include "app/proposed_names.h"
#include "app/saving.h"
#include "folding/bottom_panel.h"
#include "folding/front_panel.h"
#include "folding/full_case.h"
#include "folding/lid.h"
#include "folding/side_panel.h"
#include "simple/full_set.h"
#include "simple/side_panel.h"
#include "templates/bobbin.h"
#include "templates/spiral.h"
#include "templates/tab_slot.h"

namespace tessaro {
namespace {

std::string facadeName(const Workbench& wb) { return boxName(wb, " facade"); }
std::string bottomName(const Workbench& wb) { return boxName(wb, " bottom"); }
std::string sideName(const Workbench& wb) { return boxName(wb, " side"); }
std::string topName(const Workbench& wb) { return boxName(wb, " top"); }

constexpr std::string_view kFullLabel = " full";
// The label as the full set's command sets it, so the name is the same before it ran.
std::string fullCaseName(const Workbench& wb) {
    return boxName(wb, std::string(kFullLabel) + " leg " + feetText(wb.options.feet));
}
std::string simpleSetName(const Workbench& wb) { return boxName(wb, std::string(kFullLabel) + "simpl"); }

// Both box tabs close the last outline; the tab-slot and spiral tabs leave it open.
constexpr bool kBoxTab = true;
constexpr bool kTabSlotTab = false;
constexpr bool kSpiralTab = false;
// Showing the transformer tab leaves the flag as the tab shown before it set it.
constexpr std::optional<bool> kTransformerTab = std::nullopt;

constexpr std::array kCommands = {
    TemplateCommand{"facade", makeFrontPanel, facadeName, kBoxTab},
    TemplateCommand{"rear", makeFrontPanel, facadeName, kBoxTab},
    TemplateCommand{"simple-front", makeFrontPanel, facadeName, kBoxTab},
    TemplateCommand{"simple-rear", makeFrontPanel, facadeName, kBoxTab},
    TemplateCommand{"bottom", makeBottomPanel, bottomName, kBoxTab},
    TemplateCommand{"side", makeSidePanel, sideName, kBoxTab},
    TemplateCommand{"top", makeLid, topName, kBoxTab},
    TemplateCommand{"simple-top", makeLid, topName, kBoxTab},
    TemplateCommand{"simple-bottom", makeLid, topName, kBoxTab},
    TemplateCommand{"full", makeFoldingBoxSet, fullCaseName, kBoxTab},
    TemplateCommand{"simple-side", makeSimpleSidePanel, sideName, kBoxTab},
    TemplateCommand{"simple-full", makeSimpleBoxSet, simpleSetName, kBoxTab},
    TemplateCommand{"tab-slot", makeTabSlotPiece, tabSlotName, kTabSlotTab},
    TemplateCommand{"spiral", makeSpiral, spiralName, kSpiralTab},
    TemplateCommand{"bobbin", makeBobbin, bobbinName, kTransformerTab},
};

// A full set of panels on one sheet. A bad size leaves the previous document: the sizes
// the layout needs are read before the label and the header.
void makeFullSet(Workbench& wb, void (*drawSet)(Workbench&, const PanelSizes&)) {
    const PanelSizes sizes = readPanelSizes(wb, {1, 2, 3, 4});
    startTemplate(wb, kFullLabel);
    startBoxDocument(wb);
    drawSet(wb, sizes);
}

}  // namespace

std::span<const TemplateCommand> templateCommands() { return kCommands; }

const TemplateCommand* findCommand(std::string_view name) {
    for (const TemplateCommand& command : kCommands) {
        if (command.name == name) {
            return &command;
        }
    }
    return nullptr;
}

void performCommand(Workbench& wb, const TemplateCommand& command, SaveDialog& dialog) {
    command.run(wb);
    const auto choice = dialog.ask(command.proposedName(wb));
    if (choice) {
        saveTemplate(wb, choice->path, choice->type);
    }
}

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
