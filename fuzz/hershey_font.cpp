// Font files of any bytes: read as a Hershey font, and when one is read, text engraved with
// it, the input's own first bytes too. Only the program's errors may stop either, and every
// stroke engraved is an open line of the engrave role within the text's box.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "drawing/engraved_text.h"
#include "fuzz_checks.h"
#include "input_text.h"

namespace {

using namespace tessaro;
using tessaro::fuzz::completes;
using tessaro::fuzz::expect;

constexpr double kCapitalHeight = 5;

void checkEngraving(const EngravingFonts& fonts, std::string_view text) {
    Drawing drawing;
    Pen pen(drawing);
    pen.currentX = 10;
    pen.currentY = 20;
    if (!completes([&] { engraveText(pen, fonts, text, kCapitalHeight); })) {
        return;
    }
    expect(pen.currentX == 10 && pen.currentY == 20, "the pen ends where the text began");
    for (std::size_t i = 0; i < drawing.outlineCount(); ++i) {
        const Outline stroke = drawing.outline(i);
        expect(stroke.role == OutlineRole::Engrave && stroke.points.size() >= 2, "every stroke is an engraved line");
    }
    const double width = engravedWidth(fonts, text, kCapitalHeight);
    expect(std::isfinite(width) && width >= 0, "a text has a width");
    if (!drawing.extent().empty) {
        // A glyph's strokes may reach past its edges, but never past the font's coordinates.
        constexpr double kFarthest = 100 * kCapitalHeight / 21;
        expect(
            drawing.extent().minX >= 10 - width / 2 - kFarthest && drawing.extent().maxX <= 10 + width / 2 + kFarthest,
            "the strokes stay near the text's box");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = tessaro::fuzz::textOf(data, size);
    HersheyFont font;
    try {
        font = parseHersheyFont(bytes, "fuzzed.jhf");
    } catch (const FontError&) {
        return 0;
    }
    const EngravingFonts fonts{font, font};
    checkEngraving(fonts, "Крышка 0.1 ?");
    checkEngraving(fonts, bytes.substr(0, 64));
    return 0;
}
