#pragma once

#include <optional>
#include <string>

#include "app/file_type.h"

namespace tessaro {

struct SaveChoice {
    std::string path;
    FileType type = FileType::Dxf;
};

// The common save dialog: shows the proposed name, returns the chosen file and type,
// or nothing when cancelled. It keeps the last chosen type as the next preset.
class SaveDialog {
public:
    virtual ~SaveDialog() = default;
    [[nodiscard]] virtual std::optional<SaveChoice> ask(const std::string& proposedName) = 0;
};

}  // namespace tessaro
