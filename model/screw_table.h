#pragma once

#include "model/param_table.h"
#include "drawing/screw.h"

namespace tessaro {

// Reads rows 1 to 5 of the screw table, in order, before anything is drawn with them.
[[nodiscard]] ScrewSize readScrewSize(const ParamTable& screwTable);

}  // namespace tessaro
