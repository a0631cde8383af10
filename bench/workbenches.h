#pragma once

#include "model/workbench.h"

namespace tessaro::bench {

// A workbench with a clock and no one to show a message to.
struct QuietWorkbench {
    SystemClock clock;
    SilentMessages messages;
    Workbench wb{clock, messages};
};

// Set for the largest everyday drawing: the spiral at Fi 1 and N 1000, about 360 000 lines.
struct BigSpiral : QuietWorkbench {
    BigSpiral() {
        wb.spiralTable.setValue(SpiralRow::StepAngle, "1");
        wb.spiralTable.setValue(SpiralRow::Turns, "1000");
    }
};

// Set for the largest spiral the line limit allows: ten million lines, each turn 0.09 mm
// from the last so that its PDF page stays within the largest a PDF may have.
struct LargestSpiral : QuietWorkbench {
    LargestSpiral() {
        wb.spiralTable.setValue(SpiralRow::StepAngle, "1");
        wb.spiralTable.setValue(SpiralRow::TurnPitch, "0.09");
        wb.spiralTable.setValue(SpiralRow::Turns, "27777");
    }
};

// Set for the folding box's full set with every option that adds lines: six parts,
// relief and screw holes, about 1 200 lines; the command a maker runs most.
struct BusiestFoldingSet : QuietWorkbench {
    BusiestFoldingSet() {
        wb.options.cornerRelief = true;
        wb.options.screwJoints = true;
    }
};

}  // namespace tessaro::bench
