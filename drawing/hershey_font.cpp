#include "drawing/hershey_font.h"

#include <charconv>
#include <string>

namespace tessaro {
namespace {

constexpr std::size_t kNumberColumns = 5;
constexpr std::size_t kCountColumns = 3;
constexpr std::size_t kHeadColumns = kNumberColumns + kCountColumns + 2;  // and the two edges
constexpr char kCoordinateZero = 'R';
constexpr std::string_view kPenUp = " R";
constexpr char32_t kFirstCharacter = 32;

class LineReader {
public:
    LineReader(std::string_view fileName, std::size_t lineNumber) : fileName_(fileName), lineNumber_(lineNumber) {}

    [[noreturn]] void refuse(std::string_view why) const {
        throw FontError(std::string(fileName_) + ", line " + std::to_string(lineNumber_) + ": " + std::string(why));
    }

    // A coordinate is a printable character; the blank only lifts the pen.
    [[nodiscard]] int coordinate(char c) const {
        if (c <= ' ' || c > '~') {
            refuse("a coordinate is not a printable character");
        }
        return c - kCoordinateZero;
    }

    [[nodiscard]] int pairCount(std::string_view field) const {
        const std::size_t digits = field.find_first_not_of(' ');
        int count = 0;
        const char* end = field.data() + field.size();
        if (digits == std::string_view::npos || std::from_chars(field.data() + digits, end, count).ptr != end ||
            count < 1) {
            refuse("the count of coordinate pairs in columns 6 to 8 is not a number of 1 or more");
        }
        return count;
    }

    [[nodiscard]] Glyph glyph(std::string_view line) const {
        if (line.size() < kHeadColumns) {
            refuse("the line is shorter than a glyph's number, count and edges");
        }
        const int pairs = pairCount(line.substr(kNumberColumns, kCountColumns));
        Glyph glyph{coordinate(line[kHeadColumns - 2]), coordinate(line[kHeadColumns - 1]), {}};
        if (glyph.left > glyph.right) {
            refuse("the glyph's left edge lies right of its right edge");
        }
        std::string_view body = line.substr(kHeadColumns);
        const std::size_t expected = 2 * static_cast<std::size_t>(pairs - 1);
        if (body.size() < expected || body.find_first_not_of(' ', expected) != std::string_view::npos) {
            refuse("the line holds " + std::to_string(body.size() / 2 + 1) + " coordinate pairs where it says " +
                   std::to_string(pairs));
        }
        body = body.substr(0, expected);
        glyph.strokes.emplace_back();
        for (std::size_t i = 0; i < body.size(); i += 2) {
            const std::string_view pair = body.substr(i, 2);
            if (pair == kPenUp) {
                glyph.strokes.emplace_back();
            } else {
                glyph.strokes.back().push_back({coordinate(pair[0]), coordinate(pair[1])});
            }
        }
        std::erase_if(glyph.strokes, [](const auto& stroke) { return stroke.empty(); });
        return glyph;
    }

private:
    std::string_view fileName_;
    std::size_t lineNumber_;
};

}  // namespace

const Glyph* HersheyFont::glyphFor(char32_t character) const {
    if (character < kFirstCharacter || character - kFirstCharacter >= glyphs.size()) {
        return nullptr;
    }
    return &glyphs[character - kFirstCharacter];
}

HersheyFont parseHersheyFont(std::string_view text, std::string_view fileName) {
    HersheyFont font;
    std::size_t lineNumber = 0;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        font.glyphs.push_back(LineReader(fileName, ++lineNumber).glyph(line));
    }
    if (font.glyphs.empty()) {
        throw FontError(std::string(fileName) + " holds no glyphs");
    }
    return font;
}

}  // namespace tessaro
