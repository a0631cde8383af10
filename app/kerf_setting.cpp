#include "app/kerf_setting.h"

#include <string>
#include <vector>

#include "drawing/drawing_error.h"
#include "drawing/kerf.h"
#include "model/number_parse.h"

namespace tessaro {

double parseKerf(std::string_view text) {
    const double kerf = parseReal(text);
    if (!(kerf >= 0 && kerf <= kLargestKerf)) {
        throw ConversionError("The kerf '" + std::string(text) + "' is not a width from 0 to " +
                              std::to_string(static_cast<int>(kLargestKerf)) + " mm");
    }
    return kerf;
}

void applyKerf(Workbench& wb) {
    if (wb.kerf == 0) {
        return;
    }
    std::vector<std::string> warnings;
    try {
        wb.drawing = withKerf(wb.drawing, wb.kerf, warnings);
    } catch (const DrawingError&) {
        // Outlines the cutter must not follow are no template to save, nest or preview.
        wb.drawing.clearOutlines();
        throw;
    }
    for (const std::string& warning : warnings) {
        wb.messages.show(warning);
    }
}

}  // namespace tessaro
