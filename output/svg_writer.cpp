#include "output/svg_writer.h"

#include <cmath>
#include <string>

#include "drawing/drawing_error.h"
#include "output/number_text.h"

namespace tessaro {
namespace {

// Six decimals, as the EPS text has them, without the trailing zeros. A value that is
// not finite (a sum of extremes in the size) has no such text and is refused.
void appendNumber(std::string& out, double value) {
    if (!std::isfinite(value)) {
        throw DrawingError("The drawing is too large to be written as SVG");
    }
    out += fixedText(value, 6, TrailingZeros::Dropped);
}

std::string escaped(std::string_view text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        default: out += c;
        }
    }
    return out;
}

// SVG's Y axis points down; writing -y turns the drawing the right way up.
void appendPoint(std::string& out, Point p) {
    appendNumber(out, p.x);
    out += ' ';
    appendNumber(out, -p.y);
}

void writePath(LineSink& out, const Outline& outline, std::string& path) {
    const bool closed = outline.closed();
    const std::size_t drawn = closed ? outline.points.size() - 1 : outline.points.size();
    path = "<path d=\"M";
    appendPoint(path, outline.points.front());
    for (std::size_t i = 1; i < drawn; ++i) {
        path += i == 1 ? "L" : " ";
        appendPoint(path, outline.points[i]);
    }
    path += closed ? "Z\"/>" : "\"/>";
    out.line(path);
}

// The size is that of the numbers written, each rounded to the micrometre first.
std::string svgElement(const Extent& drawn) {
    const double minX = roundedToMicrometre(drawn.minX);
    const double maxY = roundedToMicrometre(drawn.maxY);
    const double width = roundedToMicrometre(drawn.maxX) - minX;
    const double height = maxY - roundedToMicrometre(drawn.minY);
    std::string out = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"";
    appendNumber(out, width);
    out += "mm\" height=\"";
    appendNumber(out, height);
    out += "mm\" viewBox=\"";
    appendNumber(out, minX);
    out += ' ';
    appendNumber(out, -maxY);
    out += ' ';
    appendNumber(out, width);
    out += ' ';
    appendNumber(out, height);
    out += "\">";
    return out;
}

}  // namespace

void writeSvg(const Drawing& drawing, std::string_view title, LineSink& out, const std::optional<Extent>& page) {
    out.line("<?xml version=\"1.0\" encoding=\"UTF-8\"?>");
    out.line(svgElement(page.value_or(drawing.extent())));
    out.line("<title>" + escaped(title) + "</title>");
    out.line("<g fill=\"none\" stroke=\"#000000\" stroke-width=\"0.1\" stroke-linejoin=\"round\">");
    std::string path;
    for (std::size_t p = 0; p < drawing.partCount(); ++p) {
        const Part part = drawing.part(p);
        out.line("<g>");
        for (std::size_t o = part.firstOutline; o < part.endOutline; ++o) {
            const Outline outline = drawing.outline(o);
            if (outline.role != OutlineRole::Mark) {
                writePath(out, outline, path);
            }
        }
        out.line("</g>");
    }
    out.line("</g>");
    out.line("</svg>");
}

}  // namespace tessaro
