#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "output/files.h"
#include "output/line_list.h"

namespace tessaro {

// UTF-8 to Windows-1251; a character that has no Windows-1251 byte becomes "?".
[[nodiscard]] std::string toWindows1251(std::string_view utf8);
// The first character of a UTF-8 text that has no Windows-1251 byte (a stray byte counts
// as one); nothing when every character has one.
[[nodiscard]] std::optional<std::string> firstCharacterOutsideWindows1251(std::string_view utf8);
// Appends the Windows-1251 bytes of a UTF-8 text; ASCII is copied as it stands.
void appendWindows1251(std::string& out, std::string_view utf8);

// Windows-1251 to UTF-8.
[[nodiscard]] std::string fromWindows1251(std::string_view bytes);

// The bytes of a saved document: every line in Windows-1251 followed by CR LF.
[[nodiscard]] std::string documentBytes(const LineList& lines);

}  // namespace tessaro
