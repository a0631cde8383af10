#pragma once

#include <string>
#include <vector>

#include "app/commands.h"
#include "app/table_keys.h"
#include "assembly/box_assembly.h"
#include "model/workbench.h"

namespace tessaro {

// Whether the command draws a whole box, which can be assembled.
[[nodiscard]] bool assembles(const TemplateCommand& command);

// The box that the template `command` has just drawn into wb.drawing assembles
// into. Throws UsageError for a command that draws no whole box.
[[nodiscard]] BoxAssembly assembledTemplate(const Workbench& wb, const TemplateCommand& command);

// The fit report of that box, with the check of its cut-outs when it has any.
[[nodiscard]] std::vector<std::string> templateFitReport(const Workbench& wb, const TemplateCommand& command);

// That box as the bytes of a binary STL file.
[[nodiscard]] std::string assembledTemplateStl(const Workbench& wb, const TemplateCommand& command);

}  // namespace tessaro
