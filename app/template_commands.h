#pragma once

#include <string_view>

#include "model/workbench.h"

namespace tessaro {

// The first steps shared by every command: name the template, reset the origin.
void startTemplate(Workbench& wb, std::string_view label);

// The commands: each names its template, resets the origin, writes the header, reads the
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
