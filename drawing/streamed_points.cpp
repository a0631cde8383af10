#include "drawing/streamed_points.h"

#include <array>

namespace tessaro {

StreamedPoints::StreamedPoints(std::shared_ptr<const PointSource> source) : source_(std::move(source)) {
    const std::unique_ptr<PointCursor> cursor = source_->start();
    std::array<Point, kPointBlock> block;
    const std::size_t mostKept = source_->pointsWorthKeeping();
    std::vector<Point> kept;
    while (const std::size_t count = cursor->next(block)) {
        if (size_ == 0) {
            front_ = block.front();
        }
        for (std::size_t i = 0; i < count; ++i) {
            extent_.include(block[i]);
        }
        back_ = block[count - 1];
        size_ += count;
        if (size_ <= mostKept) {
            kept.insert(kept.end(), block.begin(), block.begin() + static_cast<std::ptrdiff_t>(count));
        } else if (!kept.empty()) {
            std::vector<Point>().swap(kept);
        }
    }
    if (size_ <= mostKept) {
        std::call_once(holding_, [this, &kept] {
            held_ = std::move(kept);
            isHeld_ = true;
        });
    }
}

std::span<const Point> StreamedPoints::held() const {
    std::call_once(holding_, [this] {
        held_.reserve(size_);
        const std::unique_ptr<PointCursor> cursor = source_->start();
        std::array<Point, kPointBlock> block;
        while (const std::size_t count = cursor->next(block)) {
            held_.insert(held_.end(), block.begin(), block.begin() + static_cast<std::ptrdiff_t>(count));
        }
        isHeld_ = true;
    });
    return held_;
}

}  // namespace tessaro
