#include "drawing/extent.h"

#include <algorithm>

namespace tessaro {

void Extent::include(Point p) {
    if (empty) {
        minX = maxX = p.x;
        minY = maxY = p.y;
        empty = false;
        return;
    }
    minX = std::min(minX, p.x);
    maxX = std::max(maxX, p.x);
    minY = std::min(minY, p.y);
    maxY = std::max(maxY, p.y);
}

Extent extentOf(std::span<const Point> points) {
    Extent extent;
    for (const Point p : points) {
        extent.include(p);
    }
    return extent;
}

void Extent::include(const Extent& other) {
    if (!other.empty) {
        include(Point{other.minX, other.minY});
        include(Point{other.maxX, other.maxY});
    }
}

}  // namespace tessaro
