#pragma once

#include "model/param_table.h"
#include "drawing/screw.h"

namespace tessaro {

// Reads the screw table's rows in order, before anything is drawn with them.
[[nodiscard]] ScrewSize readScrewSize(const ParamTable& screwTable);

}  // namespace tessaro
