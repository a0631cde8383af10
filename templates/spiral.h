#pragma once

#include "drawing/pen.h"

namespace tessaro {

// The most lines a spiral may have; more would exhaust memory long before it is saved.
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
// start radius and then N turns counter-clockwise. Refuses a spiral that would never end
// or would not fit in memory before it draws anything.
void drawArchimedeanSpiral(Pen& pen, const SpiralSizes& spiral);

}  // namespace tessaro
