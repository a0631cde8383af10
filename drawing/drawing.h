#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "drawing/extent.h"
#include "drawing/point.h"

namespace tessaro {

// What the cutter does along an outline.
enum class OutlineRole {
    OuterCut,  // the edge of a piece, or an open cut such as the spiral
    InnerCut,  // a slot, hole or notch cut out of a piece
    Engrave,   // a line marked on a piece's face, not cut through
    Mark,      // a lone point: placed, never cut
};

// One outline of a drawing: its points in drawing order and its role.
struct Outline {
    std::span<const Point> points;
    OutlineRole role = OutlineRole::OuterCut;

    // An outline whose last point is its first, to the micrometre the files keep.
    [[nodiscard]] bool closed() const;
};

// A part of a drawing: a panel or a template's piece, the outlines [firstOutline, endOutline).
struct Part {
    std::string_view name;
    std::size_t firstOutline = 0;
    std::size_t endOutline = 0;
    bool finished = true;  // false for outlines drawn after the last part was ended
};

// Millimetres to PostScript points, as an EPS file's scale line has it.
inline constexpr double kPointsPerMillimetre = 2.834646;

// What an EPS file says of the drawing before its body: the bounding box in points,
// the creator and the title lines (each written after "%%Title: "), the time of day.
struct DrawingHeader {
    double left = 0;
    double bottom = 0;
    double right = 0;
    double top = 0;
    std::string creator;
    std::vector<std::string> titles;
    std::string timeOfDay;

    friend bool operator==(const DrawingHeader&, const DrawingHeader&) = default;
};

// A template as the generators drew it: parts of outlines of points, in millimetres.
// The points live in one array, so the largest spiral is one allocation.
class Drawing {
public:
    DrawingHeader header;

    // Recording, as the pen draws.
    void beginOutline(Point start, OutlineRole role);
    // A line to p; a line before any outline begins an outer cut.
    void lineTo(Point p);
    void endPart(std::string_view name);
    // Room for points to come, so a drawing of millions is not copied as it grows.
    void reserveMorePoints(std::size_t count) { points_.reserve(points_.size() + count); }
    // Everything drawn goes; the header stays.
    void clearOutlines();

    // Reading. A part whose end was never recorded is the last one, unfinished.
    [[nodiscard]] std::size_t partCount() const;
    [[nodiscard]] Part part(std::size_t i) const;
    [[nodiscard]] std::size_t outlineCount() const { return outlines_.size(); }
    // A lone point, whatever it was begun as, is a mark: it cuts nothing.
    [[nodiscard]] Outline outline(std::size_t i) const;
    [[nodiscard]] std::size_t pointCount() const { return points_.size(); }
    [[nodiscard]] bool empty() const { return points_.empty(); }
    // The rectangle of what is cut: the outlines of two points or more.
    [[nodiscard]] const Extent& extent() const { return extent_; }

    friend bool operator==(const Drawing&, const Drawing&) = default;

private:
    struct OutlineStart {
        std::size_t firstPoint = 0;
        OutlineRole role = OutlineRole::OuterCut;
        friend bool operator==(const OutlineStart&, const OutlineStart&) = default;
    };
    struct PartEnd {
        std::size_t endOutline = 0;
        std::string name;
        friend bool operator==(const PartEnd&, const PartEnd&) = default;
    };

    std::vector<Point> points_;
    std::vector<OutlineStart> outlines_;
    std::vector<PartEnd> parts_;
    Extent extent_;
};

// Adds the parts of `from`, moved by `offset`, with their roles and their names after
// `namePrefix`.
void appendMoved(Drawing& to, const Drawing& from, Vec offset, std::string_view namePrefix = {});

}  // namespace tessaro
