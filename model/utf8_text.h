#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tessaro {

// The characters of a UTF-8 text, decoded by iconv; nothing when a byte is not UTF-8
// (a stray byte, a cut or overlong sequence, a surrogate).
[[nodiscard]] std::optional<std::u32string> utf8Characters(std::string_view text);

// The text without the UTF-8 byte order mark at its start, if it has one.
[[nodiscard]] std::string_view withoutByteOrderMark(std::string_view text);

}  // namespace tessaro
