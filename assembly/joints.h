#pragma once

#include <cstddef>
#include <vector>

#include "assembly/box_assembly.h"
#include "assembly/space.h"

namespace tessaro {

enum class JointKind {
    TabInSlot,        // a panel's tab through another's slot
    ToothInWingSlot,  // a side panel's holding tooth in the bottom wing's slot
    WingInHole,       // the bottom's wing through the side panel's holding hole
    ScrewInSlot,      // a screw through one panel's hole into the other's screw slot
};

// The room left on the two sides of what goes into a cut-out, along one direction;
// negative where the two overlap.
struct Play {
    double low = 0;
    double high = 0;

    [[nodiscard]] double total() const { return low + high; }
    [[nodiscard]] bool overlaps() const { return low < 0 || high < 0; }
};

// Two panels meeting, measured on the placed geometry.
struct Joint {
    JointKind kind;
    std::size_t inserted;  // the panel whose tab, tooth, wing or screw goes in
    std::size_t holder;    // the panel with the slot or hole
    Play across;           // across the inserted panel's thickness
    Play along;            // along the edge the tab stands on
    Bounds3 where;         // the room the inserted piece takes in the holder

    [[nodiscard]] bool overlaps() const { return across.overlaps() || along.overlaps(); }
};

// Every joint of the assembled box, panel by panel in drawing order.
[[nodiscard]] std::vector<Joint> jointsOf(const BoxAssembly& assembly);

}  // namespace tessaro
