#include "output/dxf.h"

#include <array>
#include <string>
#include <string_view>

#include "output/eps_body.h"

namespace tessaro {
namespace {

constexpr std::array<std::string_view, 55> kPrologue = {
    "  0", "SECTION", "  2", "HEADER", "  9", "$ACADVER", "  1", "AC1009",
    "  9", "$EXTMIN", " 10", "-200.00000000", " 20", "-200.00000000", " 30", "0.0",
    "  9", "$EXTMAX", " 10", "500.00000000", " 20", "500.00000000", " 30", "0.0",
    "  0", "ENDSEC", "  0", "SECTION", "  2", "TABLES", "  0", "TABLE",
    "  2", "LAYER", " 70", "  1", "  0", "LAYER", "  2", "По умолчанию",
    " 70", "  0", " 62", "  1", "  6", "CONTINUOUS", "  0", "ENDTAB",
    "  0", "ENDSEC", "  0", "SECTION", "  2", "ENTITIES", "  0",
};

constexpr std::array<std::string_view, 10> kPolylineHead = {
    "POLYLINE", "  8", "def", " 66", "  1", " 39", "0.000000", " 70", "  1", "  0",
};
// Offset of the group-70 value from the "POLYLINE" line.
constexpr std::size_t kClosedFlagOffset = 8;

constexpr std::array<std::string_view, 5> kEpilogue = {"SEQEND", "  0", "ENDSEC", "  0", "EOF"};

template <std::size_t N>
void appendAll(LineList& out, const std::array<std::string_view, N>& lines) {
    for (std::string_view line : lines) {
        out.append(line);
    }
}

void appendVertex(LineList& out, const EpsPoint& point) {
    out.append("VERTEX");
    out.append("  8");
    out.append("0");
    out.append(" 10");
    out.append(point.x);
    out.append(" 20");
    out.append(point.y);
    out.append("  0");
}

}  // namespace

void convertToDxf(const LineList& epsDocument, bool lastPolylineClosed, LineList& dxfDocument) {
    dxfDocument.clear();
    appendAll(dxfDocument, kPrologue);

    bool polylineOpen = false;
    // Where the last polyline begins; the vertices' texts are copied as they stand, so
    // searching for it by its text could land on a vertex.
    std::size_t lastPolyline = 0;
    for (std::size_t i = epsBodyStart(epsDocument); i < epsDocument.size(); ++i) {
        const auto point = parseEpsPoint(epsDocument[i]);
        if (!point) {
            continue;
        }
        // A line before any move starts a polyline, as it starts an outline in the drawing.
        if (point->startsOutline || !polylineOpen) {
            if (polylineOpen) {
                dxfDocument.append("SEQEND");
                dxfDocument.append("0");
            }
            lastPolyline = dxfDocument.size();
            appendAll(dxfDocument, kPolylineHead);
            polylineOpen = true;
        }
        appendVertex(dxfDocument, *point);
    }
    appendAll(dxfDocument, kEpilogue);

    if (!lastPolylineClosed && polylineOpen) {
        dxfDocument.overwrite(lastPolyline + kClosedFlagOffset, "  2");
    }
}

}  // namespace tessaro
