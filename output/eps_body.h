#pragma once

#include <optional>
#include <string_view>

#include "output/line_list.h"

namespace tessaro {

// One "X Y moveto" or "X Y lineto" line of the EPS body, its number texts as written.
struct EpsPoint {
    std::string_view x;  // in the fixed 30-character form with its leading blanks
    std::string_view y;
    bool startsOutline = false;  // "moveto"
};

// Reads a body line. A line in the fixed form is cut into its columns; a wider one
// (coordinates of 10000 mm or more, or -1000 or less) is split on blanks.
// Anything else ("stroke", comments, blank lines) is no point.
[[nodiscard]] std::optional<EpsPoint> parseEpsPoint(std::string_view line);

// The index of the header's scaling comment, where the body's reading starts; the
// document's size when there is none, so a document without a header has no body.
[[nodiscard]] std::size_t epsBodyStart(const LineList& eps);

}  // namespace tessaro
