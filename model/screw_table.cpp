#include "model/screw_table.h"

namespace tessaro {

ScrewSize readScrewSize(const ParamTable& screwTable) {
    ScrewSize size;
    size.channelToNut = screwTable.real(1);
    size.nutThickness = screwTable.real(2);
    size.channelBeyondNut = screwTable.real(3);
    size.screwDiameter = screwTable.real(4);
    size.nutWidth = screwTable.real(5);
    return size;
}

}  // namespace tessaro
