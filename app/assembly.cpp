#include "app/assembly.h"

#include <array>
#include <string>

#include "app/table_sizes.h"
#include "assembly/stl_writer.h"
#include "drawing/kerf.h"

namespace tessaro {

bool assembles(const TemplateCommand& command) { return command.panelPlaces != nullptr; }

BoxAssembly assembledTemplate(const Workbench& wb, const TemplateCommand& command) {
    if (!assembles(command)) {
        throw UsageError("'" + std::string(command.name) + "' draws no whole box to assemble: use full or simple-full");
    }
    // The thickness and the inner width, height and depth place the panels.
    constexpr std::array kBoxRows{MainRow::Thickness, MainRow::Width, MainRow::Height, MainRow::Depth};
    const PanelSizes box = readPanelSizes(wb.boxTable, kBoxRows);
    // The parts as the beam cuts them along the kerfed outlines: the drawn parts.
    return assembleBox(cutByBeam(wb.drawing, wb.kerf), command.panelPlaces(box), box);
}

std::string assembledTemplateStl(const Workbench& wb, const TemplateCommand& command) {
    return stlBytes(assembledTemplate(wb, command));
}

}  // namespace tessaro
