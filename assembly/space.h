#pragma once

namespace tessaro {

// A point or a direction in the assembled box, in millimetres: X across the width from
// the left side's inner face, Y from the front panel's inner face to the rear, Z up from
// the bottom's upper face.
struct Vec3 {
    double x = 0;
    double y = 0;
    double z = 0;

    friend Vec3 operator+(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
    friend Vec3 operator-(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
    friend Vec3 operator*(double k, Vec3 a) { return {k * a.x, k * a.y, k * a.z}; }
    friend bool operator==(const Vec3&, const Vec3&) = default;
};

[[nodiscard]] inline double dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
[[nodiscard]] inline Vec3 cross(Vec3 a, Vec3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

// A box along the axes, as the room a part or a joint takes.
struct Bounds3 {
    Vec3 low;
    Vec3 high;
};

}  // namespace tessaro
