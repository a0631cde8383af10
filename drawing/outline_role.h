#pragma once

namespace tessaro {

// What the cutter does along an outline.
enum class OutlineRole {
    OuterCut,  // the edge of a piece, or an open cut such as the spiral
    InnerCut,  // a slot, hole or notch cut out of a piece
    Engrave,   // a line marked on a piece's face, not cut through
    Mark,      // a lone point: placed, never cut
};

}  // namespace tessaro
