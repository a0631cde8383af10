#include "drawing/ring_area.h"

namespace tessaro {

double signedArea(std::span<const Point> ring) {
    double twice = 0;
    for (std::size_t i = 0, j = ring.size() - 1; i < ring.size(); j = i++) {
        twice += ring[j].x * ring[i].y - ring[i].x * ring[j].y;
    }
    return twice / 2;
}

}  // namespace tessaro
