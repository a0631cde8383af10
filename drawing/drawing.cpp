#include "drawing/drawing.h"

#include <cmath>

namespace tessaro {
namespace {

// Half a unit in the sixth decimal from each end of the outline, with room for the
// binary rounding of the sums that traced it.
constexpr double kSamePointTolerance = 1.5e-6;

}  // namespace

bool Outline::closed() const {
    return points.size() > 1 && std::abs(points.back().x - points.front().x) < kSamePointTolerance &&
           std::abs(points.back().y - points.front().y) < kSamePointTolerance;
}

void Drawing::beginOutline(Point start, OutlineRole role) {
    outlines_.push_back({points_.size(), role});
    points_.push_back(start);
}

void Drawing::lineTo(Point p) {
    if (outlines_.empty() || (!parts_.empty() && parts_.back().endOutline == outlines_.size())) {
        outlines_.push_back({points_.size(), OutlineRole::OuterCut});
    } else if (outlines_.back().firstPoint + 1 == points_.size()) {
        // A lone point measures nothing until a line leaves it.
        extent_.include(points_.back());
    }
    points_.push_back(p);
    extent_.include(p);
}

void Drawing::endPart(std::string_view name) {
    const std::size_t ended = parts_.empty() ? 0 : parts_.back().endOutline;
    // An end with no outline since the last one adds no part.
    if (outlines_.size() > ended) {
        parts_.push_back({outlines_.size(), std::string(name)});
    }
}

void Drawing::clearOutlines() {
    points_.clear();
    outlines_.clear();
    parts_.clear();
    extent_ = {};
}

std::size_t Drawing::partCount() const {
    const std::size_t ended = parts_.empty() ? 0 : parts_.back().endOutline;
    return parts_.size() + (outlines_.size() > ended ? 1 : 0);
}

Part Drawing::part(std::size_t i) const {
    const std::size_t first = i == 0 ? 0 : parts_[i - 1].endOutline;
    if (i < parts_.size()) {
        return {parts_[i].name, first, parts_[i].endOutline, true};
    }
    return {{}, first, outlines_.size(), false};
}

Outline Drawing::outline(std::size_t i) const {
    const std::size_t first = outlines_[i].firstPoint;
    const std::size_t end = i + 1 < outlines_.size() ? outlines_[i + 1].firstPoint : points_.size();
    const std::span<const Point> points = std::span(points_).subspan(first, end - first);
    return {points, points.size() < 2 ? OutlineRole::Mark : outlines_[i].role};
}

void appendMoved(Drawing& to, const Drawing& from, Vec offset, std::string_view namePrefix) {
    const auto moved = [offset](Point p) { return Point{p.x + offset.x, p.y + offset.y}; };
    for (std::size_t p = 0; p < from.partCount(); ++p) {
        const Part part = from.part(p);
        for (std::size_t o = part.firstOutline; o < part.endOutline; ++o) {
            const Outline outline = from.outline(o);
            to.beginOutline(moved(outline.points.front()), outline.role);
            for (std::size_t i = 1; i < outline.points.size(); ++i) {
                to.lineTo(moved(outline.points[i]));
            }
        }
        to.endPart(std::string(namePrefix).append(part.name));
    }
}

}  // namespace tessaro
