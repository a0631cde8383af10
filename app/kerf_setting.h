#pragma once

#include <string_view>

#include "model/workbench.h"

namespace tessaro {

// The widest kerf taken: past the largest cutter a box is milled with.
inline constexpr double kLargestKerf = 50;

// A kerf as typed, in millimetres by the number rule, from 0 to kLargestKerf; a text that is
// no number throws ConversionError with the number rule's message, one out of range too.
[[nodiscard]] double parseKerf(std::string_view text);

// Offsets the workbench's drawing by its kerf (withKerf); each open cut left as drawn is
// shown as a warning. A kerf of 0 leaves the drawing as it is. A kerf the drawing cannot
// take throws DrawingError and leaves no outlines.
void applyKerf(Workbench& wb);

}  // namespace tessaro
