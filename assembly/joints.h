#pragma once

#include <cstddef>
#include <vector>

#include "assembly/box_assembly.h"
#include "assembly/joint_play.h"
#include "assembly/space.h"

namespace tessaro {

enum class JointKind {
    TabInSlot,        // a panel's tab through another's slot
    ToothInWingSlot,  // a side panel's holding tooth in the bottom wing's slot
    WingInHole,       // the bottom's wing through the side panel's holding hole
    ScrewInSlot,      // a screw through one panel's hole into the other's screw slot
};

// Two panels meeting, measured on the placed geometry. Across a tab, tooth or wing the
// low side is its panel's inner face, across a screw the slotted panel's inner face;
// along, the low side is towards the lower box coordinate.
struct Joint {
    JointKind kind;
    std::size_t inserted;  // the panel whose tab, tooth or wing goes in, or that holds the screw's hole
    std::size_t holder;    // the panel with the slot, hole or screw channel
    Play across;           // across the inserted panel's thickness; for a screw, across the slotted panel's
    Play along;            // along the edge the tab stands on, or across the screw channel
    Bounds3 where;         // the room the inserted piece or the screw takes in the holder

    [[nodiscard]] bool overlaps() const { return across.overlaps() || along.overlaps(); }
};

// Every joint of the assembled box, panel by panel in drawing order.
[[nodiscard]] std::vector<Joint> jointsOf(const BoxAssembly& assembly);

}  // namespace tessaro
