#include "output/eps_header.h"

#include <cmath>
#include <string>

#include "output/drawing_error.h"
#include "output/number_text.h"

namespace tessaro {
namespace {

void appendTitle(LineList& document, std::string_view caption, std::string_view value) {
    std::string line = "%%Title: ";
    line.append(caption).append(" ").append(value);
    document.append(line);
}

void appendCommonTail(LineList& document, std::string_view timeOfDay) {
    document.append(std::string("%%CreationDate: ").append(timeOfDay));
    for (std::string_view line : {"%%EndComments", "%%BeginSetup", "%%EndSetup", "%%BeginProlog", "%%EndProlog", " "}) {
        document.append(line);
    }
    document.append(kEpsBodyMarker);
    document.append("2.834646 2.834646 scale");
}

std::string boundText(double value) {
    if (!std::isfinite(value)) {
        throw DrawingError("The bounding box of the drawing is too large to be written; check the table values");
    }
    return fixedText(value, 8);
}

}  // namespace

void writeMainHeader(LineList& document, const MainHeader& header) {
    const double margin = 4 * header.height + 100;
    const std::string left = boundText(-margin);
    const std::string right = boundText(4 * header.width + 4 * header.height);
    const std::string top = boundText(8 * header.depth + 4 * header.height);

    document.clear();
    document.append("%!PS-Adobe-3.0 EPSF-3.0");
    document.append("%%BoundingBox: " + left + " " + left + " " + right + " " + top);
    document.append(std::string("%%Creator: ").append(header.creator));
    document.append("%%Title: Contour data for Case ArtCAM");
    document.append(std::string("%%Title: ").append(header.templateLabel));
    for (const TitleLine& title : header.titles) {
        appendTitle(document, title.caption, title.value);
    }
    appendCommonTail(document, header.timeOfDay);
}

void writeSpiralHeader(LineList& document, std::span<const TitleLine> titles, std::string_view timeOfDay) {
    document.clear();
    document.append("%!PS-Adobe-3.0 EPSF-3.0");
    document.append("%%BoundingBox: -500.00000000 -500.00000000 500.00000000 500.00000000");
    document.append("%%Creator: RDQ");
    document.append("%%Title: Arhimed spiral");
    for (const TitleLine& title : titles) {
        appendTitle(document, title.caption, title.value);
    }
    appendCommonTail(document, timeOfDay);
}

}  // namespace tessaro
