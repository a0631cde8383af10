#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/engraving_fonts.h"
#include "drawing/drawing_error.h"
#include "drawing/engraved_text.h"
#include "output/files.h"

namespace tessaro {
namespace {

// The installed fonts, read once for the whole file.
const EngravingFonts& fonts() {
    static const EngravingFonts loaded = loadEngravingFonts();
    return loaded;
}

struct Engraved {
    Drawing drawing;
    std::size_t outlines = 0;
    Extent extent;
};

// The text engraved centred on (cx, cy), every outline checked to be an open engraved stroke.
Engraved engrave(std::string_view text, double height, double cx = 0, double cy = 0) {
    Engraved e;
    Pen pen(e.drawing);
    pen.currentX = cx;
    pen.currentY = cy;
    engraveText(pen, fonts(), text, height);
    EXPECT_EQ(pen.currentX, cx);
    EXPECT_EQ(pen.currentY, cy);
    e.outlines = e.drawing.outlineCount();
    for (std::size_t i = 0; i < e.outlines; ++i) {
        const Outline stroke = e.drawing.outline(i);
        EXPECT_EQ(stroke.role, OutlineRole::Engrave) << text;
        EXPECT_GE(stroke.points.size(), 2U) << text;
    }
    e.extent = e.drawing.extent();
    return e;
}

std::size_t linesIn(const std::filesystem::path& file) {
    std::ifstream in(file);
    std::size_t lines = 0;
    for (std::string line; std::getline(in, line);) {
        ++lines;
    }
    return lines;
}

TEST(HersheyFonts, EveryGlyphOfTheInstalledFontsParsesOneALine) {
    const std::filesystem::path folder(kHersheyFontFolder);
    EXPECT_EQ(fonts().latin.glyphs.size(), linesIn(folder / kLatinFontFile));
    EXPECT_EQ(fonts().cyrillic.glyphs.size(), linesIn(folder / kCyrillicFontFile));
    // The printable ASCII characters, blank to tilde and one more.
    EXPECT_EQ(fonts().latin.glyphs.size(), 96U);
    for (const HersheyFont* font : {&fonts().latin, &fonts().cyrillic}) {
        for (const Glyph& glyph : font->glyphs) {
            EXPECT_LT(glyph.left, glyph.right);
        }
    }
}

TEST(HersheyFonts, EveryLetterAndDigitHasStrokes) {
    std::vector<std::string> letters;
    for (char c = 'A'; c <= 'Z'; ++c) {
        letters.push_back({c});
        letters.push_back({static_cast<char>(c - 'A' + 'a')});
    }
    for (char c = '0'; c <= '9'; ++c) {
        letters.push_back({c});
    }
    for (std::string_view russian : {"АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ", "абвгдеёжзийклмнопрстуфхцчшщъыьэюя"}) {
        for (std::size_t i = 0; i < russian.size(); i += 2) {
            letters.emplace_back(russian.substr(i, 2));
        }
    }
    ASSERT_EQ(letters.size(), 52U + 10U + 66U);
    const Engraved question = engrave("?", 10);
    for (const std::string& letter : letters) {
        const Engraved e = engrave(letter, 10);
        EXPECT_GT(e.outlines, 0U) << letter;
        // Each has a glyph of its own, not the stand-in for a missing one.
        EXPECT_NE(e.drawing, question.drawing) << letter;
    }
}

TEST(HersheyFonts, CapitalsStandAtTheAskedHeightAndSmallLettersBelowIt) {
    for (std::string_view capital : {"H", "E", "T", "Н", "П", "Т", "Ш"}) {
        for (double height : {2.5, 7.0}) {
            const Engraved e = engrave(capital, height, 10, 20);
            EXPECT_NEAR(e.extent.height(), height, 1e-9) << capital;
            EXPECT_NEAR(e.extent.minY, 20 - height / 2, 1e-9) << capital;
        }
    }
    // The Cyrillic font has no small э of its own, and engraves the capital for it.
    for (std::string_view small : {"x", "n", "м", "н", "ш", "ю", "я"}) {
        const Engraved e = engrave(small, 7);
        EXPECT_LT(e.extent.height(), 0.75 * 7) << small;
        EXPECT_NEAR(e.extent.minY, -3.5, 1e-9) << small;
    }
}

TEST(HersheyFonts, TextIsCentredOnThePenAndGrowsWithItsCharacters) {
    // H is drawn symmetric about its glyph's centre.
    const Engraved h = engrave("H", 5, 30, -4);
    EXPECT_NEAR((h.extent.minX + h.extent.maxX) / 2, 30, 1e-9);
    double lastWidth = 0;
    for (std::string_view text : {"0", "0.", "0.1", "0.15", "-0.155", "Крышка 0.155"}) {
        const double width = engravedWidth(fonts(), text, 5);
        const Engraved e = engrave(text, 5, 30, -4);
        EXPECT_GT(width, lastWidth) << text;
        EXPECT_LE(e.extent.width(), width) << text;
        // The ink keeps within a glyph's side bearing of the advance box around the centre.
        EXPECT_NEAR(e.extent.minX - (30 - width / 2), 30 + width / 2 - e.extent.maxX, 1.5) << text;
        lastWidth = width;
    }
    EXPECT_DOUBLE_EQ(engravedWidth(fonts(), "0.1", 10), 2 * engravedWidth(fonts(), "0.1", 5));
}

TEST(HersheyFonts, ACharacterNeitherFontHasIsEngravedAsAQuestionMarkAndBadUtf8IsRefused) {
    EXPECT_EQ(engrave("中", 5).drawing, engrave("?", 5).drawing);
    EXPECT_EQ(engrave("\t", 5).drawing, engrave("?", 5).drawing);
    for (std::string_view bad : {"\xff", "A\xd0", "\xc0\xaf", "\xed\xa0\x80", "\xf4\x90\x80\x80"}) {
        Drawing drawing;
        Pen pen(drawing);
        EXPECT_THROW(engraveText(pen, fonts(), bad, 5), DrawingError);
    }
    EXPECT_EQ(engrave("", 5).outlines, 0U);
}

TEST(HersheyFonts, AMissingFontNamesTheFileAndThePackage) {
    const std::filesystem::path empty = std::filesystem::temp_directory_path() / "tessaro-no-fonts";
    std::filesystem::create_directories(empty);
    try {
        (void)loadEngravingFonts(empty);
        ADD_FAILURE() << "loaded fonts from an empty folder";
    } catch (const FileError& e) {
        const std::string message = e.what();
        EXPECT_NE(message.find("Cannot open file \"" + (empty / kLatinFontFile).string() + "\""), std::string::npos);
        EXPECT_NE(message.find("hershey-fonts-data"), std::string::npos);
    }
}

TEST(HersheyFontReader, ABadGlyphLineIsAnErrorNamingTheFileAndLine) {
    const std::string good = "12345  1JZ\n12345  9MWRFRT RRYQZR[SZRY\r\n";
    const HersheyFont font = parseHersheyFont(good, "good.jhf");
    ASSERT_EQ(font.glyphs.size(), 2U);
    EXPECT_TRUE(font.glyphs[0].strokes.empty());
    EXPECT_EQ(font.glyphs[1].strokes.size(), 2U);
    EXPECT_EQ(font.glyphs[1].strokes[0].size(), 2U);
    EXPECT_EQ(font.glyphs[1].strokes[1].size(), 5U);
    EXPECT_EQ(font.glyphFor(U'!'), &font.glyphs[1]);
    EXPECT_EQ(font.glyphFor(U'"'), nullptr);
    EXPECT_EQ(font.glyphFor(U'\n'), nullptr);

    for (std::string_view line : {
             "12345  1J",        // no right edge
             "12345 xx1JZ",      // no count
             "12345  0JZ",       // a count of nothing
             "12345  3JZRF",     // fewer pairs than said
             "12345  2JZRFRG",   // more pairs than said
             "12345  2ZJRF",     // edges crossed
             "12345  2JZR\x01",  // a coordinate that is no character
             "12345  2J\x7fRF",  // nor is DEL
             "",                 // an empty line among glyphs
         }) {
        const std::string text = std::string(good) + std::string(line) + "\n12345  1JZ\n";
        try {
            (void)parseHersheyFont(text, "bad.jhf");
            ADD_FAILURE() << "took the line '" << line << "'";
        } catch (const FontError& e) {
            EXPECT_EQ(std::string(e.what()).rfind("bad.jhf, line 3: ", 0), 0U) << e.what();
        }
    }
    EXPECT_THROW((void)parseHersheyFont("", "empty.jhf"), FontError);
}

}  // namespace
}  // namespace tessaro
