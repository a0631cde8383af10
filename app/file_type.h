#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tessaro {

// The save dialog's filter index.
enum class FileType { Eps = 1, Dxf = 2, Svg = 3 };

[[nodiscard]] std::string_view extensionOf(FileType type);
[[nodiscard]] std::optional<FileType> fileTypeNamed(std::string_view extension);

}  // namespace tessaro
