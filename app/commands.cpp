#include "app/commands.h"

#include <array>

#include "app/proposed_names.h"
#include "app/saving.h"
#include "templates/spiral.h"

namespace tessaro {
namespace {

constexpr std::array kCommands = {
    TemplateCommand{"spiral", ArhimedClick, spiralName, false},
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

void ArhimedClick(Workbench& wb) {
    startTemplate(wb, "Spiral");
    HeaderSpiralClick(wb);
    drawArhimedSpiral(wb);
}

}  // namespace tessaro
