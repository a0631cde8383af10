#include "model/screw_table.h"

namespace tessaro {

ScrewSize readScrewSize(const ParamTable& screwTable) {
    // A braced list is evaluated in order, so the first bad cell is the one reported.
    const ParamTable& t = screwTable;
    return {t.real(1), t.real(2), t.real(3), t.real(4), t.real(5)};
}

}  // namespace tessaro
