#pragma once

#include <string>
#include <string_view>

namespace tessaro {

// "%11.6f": six decimals, right-aligned in at least 11 characters, and never "-0.000000".
void appendCoordinate(std::string& out, double value);

// Fixed-point with the given number of decimals and no padding ("%.8f" and the like).
[[nodiscard]] std::string fixedText(double value, int decimals);

}  // namespace tessaro
