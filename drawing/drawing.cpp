#include "drawing/drawing.h"

#include <algorithm>

namespace tessaro {

bool Outline::closed() const { return !points.empty() && endsMeet(points.size(), points.front(), points.back()); }

void Drawing::beginOutline(Point start, OutlineRole role) {
    outlines_.push_back({points_.size(), role});
    points_.push_back(start);
}

void Drawing::lineTo(Point p) {
    if (!outlines_.empty() && outlines_.back().streamed != kHeld &&
        (parts_.empty() || parts_.back().endOutline != outlines_.size())) {
        const StreamedPoints& last = *streamed_[outlines_.back().streamed];
        beginOutline(last.back(), outlines_.back().role);
        extent_.include(last.back());
    } else if (outlines_.empty() || (!parts_.empty() && parts_.back().endOutline == outlines_.size())) {
        outlines_.push_back({points_.size(), OutlineRole::OuterCut});
    } else if (outlines_.back().firstPoint + 1 == points_.size()) {
        // A lone point measures nothing until a line leaves it.
        extent_.include(points_.back());
    }
    points_.push_back(p);
    extent_.include(p);
}

void Drawing::addStreamedOutline(std::shared_ptr<const PointSource> points, OutlineRole role) {
    auto streamed = std::make_shared<const StreamedPoints>(std::move(points));
    if (streamed->size() == 0) {
        return;
    }
    if (streamed->size() > 1) {
        extent_.include(streamed->extent());
    }
    outlines_.push_back({points_.size(), role, streamed_.size()});
    streamed_.push_back(std::move(streamed));
}

void Drawing::addOutlineOf(const Drawing& from, std::size_t i) {
    const OutlineStart& start = from.outlines_[i];
    if (start.streamed == kHeld) {
        const std::span<const Point> points = from.heldPoints(i);
        beginOutline(points.front(), start.role);
        std::for_each(points.begin() + 1, points.end(), [this](Point p) { lineTo(p); });
        return;
    }
    const std::shared_ptr<const StreamedPoints>& streamed = from.streamed_[start.streamed];
    if (streamed->size() > 1) {
        extent_.include(streamed->extent());
    }
    outlines_.push_back({points_.size(), start.role, streamed_.size()});
    streamed_.push_back(streamed);
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
    streamed_.clear();
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

std::span<const Point> Drawing::heldPoints(std::size_t i) const {
    const std::size_t first = outlines_[i].firstPoint;
    const std::size_t end = i + 1 < outlines_.size() ? outlines_[i + 1].firstPoint : points_.size();
    return std::span(points_).subspan(first, end - first);
}

OutlineRole Drawing::roleOf(std::size_t i, std::size_t size) const {
    return size < 2 ? OutlineRole::Mark : outlines_[i].role;
}

Outline Drawing::outline(std::size_t i) const {
    const std::span<const Point> points =
        outlines_[i].streamed == kHeld ? heldPoints(i) : streamed_[outlines_[i].streamed]->held();
    return {points, roleOf(i, points.size())};
}

OutlineReading Drawing::reading(std::size_t i) const {
    if (outlines_[i].streamed == kHeld) {
        const std::span<const Point> points = heldPoints(i);
        return {points, roleOf(i, points.size())};
    }
    const StreamedPoints& streamed = *streamed_[outlines_[i].streamed];
    return {streamed, roleOf(i, streamed.size())};
}

std::size_t Drawing::pointCount() const {
    std::size_t count = points_.size();
    for (const auto& streamed : streamed_) {
        count += streamed->size();
    }
    return count;
}

std::size_t Drawing::heldPointCount() const {
    std::size_t count = points_.size();
    for (const auto& streamed : streamed_) {
        count += streamed->isHeld() ? streamed->size() : 0;
    }
    return count;
}

bool operator==(const Drawing& a, const Drawing& b) {
    if (a.header != b.header || a.parts_ != b.parts_ || a.extent_ != b.extent_ ||
        a.outlineCount() != b.outlineCount()) {
        return false;
    }
    for (std::size_t i = 0; i < a.outlineCount(); ++i) {
        OutlineReading first = a.reading(i);
        OutlineReading second = b.reading(i);
        if (first.role() != second.role() || first.size() != second.size() || !std::ranges::equal(first, second)) {
            return false;
        }
    }
    return true;
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
