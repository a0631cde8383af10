#pragma once

#include <memory>
#include <string_view>

#include "drawing/drawing.h"

namespace tessaro {

// The point a relative step from `from` leads to; a step to a coordinate too large to be
// written throws DrawingError. The pen's one arithmetic, which a streamed outline's
// generator repeats for each reading.
[[nodiscard]] Point steppedFrom(Point from, double dx, double dy);

// The pen through which every template is drawn: relative steps in, absolute points
// recorded into the drawing. Generators set currentX/currentY directly to start a part.
class Pen {
public:
    explicit Pen(Drawing& drawing) : drawing_(drawing) {}
    Pen(const Pen&) = delete;
    Pen& operator=(const Pen&) = delete;

    double currentX = 0;
    double currentY = 0;
    double originX = 0;
    double originY = 0;

    // A step that begins an outline: the edge of a piece, a cut-out of one, a line
    // engraved on its face, or a lone point that is not cut.
    void startOuterCut(double dx, double dy) { begin(dx, dy, OutlineRole::OuterCut); }
    void startInnerCut(double dx, double dy) { begin(dx, dy, OutlineRole::InnerCut); }
    void startEngraving(double dx, double dy) { begin(dx, dy, OutlineRole::Engrave); }
    void placeMark(double dx, double dy) { begin(dx, dy, OutlineRole::Mark); }
    void lineTo(double dx, double dy);
    // An outline of millions of points, made by its source from the current point for
    // each reading instead of held; the pen ends on its last point.
    void drawStreamed(std::shared_ptr<const PointSource> points, OutlineRole role);

    // Puts the current point on the origin without drawing.
    void toOrigin() {
        currentX = originX;
        currentY = originY;
    }
    // Puts the current point at an offset from the origin without drawing.
    void toOrigin(double dx, double dy) {
        currentX = originX + dx;
        currentY = originY + dy;
    }

    // Ends the part drawn since the last end: a panel, a piece, a whole template.
    void endPart(std::string_view name) { drawing_.endPart(name); }

private:
    void begin(double dx, double dy, OutlineRole role);
    Point step(double dx, double dy);

    Drawing& drawing_;
};

}  // namespace tessaro
