#pragma once

#include <cairo.h>

#include <cstddef>

#include "drawing/drawing.h"

namespace tessaro {

// cairo keeps every path of a PDF page until the page is shown, each copied whole as it is
// stroked: a longer outline is stroked in runs of this many lines.
inline constexpr std::size_t kStrokeRun = 1000;

// Strokes the outline with the context's colour, width, caps and joins: a longer one in
// runs of kStrokeRun lines, each from where the last ended, and closed on its first point.
// With round caps and joins a stroke is every point within half its width of the line, so
// the runs print the line one stroke would.
void strokeOutline(cairo_t* cr, OutlineReading& outline);

}  // namespace tessaro
