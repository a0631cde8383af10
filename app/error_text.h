#pragma once

#include <exception>
#include <string>
#include <string_view>

namespace tessaro {

// The error box's text: the message with a full stop added unless it has one.
[[nodiscard]] std::string errorBoxText(std::string_view message);

// The error box's text for whatever stopped a command; running out of memory, whose
// own text means nothing to a user, gets a sentence of its own.
[[nodiscard]] std::string errorBoxText(const std::exception& error);

}  // namespace tessaro
