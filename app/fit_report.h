#pragma once

#include <span>
#include <string>
#include <vector>

#include "assembly/box_assembly.h"
#include "assembly/cutout_clashes.h"

namespace tessaro {

// How the assembled box fits, as lines of text: one per joint, with the room across and
// along (the whole, then each side: the inner face's or the lower coordinate's first;
// "open" for a side that nothing closes), then the lines of the cut-outs' check, then "overlaps: none", or "overlaps:
// N" and a line for each pair of parts that share volume.
[[nodiscard]] std::vector<std::string> fitReport(const BoxAssembly& assembly,
                                                 const std::vector<std::string>& cutoutCheck = {});

// "cut-outs: none clash", or "cut-outs: N clash" and a line for each that does, naming
// what it runs into.
[[nodiscard]] std::vector<std::string> cutoutCheckLines(std::span<const CutoutClash> clashes,
                                                        std::span<const FaceCutout> cutouts);

}  // namespace tessaro
