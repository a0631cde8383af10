#include "output/layer_colours.h"

#include <array>

namespace tessaro {
namespace {

constexpr std::array<CutLayer, 4> kLayers{{
    {"CUT_OUTER", "#000000", 0, 0, 0, 7},
    {"CUT_INNER", "#0000ff", 0, 0, 255, 5},
    {"ENGRAVE", "#00ff00", 0, 255, 0, 3},
    {"MARKS", "#ff0000", 255, 0, 0, 1},
}};

}  // namespace

const CutLayer& layerOf(OutlineRole role) {
    switch (role) {
    case OutlineRole::OuterCut: return kLayers[0];
    case OutlineRole::InnerCut: return kLayers[1];
    case OutlineRole::Engrave: return kLayers[2];
    case OutlineRole::Mark: return kLayers[3];
    }
    return kLayers[0];
}

}  // namespace tessaro
