#include "model/screw_table.h"

namespace tessaro {

ScrewSize readScrewSize(const ParamTable& screwTable) {
    ScrewSize size;
    size.L1 = screwTable.real(1);
    size.L2 = screwTable.real(2);
    size.L3 = screwTable.real(3);
    size.L4 = screwTable.real(4);
    size.L5 = screwTable.real(5);
    return size;
}

}  // namespace tessaro
