#include "app/pieces_warning.h"

namespace tessaro {

std::string fallingApartWarning(const std::vector<PartInPieces>& parts) {
    std::string text;
    for (const PartInPieces& part : parts) {
        // A message box breaks its lines at a carriage return.
        text += (text.empty() ? "The " : "\rThe ") + part.name + " falls apart into " + std::to_string(part.pieces) +
                " pieces when cut: its slots and notches cut through its frame.";
    }
    return text;
}

void warnIfPartsFallApart(MessageBox& messages, const Drawing& drawing) {
    // Cutting every part into its pieces is long work for a panel full of openings.
    if (!messages.heard()) {
        return;
    }
    const std::vector<PartInPieces> parts = partsInPieces(drawing);
    if (!parts.empty()) {
        messages.show(fallingApartWarning(parts));
    }
}

}  // namespace tessaro
