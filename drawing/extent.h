#pragma once

#include <span>

#include "drawing/point.h"

namespace tessaro {

// The rectangle that holds every point included; empty until one is.
struct Extent {
    double minX = 0;
    double minY = 0;
    double maxX = 0;
    double maxY = 0;
    bool empty = true;

    [[nodiscard]] double width() const { return maxX - minX; }
    [[nodiscard]] double height() const { return maxY - minY; }
    void include(Point p);
    void include(const Extent& other);

    friend bool operator==(const Extent&, const Extent&) = default;
};

// The rectangle of the points; empty for none.
[[nodiscard]] Extent extentOf(std::span<const Point> points);

}  // namespace tessaro
