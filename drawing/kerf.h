#pragma once

#include <string>
#include <vector>

#include "drawing/drawing.h"

namespace tessaro {

// The drawing as a beam of width `kerf` (mm) must follow it for the parts to come out as
// drawn: every closed outer cut offset outward by half the kerf and every closed inner cut
// inward, with mitred corners, so square corners stay square. A notch drawn across a
// piece's edge becomes part of that edge, which is offset as the edge of the material.
// Open cuts (the tab-slot piece's toothed strip, the spiral), engravings and marks are
// left as drawn: which side of an open cut is the material, the drawing does not say; a
// warning for each open cut is added to `warnings`.
// A kerf of 0 gives the drawing back as it is. A kerf that would close or split a slot,
// fill a gap or notch narrower than it, or bring two parts' outlines together throws
// DrawingError naming the outline.
[[nodiscard]] Drawing withKerf(const Drawing& drawing, double kerf, std::vector<std::string>& warnings);

// The parts a beam of width `kerf` cuts along the drawing's outlines: every closed outer cut
// offset inward by half the beam and every closed inner cut outward, mitred. Of a drawing
// offset withKerf, the drawn parts, to the micrometre.
[[nodiscard]] Drawing cutByBeam(const Drawing& drawing, double kerf);

}  // namespace tessaro
