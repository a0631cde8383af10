#pragma once

#include <filesystem>
#include <string_view>

#include "drawing/engraved_text.h"

namespace tessaro {

// Where Debian's hershey-fonts-data installs the Hershey fonts, and the two engraved text
// is drawn in: Futura light for Latin, digits and signs, and the Cyrillic complex font.
inline constexpr std::string_view kHersheyFontFolder = "/usr/share/hershey-fonts";
inline constexpr std::string_view kLatinFontFile = "futural.jhf";
inline constexpr std::string_view kCyrillicFontFile = "cyrillic.jhf";

// Reads both fonts from the folder.
// Failure: FileError "Cannot open file "NAME". REASON", naming the package to install,
// or FontError for a file that is no Hershey font.
[[nodiscard]] EngravingFonts loadEngravingFonts(const std::filesystem::path& folder = kHersheyFontFolder);

}  // namespace tessaro
