#include "output/svg_writer.h"

#include <cmath>

#include "output/drawing_error.h"
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

void appendEscaped(std::string& out, std::string_view text) {
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        default: out += c;
        }
    }
}

// SVG's Y axis points down; writing -y turns the drawing the right way up.
void appendPoint(std::string& out, DrawingPoint p) {
    appendNumber(out, p.x);
    out += ' ';
    appendNumber(out, -p.y);
}

// A lone move (the move that ends some slot rows) cuts nothing, and a laser program
// could take a path of one point for a dot to burn: it is left out.
void appendPath(std::string& out, std::span<const DrawingPoint> outline) {
    if (outline.size() < 2) {
        return;
    }
    const bool closed = endsOnItsStart(outline);
    const std::size_t drawn = closed ? outline.size() - 1 : outline.size();
    out += "<path d=\"M";
    appendPoint(out, outline.front());
    for (std::size_t i = 1; i < drawn; ++i) {
        out += i == 1 ? "L" : " ";
        appendPoint(out, outline[i]);
    }
    out += closed ? "Z\"/>\n" : "\"/>\n";
}

void appendSizeAttributes(std::string& out, const Extent& extent) {
    out += " width=\"";
    appendNumber(out, extent.width());
    out += "mm\" height=\"";
    appendNumber(out, extent.height());
    out += "mm\" viewBox=\"";
    appendNumber(out, extent.minX);
    out += ' ';
    appendNumber(out, -extent.maxY);
    out += ' ';
    appendNumber(out, extent.width());
    out += ' ';
    appendNumber(out, extent.height());
    out += '"';
}

}  // namespace

std::string svgDocument(const EpsDrawing& drawing, std::string_view title) {
    std::string out;
    out.reserve(512 + drawing.pointCount() * 24);
    out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\"";
    appendSizeAttributes(out, drawing.extent());
    out += ">\n<title>";
    appendEscaped(out, title);
    out += "</title>\n<g fill=\"none\" stroke=\"#000000\" stroke-width=\"0.1\" stroke-linejoin=\"round\">\n";
    for (std::size_t part = 0; part < drawing.partCount(); ++part) {
        out += "<g>\n";
        for (std::size_t i = drawing.firstOutlineOf(part); i < drawing.endOutlineOf(part); ++i) {
            appendPath(out, drawing.outline(i));
        }
        out += "</g>\n";
    }
    out += "</g>\n</svg>\n";
    return out;
}

}  // namespace tessaro
