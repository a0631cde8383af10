#pragma once

#include "drawing/drawing.h"
#include "output/line_list.h"

namespace tessaro {

// Reads an EPS body back into a drawing, for the tests and the fuzzing of what others
// may hand us: "moveto" begins an outline, "lineto" continues it, "stroke" ends a part.
// A "lineto" before any "moveto" begins an outline of its own, and outlines after the
// last "stroke" form a last, unfinished part, so that whatever the document holds is
// kept rather than dropped. The text has no roles: every outline reads as a cut.
[[nodiscard]] Drawing readEpsDrawing(const LineList& eps);

}  // namespace tessaro
