#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "assembly/panel_region.h"
#include "drawing/extent.h"

namespace tessaro {

// The room left on the two sides of what goes into a cut-out, along one direction;
// negative where the two overlap, infinite where nothing closes the cut-out on that side.
struct Play {
    // Finer than the drawing's six decimals can tell: flush is flush.
    static constexpr double kFlush = 1e-5;

    double low = 0;
    double high = 0;

    [[nodiscard]] double total() const { return low + high; }
    [[nodiscard]] bool overlaps() const { return low < -kFlush || high < -kFlush; }
};

// A piece of one panel as the holder sees it through its thickness, and the holder's
// cut-out it goes into.
struct PieceInOpening {
    Extent piece;         // the rectangle the piece takes in the holder's drawing
    std::size_t opening;  // which of the holder's openings
    // Where the piece is clear in the opening: along x, the run of the opening through the
    // piece's middle; along y, likewise. A notch beyond a slot's corner or a tab that
    // overlaps the slot's other walls stays out of both.
    Extent clear;
};

// The opening the piece goes furthest into, if it goes into one at all.
[[nodiscard]] std::optional<PieceInOpening> openingTaking(const std::vector<PanelRegion>& openings,
                                                          const Extent& piece);

// The room from the piece to the holder's material along one axis of its drawing: low
// towards `lowSide` (a unit direction along x or y), high the other way. Each is the
// least over the whole span where the piece is clear in the opening.
[[nodiscard]] Play playOf(const PanelRegion& holder, const PieceInOpening& piece, Point lowSide);

}  // namespace tessaro
