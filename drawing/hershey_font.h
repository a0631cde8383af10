#pragma once

#include <stdexcept>
#include <string_view>
#include <vector>

namespace tessaro {

// A font file that is not a Hershey font as this reader takes it; the message names the
// file and the line.
class FontError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A point of a glyph in the font's own units: X to the right and Y down, from the glyph's centre.
struct GlyphPoint {
    int x = 0;
    int y = 0;
};

// One character: the pen's runs (each one or more points) and the glyph's edges, where the
// pen stands before and after it.
struct Glyph {
    int left = 0;
    int right = 0;
    std::vector<std::vector<GlyphPoint>> strokes;
};

// The Hershey fonts stand their capitals from 12 units above a glyph's centre down to
// the baseline 9 units below it.
inline constexpr int kHersheyCapitalTop = -12;
inline constexpr int kHersheyBaseline = 9;

// A font of a .jhf file: its n-th glyph is drawn for the ASCII character 32 + n.
struct HersheyFont {
    std::vector<Glyph> glyphs;

    // The glyph of a printable ASCII character; null for another or one the font lacks.
    [[nodiscard]] const Glyph* glyphFor(char32_t character) const;
};

// Reads the text of a .jhf file: a glyph a line, each a five-column number, a three-column
// count of the coordinate pairs that follow it (the edges included), the two edges, and the
// pairs, each coordinate a character counted from 'R', " R" lifting the pen.
// Failure: FontError "NAME, line N: WHY".
[[nodiscard]] HersheyFont parseHersheyFont(std::string_view text, std::string_view fileName);

}  // namespace tessaro
