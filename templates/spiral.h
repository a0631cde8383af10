#pragma once

#include "model/workbench.h"

namespace tessaro {

// The most lines a spiral may have; more would exhaust memory long before it is saved.
inline constexpr long double kMaxSpiralLines = 10'000'000;
// The text of that many lines of ordinary numbers; huge numbers reach it with fewer lines.
inline constexpr long double kMaxSpiralBytes = kMaxSpiralLines * 32;

// The Archimedean spiral of the spiral table as one open path of tangent steps,
// from the centre down to the start radius and then N turns counter-clockwise.
void drawArchimedeanSpiral(Workbench& wb);

}  // namespace tessaro
