#pragma once

#include <QString>
#include <optional>
#include <string>

#include "app/preview_drawing.h"

namespace tessaro::gui {

// Why a preview could not be redrawn, in the window's language: the error, after the
// caption of the row whose value stopped it ("Row "Inner width": 'abc' is not …").
[[nodiscard]] QString problemText(const Workbench& tables, const std::string& error,
                                  const std::optional<BadCell>& badCell);

}  // namespace tessaro::gui
