#pragma once

#include <optional>
#include <string>

#include "app/file_formats.h"

namespace tessaro {

struct SaveChoice {
    std::string path;
    FileType type = FileType::Dxf;
};

// Where to save: the window asks with its save dialog, which shows the proposed name
// and returns the chosen file and type, or nothing when cancelled. It keeps the last
// chosen type as the next preset.
class SavePrompt {
public:
    virtual ~SavePrompt() = default;
    [[nodiscard]] virtual std::optional<SaveChoice> ask(const std::string& proposedName) = 0;
    // The type the next ask offers first, as a "Save as SVG…" menu entry chooses it; a
    // dialog that offers no types ignores it.
    virtual void presetType(FileType) {}
};

}  // namespace tessaro
