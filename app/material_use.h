#pragma once

#include <cstddef>
#include <string>

#include "drawing/drawing.h"
#include "nesting/sheet_nesting.h"

namespace tessaro {

// How much of the sheets a nesting fills: the pieces' area over the sheets' area.
struct MaterialUse {
    std::size_t sheets = 0;
    double piecesArea = 0;  // square millimetres
    double sheetsArea = 0;  // square millimetres

    [[nodiscard]] double percent() const { return sheetsArea > 0 ? 100 * piecesArea / sheetsArea : 0; }
};

// The pieces of the drawing nested onto `sheets` sheets of the size.
[[nodiscard]] MaterialUse materialUse(const Drawing& nested, std::size_t sheets, SheetSize size);

// "3 sheets, material used 41.7 %", and "1 sheet, ..." for one: the line that ends every
// nesting run's output.
[[nodiscard]] std::string materialUsedLine(const MaterialUse& use);

}  // namespace tessaro
