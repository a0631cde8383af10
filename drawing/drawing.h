#pragma once

#include <cstddef>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "drawing/extent.h"
#include "drawing/outline_reading.h"
#include "drawing/outline_role.h"
#include "drawing/point.h"
#include "drawing/streamed_points.h"

namespace tessaro {

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
// The points live in one array, but for a streamed outline's (the largest spiral's ten
// million), which its generator makes again for each reading.
class Drawing {
public:
    DrawingHeader header;

    // Recording, as the pen draws.
    void beginOutline(Point start, OutlineRole role);
    // A line to p; a line before any outline begins an outer cut, and a line after a
    // streamed outline begins a new one at its last point.
    void lineTo(Point p);
    // An outline whose points its source makes for each reading: read once here for its
    // size, ends and rectangle, and not held.
    void addStreamedOutline(std::shared_ptr<const PointSource> points, OutlineRole role);
    // Outline i of `from` as it is drawn; a streamed outline stays streamed.
    void addOutlineOf(const Drawing& from, std::size_t i);
    void endPart(std::string_view name);
    // Everything drawn goes; the header stays.
    void clearOutlines();

    // Reading. A part whose end was never recorded is the last one, unfinished.
    [[nodiscard]] std::size_t partCount() const;
    [[nodiscard]] Part part(std::size_t i) const;
    [[nodiscard]] std::size_t outlineCount() const { return outlines_.size(); }
    // A lone point, whatever it was begun as, is a mark: it cuts nothing. The points are
    // held: a streamed outline's are made on the first call and kept (the nesting and the
    // preview need them all at once); a writer reads with reading() instead.
    [[nodiscard]] Outline outline(std::size_t i) const;
    // Outline i read in order without holding its points.
    [[nodiscard]] OutlineReading reading(std::size_t i) const;
    [[nodiscard]] std::size_t pointCount() const;
    // The points kept in memory: the held outlines', and a streamed outline's once asked for.
    [[nodiscard]] std::size_t heldPointCount() const;
    [[nodiscard]] bool empty() const { return pointCount() == 0; }
    // The rectangle of what is cut: the outlines of two points or more.
    [[nodiscard]] const Extent& extent() const { return extent_; }

    // The same parts of the same outlines of the same points, however they are kept.
    friend bool operator==(const Drawing& a, const Drawing& b);

private:
    static constexpr std::size_t kHeld = static_cast<std::size_t>(-1);
    struct OutlineStart {
        std::size_t firstPoint = 0;
        OutlineRole role = OutlineRole::OuterCut;
        std::size_t streamed = kHeld;  // its index in streamed_, or kHeld
    };
    struct PartEnd {
        std::size_t endOutline = 0;
        std::string name;
        friend bool operator==(const PartEnd&, const PartEnd&) = default;
    };

    [[nodiscard]] std::span<const Point> heldPoints(std::size_t i) const;
    [[nodiscard]] OutlineRole roleOf(std::size_t i, std::size_t size) const;

    std::vector<Point> points_;
    std::vector<OutlineStart> outlines_;
    std::vector<PartEnd> parts_;
    // Shared by copies: its points, once held, are held once.
    std::vector<std::shared_ptr<const StreamedPoints>> streamed_;
    Extent extent_;
};

// Adds the parts of `from`, moved by `offset`, with their roles and their names after
// `namePrefix`.
void appendMoved(Drawing& to, const Drawing& from, Vec offset, std::string_view namePrefix = {});

}  // namespace tessaro
