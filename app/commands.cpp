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
    return boxName(wb, std::string(kFullLabel) + " leg " + feetText(wb.options.PinSel));
}
std::string simpleSetName(const Workbench& wb) { return boxName(wb, std::string(kFullLabel) + "simpl"); }

// Both box tabs close the last outline; the tab-slot and spiral tabs leave it open.
constexpr bool kBoxTab = true;
constexpr bool kTabSlotTab = false;
constexpr bool kSpiralTab = false;
// Showing the transformer tab leaves the flag as the tab shown before it set it.
constexpr std::optional<bool> kTransformerTab = std::nullopt;

constexpr std::array kCommands = {
    TemplateCommand{"facade", CreateFasadClick, facadeName, kBoxTab},
    TemplateCommand{"rear", CreateFasadClick, facadeName, kBoxTab},
    TemplateCommand{"simple-front", CreateFasadClick, facadeName, kBoxTab},
    TemplateCommand{"simple-rear", CreateFasadClick, facadeName, kBoxTab},
    TemplateCommand{"bottom", CreateDownClick, bottomName, kBoxTab},
    TemplateCommand{"side", CreateSideClick, sideName, kBoxTab},
    TemplateCommand{"top", CreateTopClick, topName, kBoxTab},
    TemplateCommand{"simple-top", CreateTopClick, topName, kBoxTab},
    TemplateCommand{"simple-bottom", CreateTopClick, topName, kBoxTab},
    TemplateCommand{"full", FullCaseClick, fullCaseName, kBoxTab},
    TemplateCommand{"simple-side", Button6Click, sideName, kBoxTab},
    TemplateCommand{"simple-full", AllSimpClick, simpleSetName, kBoxTab},
    TemplateCommand{"tab-slot", ZubPazClick, tabSlotName, kTabSlotTab},
    TemplateCommand{"spiral", ArhimedClick, spiralName, kSpiralTab},
    TemplateCommand{"bobbin", FullTransClick, bobbinName, kTransformerTab},
};

// A full set of panels on one sheet. A bad size leaves the previous document: the sizes
// the layout needs are read before the label and the header.
void makeFullSet(Workbench& wb, void (*drawSet)(Workbench&, const PanelSizes&)) {
    const PanelSizes sizes = readPanelSizes(wb, {1, 2, 3, 4});
    startTemplate(wb, kFullLabel);
    ClearepsClick(wb);
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
    wb.tShablon = label;
    wb.pen.OrgX = 0;
    wb.pen.OrgY = 0;
}

void makeSinglePanel(Workbench& wb, std::string_view label, void (*generator)(Workbench&)) {
    startTemplate(wb, label);
    ClearepsClick(wb);
    generator(wb);
}

void CreateFasadClick(Workbench& wb) { makeSinglePanel(wb, "facade", BoxFasadClick); }
void CreateDownClick(Workbench& wb) { makeSinglePanel(wb, "bottom", BoxDownClick); }
void CreateSideClick(Workbench& wb) { makeSinglePanel(wb, "Side", BoxSideClick); }
void CreateTopClick(Workbench& wb) { makeSinglePanel(wb, "Top", BoxTopClick); }
void Button6Click(Workbench& wb) { makeSinglePanel(wb, "Side", SimpSideClick); }
void ZubPazClick(Workbench& wb) { makeSinglePanel(wb, "tab", drawTabSlotPiece); }

void FullCaseClick(Workbench& wb) { makeFullSet(wb, drawFoldingBoxSet); }
void AllSimpClick(Workbench& wb) { makeFullSet(wb, drawSimpleBoxSet); }

void ArhimedClick(Workbench& wb) {
    startTemplate(wb, "Spiral");
    HeaderSpiralClick(wb);
    drawArhimedSpiral(wb);
}

// The table is read before the label and the header, so a bad cell leaves the
// previous template as it was.
void FullTransClick(Workbench& wb) {
    const BobbinSizes sizes = BobbinSizes::read(wb.TransGrid);
    startTemplate(wb, kBobbinLabel);
    ClearepsClick(wb);
    drawBobbinFrame(wb.pen, sizes);
}

}  // namespace tessaro
