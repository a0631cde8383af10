#pragma once

#include "drawing/pen.h"

namespace tessaro {

// The most lines a spiral may have: its files already run to hundreds of megabytes.
inline constexpr long double kMaxSpiralLines = 10'000'000;
// The text of that many lines of ordinary numbers; huge numbers reach it with fewer lines.
inline constexpr long double kMaxSpiralBytes = kMaxSpiralLines * 32;

// The spiral table's values.
struct SpiralSizes {
    double startRadius = 0;  // R, in millimetres
    double stepAngle = 0;    // Fi: the turn of one step, in degrees
    double turnPitch = 0;    // St: how far a turn lies from the one before, in millimetres
    int turns = 0;           // N
};

// The Archimedean spiral as one open path of tangent steps, from the centre down to the
// start radius and then N turns counter-clockwise: a streamed outline, its points made
// again for each reading. Refuses a spiral that would never end or whose files would be
// too large before it draws anything.
void drawArchimedeanSpiral(Pen& pen, const SpiralSizes& spiral);

}  // namespace tessaro
