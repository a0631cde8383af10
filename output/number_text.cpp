#include "output/number_text.h"

#include <array>
#include <charconv>
#include <stdexcept>
#include <string_view>

namespace tessaro {
namespace {

// Large enough for any finite double in fixed notation with a few decimals.
constexpr std::size_t kBufferSize = 400;

std::string_view formatFixed(std::array<char, kBufferSize>& buffer, double value, int decimals) {
    const auto [end, ec] =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, decimals);
    if (ec != std::errc{}) {
        throw std::range_error("A number could not be written");
    }
    std::string_view text(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
    // A value that rounds to zero keeps no sign.
    if (text.front() == '-' && text.find_first_not_of("-0.") == std::string_view::npos) {
        text.remove_prefix(1);
    }
    return text;
}

}  // namespace

void appendCoordinate(std::string& out, double value) {
    constexpr std::size_t kWidth = 11;
    std::array<char, kBufferSize> buffer{};
    const std::string_view text = formatFixed(buffer, value, 6);
    if (text.size() < kWidth) {
        out.append(kWidth - text.size(), ' ');
    }
    out.append(text);
}

double roundedToMicrometre(double value) {
    std::array<char, kBufferSize> buffer{};
    const std::string_view text = formatFixed(buffer, value, 6);
    double rounded = 0;
    std::from_chars(text.data(), text.data() + text.size(), rounded);
    return rounded;
}

std::string fixedText(double value, int decimals, TrailingZeros zeros) {
    std::array<char, kBufferSize> buffer{};
    std::string_view text = formatFixed(buffer, value, decimals);
    if (zeros == TrailingZeros::Dropped && text.find('.') != std::string_view::npos) {
        text = text.substr(0, text.find_last_not_of('0') + 1);
        if (text.back() == '.') {
            text.remove_suffix(1);
        }
    }
    return std::string(text);
}

}  // namespace tessaro
