#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "output/eps_reader.h"

namespace tessaro::fuzz {

// One <path> of an SVG document, its points turned back to the drawing's Y axis.
struct SvgPath {
    std::string stroke;         // "#0000ff"
    std::vector<Point> points;  // none for a mark's cross, which is read by its colour alone
    bool closed = false;        // ends with Z
};

// What an SVG document tells a program that imports it.
struct SvgFigures {
    double width = 0;  // millimetres
    double height = 0;
    double viewBox[4] = {0, 0, 0, 0};
    std::vector<SvgPath> paths;
    std::size_t groups = 0;  // plain <g> elements
};

// Reads the size, the view box and the paths (a stroke, then M, L and Z with absolute
// coordinates) of an SVG document; nothing when any of them is not SVG's number or path
// grammar. A path in `markStroke` is a mark's cross and only its colour is kept.
[[nodiscard]] std::optional<SvgFigures> readSvgFigures(std::string_view svg, std::string_view markStroke);

}  // namespace tessaro::fuzz
