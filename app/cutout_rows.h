#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessaro {

// The cells the window shows a list line in. The line is the one truth: the cells are cut
// from it and a typed cell makes it again, so the window reads what --cutouts reads.
enum CutoutColumn { KindColumn, FaceColumn, ShapeColumn, XColumn, YColumn, SizesColumn, TextColumn };
inline constexpr int kCutoutColumns = 7;
using CutoutCells = std::array<std::string, kCutoutColumns>;

// Whether the cell holds one field, so that a comma typed there would part it into two
// and the line would read as another entry: all but the sizes and a label's text.
[[nodiscard]] constexpr bool takesOneField(CutoutColumn column) {
    return column != SizesColumn && column != TextColumn;
}

// A line that is an entry, not a blank line nor a "#" comment.
[[nodiscard]] bool isCutoutEntry(std::string_view line);

// The line's cells: its kind, face, shape (none for a label), X, Y, the rest of its
// numbers as typed ("70,25,2") and a label's text.
[[nodiscard]] CutoutCells cutoutCells(std::string_view line);

// The line of the cells: the kind, a blank, then the other cells joined by commas.
[[nodiscard]] std::string cutoutLineOf(const CutoutCells& cells);

// The cell that makes an entry unreadable, and why; nothing for a line that is an entry.
struct CutoutLineProblem {
    CutoutColumn column;
    std::string message;
};
[[nodiscard]] std::optional<CutoutLineProblem> cutoutLineProblem(std::string_view line);

}  // namespace tessaro
