#pragma once

#include <functional>

#include "drawing/pen.h"

namespace tessaro {

// One edge step drawn by some primitive: plain, with relief notches, with a screw slot.
using EdgeStep = std::function<void(Pen&, double dx, double dy)>;

inline void plainStep(Pen& pen, double dx, double dy) { pen.lineTo(dx, dy); }

}  // namespace tessaro
