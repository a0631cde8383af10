#include "box/bottom_warning.h"

namespace tessaro {

void warnIfBottomFallsOut(MessageBox& messages, const PanelSizes& box, Feet feet) {
    if (box.frameMargin == 0 && feet == Feet::None) {
        messages.show(kBottomFallsOutWarning);
    }
}

}  // namespace tessaro
