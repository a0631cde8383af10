#pragma once

#include <string>
#include <string_view>

namespace tessaro {

// The error box's text: the message with a full stop added unless it has one.
[[nodiscard]] std::string errorBoxText(std::string_view message);

}  // namespace tessaro
