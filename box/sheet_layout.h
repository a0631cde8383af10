#pragma once

#include <functional>
#include <span>

#include "box/panel_places.h"
#include "drawing/pen.h"

namespace tessaro {

// Draws one part from the pen's origin.
using PartDrawing = std::function<void(Pen&)>;

// Which drawing makes a panel.
using PanelDrawings = std::function<const PartDrawing&(BoxPanel)>;

// What is drawn on a panel after its own outlines (the cut-outs of its face), from its origin.
using PanelAdditions = std::function<void(Pen&, BoxPanel)>;

// Draws the panels in order, each from its own origin and ended as a part named after
// its panel; they know nothing of the layout.
void drawSheet(Pen& pen, std::span<const PanelPlace> places, const PanelDrawings& drawingOf,
               const PanelAdditions& additions = {});

}  // namespace tessaro
