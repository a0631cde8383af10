#pragma once

#include <atomic>
#include <cstddef>
#include <memory>
#include <mutex>
#include <span>
#include <vector>

#include "drawing/extent.h"
#include "drawing/point.h"

namespace tessaro {

// One reading of a streamed outline's points, from the first on.
class PointCursor {
public:
    virtual ~PointCursor() = default;
    // Fills the block with the next points; returns how many, 0 once all were read.
    virtual std::size_t next(std::span<Point> block) = 0;
};

// How many points a reading takes from its source at a time.
inline constexpr std::size_t kPointBlock = 4096;

// The points of an outline too long to hold (the largest spiral's ten million), made
// again by their generator for each reading, by the same arithmetic each time.
class PointSource {
public:
    virtual ~PointSource() = default;
    [[nodiscard]] virtual std::unique_ptr<PointCursor> start() const = 0;
    // An outline of at most this many points keeps them from the reading that measures it:
    // 16 MiB cost less than making them again for every writer, when each costs a sine.
    [[nodiscard]] virtual std::size_t pointsWorthKeeping() const { return std::size_t{1} << 20; }
};

// A streamed outline: its source and what one reading found (the count, the ends and the
// rectangle), so that a drawing knows its size and its ends without holding its points.
class StreamedPoints {
public:
    // Reads the source once, keeping the points of a short outline; a generator's error
    // (a coordinate too large) throws here.
    explicit StreamedPoints(std::shared_ptr<const PointSource> source);

    [[nodiscard]] const PointSource& source() const { return *source_; }
    [[nodiscard]] std::size_t size() const { return size_; }
    [[nodiscard]] Point front() const { return front_; }
    [[nodiscard]] Point back() const { return back_; }
    [[nodiscard]] const Extent& extent() const { return extent_; }

    // Every point at once, for those that need them so (the nesting, the preview): made on
    // the first call and kept, safely from any thread. The writers never ask: a held
    // outline is read where it is.
    [[nodiscard]] std::span<const Point> held() const;
    [[nodiscard]] bool isHeld() const { return isHeld_.load(); }

private:
    std::shared_ptr<const PointSource> source_;
    std::size_t size_ = 0;
    Point front_;
    Point back_;
    Extent extent_;
    mutable std::once_flag holding_;
    mutable std::atomic<bool> isHeld_ = false;
    mutable std::vector<Point> held_;
};

}  // namespace tessaro
