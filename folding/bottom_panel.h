#pragma once

#include "model/workbench.h"

namespace tessaro {

// The folding box's bottom: a plate W wide reaching a frame margin past the front and
// rear, with a wing along each side that passes through the side panels' holding holes.
// Slots take the front and rear panels' tabs and, in the wings, the side panels' teeth.
void drawBottomPanel(Workbench& wb);

}  // namespace tessaro
