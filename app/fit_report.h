#pragma once

#include <string>
#include <vector>

#include "assembly/box_assembly.h"

namespace tessaro {

// How the assembled box fits, as lines of text: one per joint, with the room across and
// along (the whole, then each side: the inner face's or the lower coordinate's first;
// "open" for a side that nothing closes),
// then "overlaps: none", or "overlaps: N" and a line for each pair of parts that share volume.
[[nodiscard]] std::vector<std::string> fitReport(const BoxAssembly& assembly);

}  // namespace tessaro
