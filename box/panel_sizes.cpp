#include "box/panel_sizes.h"

#include <array>

namespace tessaro {

PanelSizes readPanelSizes(const ParamTable& boxTable, std::span<const int> rows) {
    std::array<double, 10> value{};
    for (const int row : rows) {
        value.at(static_cast<std::size_t>(row)) = boxTable.real(row);
    }
    return {value[1], value[2], value[3], value[4], value[5], value[6], value[7], value[8], value[9]};
}

}  // namespace tessaro
