#include "app/cutout_rows.h"

#include <algorithm>

#include "model/face_cutouts.h"

namespace tessaro {
namespace {

constexpr std::string_view kBlanks = " \t";

bool reads(CutoutKind kind, const std::string& value) {
    try {
        (void)parseCutoutValue(kind, value);
        return true;
    } catch (const CutoutLineError&) {
        return false;
    }
}

std::optional<CutoutKind> kindNamed(std::string_view name) {
    for (const CutoutKind kind : {CutoutKind::Cutout, CutoutKind::Vent, CutoutKind::Label}) {
        if (name == kindName(kind)) {
            return kind;
        }
    }
    return std::nullopt;
}

// A shape or pattern the parser knows takes one of these sets of sizes.
bool knownShape(CutoutKind kind, const std::string& shape) {
    return std::ranges::any_of(std::array{"1", "2,1", "20,20"},
                               [&](const char* sizes) { return reads(kind, "front," + shape + ",50,50," + sizes); });
}

// The first cell, in reading order, that the parser refuses when the others are sound.
CutoutColumn badColumn(const CutoutCells& cells) {
    const auto kind = kindNamed(cells[KindColumn]);
    if (!kind) {
        return KindColumn;
    }
    // Each cell tried in a label whose other fields are sound.
    const auto label = [](const std::string& face, const std::string& x, const std::string& y,
                          const std::string& text) {
        return reads(CutoutKind::Label, face + "," + x + "," + y + ",1," + text);
    };
    if (!label(cells[FaceColumn], "1", "1", "a")) {
        return FaceColumn;
    }
    if (!label("front", cells[XColumn], "1", "a")) {
        return XColumn;
    }
    if (!label("front", "1", cells[YColumn], "a")) {
        return YColumn;
    }
    if (*kind == CutoutKind::Label) {
        return label("front", "1", "1", cells[TextColumn]) ? SizesColumn : TextColumn;
    }
    return knownShape(*kind, cells[ShapeColumn]) ? SizesColumn : ShapeColumn;
}

}  // namespace

bool isCutoutEntry(std::string_view line) {
    const std::string_view content = withoutBlanks(line);
    return !content.empty() && content.front() != '#';
}

CutoutCells cutoutCells(std::string_view line) {
    line = withoutBlanks(line);
    const std::size_t blank = line.find_first_of(kBlanks);
    CutoutCells cells;
    cells[KindColumn] = line.substr(0, blank);
    if (blank == std::string_view::npos) {
        return cells;
    }
    const bool label = cells[KindColumn] == kindName(CutoutKind::Label);
    const std::vector<std::string_view> fields = cutoutFields(line.substr(blank), 5);
    const std::array<CutoutColumn, 5> columns =
        label ? std::array{FaceColumn, XColumn, YColumn, SizesColumn, TextColumn}
              : std::array{FaceColumn, ShapeColumn, XColumn, YColumn, SizesColumn};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        cells[columns[i]] = withoutBlanks(fields[i]);
    }
    return cells;
}

std::string cutoutLineOf(const CutoutCells& cells) {
    const bool label = cells[KindColumn] == kindName(CutoutKind::Label);
    std::string line = cells[KindColumn] + " " + cells[FaceColumn];
    if (!label) {
        line += "," + cells[ShapeColumn];
    }
    line += "," + cells[XColumn] + "," + cells[YColumn];
    if (label || !cells[SizesColumn].empty()) {
        line += "," + cells[SizesColumn];
    }
    if (label) {
        line += "," + cells[TextColumn];
    }
    // One line a row, whatever was pasted into a cell.
    std::ranges::replace(line, '\n', ' ');
    std::ranges::replace(line, '\r', ' ');
    return line;
}

std::optional<CutoutLineProblem> cutoutLineProblem(std::string_view line) {
    try {
        (void)parseCutoutLine(line);
        return std::nullopt;
    } catch (const CutoutLineError& e) {
        return CutoutLineProblem{badColumn(cutoutCells(line)), e.what()};
    }
}

}  // namespace tessaro
