#pragma once

#include <string>

#include "model/default_tables.h"
#include "model/options.h"
#include "model/param_table.h"
#include "model/ports.h"
#include "output/line_list.h"
#include "output/pen.h"

namespace tessaro {

// Everything a command works on: the tables, the switches, the template label, the
// EPS and DXF documents, the closing flag, the pen and the frame allowance.
// The window owns one; tests make as many as they like.
class Workbench {
public:
    Workbench(const Clock& clock, MessageBox& messages) : clock(clock), messages(messages) {}
    Workbench(const Workbench&) = delete;
    Workbench& operator=(const Workbench&) = delete;

    ParamTable ParamGrid = defaultMainTable();
    ParamTable GridScrewL = defaultScrewTable();
    ParamTable ZubPazGrid = defaultTabSlotTable();
    ParamTable ArhimedGrid = defaultSpiralTable();
    ParamTable TransGrid = defaultBobbinTable();
    Options options;

    std::string tShablon = "Шаблон";
    LineList OUTeps;
    LineList MemoDXF;
    bool CloseLastOutline = true;

    Pen pen{OUTeps};
    double FrameAllow = 0;

    const Clock& clock;
    MessageBox& messages;
};

// Writes the 20-line header from the main table; converts W, H, D before it clears
// the document, so a bad cell leaves the previous document as it was.
void ClearepsClick(Workbench& wb);
// Writes the 17-line spiral header; takes the spiral table's cells as text.
void HeaderSpiralClick(Workbench& wb);

}  // namespace tessaro
