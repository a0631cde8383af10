#pragma once

#include <string>
#include <string_view>

namespace tessaro {

// Every number the program writes goes through these two.

// "%11.6f": six decimals, right-aligned in at least 11 characters, and never "-0.000000".
void appendCoordinate(std::string& out, double value);

// The value its six-decimal text reads back as: what a reader of our files sees.
[[nodiscard]] double roundedToMicrometre(double value);

enum class TrailingZeros { Kept, Dropped };

// Fixed-point with the given number of decimals and no padding ("%.8f" and the like),
// never "-0"; with the trailing zeros dropped, a whole number also loses its point.
[[nodiscard]] std::string fixedText(double value, int decimals, TrailingZeros zeros = TrailingZeros::Kept);

}  // namespace tessaro
