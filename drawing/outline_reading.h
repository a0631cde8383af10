#pragma once

#include <cstddef>
#include <iterator>
#include <memory>
#include <span>
#include <vector>

#include "drawing/extent.h"
#include "drawing/outline_role.h"
#include "drawing/streamed_points.h"

namespace tessaro {

// Whether an outline of these ends is closed: more than one point, the last on the first
// to the micrometre the files keep.
[[nodiscard]] bool endsMeet(std::size_t size, Point front, Point back);

// An outline as a writer reads it: its role, size and ends known at once, its points in
// order, a block at a time. The points of a streamed outline that keeps none are made
// afresh for the reading and never held together; held points are read where they lie.
// One pass: begin() once, and the reading stays where it is until it ends.
class OutlineReading {
public:
    OutlineReading(std::span<const Point> points, OutlineRole role);
    OutlineReading(const StreamedPoints& points, OutlineRole role);

    [[nodiscard]] OutlineRole role() const { return role_; }
    [[nodiscard]] std::size_t size() const { return streamed_ != nullptr ? streamed_->size() : held_.size(); }
    [[nodiscard]] Point front() const { return streamed_ != nullptr ? streamed_->front() : held_.front(); }
    [[nodiscard]] Point back() const { return streamed_ != nullptr ? streamed_->back() : held_.back(); }
    [[nodiscard]] bool closed() const { return endsMeet(size(), front(), back()); }
    [[nodiscard]] Extent extent() const { return streamed_ != nullptr ? streamed_->extent() : extentOf(held_); }

    class iterator {
    public:
        using value_type = Point;
        using difference_type = std::ptrdiff_t;
        iterator() = default;
        explicit iterator(OutlineReading* reading) : reading_(reading) {}
        Point operator*() const { return *reading_->at_; }
        iterator& operator++() {
            reading_->advance();
            return *this;
        }
        void operator++(int) { reading_->advance(); }
        bool operator==(std::default_sentinel_t) const { return reading_->at_ == nullptr; }

    private:
        OutlineReading* reading_ = nullptr;
    };
    [[nodiscard]] iterator begin();
    [[nodiscard]] std::default_sentinel_t end() const { return {}; }

private:
    void advance() {
        if (++at_ == blockEnd_) {
            nextBlock();
        }
    }
    void nextBlock();

    OutlineRole role_;
    std::span<const Point> held_;
    const StreamedPoints* streamed_ = nullptr;
    std::unique_ptr<PointCursor> cursor_;
    std::vector<Point> block_;
    const Point* at_ = nullptr;  // null once every point was read
    const Point* blockEnd_ = nullptr;
};

}  // namespace tessaro
