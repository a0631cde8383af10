#pragma once

#include <vector>

#include "drawing/rigid_parts.h"

namespace tessaro {

// Whether the outer outlines, all on one sheet, lie at least `gap` apart: each grown by
// half the gap with round corners, no two overlap. The check that a nesting is sound.
[[nodiscard]] bool keptApart(const std::vector<const DrawnOutline*>& outers, double gap);

}  // namespace tessaro
