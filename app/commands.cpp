#include "app/commands.h"

#include <array>

#include "app/proposed_names.h"
#include "app/saving.h"
#include "folding/front_panel.h"
#include "simple/side_panel.h"
#include "templates/bobbin.h"
#include "templates/spiral.h"
#include "templates/tab_slot.h"

namespace tessaro {
namespace {

std::string facadeName(const Workbench& wb) { return boxName(wb, " facade"); }
std::string sideName(const Workbench& wb) { return boxName(wb, " side"); }

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
    TemplateCommand{"simple-side", Button6Click, sideName, kBoxTab},
    TemplateCommand{"tab-slot", ZubPazClick, tabSlotName, kTabSlotTab},
    TemplateCommand{"spiral", ArhimedClick, spiralName, kSpiralTab},
    TemplateCommand{"bobbin", FullTransClick, bobbinName, kTransformerTab},
};

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

void CreateFasadClick(Workbench& wb) {
    startTemplate(wb, "facade");
    ClearepsClick(wb);
    BoxFasadClick(wb);
}

void Button6Click(Workbench& wb) {
    startTemplate(wb, "Side");
    ClearepsClick(wb);
    SimpSideClick(wb);
}

void ZubPazClick(Workbench& wb) {
    startTemplate(wb, "tab");
    ClearepsClick(wb);
    drawTabSlotPiece(wb);
}

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
