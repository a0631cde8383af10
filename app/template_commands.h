#pragma once

#include <string_view>

#include "model/workbench.h"

namespace tessaro {

// The commands: each names its template, starts its drawing with the header, reads the
// sizes its generators take from the tables and runs the generators with them.
void makeFrontPanel(Workbench& wb);
void makeBottomPanel(Workbench& wb);
void makeSidePanel(Workbench& wb);
void makeLid(Workbench& wb);
void makeFoldingBoxSet(Workbench& wb);
void makeSimpleSidePanel(Workbench& wb);
void makeSimpleBoxSet(Workbench& wb);
void makeTabSlotPiece(Workbench& wb);
void makeSpiral(Workbench& wb);
void makeBobbin(Workbench& wb);

}  // namespace tessaro
