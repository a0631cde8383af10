#include "model/screw_table.h"

namespace tessaro {

ScrewSize readScrewSize(const ParamTable& screwTable) {
    // A braced list is evaluated in order, so the first bad cell is the one reported.
    const ParamTable& t = screwTable;
    using enum ScrewRow;
    return {t.real(ChannelToNut), t.real(NutThickness), t.real(ChannelBeyondNut), t.real(ScrewDiameter),
            t.real(NutWidth)};
}

}  // namespace tessaro
