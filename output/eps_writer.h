#pragma once

#include <string_view>

#include "drawing/drawing.h"
#include "output/line_sink.h"

namespace tessaro {

// The comment that ends every header; the body of moveto/lineto lines follows it.
inline constexpr std::string_view kEpsBodyMarker = "%%Scaling factor from millimetres to PostScript units";

// The drawing as EPS: its header, then each outline as a "moveto" to its first point and a
// "lineto" to each next one, "%11.6f" millimetres, and "stroke" after each finished part.
// Each part's outlines in drawing order, or with its inner cuts first (cuttingOrder).
void writeEps(const Drawing& drawing, LineSink& out, bool innerCutsFirst = false);

}  // namespace tessaro
