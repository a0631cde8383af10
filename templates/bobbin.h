#pragma once

#include "drawing/pen.h"

namespace tessaro {

// The transformer table's sizes, in millimetres.
struct BobbinSizes {
    double thickness = 0;     // t, of the material
    double windowHeight = 0;  // h, the coil's length between the flanges
    double windowWidth = 0;   // b, how far the flanges reach out beyond the tube
    double legWidth = 0;      // a, of the core's leg
    double legThickness = 0;  // k, of the core's leg
    double clearance = 0;     // g, the allowance around the leg

    // A third of the narrow wall's length.
    [[nodiscard]] double L() const { return (windowHeight - 2 * thickness) / 3; }
    // How far the second row of parts lies below the first: the taller of a wall and
    // a flange, and some room.
    [[nodiscard]] double rowPitch() const;
};

// The six parts of the bobbin in two rows: a flange with its core window and six
// small holes, a wide wall and a narrow wall; all of them one part of the drawing.
void drawBobbinFrame(Pen& pen, const BobbinSizes& sizes);

}  // namespace tessaro
