#pragma once

#include <memory>
#include <optional>
#include <string>

#include "app/commands.h"
#include "app/preview_drawing.h"
#include "assembly/assembly_scene.h"

namespace tessaro {

// What a 3D preview run gives: the assembled box, or the error box's text and, when a
// cell was not a number, that cell.
struct AssemblyPreview {
    std::shared_ptr<const AssemblyScene> scene;  // null when the box could not be made
    std::string error;
    std::optional<BadCell> badCell;
};

// Runs a whole box's command on the bench and assembles what it drew; never saves,
// never shows a message, never throws for what the command or the assembly throws. The
// bench's stop ends it with an error between its steps.
[[nodiscard]] AssemblyPreview assemblePreview(PreviewBench& bench, const TemplateCommand& command);

}  // namespace tessaro
