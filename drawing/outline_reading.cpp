#include "drawing/outline_reading.h"

#include <cmath>

namespace tessaro {
namespace {

// Half a unit in the sixth decimal from each end of the outline, with room for the
// binary rounding of the sums that traced it.
constexpr double kSamePointTolerance = 1.5e-6;

}  // namespace

bool endsMeet(std::size_t size, Point front, Point back) {
    return size > 1 && std::abs(back.x - front.x) < kSamePointTolerance &&
           std::abs(back.y - front.y) < kSamePointTolerance;
}

OutlineReading::OutlineReading(std::span<const Point> points, OutlineRole role) : role_(role), held_(points) {}

OutlineReading::OutlineReading(const StreamedPoints& points, OutlineRole role) : role_(role) {
    if (points.isHeld()) {
        held_ = points.held();
    } else {
        streamed_ = &points;
    }
}

OutlineReading::iterator OutlineReading::begin() {
    if (streamed_ == nullptr) {
        at_ = held_.empty() ? nullptr : held_.data();
        blockEnd_ = held_.data() + held_.size();
    } else {
        cursor_ = streamed_->source().start();
        block_.resize(kPointBlock);
        nextBlock();
    }
    return iterator(this);
}

void OutlineReading::nextBlock() {
    const std::size_t count = cursor_ != nullptr ? cursor_->next(block_) : 0;
    at_ = count == 0 ? nullptr : block_.data();
    blockEnd_ = block_.data() + count;
}

}  // namespace tessaro
