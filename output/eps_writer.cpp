#include "output/eps_writer.h"

#include <cmath>
#include <string>

#include "drawing/cutting_order.h"
#include "output/number_text.h"

namespace tessaro {
namespace {

void writeHeader(const DrawingHeader& header, LineSink& out) {
    out.line("%!PS-Adobe-3.0 EPSF-3.0");
    out.line("%%BoundingBox: " + fixedText(header.left, 8) + " " + fixedText(header.bottom, 8) + " " +
             fixedText(header.right, 8) + " " + fixedText(header.top, 8));
    out.line("%%Creator: " + header.creator);
    for (const std::string& title : header.titles) {
        out.line("%%Title: " + title);
    }
    out.line("%%CreationDate: " + header.timeOfDay);
    for (std::string_view line : {"%%EndComments", "%%BeginSetup", "%%EndSetup", "%%BeginProlog", "%%EndProlog", " "}) {
        out.line(line);
    }
    out.line(kEpsBodyMarker);
    out.line("2.834646 2.834646 scale");
}

void appendPointLine(std::string& out, Point p, bool startsOutline) {
    appendCoordinate(out, p.x);
    out.push_back(' ');
    appendCoordinate(out, p.y);
    out.append(startsOutline ? " moveto" : " lineto");
}

}  // namespace

void writeEps(const Drawing& drawing, LineSink& out, bool innerCutsFirst) {
    writeHeader(drawing.header, out);
    std::string line;  // reused, so a point allocates nothing
    for (std::size_t p = 0; p < drawing.partCount(); ++p) {
        const Part part = drawing.part(p);
        for (const std::size_t o : outlineOrder(drawing, p, innerCutsFirst)) {
            bool first = true;
            for (const Point point : drawing.reading(o)) {
                line.clear();
                appendPointLine(line, point, first);
                out.line(line);
                first = false;
            }
        }
        if (part.finished) {
            out.line("stroke");
        }
    }
}

}  // namespace tessaro
