#include "folding/bottom_warning.h"

namespace tessaro {

void warnIfBottomFallsOut(Workbench& wb) {
    if (wb.FrameAllow == 0 && wb.options.PinSel == Feet::None) {
        wb.messages.show(kBottomFallsOutWarning);
    }
}

}  // namespace tessaro
