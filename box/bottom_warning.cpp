#include "box/bottom_warning.h"

namespace tessaro {

void warnIfBottomFallsOut(Workbench& wb) {
    if (wb.frameAllowance == 0 && wb.options.feet == Feet::None) {
        wb.messages.show(kBottomFallsOutWarning);
    }
}

}  // namespace tessaro
