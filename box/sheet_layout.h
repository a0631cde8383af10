#pragma once

#include <functional>
#include <span>

#include "output/pen.h"

namespace tessaro {

// Draws one part from the pen's origin.
using PartDrawing = std::function<void(Pen&)>;

// One part of a sheet: how it is drawn and the origin it draws from.
struct Placement {
    PartDrawing draw;
    double originX;
    double originY;
};

// Draws the parts in order, each from its own origin; they know nothing of the layout.
void drawSheet(Pen& pen, std::span<const Placement> layout);

}  // namespace tessaro
