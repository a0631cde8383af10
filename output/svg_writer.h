#pragma once

#include <optional>
#include <string_view>

#include "drawing/drawing.h"
#include "output/line_sink.h"

namespace tessaro {

// The drawing as an SVG document in UTF-8: sized in millimetres with a viewBox in
// millimetres, so it imports at 1:1; Y flipped so that it looks as the drawing does;
// one group per part, one path per outline, closed with Z where it ends on its start;
// a 0.1 mm black stroke and no fill; the title names the template. Lone points are
// left out: a laser program could take a path of one point for a dot to burn. The
// document shows the page given (a sheet, so that its margins come along on import), or
// else what is drawn.
void writeSvg(const Drawing& drawing, std::string_view title, LineSink& out,
              const std::optional<Extent>& page = std::nullopt);

}  // namespace tessaro
