#pragma once

#include <string_view>

namespace tessaro {

inline constexpr std::string_view kVersion = "2.6";
inline constexpr std::string_view kProgramTitle = "Tessaro v2.6";
static_assert(kProgramTitle.ends_with(kVersion), "the title shows the version");
inline constexpr std::string_view kContactAddress = "tessaro@tessaro.app";
// The licence as SPDX names it; the About box and the package say the same.
inline constexpr std::string_view kLicence = "GPL-3.0-or-later";

}  // namespace tessaro
