#include "model/workbench.h"

#include <vector>

#include "model/about.h"
#include "output/eps_header.h"

namespace tessaro {
namespace {

std::vector<TitleLine> titleLines(const ParamTable& table, int lastRow) {
    std::vector<TitleLine> lines;
    for (int row = 1; row <= lastRow; ++row) {
        lines.push_back({table.caption(row), table.text(row)});
    }
    return lines;
}

}  // namespace

void ClearepsClick(Workbench& wb) {
    MainHeader header;
    header.width = wb.ParamGrid.real(2);
    header.height = wb.ParamGrid.real(3);
    header.depth = wb.ParamGrid.real(4);
    header.creator = kContactAddress;
    header.templateLabel = wb.tShablon;
    const std::vector<TitleLine> titles = titleLines(wb.ParamGrid, 6);
    header.titles = titles;
    const std::string time = wb.clock.timeOfDay();
    header.timeOfDay = time;
    writeMainHeader(wb.OUTeps, header);
}

void HeaderSpiralClick(Workbench& wb) {
    const std::vector<TitleLine> titles = titleLines(wb.ArhimedGrid, 4);
    writeSpiralHeader(wb.OUTeps, titles, wb.clock.timeOfDay());
}

}  // namespace tessaro
