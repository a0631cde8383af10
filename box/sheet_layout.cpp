#include "box/sheet_layout.h"

namespace tessaro {

void drawSheet(Pen& pen, std::span<const PanelPlace> places, const PanelDrawings& drawingOf) {
    for (const PanelPlace& place : places) {
        pen.originX = place.originX;
        pen.originY = place.originY;
        drawingOf(place.panel)(pen);
        pen.endPart(panelName(place.panel));
    }
}

}  // namespace tessaro
