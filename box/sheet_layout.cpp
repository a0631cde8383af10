#include "box/sheet_layout.h"

namespace tessaro {

void drawSheet(Pen& pen, std::span<const PanelPlace> places, const PanelDrawings& drawingOf,
               const PanelAdditions& additions) {
    for (const PanelPlace& place : places) {
        pen.originX = place.originX;
        pen.originY = place.originY;
        drawingOf(place.panel)(pen);
        if (additions) {
            additions(pen, place.panel);
        }
        pen.endPart(panelName(place.panel));
    }
}

}  // namespace tessaro
