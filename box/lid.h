#pragma once

#include "model/workbench.h"

namespace tessaro {

// The lid (and the simple box's bottom): the inner width and depth plus a frame margin
// on every side, corners cut off when asked, with slots for the top tabs of the front
// and rear panels and the lid tabs of the side panels, and screw holes between slots.
void drawLid(Workbench& wb);

}  // namespace tessaro
