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

// The finest size a drawing keeps: its files write millimetres to six decimals, so a
// smaller hole or sheet would be written as nothing.
inline constexpr double kFinestMillimetres = 1e-6;
// kFinestMillimetres as the messages write it.
inline constexpr std::string_view kFinestMillimetresText = "0.000001";

// Blanks around, an optional sign, digits with an optional "." fraction and an
// optional exponent; nothing else, whatever the locale. Out of range is an error.
[[nodiscard]] double parseReal(std::string_view text);
// Blanks around, an optional sign and digits, within the range of a 32-bit integer.
[[nodiscard]] int parseInteger(std::string_view text);

}  // namespace tessaro
