#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "output/line_list.h"

namespace tessaro {

struct DrawingPoint {
    double x = 0;
    double y = 0;
    friend bool operator==(const DrawingPoint&, const DrawingPoint&) = default;
};

// The rectangle that holds every drawn point; empty when nothing is drawn.
struct Extent {
    double minX = 0;
    double minY = 0;
    double maxX = 0;
    double maxY = 0;
    bool empty = true;

    [[nodiscard]] double width() const { return maxX - minX; }
    [[nodiscard]] double height() const { return maxY - minY; }
    void include(DrawingPoint p);
};

// The EPS body read back as numbers: parts (each ended by "stroke"), their outlines
// (each begun by "moveto") and the points of each outline. The points live in one
// array, so the largest spiral is one allocation, not hundreds of thousands.
class EpsDrawing {
public:
    [[nodiscard]] std::size_t outlineCount() const { return outlineStarts_.size(); }
    [[nodiscard]] std::span<const DrawingPoint> outline(std::size_t i) const;
    [[nodiscard]] std::size_t partCount() const { return partEnds_.size(); }
    // The outlines of part i, as the half-open range [first, last) of outline indices.
    [[nodiscard]] std::size_t firstOutlineOf(std::size_t part) const { return part == 0 ? 0 : partEnds_[part - 1]; }
    [[nodiscard]] std::size_t endOutlineOf(std::size_t part) const { return partEnds_[part]; }
    [[nodiscard]] std::size_t pointCount() const { return points_.size(); }
    [[nodiscard]] const Extent& extent() const { return extent_; }

    friend EpsDrawing readEpsDrawing(const LineList& eps);

private:
    void addPoint(DrawingPoint p, bool startsOutline);
    // Ends the open part; a "stroke" with no outline since the last one adds no part.
    void endPart();
    // The extent of what is drawn: a lone move (some slot rows end with one) draws nothing.
    void measureDrawnOutlines();

    std::vector<DrawingPoint> points_;
    std::vector<std::size_t> outlineStarts_;
    std::vector<std::size_t> partEnds_;
    Extent extent_;
};

// Reads the body after the header. A "lineto" before any "moveto" starts an outline
// of its own, and outlines after the last "stroke" form a last, unfinished part, so
// that whatever the document holds is shown rather than dropped.
[[nodiscard]] EpsDrawing readEpsDrawing(const LineList& eps);

// An outline whose last point is its first, to the six decimals the EPS text keeps.
[[nodiscard]] bool endsOnItsStart(std::span<const DrawingPoint> outline);

}  // namespace tessaro
