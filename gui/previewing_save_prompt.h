#pragma once

#include <functional>

#include "app/save_prompt.h"

namespace tessaro::gui {

// The save dialog with a step before it: the window redraws its preview, so the
// user sees the template before choosing where to save it.
class PreviewingSavePrompt final : public SavePrompt {
public:
    PreviewingSavePrompt(SavePrompt& dialog, std::function<void()> beforeAsking)
        : dialog_(dialog), beforeAsking_(std::move(beforeAsking)) {}

    std::optional<SaveChoice> ask(const std::string& proposedName) override {
        beforeAsking_();
        return dialog_.ask(proposedName);
    }
    void presetType(FileType type) override { dialog_.presetType(type); }

private:
    SavePrompt& dialog_;
    std::function<void()> beforeAsking_;
};

}  // namespace tessaro::gui
