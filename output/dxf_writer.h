#pragma once

#include "drawing/drawing.h"
#include "output/line_sink.h"

namespace tessaro {

// The drawing as AutoCAD R12 text: one POLYLINE entity per outline, lone points
// included, each vertex's numbers as the EPS text has them. Every polyline is flagged
// closed but the last one when lastPolylineClosed is false.
void writeDxf(const Drawing& drawing, bool lastPolylineClosed, LineSink& out);

}  // namespace tessaro
