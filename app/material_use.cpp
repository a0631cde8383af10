#include "app/material_use.h"

#include "drawing/piece_area.h"
#include "output/number_text.h"

namespace tessaro {

MaterialUse materialUse(const Drawing& nested, std::size_t sheets, SheetSize size) {
    return {sheets, piecesArea(nested), static_cast<double>(sheets) * size.width * size.height};
}

std::string materialUsedLine(const MaterialUse& use) {
    return std::to_string(use.sheets) + (use.sheets == 1 ? " sheet" : " sheets") + ", material used " +
           fixedText(use.percent(), 1) + " %";
}

}  // namespace tessaro
