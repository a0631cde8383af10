#pragma once

#include "box/panel_sizes.h"
#include "model/options.h"
#include "model/ports.h"

namespace tessaro {

// "The bottom will fall out! It is advised to choose feet." Never translated.
inline constexpr const char* kBottomFallsOutWarning = "Дно будет выпадать!\r рекомендуется выбрать вариант с ножками";

// Shows the warning when a side panel without feet has no frame allowance: its edge then
// runs through the holding hole. Advice only; the panel is drawn all the same.
void warnIfBottomFallsOut(MessageBox& messages, const PanelSizes& box, Feet feet);

}  // namespace tessaro
