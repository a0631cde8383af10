#include "model/face_cutouts.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <optional>
#include <span>

#include "model/number_parse.h"
#include "model/utf8_text.h"

namespace tessaro {
namespace {

constexpr std::array kFaceNames{"front", "rear", "left", "right", "bottom", "lid"};
constexpr std::array kKindNames{"cutout", "vent", "label"};
// A label longer than a line of a panel is a slip, not a label.
constexpr std::size_t kLongestLabel = 200;
// A coordinate or size past a kilometre is no box's.
constexpr double kLargestMillimetres = 1e6;

std::string quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

BoxFace faceNamed(std::string_view name) {
    for (std::size_t i = 0; i < kFaceNames.size(); ++i) {
        if (withoutBlanks(name) == kFaceNames[i]) {
            return static_cast<BoxFace>(i);
        }
    }
    throw CutoutLineError("unknown face " + quoted(name) + ": front, rear, left, right, bottom or lid");
}

double numberOf(std::string_view text, std::string_view what) {
    double value = 0;
    try {
        value = parseReal(text);
    } catch (const ConversionError& e) {
        throw CutoutLineError(std::string(what) + ": " + e.what());
    }
    if (!(std::abs(value) <= kLargestMillimetres)) {
        throw CutoutLineError(std::string(what) + " " + std::string(withoutBlanks(text)) + " is beyond a kilometre");
    }
    return value;
}

double sizeOf(std::string_view text, std::string_view what) {
    const double value = numberOf(text, what);
    if (!(value > 0)) {
        throw CutoutLineError(std::string(what) + " must be more than 0, not " + std::string(withoutBlanks(text)));
    }
    if (value < kFinestMillimetres) {
        throw CutoutLineError(std::string(what) + " " + std::string(withoutBlanks(text)) + " is less than " +
                              std::string(kFinestMillimetresText) + " mm, the finest size drawn");
    }
    return value;
}

// The fields after FACE,SHAPE (or FACE for a label): X, Y and the sizes.
struct Numbers {
    std::span<const std::string_view> fields;
    std::string_view shape;

