#include "assembly/box_assembly.h"

#include <string>

#include "drawing/drawing_error.h"
#include "drawing/rigid_parts.h"

namespace tessaro {

PanelFrame panelFrame(BoxPanel panel, const PanelSizes& box) {
    const double W = box.width;
    const double H = box.height;
    const double D = box.depth;
    const Vec3 alongX{1, 0, 0};
    const Vec3 alongY{0, 1, 0};
    const Vec3 alongZ{0, 0, 1};
    const Vec3 down{0, 0, -1};
    const Vec3 minusX{-1, 0, 0};
    // Every panel's drawing is its outer face as seen from outside, so what is engraved
    // on the sheet's upper face ends up outside. The side panels are drawn lying, their
    // lid edge at x = 0: x runs down from the lid. The panels are drawn symmetric, so the
    // rear, the left side and the bottom are the front, the right side and the lid turned.
    switch (panel) {
    case BoxPanel::Front: return {{0, 0, 0}, alongX, alongZ, {0, -1, 0}};
    case BoxPanel::Rear: return {{W, D, 0}, minusX, alongZ, alongY};
    case BoxPanel::Bottom: return {{W, 0, 0}, minusX, alongY, down};
    case BoxPanel::Lid: return {{0, 0, H}, alongX, alongY, alongZ};
    case BoxPanel::LeftSide: return {{0, D, H}, down, {0, -1, 0}, minusX};
    case BoxPanel::RightSide: return {{W, 0, H}, down, alongY, alongX};
    }
    throw DrawingError("Unknown panel");
}

BoxAssembly assembleBox(const Drawing& drawing, std::span<const PanelPlace> places, const PanelSizes& box) {
    if (drawing.partCount() != places.size()) {
        throw DrawingError("The drawing holds " + std::to_string(drawing.partCount()) + " parts, not the " +
                           std::to_string(places.size()) + " panels of a box");
    }
    if (!(box.thickness > 0)) {
        throw DrawingError("The material thickness must be more than 0 for the box to be assembled");
    }
    BoxAssembly assembly;
    for (std::size_t i = 0; i < places.size(); ++i) {
        const PanelPlace& place = places[i];
        const std::vector<RigidPart> pieces = rigidPartsOf(drawing, i);
        const Point origin{place.originX, place.originY};
        PanelRegion material = materialOf(pieces, origin);
        std::vector<PanelRegion> openings = openingsOf(pieces, origin, material);
        assembly.panels.push_back(
            {place.panel, std::move(material), std::move(openings), panelFrame(place.panel, box), box.thickness});
    }
    return assembly;
}

}  // namespace tessaro
