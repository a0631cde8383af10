#pragma once

#include "model/param_table.h"
#include "output/pen.h"

namespace tessaro {

// The transformer table's sizes, in millimetres.
struct BobbinSizes {
    double t = 0;  // material thickness
    double h = 0;  // window height: the coil's length between the flanges
    double b = 0;  // window width: how far the flanges reach out beyond the tube
    double a = 0;  // core leg width
    double k = 0;  // core leg thickness
    double g = 0;  // clearance allowance

    // Reads rows 1 to 6 in order.
    [[nodiscard]] static BobbinSizes read(const ParamTable& bobbinTable);

    // A third of the narrow wall's length.
    [[nodiscard]] double L() const { return (h - 2 * t) / 3; }
    // How far the second row of parts lies below the first: the taller of a wall and
    // a flange, and some room.
    [[nodiscard]] double rowPitch() const;
};

// The six parts of the bobbin in two rows: a flange with its core window and six
// small holes, a wide wall and a narrow wall; one "stroke" after the last part.
void drawBobbinFrame(Pen& pen, const BobbinSizes& sizes);

}  // namespace tessaro
