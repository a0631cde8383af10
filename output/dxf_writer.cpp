#include "output/dxf_writer.h"

#include <array>
#include <string>
#include <string_view>

#include "drawing/cutting_order.h"
#include "output/number_text.h"

namespace tessaro {
namespace {

// The polyline head up to its group 70, whose value says closed or open.
constexpr std::array<std::string_view, 8> kPolylineHead = {
    "POLYLINE", "  8", "def", " 66", "  1", " 39", "0.000000", " 70",
};

constexpr std::array<std::string_view, 5> kEpilogue = {"SEQEND", "  0", "ENDSEC", "  0", "EOF"};

template <std::size_t N>
void writeAll(LineSink& out, const std::array<std::string_view, N>& lines) {
    for (std::string_view line : lines) {
        out.line(line);
    }
}

constexpr std::size_t kFieldWidth = 11;

std::string_view withoutLeadingBlanks(std::string_view text) {
    return text.substr(std::min(text.find_first_not_of(' '), text.size()));
}

// The numbers in the fixed 11-character columns; a point too wide for them (10000 mm or
// more, or -1000 or less) has both written bare, as a reader splitting on blanks takes them.
void writeVertex(LineSink& out, Point p, std::string& x, std::string& y) {
    x.clear();
    y.clear();
    appendCoordinate(x, p.x);
    appendCoordinate(y, p.y);
    const bool wide = x.size() > kFieldWidth || y.size() > kFieldWidth;
    out.line("VERTEX");
    out.line("  8");
    out.line("0");
    out.line(" 10");
    out.line(wide ? withoutLeadingBlanks(x) : std::string_view(x));
    out.line(" 20");
    out.line(wide ? withoutLeadingBlanks(y) : std::string_view(y));
    out.line("  0");
}

}  // namespace

void writeDxf(const Drawing& drawing, bool lastPolylineClosed, LineSink& out, bool innerCutsFirst) {
    writeAll(out, kDxfPrologue);
    std::string x;
    std::string y;
    const std::size_t outlines = drawing.outlineCount();
    std::size_t written = 0;
    for (std::size_t part = 0; part < drawing.partCount(); ++part) {
        for (const std::size_t o : outlineOrder(drawing, part, innerCutsFirst)) {
            if (written++ > 0) {
                out.line("SEQEND");
                out.line("0");
            }
            OutlineReading outline = drawing.reading(o);
            // An engraved stroke is a line, never a loop, wherever it stands.
            const bool open = (written == outlines && !lastPolylineClosed) ||
                              (outline.role() == OutlineRole::Engrave && !outline.closed());
            writeAll(out, kPolylineHead);
            out.line(open ? "  2" : "  1");
            out.line("  0");
            for (const Point p : outline) {
                writeVertex(out, p, x, y);
            }
        }
    }
    writeAll(out, kEpilogue);
}

}  // namespace tessaro
