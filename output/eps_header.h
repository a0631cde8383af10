#pragma once

#include <span>
#include <string_view>

#include "output/line_list.h"

namespace tessaro {

// The comment that ends every header; the body of moveto/lineto lines follows it.
inline constexpr std::string_view kEpsBodyMarker = "%%Scaling factor from millimetres to PostScript units";

// One "%%Title: caption value" line of a header.
struct TitleLine {
    std::string_view caption;
    std::string_view value;
};

struct MainHeader {
    double width = 0;   // W, inner width
    double height = 0;  // H, inner height
    double depth = 0;   // D, inner depth
    std::string_view creator;
    std::string_view templateLabel;
    std::span<const TitleLine> titles;
    std::string_view timeOfDay;
};

// Replace the document by the 20-line header of the box, tab-slot and bobbin templates.
void writeMainHeader(LineList& document, const MainHeader& header);

// Replace the document by the 17-line header of the spiral.
void writeSpiralHeader(LineList& document, std::span<const TitleLine> titles, std::string_view timeOfDay);

}  // namespace tessaro
