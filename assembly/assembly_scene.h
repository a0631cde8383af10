#pragma once

#include <cstddef>
#include <vector>

#include "assembly/box_assembly.h"
#include "assembly/panel_mesh.h"
#include "assembly/space.h"
#include "model/ports.h"

namespace tessaro {

// One panel as the 3D view draws it: its closed shell where it goes in the box, the
// lines where the shell's faces meet at an edge, and the way it moves when the box is
// shown apart.
struct ScenePanel {
    BoxPanel panel;
    Vec3 outward;
    std::vector<Triangle> shell;
    std::vector<Vec3> edges;  // pairs of ends
};

// A joint whose parts overlap: the room the inserted piece takes, which moves with it.
struct TightJoint {
    std::size_t inserted;  // the index of its panel in ScenePanel order
    Bounds3 where;
};

// An assembled box ready to be drawn in 3D, made once per table on the preview's worker.
struct AssemblyScene {
    std::vector<ScenePanel> panels;
    std::vector<TightJoint> tightJoints;
    Bounds3 bounds;  // of every shell, the box as assembled
};

// `stop` is asked before each panel is meshed and before the joints are found.
[[nodiscard]] AssemblyScene sceneOf(const BoxAssembly& assembly, const StopRequest& stop = {});

}  // namespace tessaro
