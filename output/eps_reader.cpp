#include "output/eps_reader.h"

#include <charconv>
#include <string_view>

#include "output/eps_body.h"

namespace tessaro {
namespace {

// The body's numbers are written by the pen and always parse; a damaged one reads as 0.
double numberOf(std::string_view text) {
    const std::size_t begin = text.find_first_not_of(' ');
    double value = 0;
    if (begin != std::string_view::npos) {
        std::from_chars(text.data() + begin, text.data() + text.size(), value);
    }
    return value;
}

}  // namespace

Drawing readEpsDrawing(const LineList& eps) {
    Drawing drawing;
    for (std::size_t i = epsBodyStart(eps); i < eps.size(); ++i) {
        const std::string_view line = eps[i];
        if (line == "stroke") {
            drawing.endPart({});
        } else if (const auto point = parseEpsPoint(line)) {
            const Point p{numberOf(point->x), numberOf(point->y)};
            point->startsOutline ? drawing.beginOutline(p, OutlineRole::OuterCut) : drawing.lineTo(p);
        }
    }
    return drawing;
}

}  // namespace tessaro
