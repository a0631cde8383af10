#pragma once

#include "model/workbench.h"

namespace tessaro {

// The simple box's side panel, lying with X along the box's height and Y along its
// depth: a body reaching M + F past both ends, three tabs on each long side for the
// lid's and the bottom's side slots, and the front and rear slot rows.
void drawSimpleSidePanel(Workbench& wb);

}  // namespace tessaro
