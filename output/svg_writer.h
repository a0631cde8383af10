#pragma once

#include <optional>
#include <string_view>

#include "drawing/drawing.h"
#include "output/line_sink.h"

namespace tessaro {

// The drawing as an SVG document in UTF-8: sized in millimetres with a viewBox in
// millimetres, so it imports at 1:1; Y flipped so that it looks as the drawing does;
// one group per part, one path per outline in cutting order (inner cuts before the
// outline around them), closed with Z where it ends on its start; no fill and a hairline
// stroke in the colour of the outline's operation, which laser programs make one layer
// each: outer cut black, inner cut blue, engraving green. A mark is a small red cross,
// never a path of one point that a laser program could take for a dot to burn; it has
// no share in the document's size. The title names the template.
// The document shows the page given (a sheet, so that its margins come along on
// import), or else what is drawn.
void writeSvg(const Drawing& drawing, std::string_view title, LineSink& out,
              const std::optional<Extent>& page = std::nullopt);

}  // namespace tessaro
