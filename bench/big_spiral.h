#pragma once

#include "model/workbench.h"

namespace tessaro::bench {

class NoMessages final : public MessageBox {
public:
    void show(std::string_view) override {}
    void showError(std::string_view) override {}
};

// A workbench set for the largest everyday drawing: the spiral at Fi 1 and N 1000,
// about 360 000 lines.
struct BigSpiral {
    SystemClock clock;
    NoMessages messages;
    Workbench wb{clock, messages};
    BigSpiral() {
        wb.spiralTable.setCell(1, 2, "1");
        wb.spiralTable.setCell(1, 4, "1000");
    }
};

}  // namespace tessaro::bench
