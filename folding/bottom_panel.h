#pragma once

#include "box/panel_sizes.h"
#include "drawing/pen.h"
#include "model/options.h"

namespace tessaro {

// The folding box's bottom: a plate as wide as the box reaching a frame margin past the
// front and rear, with a wing along each side that passes through the side panels'
// holding holes. Slots take the front and rear panels' tabs and, in the wings, the side
// panels' teeth. Takes every size of `box` but the height and the tab height.
void drawBottomPanel(Pen& pen, const PanelSizes& box, const Options& switches);

}  // namespace tessaro
