#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/workbench.h"

namespace tessaro {

// The most pairs a comb holds: more than anyone tries at once, and a bound on its length.
inline constexpr std::size_t kMostCombPairs = 50;

// The allowances of "A,B,C,…", each read by the number rule.
// Failure: UsageError naming the value that is not a number, or an empty list.
[[nodiscard]] std::vector<double> parseCombAllowances(std::string_view list);

// The comb's proposed file name: the tab-slot piece's and " comb" ("5mm 25x25 tab comb").
[[nodiscard]] std::string fitCombName(const Workbench& wb);

// The tab-slot command with a comb instead of the test piece: one pair per allowance from
// the tab-slot table's sizes, each allowance engraved under its slot.
// Failure: UsageError for an allowance not smaller than the thickness in size, BadCellError,
// or the fonts' errors.
void makeFitComb(Workbench& wb, const std::vector<double>& allowances);

}  // namespace tessaro
