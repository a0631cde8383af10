#include "output/svg_writer.h"

#include <cmath>
#include <string>

#include "drawing/cutting_order.h"
#include "drawing/drawing_error.h"
#include "output/layer_colours.h"
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

// The path's element up to its d attribute's first point.
void beginPath(std::string& path, OutlineRole role) {
    path = "<path stroke=\"";
    path += layerOf(role).rgb;
    path += "\" d=\"M";
}

// The text a path's element gathers before it is handed on as a piece of its line: a
// path of millions of points is never held whole.
constexpr std::size_t kPathPieceBytes = 1 << 12;

void writePath(LineSink& out, OutlineReading& outline, std::string& path) {
    const bool closed = outline.closed();
    const std::size_t drawn = closed ? outline.size() - 1 : outline.size();
    beginPath(path, outline.role());
    std::size_t i = 0;
    for (auto point = outline.begin(); i < drawn; ++point, ++i) {
        if (i > 0) {
            path += i == 1 ? "L" : " ";
        }
        appendPoint(path, *point);
        if (path.size() >= kPathPieceBytes) {
            out.piece(path);
            path.clear();
        }
    }
    path += closed ? "Z\"/>" : "\"/>";
    out.line(path);
}

// Half the arm of a mark's cross: large enough to be found, too small to be taken for a cut.
constexpr double kMarkHalfArm = 0.25;

void writeMark(LineSink& out, Point at, std::string& path) {
    beginPath(path, OutlineRole::Mark);
    appendPoint(path, {at.x - kMarkHalfArm, at.y});
    path += "L";
    appendPoint(path, {at.x + kMarkHalfArm, at.y});
    path += "M";
    appendPoint(path, {at.x, at.y - kMarkHalfArm});
    path += "L";
    appendPoint(path, {at.x, at.y + kMarkHalfArm});
    path += "\"/>";
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
    out.line("<g fill=\"none\" stroke-width=\"" + fixedText(kHairline, 3, TrailingZeros::Dropped) +
             "\" stroke-linejoin=\"round\">");
    std::string path;
    for (std::size_t p = 0; p < drawing.partCount(); ++p) {
        out.line("<g>");
        for (const std::size_t o : cuttingOrder(drawing, p)) {
            OutlineReading outline = drawing.reading(o);
            if (outline.role() == OutlineRole::Mark) {
                writeMark(out, outline.front(), path);
            } else {
                writePath(out, outline, path);
            }
        }
        out.line("</g>");
    }
    out.line("</g>");
    out.line("</svg>");
}

}  // namespace tessaro
