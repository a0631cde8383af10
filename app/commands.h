#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "app/save_dialog.h"
#include "model/workbench.h"

namespace tessaro {

// One template button: what it draws and what file name it proposes.
struct TemplateCommand {
    std::string_view name;  // the command line's word, e.g. "spiral"
    void (*run)(Workbench&);  // label, origin, header and generators; never saves
    std::string (*proposedName)(const Workbench&);
    // What showing the button's tab sets closeLastOutline to; empty: the tab leaves it.
    std::optional<bool> tabClosesLastOutline;
};

[[nodiscard]] std::span<const TemplateCommand> templateCommands();
[[nodiscard]] const TemplateCommand* findCommand(std::string_view name);

// The whole road of a button: draw, propose the name, ask for a file, save it.
void performCommand(Workbench& wb, const TemplateCommand& command, SaveDialog& dialog);

// The first steps shared by every command: name the template, reset the origin.
void startTemplate(Workbench& wb, std::string_view label);
// A command that draws one panel: label, origin, main header, the panel's generator.
void makeSinglePanel(Workbench& wb, std::string_view label, void (*generator)(Workbench&));

// The commands: each names its template, resets the origin, writes the header and
// runs its generators.
void makeFrontPanel(Workbench& wb);
void makeBottomPanel(Workbench& wb);
void makeSidePanel(Workbench& wb);
void makeLid(Workbench& wb);
void makeFoldingBoxSet(Workbench& wb);
void makeSimpleSidePanel(Workbench& wb);
void makeSimpleBoxSet(Workbench& wb);
void makeTabSlotPiece(Workbench& wb);
void makeSpiral(Workbench& wb);
void makeBobbin(Workbench& wb);

}  // namespace tessaro
