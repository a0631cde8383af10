#include "app/commands.h"

#include <array>

#include "app/proposed_names.h"
#include "app/saving.h"

namespace tessaro {
namespace {

std::string facadeName(const Workbench& wb) { return boxName(wb, " facade"); }
std::string bottomName(const Workbench& wb) { return boxName(wb, " bottom"); }
std::string sideName(const Workbench& wb) { return boxName(wb, " side"); }
std::string topName(const Workbench& wb) { return boxName(wb, " top"); }

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

}  // namespace tessaro
