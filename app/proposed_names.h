#pragma once

#include <string>
#include <string_view>

#include "model/workbench.h"

namespace tessaro {

// Proposed file names; the cells go in as typed, but for a "/" or a control character,
// which become blanks so that the name stays in its folder.

// The full sets' template label, which their names carry.
inline constexpr std::string_view kFullLabel = " full";
// The bobbin's template label, which its name ends with.
inline constexpr std::string_view kBobbinLabel = " trans";

// T + "mm " + W + "x" + H + "x" + D + suffix, from the main table.
[[nodiscard]] std::string boxName(const Workbench& wb, std::string_view suffix);
// T + "mm " + L + "x" + G + " tab", from the tab-slot table.
[[nodiscard]] std::string tabSlotName(const Workbench& wb);
// t + "mm " + h + "x" + b + "x" + a + the bobbin's label, from the transformer table.
[[nodiscard]] std::string bobbinName(const Workbench& wb);
// "spiral R" + R + "mm Fi" + Fi + " step" + St + " rev" + N.
[[nodiscard]] std::string spiralName(const Workbench& wb);

}  // namespace tessaro
