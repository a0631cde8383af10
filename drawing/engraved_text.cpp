#include "drawing/engraved_text.h"

#include <array>
#include <vector>

#include "drawing/drawing_error.h"

namespace tessaro {
namespace {

// The Cyrillic Hershey font keeps its letters at the ASCII places of a phonetic keyboard,
// listed here in alphabetical order, А to Я and а to я. It has no Й of its own (its place
// holds an И) and no small э (its place holds the capital); Ё and ё are engraved as Е and е.
constexpr std::string_view kCyrillicCapitals = "ABVGD[HZIEKLMNOPRSTYFX`JQW]$_CU^";
constexpr std::string_view kCyrillicSmall = "abvgd{hzieklmnoprstyfx%jqw|&~cu}";
static_assert(kCyrillicCapitals.size() == 32 && kCyrillicSmall.size() == 32);

constexpr char32_t kCapitalA = U'А';
constexpr char32_t kSmallA = U'а';
constexpr char32_t kCapitalYo = U'Ё';
constexpr char32_t kSmallYo = U'ё';

// The bytes that follow a lead byte of UTF-8, or -1 for a byte no character starts with.
int trailingBytes(unsigned char lead) {
    if (lead < 0x80) {
        return 0;
    }
    if (lead >= 0xC2 && lead < 0xE0) {
        return 1;
    }
    if (lead >= 0xE0 && lead < 0xF0) {
        return 2;
    }
    return lead >= 0xF0 && lead < 0xF5 ? 3 : -1;
}

// The code points of a UTF-8 text; overlong forms, surrogates and stray bytes are refused.
std::vector<char32_t> codePoints(std::string_view text) {
    constexpr std::array<char32_t, 4> kLeast = {0, 0x80, 0x800, 0x10000};
    const auto refuse = [] { throw DrawingError("The text to engrave is not UTF-8"); };
    std::vector<char32_t> points;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i++]);
        const int trailing = trailingBytes(lead);
        if (trailing < 0 || text.size() - i < static_cast<std::size_t>(trailing)) {
            refuse();
        }
        char32_t point = trailing == 0 ? lead : lead & (0x3Fu >> trailing);
        for (int k = 0; k < trailing; ++k) {
            const auto next = static_cast<unsigned char>(text[i++]);
            if ((next & 0xC0) != 0x80) {
                refuse();
            }
            point = (point << 6) | (next & 0x3Fu);
        }
        if (point < kLeast[static_cast<std::size_t>(trailing)] || point > 0x10FFFF ||
            (point >= 0xD800 && point <= 0xDFFF)) {
            refuse();
        }
        points.push_back(point);
    }
    return points;
}

const Glyph* cyrillicGlyph(const HersheyFont& font, char32_t c) {
    c = c == kCapitalYo ? U'Е' : c == kSmallYo ? U'е' : c;
    if (c >= kCapitalA && c < kCapitalA + kCyrillicCapitals.size()) {
        return font.glyphFor(static_cast<unsigned char>(kCyrillicCapitals[c - kCapitalA]));
    }
    if (c >= kSmallA && c < kSmallA + kCyrillicSmall.size()) {
        return font.glyphFor(static_cast<unsigned char>(kCyrillicSmall[c - kSmallA]));
    }
    return nullptr;
}

// The glyph a character is engraved with; null only where neither font has a "?".
const Glyph* glyphOf(const EngravingFonts& fonts, char32_t c) {
    const Glyph* glyph = c < 0x80 ? fonts.latin.glyphFor(c) : cyrillicGlyph(fonts.cyrillic, c);
    return glyph != nullptr ? glyph : fonts.latin.glyphFor(U'?');
}

std::vector<const Glyph*> glyphsOf(const EngravingFonts& fonts, std::string_view text) {
    std::vector<const Glyph*> glyphs;
    for (char32_t c : codePoints(text)) {
        if (const Glyph* glyph = glyphOf(fonts, c)) {
            glyphs.push_back(glyph);
        }
    }
    return glyphs;
}

double unitsWide(const std::vector<const Glyph*>& glyphs) {
    double units = 0;
    for (const Glyph* glyph : glyphs) {
        units += glyph->right - glyph->left;
    }
    return units;
}

double millimetresPerUnit(double capitalHeight) { return capitalHeight / (kHersheyBaseline - kHersheyCapitalTop); }

}  // namespace

double engravedWidth(const EngravingFonts& fonts, std::string_view text, double capitalHeight) {
    return unitsWide(glyphsOf(fonts, text)) * millimetresPerUnit(capitalHeight);
}

void engraveText(Pen& pen, const EngravingFonts& fonts, std::string_view text, double capitalHeight) {
    const std::vector<const Glyph*> glyphs = glyphsOf(fonts, text);
    const double scale = millimetresPerUnit(capitalHeight);
    const Point centre{pen.currentX, pen.currentY};
    const double baseline = centre.y - capitalHeight / 2;
    double penX = centre.x - unitsWide(glyphs) * scale / 2;
    for (const Glyph* glyph : glyphs) {
        const double glyphCentre = penX - glyph->left * scale;
        for (const std::vector<GlyphPoint>& stroke : glyph->strokes) {
            if (stroke.size() < 2) {
                continue;  // a lone point would be a mark, not a line to engrave
            }
            for (std::size_t i = 0; i < stroke.size(); ++i) {
                const double x = glyphCentre + stroke[i].x * scale;
                const double y = baseline + (kHersheyBaseline - stroke[i].y) * scale;
                i == 0 ? pen.startEngraving(x - pen.currentX, y - pen.currentY)
                       : pen.lineTo(x - pen.currentX, y - pen.currentY);
            }
        }
        penX += (glyph->right - glyph->left) * scale;
    }
    pen.currentX = centre.x;
    pen.currentY = centre.y;
}

}  // namespace tessaro
