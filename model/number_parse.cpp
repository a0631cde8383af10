#include "model/number_parse.h"

#include <charconv>
#include <cmath>
#include <string>

namespace tessaro {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::size_t countDigits(std::string_view text, std::size_t pos) {
    std::size_t n = 0;
    while (pos + n < text.size() && isDigit(text[pos + n])) {
        ++n;
    }
    return n;
}

// The grammar is checked here because from_chars also takes "inf", "nan" and hex forms.
bool isDecimalNumber(std::string_view text) {
    std::size_t pos = 0;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        ++pos;
    }
    const std::size_t whole = countDigits(text, pos);
    pos += whole;
    std::size_t fraction = 0;
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        fraction = countDigits(text, pos);
        pos += fraction;
    }
    if (whole + fraction == 0) {
        return false;
    }
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        ++pos;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
            ++pos;
        }
        const std::size_t exponent = countDigits(text, pos);
        if (exponent == 0) {
            return false;
        }
        pos += exponent;
    }
    return pos == text.size();
}

[[noreturn]] void fail(std::string_view text, std::string_view kind) {
    throw ConversionError("'" + std::string(text) + "' is not a valid " + std::string(kind) + " value");
}

std::string_view withoutPlus(std::string_view text) {
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    return text;
}

}  // namespace

double parseReal(std::string_view text) {
    const std::string_view number = trimBlanks(text);
    if (!isDecimalNumber(number)) {
        fail(text, "floating point");
    }
    const std::string_view digits = withoutPlus(number);
    double value = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (ec != std::errc{} || end != digits.data() + digits.size() || !std::isfinite(value)) {
        fail(text, "floating point");
    }
    return value;
}

int parseInteger(std::string_view text) {
    const std::string_view number = trimBlanks(text);
    const std::size_t signLength = !number.empty() && (number.front() == '+' || number.front() == '-') ? 1 : 0;
    if (number.size() == signLength || countDigits(number, signLength) != number.size() - signLength) {
        fail(text, "integer");
    }
    const std::string_view digits = withoutPlus(number);
    int value = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (ec != std::errc{} || end != digits.data() + digits.size()) {
        fail(text, "integer");
    }
    return value;
}

}  // namespace tessaro
