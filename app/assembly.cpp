#include "app/assembly.h"

#include <array>
#include <string>

#include "app/fit_report.h"
#include "app/table_sizes.h"
#include "assembly/stl_writer.h"
#include "drawing/kerf.h"

namespace tessaro {

bool assembles(const TemplateCommand& command) { return command.panelPlaces != nullptr; }

namespace {

// The thickness and the inner width, height and depth place the panels.
PanelSizes boxSizes(const Workbench& wb, const TemplateCommand& command) {
    if (!assembles(command)) {
        throw UsageError("'" + std::string(command.name) + "' draws no whole box to assemble: use full or simple-full");
    }
    constexpr std::array kBoxRows{MainRow::Thickness, MainRow::Width, MainRow::Height, MainRow::Depth};
    return readPanelSizes(wb.boxTable, kBoxRows);
}

}  // namespace

BoxAssembly assembledTemplate(const Workbench& wb, const TemplateCommand& command) {
    const PanelSizes box = boxSizes(wb, command);
    // The parts as the beam cuts them along the kerfed outlines: the drawn parts.
    return assembleBox(cutByBeam(wb.drawing, wb.kerf), command.panelPlaces(box), box);
}

std::vector<std::string> templateFitReport(const Workbench& wb, const TemplateCommand& command) {
    const PanelSizes box = boxSizes(wb, command);
    std::vector<std::string> cutoutCheck;
    if (!wb.cutouts.empty()) {
        cutoutCheck =
            cutoutCheckLines(cutoutClashes(wb.drawing, command.panelPlaces(box), box, wb.cutouts), wb.cutouts);
    }
    return fitReport(assembledTemplate(wb, command), cutoutCheck);
}

std::string assembledTemplateStl(const Workbench& wb, const TemplateCommand& command) {
    return stlBytes(assembledTemplate(wb, command));
}

}  // namespace tessaro
