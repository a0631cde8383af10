#pragma once

#include <cstdio>
#include <stdexcept>
#include <string>
#include <string_view>

#include "output/line_list.h"

namespace tessaro {

// A file that could not be written or read; the message is the one the user sees.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// UTF-8 to Windows-1251; a character that has no Windows-1251 byte becomes "?".
[[nodiscard]] std::string toWindows1251(std::string_view utf8);
// Windows-1251 to UTF-8.
[[nodiscard]] std::string fromWindows1251(std::string_view bytes);

// The bytes of a saved document: every line in Windows-1251 followed by CR LF.
[[nodiscard]] std::string documentBytes(const LineList& lines);

// Writes the bytes to a temporary file beside the target and renames it over the
// target, so a failed save never destroys the file that was there.
// Failure: FileError "Cannot create file "NAME". REASON".
void saveFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace tessaro
