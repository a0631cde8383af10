#include "output/eps_reader.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>

#include "output/eps_body.h"

namespace tessaro {
namespace {

// The body's numbers are written by the pen and always parse; a damaged one reads as 0.
double numberOf(std::string_view text) {
    const std::size_t begin = text.find_first_not_of(' ');
    double value = 0;
    if (begin != std::string_view::npos) {
        std::from_chars(text.data() + begin, text.data() + text.size(), value);
    }
    return value;
}

// Half a unit in the sixth decimal from each end of the outline, with room for the
// binary rounding of the texts.
constexpr double kSamePointTolerance = 1.5e-6;

}  // namespace

void Extent::include(DrawingPoint p) {
    if (empty) {
        minX = maxX = p.x;
        minY = maxY = p.y;
        empty = false;
        return;
    }
    minX = std::min(minX, p.x);
    maxX = std::max(maxX, p.x);
    minY = std::min(minY, p.y);
    maxY = std::max(maxY, p.y);
}

std::span<const DrawingPoint> EpsDrawing::outline(std::size_t i) const {
    const std::size_t end = i + 1 < outlineStarts_.size() ? outlineStarts_[i + 1] : points_.size();
    return std::span(points_).subspan(outlineStarts_[i], end - outlineStarts_[i]);
}

void EpsDrawing::addPoint(DrawingPoint p, bool startsOutline) {
    if (startsOutline || outlineStarts_.empty()) {
        outlineStarts_.push_back(points_.size());
    }
    points_.push_back(p);
}

void EpsDrawing::measureDrawnOutlines() {
    for (std::size_t i = 0; i < outlineCount(); ++i) {
        const auto points = outline(i);
        if (points.size() < 2) {
            continue;
        }
        for (const DrawingPoint p : points) {
            extent_.include(p);
        }
    }
}

void EpsDrawing::endPart() {
    if (firstOutlineOf(partEnds_.size()) < outlineStarts_.size()) {
        partEnds_.push_back(outlineStarts_.size());
    }
}

EpsDrawing readEpsDrawing(const LineList& eps) {
    EpsDrawing drawing;
    for (std::size_t i = epsBodyStart(eps); i < eps.size(); ++i) {
        const std::string_view line = eps[i];
        if (line == "stroke") {
            drawing.endPart();
        } else if (const auto point = parseEpsPoint(line)) {
            drawing.addPoint({numberOf(point->x), numberOf(point->y)}, point->startsOutline);
        }
    }
    drawing.endPart();
    drawing.measureDrawnOutlines();
    return drawing;
}

bool endsOnItsStart(std::span<const DrawingPoint> outline) {
    return outline.size() > 1 && std::abs(outline.back().x - outline.front().x) < kSamePointTolerance &&
           std::abs(outline.back().y - outline.front().y) < kSamePointTolerance;
}

}  // namespace tessaro
