#pragma once

namespace tessaro {

// A position in millimetres, X to the right, Y up.
struct Point {
    double x = 0;
    double y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// A unit direction or a vector in millimetres, X first.
struct Vec {
    double x = 0;
    double y = 0;
};

[[nodiscard]] inline Vec operator*(double k, Vec v) { return {k * v.x, k * v.y}; }
[[nodiscard]] inline Vec operator-(Vec v) { return {-v.x, -v.y}; }
[[nodiscard]] inline Vec operator+(Vec a, Vec b) { return {a.x + b.x, a.y + b.y}; }

}  // namespace tessaro
