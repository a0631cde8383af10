#pragma once

#include <cstdint>
#include <string_view>

#include "drawing/drawing.h"

namespace tessaro {

// How the files tell an outline's operation apart: the colours laser programs make one
// layer each of (outer cut black, inner cut blue, engraving green, notes red) and the
// layer a DXF puts it on.
struct CutLayer {
    std::string_view name;  // the DXF layer: CUT_OUTER, CUT_INNER, ENGRAVE, MARKS
    std::string_view rgb;   // "#0000ff"
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    int aci = 7;  // AutoCAD's colour index: 7 is black on white paper and white on a dark screen
};

[[nodiscard]] const CutLayer& layerOf(OutlineRole role);

// The stroke laser drivers take for a line to cut rather than to fill: 0.025 mm, about a
// thousandth of an inch.
inline constexpr double kHairline = 0.025;

}  // namespace tessaro
