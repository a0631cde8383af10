#pragma once

#include <stdexcept>
#include <string_view>

namespace tessaro {

// A table cell that is not a number. The message is the one the error box shows
// (the box adds the full stop).
class ConversionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Blanks around, an optional sign, digits with an optional "." fraction and an
// optional exponent; nothing else, whatever the locale. Out of range is an error.
[[nodiscard]] double parseReal(std::string_view text);
// Blanks around, an optional sign and digits, within the range of a 32-bit integer.
[[nodiscard]] int parseInteger(std::string_view text);

}  // namespace tessaro
