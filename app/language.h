#pragma once

#include <string_view>

#include "model/workbench.h"

namespace tessaro {

// The English switch's step on the tables (the window's own words are in its Qt Linguist
// files): the 11 English cells of the main table, the 8 of the tab-slot table and the 6
// of the spiral table. Values are not touched.
void setEnglishTables(Workbench& wb);

// The Russian switch's step on the tables: the built-in Russian captions of the three
// tables the English switch changes come back. Values, and rows the built-in tables do
// not have, are not touched.
void setRussianTables(Workbench& wb);

// Whether the main table's value header reads "Value", the header the English switch writes.
[[nodiscard]] bool tablesAreEnglish(const Workbench& wb);

// What the Russian switch asks of the user.
inline constexpr std::string_view kRestartMessage = "Перезапустите программу!";

}  // namespace tessaro
