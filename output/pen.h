#pragma once

#include <string>
#include <string_view>

#include "output/line_list.h"

namespace tessaro {

// The pen through which every template is drawn: relative steps in, absolute
// "moveto"/"lineto" lines out. Generators set currentX/currentY directly to start a part.
class Pen {
public:
    explicit Pen(LineList& document) : document_(document) {}
    Pen(const Pen&) = delete;
    Pen& operator=(const Pen&) = delete;

    double currentX = 0;
    double currentY = 0;
    double originX = 0;
    double originY = 0;
    double toolDiameter = 0;

    void moveTo(double dx, double dy) { step(dx, dy, "moveto"); }
    void lineTo(double dx, double dy) { step(dx, dy, "lineto"); }

    // Puts the current point on the origin without writing anything.
    void toOrigin() { currentX = originX; currentY = originY; }
    // Puts the current point at an offset from the origin without writing anything.
    void toOrigin(double dx, double dy) { currentX = originX + dx; currentY = originY + dy; }

    // Ends a part.
    void stroke() { document_.append("stroke"); }

private:
    void step(double dx, double dy, std::string_view keyword);

    LineList& document_;
    std::string line_;  // reused, so a step allocates nothing
};

}  // namespace tessaro
