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

void copyTablesAndSwitches(const Workbench& from, Workbench& to) {
    for (ParamTable Workbench::*table : kWorkbenchTables) {
        to.*table = from.*table;
    }
    to.options = from.options;
    to.lastPolylineClosed = from.lastPolylineClosed;
}

void startBoxDocument(Workbench& wb) {
    MainHeader header;
    header.width = wb.boxTable.real(2);
    header.height = wb.boxTable.real(3);
    header.depth = wb.boxTable.real(4);
    header.creator = kContactAddress;
    header.templateLabel = wb.templateLabel;
    const std::vector<TitleLine> titles = titleLines(wb.boxTable, 6);
    header.titles = titles;
    const std::string time = wb.clock.timeOfDay();
    header.timeOfDay = time;
    writeMainHeader(wb.epsDocument, header);
}

void startSpiralDocument(Workbench& wb) {
    const std::vector<TitleLine> titles = titleLines(wb.spiralTable, 4);
    writeSpiralHeader(wb.epsDocument, titles, wb.clock.timeOfDay());
}

}  // namespace tessaro
