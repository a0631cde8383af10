// The cell number rule on any text: what it accepts is a finite number that other readers
// of decimal text agree on, and what it refuses is refused with the text as typed.
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "fuzz_checks.h"
#include "input_text.h"
#include "model/number_parse.h"

namespace {

using tessaro::ConversionError;
using tessaro::parseInteger;
using tessaro::parseReal;
using tessaro::fuzz::expect;

bool holdsOnly(std::string_view text, std::string_view allowed) {
    return text.find_first_not_of(allowed) == std::string_view::npos;
}

std::string withoutBlanksAround(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return std::string(text.substr(first, text.find_last_not_of(" \t") - first + 1));
}

// The message the error box shows, quoting exactly what was typed.
bool refusedAs(std::string_view text, std::string_view kind, double (*parse)(std::string_view)) {
    try {
        parse(text);
    } catch (const ConversionError& e) {
        const std::string message = "'" + std::string(text) + "' is not a valid " + std::string(kind) + " value";
        // The message is a C string: a NUL byte typed into a cell ends it.
        expect(std::string_view(e.what()) == std::string_view(message.c_str()), "a refusal quotes the text as typed");
        return true;
    }
    return false;
}

double readReal(std::string_view text) { return parseReal(text); }
double readInteger(std::string_view text) { return parseInteger(text); }

void checkReal(std::string_view text) {
    if (refusedAs(text, "floating point", readReal)) {
        return;
    }
    const double value = parseReal(text);
    expect(std::isfinite(value), "an accepted real is finite");
    expect(holdsOnly(text, " \t+-.0123456789eE"), "an accepted real holds no letters but the exponent's");

    // strtod in the C locale reads the same decimal text independently.
    const std::string number = withoutBlanksAround(text);
    char* end = nullptr;
    const double other = std::strtod(number.c_str(), &end);
    expect(end == number.c_str() + number.size() && other == value, "strtod reads the same value");

    char shortest[64];
    const auto written = std::to_chars(shortest, shortest + sizeof shortest, value);
    const double reread = parseReal(std::string_view(shortest, static_cast<std::size_t>(written.ptr - shortest)));
    expect(reread == value && std::signbit(reread) == std::signbit(value),
           "the shortest text of an accepted real reads back to it");
    expect(parseReal(" \t" + std::string(text) + "\t ") == value, "blanks around leave the value as it is");
}

void checkInteger(std::string_view text) {
    if (refusedAs(text, "integer", readInteger)) {
        return;
    }
    const int value = parseInteger(text);
    expect(holdsOnly(text, " \t+-0123456789"), "an accepted integer holds only a sign and digits");
    expect(parseInteger(std::to_string(value)) == value, "the decimal text of an accepted integer reads back to it");
    expect(parseReal(text) == value, "an integer text reads as the same real");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = tessaro::fuzz::textOf(data, size);
    checkReal(text);
    checkInteger(text);
    return 0;
}
