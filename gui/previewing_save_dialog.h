#pragma once

#include <functional>

#include "app/save_dialog.h"

namespace tessaro::gui {

// The save dialog with a step before it: the window redraws its preview, so the
// user sees the template before choosing where to save it.
class PreviewingSaveDialog final : public SaveDialog {
public:
    PreviewingSaveDialog(SaveDialog& dialog, std::function<void()> beforeAsking)
        : dialog_(dialog), beforeAsking_(std::move(beforeAsking)) {}

    std::optional<SaveChoice> ask(const std::string& proposedName) override {
        beforeAsking_();
        return dialog_.ask(proposedName);
    }

private:
    SaveDialog& dialog_;
    std::function<void()> beforeAsking_;
};

}  // namespace tessaro::gui
