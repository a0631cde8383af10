#pragma once

#include <QString>
#include <string_view>

namespace tessaro::gui {

// A message of the core (an error, a warning, a close report) in the window's language.
// The core words its messages once, for the command line too; the window knows their
// forms and translates each line by its form, the parts that vary (a file name, a value)
// kept as they are. A line of no known form is shown as it is.
[[nodiscard]] QString windowMessage(std::string_view message);

}  // namespace tessaro::gui
