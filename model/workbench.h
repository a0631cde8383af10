#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/default_tables.h"
#include "model/options.h"
#include "model/param_table.h"
#include "model/ports.h"
#include "output/line_list.h"
#include "output/pen.h"

namespace tessaro {

// Everything a command works on: the tables, the switches, the template label, the
// EPS and DXF documents, the closing flag and the pen.
// The window owns one; tests make as many as they like.
class Workbench {
public:
    Workbench(const Clock& clock, MessageBox& messages) : clock(clock), messages(messages) {}
    Workbench(const Workbench&) = delete;
    Workbench& operator=(const Workbench&) = delete;

    ParamTable boxTable = defaultMainTable();
    ParamTable screwTable = defaultScrewTable();
    ParamTable tabSlotTable = defaultTabSlotTable();
    ParamTable spiralTable = defaultSpiralTable();
    ParamTable bobbinTable = defaultBobbinTable();
    Options options;

    std::string templateLabel = "Шаблон";
    LineList epsDocument;
    LineList dxfDocument;
    // The EPS document nested onto sheets, one document a sheet, when it is saved on sheets.
    std::vector<LineList> sheetDocuments;
    bool lastPolylineClosed = true;

    Pen pen{epsDocument};

    const Clock& clock;
    MessageBox& messages;
};

// The five tables of a workbench, in the order the window and the command line list them.
inline constexpr std::array kWorkbenchTables = {&Workbench::boxTable, &Workbench::screwTable, &Workbench::tabSlotTable,
                                                &Workbench::spiralTable, &Workbench::bobbinTable};

// Gives `to` the tables, switches and closing flag of `from`, so a command run on it
// draws what it would draw on `from` while `from`'s documents stay as they are.
void copyTablesAndSwitches(const Workbench& from, Workbench& to);

// Writes the 20-line header from the main table; converts W, H, D before it clears
// the document, so a bad cell leaves the previous document as it was.
void startBoxDocument(Workbench& wb);
// Writes the 17-line spiral header; takes the spiral table's cells as text.
void startSpiralDocument(Workbench& wb);

}  // namespace tessaro
