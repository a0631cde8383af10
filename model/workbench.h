#pragma once

#include <array>
#include <string>
#include <vector>

#include "drawing/drawing.h"
#include "model/default_tables.h"
#include "model/face_cutouts.h"
#include "model/options.h"
#include "model/param_table.h"
#include "model/ports.h"

namespace tessaro {

// What a command works on and leaves: the tables, the switches, the template label, the
// last drawing and the closing flag. The window owns one; tests make as many as they like.
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
    // The holes, vents and labels on the faces of the whole boxes, in the order they are cut.
    std::vector<FaceCutout> cutouts;
    double kerf = 0;  // the beam's width in mm; outlines are offset by half of it

    std::string templateLabel = "Шаблон";
    Drawing drawing;
    // The drawing nested onto sheets, one drawing a sheet, when it is saved on sheets.
    std::vector<Drawing> sheetDrawings;
    bool lastPolylineClosed = true;
    // The exact R12 DXF and EPS keep the drawing's order unless asked to cut inner cuts first.
    bool innerCutsFirst = false;

    const Clock& clock;
    MessageBox& messages;
    // Asked while a command draws; a preview drawn for a window that has moved on stops.
    StopRequest stop;
};

// The five tables of a workbench, in the order the window and the command line list them.
inline constexpr std::array kWorkbenchTables = {&Workbench::boxTable, &Workbench::screwTable, &Workbench::tabSlotTable,
                                                &Workbench::spiralTable, &Workbench::bobbinTable};

// The schema a table of the workbench is built from: kTableSchemas lists them in the
// order of kWorkbenchTables.
[[nodiscard]] const TableSchema& schemaOf(ParamTable Workbench::*table);

// Gives `to` the tables, switches, cut-outs, kerf and writing flags of `from`, so a command run on it
// draws what it would draw on `from` while `from`'s drawing stays as it is.
void copyTablesAndSwitches(const Workbench& from, Workbench& to);

}  // namespace tessaro
