#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "app/save_dialog.h"
#include "app/template_commands.h"
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

}  // namespace tessaro
