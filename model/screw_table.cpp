#include "model/screw_table.h"

namespace tessaro {

ScrewSize readScrewSize(const ParamTable& GridScrewL) {
    ScrewSize size;
    size.L1 = GridScrewL.real(1);
    size.L2 = GridScrewL.real(2);
    size.L3 = GridScrewL.real(3);
    size.L4 = GridScrewL.real(4);
    size.L5 = GridScrewL.real(5);
    return size;
}

}  // namespace tessaro
