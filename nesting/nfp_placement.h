#pragma once

#include <cstdint>
#include <functional>
#include <vector>

// The one door to libnest2d. Its headers do not compile as C++20 (an ambiguous comparison
// of its angle type), so this file and its source stay within C++17.
namespace tessaro {

struct UnitPoint {
    std::int64_t x = 0;
    std::int64_t y = 0;
};

// Where the library put a piece: its sheet, its turn and the offset of its outline.
struct NfpPlacement {
    int sheet = -1;  // -1: not placed
    int quarterTurns = 0;
    UnitPoint offset;
};

// What the placer keeps apart: the outlines themselves (one that crosses itself by its
// hull), or every outline's convex hull.
enum class NestedBy { RealOutlines, ConvexHulls };

// Places the outlines (in whole units) onto sheets of the given size with the NFP placer,
// turned by multiples of 90 degrees, at least `spacing` apart and from the edges. `stop`
// is asked before each piece; once it says yes, the pieces not yet placed stay unplaced.
[[nodiscard]] std::vector<NfpPlacement> placeOnSheets(const std::vector<std::vector<UnitPoint>>& outlines,
                                                      UnitPoint sheet, std::int64_t spacing, NestedBy nestedBy,
                                                      const std::function<bool()>& stop);

}  // namespace tessaro
