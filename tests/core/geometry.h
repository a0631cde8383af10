#pragma once

// Reading a drawing back as geometry, so tests can check properties of the outlines
// (closed, their area, what lies inside what) instead of restating the formulas.

#include <algorithm>
#include <cmath>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

#include "support.h"

namespace tessaro::testing {

struct Box {
    double left = 0;
    double bottom = 0;
    double right = 0;
    double top = 0;
    [[nodiscard]] double width() const { return right - left; }
    [[nodiscard]] double height() const { return top - bottom; }
};

// Equal to the drawing's six decimals.
inline bool operator==(const Box& a, const Box& b) {
    constexpr double tolerance = 1.5e-6;
    return std::abs(a.left - b.left) <= tolerance && std::abs(a.bottom - b.bottom) <= tolerance &&
           std::abs(a.right - b.right) <= tolerance && std::abs(a.top - b.top) <= tolerance;
}

inline void PrintTo(const Box& b, std::ostream* os) {
    *os << "x " << b.left << " to " << b.right << ", y " << b.bottom << " to " << b.top;
}

struct BodyOutline {
    std::vector<BodyPoint> points;  // the move point first

    [[nodiscard]] bool closed(double tolerance = 1e-6) const {
        return points.size() > 2 && std::abs(points.front().x - points.back().x) <= tolerance &&
               std::abs(points.front().y - points.back().y) <= tolerance;
    }
    // Shoelace area; positive when traced counterclockwise.
    [[nodiscard]] double signedArea() const {
        double twice = 0;
        for (std::size_t i = 0; i + 1 < points.size(); ++i) {
            twice += points[i].x * points[i + 1].y - points[i + 1].x * points[i].y;
        }
        return twice / 2;
    }
    [[nodiscard]] Box box() const {
        Box b{points.front().x, points.front().y, points.front().x, points.front().y};
        for (const BodyPoint& p : points) {
            b.left = std::min(b.left, p.x);
            b.right = std::max(b.right, p.x);
            b.bottom = std::min(b.bottom, p.y);
            b.top = std::max(b.top, p.y);
        }
        return b;
    }
    // Even-odd rule; points on the boundary count as neither, so ask about interior points.
    [[nodiscard]] bool contains(double x, double y) const {
        bool inside = false;
        for (std::size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
            const BodyPoint& a = points[i];
            const BodyPoint& b = points[j];
            if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x) {
                inside = !inside;
            }
        }
        return inside;
    }
};

// One part of a drawing (ended by "stroke"): its outlines in drawing order.
struct BodyPart {
    std::vector<BodyOutline> outlines;  // a move that starts nothing gives an outline of one point
    // The outlines that draw something, in drawing order.
    [[nodiscard]] std::vector<BodyOutline> drawn() const {
        std::vector<BodyOutline> result;
        std::copy_if(outlines.begin(), outlines.end(), std::back_inserter(result),
                     [](const BodyOutline& o) { return o.points.size() > 1; });
        return result;
    }
    [[nodiscard]] Box box() const {
        Box b = outlines.front().box();
        for (const BodyOutline& o : outlines) {
            const Box ob = o.box();
            b = {std::min(b.left, ob.left), std::min(b.bottom, ob.bottom), std::max(b.right, ob.right),
                 std::max(b.top, ob.top)};
        }
        return b;
    }
    // The outline with the largest extent: the body of a panel.
    [[nodiscard]] const BodyOutline& body() const {
        return *std::max_element(outlines.begin(), outlines.end(), [](const BodyOutline& a, const BodyOutline& b) {
            return a.box().width() * a.box().height() < b.box().width() * b.box().height();
        });
    }
};

inline std::vector<BodyPart> partsOf(const LineList& document) {
    std::vector<BodyPart> parts(1);
    for (const std::string& line : bodyOf(document)) {
        if (line == "stroke") {
            parts.emplace_back();
            continue;
        }
        const auto p = parseEpsPoint(line);
        if (!p) {
            continue;
        }
        BodyPoint point{std::stod(std::string(p->x)), std::stod(std::string(p->y)), p->startsOutline};
        if (point.move) {
            parts.back().outlines.emplace_back();
        }
        parts.back().outlines.back().points.push_back(point);
    }
    if (parts.back().outlines.empty()) {
        parts.pop_back();
    }
    return parts;
}

// Runs a command that draws one part and returns that part's drawn outlines.
inline std::vector<BodyOutline> drawnPart(Workbench& wb, void (*command)(Workbench&)) {
    command(wb);
    const auto parts = partsOf(epsOf(wb));
    return parts.size() == 1 ? parts.front().drawn() : std::vector<BodyOutline>{};
}

// The area of one relief notch: a cutter diameter long, half a diameter deep.
constexpr double notchArea(double cutter) { return cutter * cutter / 2; }

struct Span {
    double from = 0;
    double to = 0;
};

// The pieces of an outline that run along the line x = value (`vertical`) or y = value,
// as spans of the other coordinate, in increasing order: the tips of the tabs on an edge.
inline std::vector<Span> spansOnLine(const BodyOutline& o, bool vertical, double value, double tolerance = 1e-6) {
    std::vector<Span> spans;
    for (std::size_t i = 0; i + 1 < o.points.size(); ++i) {
        const BodyPoint& a = o.points[i];
        const BodyPoint& b = o.points[i + 1];
        const double a1 = vertical ? a.x : a.y;
        const double b1 = vertical ? b.x : b.y;
        const double a2 = vertical ? a.y : a.x;
        const double b2 = vertical ? b.y : b.x;
        if (std::abs(a1 - value) <= tolerance && std::abs(b1 - value) <= tolerance && a2 != b2) {
            spans.push_back({std::min(a2, b2), std::max(a2, b2)});
        }
    }
    std::sort(spans.begin(), spans.end(), [](const Span& l, const Span& r) { return l.from < r.from; });
    return spans;
}

// True when the rectangle `inner` lies within `outer` with at least the given margins
// to spare along X and along Y (each side).
inline bool fitsWithin(const Box& inner, const Box& outer, double marginX, double marginY, double tolerance = 1e-6) {
    return inner.left - outer.left >= marginX - tolerance && outer.right - inner.right >= marginX - tolerance &&
           inner.bottom - outer.bottom >= marginY - tolerance && outer.top - inner.top >= marginY - tolerance;
}

inline bool overlap(const Box& a, const Box& b) {
    return a.left < b.right && b.left < a.right && a.bottom < b.top && b.bottom < a.top;
}

// The first two parts of a sheet whose extents overlap, as "i and j"; empty when none do.
inline std::string overlappingParts(const std::vector<BodyPart>& parts) {
    for (std::size_t i = 0; i < parts.size(); ++i) {
        for (std::size_t j = i + 1; j < parts.size(); ++j) {
            if (overlap(parts[i].box(), parts[j].box())) {
                return std::to_string(i) + " and " + std::to_string(j);
            }
        }
    }
    return {};
}

}  // namespace tessaro::testing
