#pragma once

#include "drawing/drawing.h"
#include "output/line_sink.h"

namespace tessaro {

// The drawing as AutoCAD R12 text: one POLYLINE entity per outline, lone points
// included, each vertex's numbers as the EPS text has them. Every polyline is flagged
// closed but the last one written when lastPolylineClosed is false. Each part's outlines in
// drawing order, or with its inner cuts first (cuttingOrder).
void writeDxf(const Drawing& drawing, bool lastPolylineClosed, LineSink& out, bool innerCutsFirst = false);

}  // namespace tessaro
