#pragma once

#include <string_view>

namespace tessaro {

// The six panels of a box by where they go in it.
enum class BoxPanel { Front, Bottom, LeftSide, RightSide, Rear, Lid };

// Where a full set draws a panel on its sheet: the origin the panel is drawn from.
struct PanelPlace {
    BoxPanel panel;
    double originX;
    double originY;
};

// "front", "bottom", "left side", "right side", "rear", "lid".
[[nodiscard]] std::string_view panelName(BoxPanel panel);

}  // namespace tessaro
