#pragma once

#include "output/line_list.h"

namespace tessaro {

// Rebuilds the DXF document (AutoCAD R12 text, POLYLINE entities) from the EPS
// document: every "moveto" starts a polyline, every "moveto"/"lineto" is a vertex; a
// "lineto" before any "moveto" starts one too.
// All polylines are flagged closed except the last one when lastPolylineClosed is false.
void convertToDxf(const LineList& epsDocument, bool lastPolylineClosed, LineList& dxfDocument);

}  // namespace tessaro
