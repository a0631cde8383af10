#pragma once

#include <optional>
#include <string>

namespace tessaro::gui {

// The questions the File menu's designs ask: which file to open, where to save, and what
// to do with changes not saved. The window asks with Qt's dialogs; tests answer themselves.
class DesignPrompt {
public:
    enum class Unsaved { Save, Discard, Cancel };

    virtual ~DesignPrompt() = default;
    // The design file to open; nothing when cancelled.
    [[nodiscard]] virtual std::optional<std::string> askOpen() = 0;
    // Where to save the design, offering `proposedName`; nothing when cancelled. Replacing
    // a file that exists has been agreed to.
    [[nodiscard]] virtual std::optional<std::string> askSaveAs(const std::string& proposedName) = 0;
    // What to do with the changes of the design named before they are lost.
    [[nodiscard]] virtual Unsaved askUnsaved(const std::string& designName) = 0;
};

}  // namespace tessaro::gui
