#pragma once

#include <span>
#include <string_view>

#include "model/workbench.h"

namespace tessaro {

// A translatable control of the window and its English text. The window shows the
// text as the control's hint (tooltip); the English switch makes it the caption.
struct EnglishText {
    std::string_view control;  // the control's object name, e.g. "cornerRelief"
    std::string_view text;
};

// The 12 translatable controls besides the template buttons, whose English texts are
// the hints of the command table (app/commands.h).
[[nodiscard]] std::span<const EnglishText> englishControlTexts();
// A control's English text (its hint); empty for a control that has none.
[[nodiscard]] std::string_view englishTextOf(std::string_view control);

// Step 1 of the English switch: the 11 English cells of the main table, the 8 of the
// tab-slot table and the 6 of the spiral table. Values are not touched.
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
