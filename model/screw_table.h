#pragma once

#include "drawing/screw.h"
#include "model/param_table.h"

namespace tessaro {

// Reads the screw table's rows in order, before anything is drawn with them.
[[nodiscard]] ScrewSize readScrewSize(const ParamTable& screwTable);

}  // namespace tessaro
