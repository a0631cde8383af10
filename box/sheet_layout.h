#pragma once

#include <span>

#include "model/workbench.h"

namespace tessaro {

// One part of a sheet: its generator and the origin it draws from.
struct Placement {
    void (*generator)(Workbench&);
    double originX;
    double originY;
};

// Runs the generators in order, each from its own origin; they know nothing of the layout.
void drawSheet(Workbench& wb, std::span<const Placement> layout);

}  // namespace tessaro
