#pragma once

#include <string_view>

namespace tessaro {

inline constexpr std::string_view kProgramTitle = "Tessaro v2.6";
inline constexpr std::string_view kContactAddress = "tessaro@tessaro.app";

}  // namespace tessaro
