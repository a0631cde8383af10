#pragma once

#include <array>
#include <string_view>

#include "drawing/drawing.h"
#include "output/line_sink.h"

namespace tessaro {

// The lines every file begins with, up to its first entity: the same whatever is drawn.
inline constexpr std::array<std::string_view, 55> kDxfPrologue = {
    "  0", "SECTION",       "  2", "HEADER",        "  9", "$ACADVER",   "  1", "AC1009",  "  9", "$EXTMIN",
    " 10", "-200.00000000", " 20", "-200.00000000", " 30", "0.0",        "  9", "$EXTMAX", " 10", "500.00000000",
    " 20", "500.00000000",  " 30", "0.0",           "  0", "ENDSEC",     "  0", "SECTION", "  2", "TABLES",
    "  0", "TABLE",         "  2", "LAYER",         " 70", "  1",        "  0", "LAYER",   "  2", "По умолчанию",
    " 70", "  0",           " 62", "  1",           "  6", "CONTINUOUS", "  0", "ENDTAB",  "  0", "ENDSEC",
    "  0", "SECTION",       "  2", "ENTITIES",      "  0",
};

// The drawing as AutoCAD R12 text: one POLYLINE entity per outline, lone points
// included, each vertex's numbers as the EPS text has them. Every polyline is flagged
// closed but the last one written when lastPolylineClosed is false. Each part's outlines in
// drawing order, or with its inner cuts first (cuttingOrder).
void writeDxf(const Drawing& drawing, bool lastPolylineClosed, LineSink& out, bool innerCutsFirst = false);

}  // namespace tessaro
