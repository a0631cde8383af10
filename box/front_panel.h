#pragma once

#include "model/workbench.h"

namespace tessaro {

// The front (and rear) panel: a W by H body with four tabs on the width edges and two
// on the height edges, traced counterclockwise from its lower-left corner at the origin.
void drawFrontPanel(Workbench& wb);

}  // namespace tessaro
