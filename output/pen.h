#pragma once

#include <string>
#include <string_view>

#include "output/line_list.h"

namespace tessaro {

// The pen through which every template is drawn: relative steps in, absolute
// "moveto"/"lineto" lines out. Generators set CurX/CurY directly to start a part.
class Pen {
public:
    explicit Pen(LineList& document) : document_(document) {}
    Pen(const Pen&) = delete;
    Pen& operator=(const Pen&) = delete;

    double CurX = 0;
    double CurY = 0;
    double OrgX = 0;
    double OrgY = 0;
    double CutterDiam = 0;

    void pMoveTo(double dx, double dy) { step(dx, dy, "moveto"); }
    void pLineTo(double dx, double dy) { step(dx, dy, "lineto"); }

    // Puts the current point on the origin without writing anything.
    void toOrigin() { CurX = OrgX; CurY = OrgY; }
    // Puts the current point at an offset from the origin without writing anything.
    void toOrigin(double dx, double dy) { CurX = OrgX + dx; CurY = OrgY + dy; }

    // Ends a part.
    void stroke() { document_.append("stroke"); }

private:
    void step(double dx, double dy, std::string_view keyword);

    LineList& document_;
    std::string line_;  // reused, so a step allocates nothing
};

}  // namespace tessaro
