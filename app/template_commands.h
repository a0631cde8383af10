#pragma once

#include <string_view>

#include "model/workbench.h"

namespace tessaro {

// The first steps shared by every command: name the template, reset the origin.
void startTemplate(Workbench& wb, std::string_view label);
// A command that draws one panel: label, origin, main header, the panel's generator.
void makeSinglePanel(Workbench& wb, std::string_view label, void (*generator)(Workbench&));

// The commands: each names its template, resets the origin, writes the header and
// runs its generators.
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
