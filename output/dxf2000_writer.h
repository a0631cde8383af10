#pragma once

#include "drawing/drawing.h"
#include "output/line_sink.h"

namespace tessaro {

// The drawing as AutoCAD 2000 DXF (AC1015) in millimetres ($INSUNITS 4): every outline that
// is cut or engraved is one LWPOLYLINE, closed by its flag where it ends on its start, on
// the layer of its operation (CUT_INNER blue, CUT_OUTER black or white, ENGRAVE green);
// each part's outlines in cutting order. Marks are left out: a CAM program would take a
// lone point for a hole to drill. $EXTMIN and $EXTMAX are the drawing's extent.
void writeDxf2000(const Drawing& drawing, LineSink& out);

}  // namespace tessaro
