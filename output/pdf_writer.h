#pragma once

#include <optional>
#include <string_view>

#include "drawing/drawing.h"
#include "output/line_sink.h"

namespace tessaro {

// The margin around the drawing on its PDF page; the reference square stands in it.
inline constexpr double kPdfMargin = 20;

// The drawing at 1:1 on one PDF page of its size plus kPdfMargin on every side, for
// printing a paper template: each outline in its operation's colour, 0.1 mm wide (a
// hairline would not print), marks as small red crosses; in the lower-left margin a filled
// 10 x 10 mm square captioned "10 × 10 mm", to check that the printer kept the scale.
// The document's title is the template's. The page given (a sheet) stands in for the
// drawing's size, so that the parts keep their places on it. A page past 5080 mm a side,
// the largest PDF readers take, throws DrawingError.
void writePdf(const Drawing& drawing, std::string_view title, ByteSink& out,
              const std::optional<Extent>& page = std::nullopt);

// Frees the font caches cairo and fontconfig keep for the caption, which a leak checker
// would report: only for a program about to end. The window never calls it: Qt shares
// fontconfig.
void releaseFontCaches();

}  // namespace tessaro
