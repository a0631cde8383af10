#pragma once

#include <string_view>

#include "model/workbench.h"

namespace tessaro {

// "The bottom will fall out! Choosing the variant with feet is advised." Never translated.
inline constexpr std::string_view kBottomFallsOut = "Дно будет выпадать!\r рекомендуется выбрать вариант с ножками";

// Side panels warn, and then draw as usual, when the box has neither feet nor a frame
// allowance: nothing then holds the bottom up.
void warnIfBottomFallsOut(Workbench& wb);

}  // namespace tessaro
