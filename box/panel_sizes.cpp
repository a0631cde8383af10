#include "box/panel_sizes.h"

#include <algorithm>
#include <array>

namespace tessaro {

PanelSizes readPanelSizes(Workbench& wb, std::initializer_list<int> rows) {
    std::array<double, 10> value{};
    for (const int row : rows) {
        value.at(static_cast<std::size_t>(row)) = wb.boxTable.real(row);
    }
    const PanelSizes sizes{value[1], value[2], value[3], value[4], value[5],
                       value[6], value[7], value[8], value[9]};
    const auto read = [&rows](int row) { return std::find(rows.begin(), rows.end(), row) != rows.end(); };
    if (read(7)) {
        wb.frameAllowance = sizes.frameAllowance;
    }
    if (read(9)) {
        wb.pen.cutterDiameter = sizes.cutterDiameter;
    }
    return sizes;
}

}  // namespace tessaro
