#pragma once

#include <string_view>

#include "drawing/hershey_font.h"
#include "drawing/pen.h"

namespace tessaro {

// The two Hershey fonts engraved text is drawn in: Latin letters, digits and signs from
// one, the Russian alphabet from the other.
struct EngravingFonts {
    HersheyFont latin;
    HersheyFont cyrillic;
};

// The width in millimetres of a line of UTF-8 text whose capitals stand `capitalHeight` high.
[[nodiscard]] double engravedWidth(const EngravingFonts& fonts, std::string_view text, double capitalHeight);

// Engraves a line of UTF-8 text centred on the pen's current point, its capitals
// `capitalHeight` high: each stroke an open Engrave outline. A character neither font
// has is engraved as "?". The pen ends where it began.
// Failure: DrawingError for a text that is not UTF-8.
void engraveText(Pen& pen, const EngravingFonts& fonts, std::string_view text, double capitalHeight);

}  // namespace tessaro
