#pragma once

#include <cstdint>
#include <functional>
#include <memory>
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

// The order the pieces are offered to the sheets in, the largest first by area or by height.
enum class PieceOrder { ByArea, ByHeight };

// Where the placer moves each piece: towards the middle of those placed (the library's
// own choice); as low and then as far left as it goes; as far left and then as low; or
// where the rectangle around all the sheet's pieces stays least.
enum class Pull { TowardsPile, TowardsCorner, TowardsLeft, IntoLeastBox };

// One way of placing the pieces.
struct PlacementPlan {
    NestedBy nestedBy = NestedBy::RealOutlines;
    PieceOrder order = PieceOrder::ByArea;
    Pull pull = Pull::TowardsPile;
    bool turning = true;  // by quarter turns; no: every piece as it comes
};

// The no-fit polygons of the pairs of outlines met so far, kept across placements: the
// Minkowski sums are most of a nesting's time, and identical pieces meet again and again.
class NoFitPolygons {
public:
    NoFitPolygons();
    ~NoFitPolygons();
    NoFitPolygons(const NoFitPolygons&) = delete;
    NoFitPolygons& operator=(const NoFitPolygons&) = delete;

    struct Store;
    [[nodiscard]] Store& store() { return *store_; }

private:
    std::unique_ptr<Store> store_;
};

// Places the outlines (in whole units) onto sheets of the given size with the NFP placer,
// at least `gap` apart and from the edges, each outline grown by exactly half of it with
// round corners. `stop` is asked before each piece; once it says yes, the pieces not yet
// placed stay unplaced.
[[nodiscard]] std::vector<NfpPlacement> placeOnSheets(const std::vector<std::vector<UnitPoint>>& outlines,
                                                      UnitPoint sheet, std::int64_t gap, const PlacementPlan& plan,
                                                      NoFitPolygons& noFitPolygons, const std::function<bool()>& stop);

}  // namespace tessaro
