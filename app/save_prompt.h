#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/file_formats.h"

namespace tessaro {

struct SaveChoice {
    std::string path;
    FileType type = FileType::Dxf;
};

// The files that exist already and that a save would replace, or remove (the sheets of
// an earlier, larger set); the save dialog asks once before touching any of them, and
// names the files it leaves although they are named as sheets of the set.
struct FilesInTheWay {
    std::vector<std::string> replaced;
    std::vector<std::string> removed;
    std::vector<std::string> left;
    [[nodiscard]] bool empty() const { return replaced.empty() && removed.empty(); }
};

// What saving to a chosen file would touch.
using FilesInTheWayOf = std::function<FilesInTheWay(const SaveChoice&)>;

// A save of one file is in the way of that file only, when it exists.
[[nodiscard]] FilesInTheWay chosenFileInTheWay(const SaveChoice& choice);

// Where to save: the window asks with its save dialog, which shows the proposed name
// and returns the chosen file and type, or nothing when cancelled. Before returning a
// choice that would replace or remove files it asks the user once; "No" is no choice.
// It keeps the last chosen type as the next preset.
class SavePrompt {
public:
    virtual ~SavePrompt() = default;
    [[nodiscard]] virtual std::optional<SaveChoice> ask(const std::string& proposedName,
                                                        const FilesInTheWayOf& inTheWay) = 0;
    // The type the next ask offers first, as a "Save as SVG…" menu entry chooses it; a
    // dialog that offers no types ignores it.
    virtual void presetType(FileType) {}
};

}  // namespace tessaro
