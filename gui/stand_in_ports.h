#pragma once

#include <string>
#include <string_view>

#include "model/ports.h"

namespace tessaro::gui {

// The clock and message box of a workbench that draws a picture: the header's time
// does not show in a picture, and a warning has no one to read it.
class StandInClock final : public Clock {
public:
    [[nodiscard]] std::string timeOfDay() const override { return "00:00:00"; }
};

class StandInMessages final : public MessageBox {
public:
    void show(std::string_view) override {}
    void showError(std::string_view) override {}
};

}  // namespace tessaro::gui
