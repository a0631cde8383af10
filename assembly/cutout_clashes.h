#pragma once

#include <span>
#include <string>
#include <vector>

#include "box/panel_places.h"
#include "box/panel_sizes.h"
#include "drawing/drawing.h"
#include "model/face_cutouts.h"

namespace tessaro {

// A cut-out that comes nearer than the least bar (kLeastBar) to something else its panel
// cuts, or into the edge zone where the panel meets the next one.
struct CutoutClash {
    std::size_t cutout = 0;            // in the list
    std::vector<std::string> reasons;  // "a tab", "a slot or hole", "cutout front,circle,...", ...
};

// The clashes of the cut-outs of a whole box as drawn, on each panel's drawing: each
// cut-out's openings against the panel's other inner cuts grown by the least bar, the
// tabs' roots (the material thickness into the face from a tab), the screw channels and
// notches cut in from its edge, the frame margin and the face's edge (the least bar), and
// the other cut-outs of the face. The drawing's parts are the panels of `places`, each
// with its cut-outs drawn last, as drawFaceCutouts draws them.
[[nodiscard]] std::vector<CutoutClash> cutoutClashes(const Drawing& drawing, std::span<const PanelPlace> places,
                                                     const PanelSizes& box, std::span<const FaceCutout> cutouts);

}  // namespace tessaro
