#pragma once

#include <span>
#include <vector>

#include "assembly/panel_region.h"
#include "assembly/space.h"
#include "box/panel_places.h"
#include "box/panel_sizes.h"
#include "drawing/drawing.h"

namespace tessaro {

// Where a flat part goes: a drawing point (x, y) at `depth` into the material lies at
// origin + x·across + y·up + depth·outward. The face at depth 0 is the panel's inner one.
struct PanelFrame {
    Vec3 origin;
    Vec3 across;
    Vec3 up;
    Vec3 outward;  // out of the box, through the panel's thickness

    [[nodiscard]] Vec3 at(Point p, double depth) const { return origin + p.x * across + p.y * up + depth * outward; }
};

// One panel of the assembled box: its drawn material, placed.
struct AssembledPanel {
    BoxPanel panel;
    PanelRegion region;                 // in the panel's own drawing coordinates
    std::vector<PanelRegion> openings;  // its slots, holes and channels, there too
    PanelFrame frame;
    double thickness = 0;
};

struct BoxAssembly {
    std::vector<AssembledPanel> panels;  // in drawing order
};

// Where each panel goes in a box of the given inner width, height, depth and thickness.
[[nodiscard]] PanelFrame panelFrame(BoxPanel panel, const PanelSizes& box);

// The box a full set assembles into: each of the drawing's parts, in the order of
// `places`, is taken as drawn from its place on the sheet and put where it goes.
[[nodiscard]] BoxAssembly assembleBox(const Drawing& drawing, std::span<const PanelPlace> places,
                                      const PanelSizes& box);

}  // namespace tessaro
