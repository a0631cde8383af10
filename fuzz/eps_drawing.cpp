// EPS bodies of any bytes, after a real header: the body reader and the DXF, SVG and EPS
// writers must not fail but with the program's errors, the DXF must hold the reader's
// outlines, and the SVG and the EPS must read back to the drawing's points.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "app/saving.h"
#include "drawing/cutting_order.h"
#include "fuzz_checks.h"
#include "input_text.h"
#include "output/eps_reader.h"
#include "output/layer_colours.h"
#include "output/line_list.h"
#include "svg_paths.h"

namespace {

using namespace tessaro;
using tessaro::fuzz::completes;
using tessaro::fuzz::expect;

// A header as the program writes it, then the input's lines as the body.
LineList documentWithBody(std::string_view bytes) {
    LineList eps = drawingLines(Drawing{}, FileType::Eps, {});
    for (const std::string_view line : fuzz::linesOf(bytes)) {
        eps.append(line);
    }
    return eps;
}

bool startsEntity(std::string_view groupCode) {
    const std::size_t digit = groupCode.find_first_not_of(' ');
    return digit != std::string_view::npos && groupCode.substr(digit) == "0";
}

// The vertex count of each POLYLINE of the DXF, read as group code and value pairs.
std::vector<std::size_t> polylineVertexCounts(const LineList& dxf) {
    expect(dxf.size() % 2 == 0, "the DXF is made of group code and value pairs");
    std::vector<std::size_t> counts;
    bool inPolyline = false;
    for (std::size_t i = 0; i < dxf.size(); i += 2) {
        if (!startsEntity(dxf[i])) {
            continue;
        }
        const std::string_view entity = dxf[i + 1];
        if (entity == "POLYLINE") {
            counts.push_back(0);
            inPolyline = true;
        } else if (entity == "VERTEX") {
            expect(inPolyline, "every DXF vertex belongs to a polyline");
            ++counts.back();
        } else {
            inPolyline = false;
        }
    }
    return counts;
}

void checkDxf(const Drawing& drawing, bool closeLast) {
    LineList dxf;
    if (!completes([&] { dxf = drawingLines(drawing, FileType::Dxf, {"fuzz", closeLast}); })) {
        return;
    }
    const std::vector<std::size_t> counts = polylineVertexCounts(dxf);
    expect(counts.size() == drawing.outlineCount(), "the DXF has a polyline for each outline");
    for (std::size_t i = 0; i < counts.size(); ++i) {
        expect(counts[i] == drawing.outline(i).points.size(), "each DXF polyline has its outline's points");
    }
}

// Written with six decimals and read back: half a unit in the sixth decimal, and the
// binary rounding of both numbers.
bool sameAsWritten(double read, double drawn) {
    return std::abs(read - drawn) <= 5e-7 * (1 + 1e-9) + 4 * std::numeric_limits<double>::epsilon() * std::abs(drawn);
}

bool samePoint(Point read, Point drawn) { return sameAsWritten(read.x, drawn.x) && sameAsWritten(read.y, drawn.y); }

void expectPathDrawsOutline(const fuzz::SvgPath& path, const Outline& drawnOutline) {
    const std::span<const Point> outline = drawnOutline.points;
    // Z stands for the last point, which is the first one again.
    expect(!path.closed || drawnOutline.closed(), "only an outline that ends on its start is closed with Z");
    const std::size_t drawn = path.closed ? outline.size() - 1 : outline.size();
    expect(path.points.size() == drawn, "an SVG path has its outline's points");
    for (std::size_t i = 0; i < drawn; ++i) {
        expect(samePoint(path.points[i], outline[i]), "an SVG point is the drawing's point to six decimals");
    }
}

// The view box, in SVG's downward Y, holds every point written.
void expectViewBoxHolds(const fuzz::SvgFigures& svg) {
    const double* box = svg.viewBox;
    expect(svg.width == box[2] && svg.height == box[3] && box[2] >= 0 && box[3] >= 0,
           "the SVG's size in millimetres is its view box's");
    const double slack =
        1e-6 + 4 * std::numeric_limits<double>::epsilon() * (std::abs(box[0]) + std::abs(box[1]) + box[2] + box[3]);
    for (const fuzz::SvgPath& path : svg.paths) {
        for (const Point p : path.points) {
            expect(p.x >= box[0] - slack && p.x <= box[0] + box[2] + slack && -p.y >= box[1] - slack &&
                       -p.y <= box[1] + box[3] + slack,
                   "the view box holds every point of the SVG");
        }
    }
}

void checkSvg(const Drawing& drawing) {
    std::string document;
    if (!completes([&] { document = drawingBytes(drawing, FileType::Svg, {"fuzz"}); })) {
        return;
    }
    const auto svg = fuzz::readSvgFigures(document, layerOf(OutlineRole::Mark).rgb);
    expect(svg.has_value(), "the SVG's size, view box and paths are SVG numbers and path data");
    expect(svg->groups == drawing.partCount(), "the SVG has a group for each part");
    expectViewBoxHolds(*svg);

    // Part by part in cutting order; a mark is a small cross of its own, not its point.
    std::size_t next = 0;
    for (std::size_t p = 0; p < drawing.partCount(); ++p) {
        for (const std::size_t i : cuttingOrder(drawing, p)) {
            const Outline outline = drawing.outline(i);
            expect(next < svg->paths.size(), "the SVG has a path for each outline");
            const fuzz::SvgPath& path = svg->paths[next++];
            expect(path.stroke == layerOf(outline.role).rgb, "an SVG path is stroked in its operation's colour");
            if (outline.role != OutlineRole::Mark) {
                expectPathDrawsOutline(path, outline);
            }
        }
    }
    expect(next == svg->paths.size(), "the SVG has no path that the drawing does not have");
}

// The EPS written from the drawing reads back as the drawing: its parts, its outlines and
// each point to six decimals.
void checkEps(const Drawing& drawing) {
    LineList eps;
    if (!completes([&] { eps = drawingLines(drawing, FileType::Eps, {}); })) {
        return;
    }
    const Drawing read = readEpsDrawing(eps);
    expect(read.partCount() == drawing.partCount(), "the EPS has the drawing's parts");
    expect(read.outlineCount() == drawing.outlineCount(), "the EPS has the drawing's outlines");
    for (std::size_t i = 0; i < drawing.outlineCount(); ++i) {
        const auto want = drawing.outline(i).points;
        const auto got = read.outline(i).points;
        expect(got.size() == want.size(), "an EPS outline has its points");
        for (std::size_t k = 0; k < want.size(); ++k) {
            expect(!std::isfinite(want[k].x) || !std::isfinite(want[k].y) || samePoint(got[k], want[k]),
                   "an EPS point is the drawing's point to six decimals");
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const LineList eps = documentWithBody(fuzz::textOf(data, size));
    Drawing drawing;
    if (!completes([&] { drawing = readEpsDrawing(eps); })) {
        return 0;
    }
    checkDxf(drawing, true);
    checkDxf(drawing, false);
    checkSvg(drawing);
    checkEps(drawing);
    return 0;
}
