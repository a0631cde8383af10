#include "drawing/shapes.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "drawing/relief.h"

namespace tessaro {
namespace {

void stepBy(Pen& pen, const EdgeStep& step, double length, Vec direction) {
    const Vec v = length * direction;
    step(pen, v.x, v.y);
}

void lineBy(Pen& pen, double length, Vec direction) { stepBy(pen, plainStep, length, direction); }

// The segments an arc needs so that none strays more than the chord error from it: a
// segment of angle a strays r·(1 − cos(a/2)). Tiny arcs still get an eighth of a turn each.
int segmentsFor(double radius, double sweep) {
    const double allowed = 0.9 * kLargestChordError;
    const double halfAngle = radius > allowed / 2 ? std::acos(1 - allowed / radius) : std::numbers::pi / 2;
    const double largestAngle = std::min(2 * halfAngle, std::numbers::pi / 4);
    return std::max(1, static_cast<int>(std::ceil(std::abs(sweep) / largestAngle)));
}

}  // namespace

EdgeStep reliefOr(Relief relief, ReliefEdge primitive) {
    if (relief) {
        return [primitive, diameter = relief.toolDiameter](Pen& pen, double dx, double dy) {
            primitive(pen, diameter, dx, dy);
        };
    }
    return plainStep;
}

ToothedEdge ToothedEdge::divided(double length, int tabs, double height, Vec along, Vec out) {
    const double q = length / 2 / tabs;
    return {along, out, q / 2, q, q, tabs, height};
}

void drawToothedEdge(Pen& pen, const ToothedEdge& edge, const EdgeSteps& steps) {
    stepBy(pen, steps.firstEnd, edge.end, edge.along);
    for (int tab = 1; tab <= edge.tabs; ++tab) {
        lineBy(pen, edge.height, edge.out);
        lineBy(pen, edge.tab, edge.along);
        lineBy(pen, edge.height, -edge.out);
        if (tab < edge.tabs) {
            stepBy(pen, steps.gap, edge.gap, edge.along);
        }
    }
    stepBy(pen, steps.lastEnd, edge.end, edge.along);
}

void drawToothedEdge(Pen& pen, const ToothedEdge& edge, Relief relief, const EdgeStep& gapStep) {
    drawToothedEdge(pen, edge,
                    {reliefOr(relief, lineNotchedAtEnd), relief ? reliefOr(relief, lineNotchedAtBothEnds) : gapStep,
                     reliefOr(relief, lineNotchedAtStart)});
}

Winding windingOf(Vec first, Vec second) {
    return first.x * second.y - first.y * second.x > 0 ? Winding::CounterClockwise : Winding::Clockwise;
}

void drawSlot(Pen& pen, const Slot& slot, Relief relief) {
    const EdgeStep longSide = reliefOr(
        relief, slot.winding == Winding::CounterClockwise ? lineNotchedOutsideAtBothEnds : lineNotchedAtBothEnds);
    const Vec back = -slot.across;
    const Vec returning = -slot.along;
    if (slot.alongFirst) {
        longSide(pen, slot.along.x, slot.along.y);
        pen.lineTo(slot.across.x, slot.across.y);
        longSide(pen, returning.x, returning.y);
        pen.lineTo(back.x, back.y);
    } else {
        pen.lineTo(slot.across.x, slot.across.y);
        longSide(pen, slot.along.x, slot.along.y);
        pen.lineTo(back.x, back.y);
        longSide(pen, returning.x, returning.y);
    }
}

void drawSlotRow(Pen& pen, const SlotRow& row, const std::function<void()>& drawSlotHere,
                 const std::function<void()>& between) {
    for (int k = 1; k <= row.count; ++k) {
        const double cornerX = pen.currentX;
        const double cornerY = pen.currentY;
        drawSlotHere();
        const bool last = k == row.count;
        if (last && !row.moveAfterLast) {
            break;
        }
        if (last) {
            pen.placeMark(row.pitch.x, row.pitch.y);
        } else if (between) {
            between();
            pen.startInnerCut(cornerX + row.pitch.x - pen.currentX, cornerY + row.pitch.y - pen.currentY);
        } else {
            pen.startInnerCut(row.pitch.x, row.pitch.y);
        }
    }
}

std::vector<Point> arcPoints(Point centre, double radius, double fromAngle, double sweep) {
    const int segments = segmentsFor(radius, sweep);
    std::vector<Point> points;
    points.reserve(static_cast<std::size_t>(segments) + 1);
    for (int i = 0; i <= segments; ++i) {
        const double angle = fromAngle + sweep * i / segments;
        points.push_back({centre.x + radius * std::cos(angle), centre.y + radius * std::sin(angle)});
    }
    return points;
}

std::vector<Point> roundedRectangleOutline(Point centre, double width, double height, double radius) {
    const double halfTurn = std::numbers::pi / 2;
    const double dx = width / 2 - radius;
    const double dy = height / 2 - radius;
    // The corners' arcs counterclockwise from the lower right; a side of no length between
    // two arcs leaves them sharing a point, which is kept once.
    const Point corners[] = {{centre.x + dx, centre.y - dy},
                             {centre.x + dx, centre.y + dy},
                             {centre.x - dx, centre.y + dy},
                             {centre.x - dx, centre.y - dy}};
    std::vector<Point> outline;
    for (int k = 0; k < 4; ++k) {
        const std::vector<Point> arc =
            radius > 0 ? arcPoints(corners[k], radius, (k - 1) * halfTurn, halfTurn) : std::vector<Point>{corners[k]};
        for (const Point p : arc) {
            if (outline.empty() || std::hypot(p.x - outline.back().x, p.y - outline.back().y) > 1e-9) {
                outline.push_back(p);
            }
        }
    }
    if (std::hypot(outline.back().x - outline.front().x, outline.back().y - outline.front().y) <= 1e-9) {
        outline.back() = outline.front();
    } else {
        outline.push_back(outline.front());
    }
    return outline;
}

std::vector<Point> circleOutline(Point centre, double diameter) {
    std::vector<Point> outline = arcPoints(centre, diameter / 2, 0, 2 * std::numbers::pi);
    outline.back() = outline.front();
    return outline;
}

std::vector<Point> roundedSlotOutline(Point centre, double length, double width) {
    return roundedRectangleOutline(centre, length, width, std::min(length, width) / 2);
}

void traceFromOrigin(Pen& pen, OutlineRole role, std::span<const Point> points) {
    pen.toOrigin();
    bool first = true;
    for (const Point p : points) {
        const double dx = pen.originX + p.x - pen.currentX;
        const double dy = pen.originY + p.y - pen.currentY;
        if (!first) {
            pen.lineTo(dx, dy);
        } else if (role == OutlineRole::Engrave) {
            pen.startEngraving(dx, dy);
        } else if (role == OutlineRole::InnerCut) {
            pen.startInnerCut(dx, dy);
        } else if (role == OutlineRole::OuterCut) {
            pen.startOuterCut(dx, dy);
        } else {
            pen.placeMark(dx, dy);
        }
        first = false;
    }
}

}  // namespace tessaro
