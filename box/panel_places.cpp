#include "box/panel_places.h"

namespace tessaro {

std::string_view panelName(BoxPanel panel) {
    switch (panel) {
    case BoxPanel::Front: return "front";
    case BoxPanel::Bottom: return "bottom";
    case BoxPanel::LeftSide: return "left side";
    case BoxPanel::RightSide: return "right side";
    case BoxPanel::Rear: return "rear";
    case BoxPanel::Lid: return "lid";
    }
    return "panel";
}

}  // namespace tessaro