    void expect(std::size_t least, std::size_t most, std::string_view form) const {
        if (fields.size() < least || fields.size() > most) {
            throw CutoutLineError(std::string(shape) + " takes " + std::string(form) + ", not " +
                                  std::to_string(fields.size()) + " numbers");
        }
    }
    [[nodiscard]] Point centre() const { return {numberOf(fields[0], "X"), numberOf(fields[1], "Y")}; }
    [[nodiscard]] double size(std::size_t i, std::string_view what) const { return sizeOf(fields[i], what); }
};

CutoutShape openingShape(std::string_view shape, const Numbers& n) {
    if (shape == "circle") {
        n.expect(3, 3, "X,Y,DIAMETER");
        return RoundHole{n.size(2, "the diameter")};
    }
    if (shape == "rect") {
        n.expect(4, 5, "X,Y,WIDTH,HEIGHT[,RADIUS]");
        RectangleCut rect{n.size(2, "the width"), n.size(3, "the height")};
        if (n.fields.size() == 5) {
            rect.cornerRadius = n.size(4, "the corner radius");
            if (rect.cornerRadius > std::min(rect.width, rect.height) / 2) {
                throw CutoutLineError("the corner radius is more than half the rectangle's smaller side");
            }
        }
        return rect;
    }
    if (shape == "slot") {
        n.expect(4, 4, "X,Y,LENGTH,WIDTH");
        return RoundedSlot{n.size(2, "the length"), n.size(3, "the width")};
    }
    throw CutoutLineError("unknown shape " + quoted(shape) + ": circle, rect or slot");
}

int openingsAcross(double span, double pitch, double size) { return static_cast<int>((span - size) / pitch) + 1; }

Vent ventShape(std::string_view pattern, const Numbers& n) {
    Vent vent;
    if (pattern == "slots") {
        vent = {VentPattern::Slots, 0, 0, 6, 3};
    } else if (pattern == "holes") {
        vent = {VentPattern::Holes, 0, 0, 6, 4};
    } else {
        throw CutoutLineError("unknown vent pattern " + quoted(pattern) + ": slots or holes");
    }
    if (n.fields.size() != 4) {
        n.expect(6, 6, "X,Y,WIDTH,HEIGHT[,PITCH,SIZE]");
    }
    vent.width = n.size(2, "the width");
    vent.height = n.size(3, "the height");
    if (n.fields.size() == 6) {
        vent.pitch = n.size(4, "the pitch");
        vent.size = n.size(5, "the size");
    }
    if (vent.pitch - vent.size < kLeastBar) {
        throw CutoutLineError("the pitch must exceed the size by at least 1 mm, the least bar between openings");
    }
    if (vent.size > std::min(vent.width, vent.height)) {
        throw CutoutLineError("the vent is smaller than one opening");
    }
    const double openings = static_cast<double>(openingsAcross(vent.width, vent.pitch, vent.size)) *
                            openingsAcross(vent.height, vent.pitch, vent.size) * 2;
    if (openings > kMostVentOpenings) {
        throw CutoutLineError("the vent would have more than 10000 openings");
    }
    return vent;
}

// A character that engraves nothing a user could see: a space of any width, a TAB, or
// one of the invisible joiners, marks and hyphens.
bool isBlank(char32_t c) {
    return c == U' ' || c == U'\t' || c == 0xA0 || c == 0xAD || c == 0x1680 || (c >= 0x2000 && c <= 0x200D) ||
           c == 0x202F || c == 0x205F || c == 0x2060 || c == 0x3000 || c == 0xFEFF;
}

// Any character that is not a control character: text a font could draw.
std::string labelText(std::string_view text) {
    const std::optional<std::u32string> characters = utf8Characters(text);
    if (!characters) {
        throw CutoutLineError("the text is not UTF-8");
    }
    if (std::ranges::all_of(*characters, isBlank)) {
        throw CutoutLineError("the label has no text");
    }
    if (characters->size() > kLongestLabel) {
        throw CutoutLineError("the text is longer than 200 characters");
    }
    for (const char32_t c : *characters) {
        if (c < 0x20 || (c >= 0x7F && c < 0xA0) || c == 0x2028 || c == 0x2029) {
            throw CutoutLineError("the text holds a control character");
        }
    }
    return std::string(text);
}

void appendNumber(std::string& line, double value) {
    std::array<char, 32> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    line.push_back(',');
    line.append(buffer.data(), end);
}

}  // namespace

std::vector<std::string_view> cutoutFields(std::string_view value, std::size_t most) {
    std::vector<std::string_view> fields;
    while (fields.size() + 1 < most) {
        const std::size_t comma = value.find(',');
        if (comma == std::string_view::npos) {
            break;
        }
        fields.push_back(value.substr(0, comma));
        value.remove_prefix(comma + 1);
    }
    fields.push_back(value);
    return fields;
}

std::string_view withoutBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::size_t VentLayout::openings() const {
    const auto full = static_cast<std::size_t>(across) * static_cast<std::size_t>(rows);
    return staggered ? full - static_cast<std::size_t>(rows / 2) : full;
}

VentLayout ventLayout(const Vent& vent) {
    if (vent.pattern == VentPattern::Slots) {
        return {openingsAcross(std::min(vent.width, vent.height), vent.pitch, vent.size), 1, 0, false};
    }
    VentLayout holes;
    holes.across = openingsAcross(vent.width, vent.pitch, vent.size);
    holes.staggered = holes.across > 1;
    holes.rowPitch = holes.staggered ? vent.pitch * std::sqrt(3.0) / 2 : vent.pitch;
    holes.rows = openingsAcross(vent.height, holes.rowPitch, vent.size);
    return holes;
}

std::size_t openingCount(const CutoutShape& shape) {
    if (const auto* vent = std::get_if<Vent>(&shape)) {
        return ventLayout(*vent).openings();
    }
    return std::holds_alternative<EngravedLabel>(shape) ? 0 : 1;
}

std::string_view faceName(BoxFace face) { return kFaceNames.at(static_cast<std::size_t>(face)); }

std::string_view kindName(CutoutKind kind) { return kKindNames.at(static_cast<std::size_t>(kind)); }

FaceCutout parseCutoutValue(CutoutKind kind, std::string_view value) {
    if (!utf8Characters(value)) {
        throw CutoutLineError("not UTF-8");
    }
    // A label's text is the rest of the line, commas included.
    const std::vector<std::string_view> fields = cutoutFields(value, kind == CutoutKind::Label ? 5 : 9);
    if (fields.size() < 2) {
        throw CutoutLineError(std::string(kindName(kind)) + " takes FACE," +
                              (kind == CutoutKind::Label ? "X,Y,HEIGHT,TEXT" : "SHAPE,X,Y,SIZE..."));
    }
    FaceCutout cutout;
    cutout.face = faceNamed(fields[0]);
    if (kind == CutoutKind::Label) {
        if (fields.size() != 5) {
            throw CutoutLineError("label takes FACE,X,Y,HEIGHT,TEXT");
        }
        const Numbers n{std::span(fields).subspan(1, 3), "label"};
        cutout.centre = n.centre();
        cutout.shape = EngravedLabel{n.size(2, "the height"), labelText(withoutBlanks(fields[4]))};
        return cutout;
    }
    const std::string_view shape = withoutBlanks(fields[1]);
    const Numbers n{std::span(fields).subspan(2), shape};
    if (kind == CutoutKind::Vent) {
        cutout.shape = ventShape(shape, n);
    } else {
        cutout.shape = openingShape(shape, n);
    }
    cutout.centre = n.centre();
    return cutout;
}

FaceCutout parseCutoutLine(std::string_view line) {
    line = withoutBlanks(line);
    const std::size_t blank = line.find_first_of(" \t");
    const std::string_view kind = line.substr(0, blank);
    for (std::size_t i = 0; i < kKindNames.size(); ++i) {
        if (kind == kKindNames[i]) {
            return parseCutoutValue(static_cast<CutoutKind>(i),
                                    blank == std::string_view::npos ? "" : withoutBlanks(line.substr(blank)));
        }
    }
    throw CutoutLineError("a line begins with cutout, vent or label, not " + quoted(kind));
}

std::string cutoutLine(const FaceCutout& cutout) {
    std::string line;
    const auto start = [&](CutoutKind kind, std::string_view shape) {
        line.append(kindName(kind)).append(" ").append(faceName(cutout.face));
        if (!shape.empty()) {
            line.append(",").append(shape);
        }
        appendNumber(line, cutout.centre.x);
        appendNumber(line, cutout.centre.y);
    };
    std::visit(
        [&](const auto& shape) {
            using Shape = std::decay_t<decltype(shape)>;
            if constexpr (std::is_same_v<Shape, RoundHole>) {
                start(CutoutKind::Cutout, "circle");
                appendNumber(line, shape.diameter);
            } else if constexpr (std::is_same_v<Shape, RectangleCut>) {
                start(CutoutKind::Cutout, "rect");
                appendNumber(line, shape.width);
                appendNumber(line, shape.height);
                if (shape.cornerRadius > 0) {
                    appendNumber(line, shape.cornerRadius);
                }
            } else if constexpr (std::is_same_v<Shape, RoundedSlot>) {
                start(CutoutKind::Cutout, "slot");
                appendNumber(line, shape.length);
                appendNumber(line, shape.width);
            } else if constexpr (std::is_same_v<Shape, Vent>) {
                start(CutoutKind::Vent, shape.pattern == VentPattern::Slots ? "slots" : "holes");
                for (const double v : {shape.width, shape.height, shape.pitch, shape.size}) {
                    appendNumber(line, v);
                }
            } else {
                start(CutoutKind::Label, "");
                appendNumber(line, shape.capitalHeight);
                line.append(",").append(shape.text);
            }
        },
        cutout.shape);
    return line;
}

std::vector<FaceCutout> parseCutoutList(std::string_view text) {
    text = withoutByteOrderMark(text);
    std::vector<FaceCutout> cutouts;
    std::size_t number = 0;
    while (!text.empty()) {
        ++number;
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        const std::string_view content = withoutBlanks(line);
        if (!utf8Characters(line)) {
            throw CutoutLineError("line " + std::to_string(number) + ": not UTF-8");
        }
        if (content.empty() || content.front() == '#') {
            continue;
        }
        try {
            cutouts.push_back(parseCutoutLine(content));
        } catch (const CutoutLineError& e) {
            throw CutoutLineError("line " + std::to_string(number) + ": " + e.what());
        }
    }
    return cutouts;
}

}  // namespace tessaro
