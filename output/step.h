#pragma once

#include <functional>

#include "output/pen.h"

namespace tessaro {

// A unit direction or a vector in millimetres, X first.
struct Vec {
    double x = 0;
    double y = 0;
};

[[nodiscard]] inline Vec operator*(double k, Vec v) { return {k * v.x, k * v.y}; }
[[nodiscard]] inline Vec operator-(Vec v) { return {-v.x, -v.y}; }
[[nodiscard]] inline Vec operator+(Vec a, Vec b) { return {a.x + b.x, a.y + b.y}; }

// One edge step drawn by some primitive: plain, with relief notches, with a screw slot.
using EdgeStep = std::function<void(Pen&, double dx, double dy)>;

inline void plainStep(Pen& pen, double dx, double dy) { pen.lineTo(dx, dy); }

}  // namespace tessaro
