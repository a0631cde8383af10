#include "assembly/stl_writer.h"

#include <bit>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "assembly/overlaps.h"
#include "assembly/panel_mesh.h"
#include "box/panel_places.h"
#include "drawing/drawing_error.h"

namespace tessaro {
namespace {

static_assert(std::endian::native == std::endian::little,
              "STL is little-endian; this writer copies its numbers as they are");

// A binary STL header must not begin with "solid", or readers take the file for text.
constexpr std::string_view kHeader = "Tessaro assembled box, millimetres";

void appendFloat(std::string& out, double value) {
    const auto single = static_cast<float>(value);
    char bytes[sizeof single];
    std::memcpy(bytes, &single, sizeof single);
    out.append(bytes, sizeof bytes);
}

void appendPoint(std::string& out, Vec3 p) {
    appendFloat(out, p.x);
    appendFloat(out, p.y);
    appendFloat(out, p.z);
}

Vec3 asWritten(Vec3 p) { return {static_cast<float>(p.x), static_cast<float>(p.y), static_cast<float>(p.z)}; }

// Six times the volume the triangles enclose, from the corners as the file keeps them.
double sixTimesVolume(const std::vector<Triangle>& mesh) {
    double sum = 0;
    for (const Triangle& t : mesh) {
        sum += dot(asWritten(t.a), cross(asWritten(t.b), asWritten(t.c)));
    }
    return sum;
}

// A reader takes the file's single-precision corners: a facet whose corners meet there has
// no area and no normal, and a shell that encloses no volume is no solid.
void refuseUnlessWritable(const AssembledPanel& panel, const std::vector<Triangle>& mesh) {
    const std::string name(panelName(panel.panel));
    std::size_t flat = 0;
    for (const Triangle& t : mesh) {
        const Vec3 n = cross(asWritten(t.b) - asWritten(t.a), asWritten(t.c) - asWritten(t.a));
        flat += static_cast<float>(dot(n, n)) > 0 ? 0 : 1;
    }
    if (flat > 0) {
        throw DrawingError("The " + name + " would have " + std::to_string(flat) +
                           " facets of no area at these sizes, so no STL is written");
    }
    if (!(sixTimesVolume(mesh) > 0)) {
        throw DrawingError("The " + name + " encloses no volume at these sizes, so no STL is written");
    }
}

}  // namespace

std::string stlBytes(const BoxAssembly& assembly) {
    std::vector<Triangle> triangles;
    for (const AssembledPanel& panel : assembly.panels) {
        refuseUnlessSolid(panel);
        const std::vector<Triangle> mesh = panelMesh(panel);
        refuseUnlessWritable(panel, mesh);
        triangles.insert(triangles.end(), mesh.begin(), mesh.end());
    }
    std::string out(kHeader);
    out.resize(80, ' ');
    const auto count = static_cast<std::uint32_t>(triangles.size());
    char countBytes[sizeof count];
    std::memcpy(countBytes, &count, sizeof count);
    out.append(countBytes, sizeof countBytes);
    out.reserve(out.size() + triangles.size() * 50);
    for (const Triangle& t : triangles) {
        appendPoint(out, normalOf(t));
        appendPoint(out, t.a);
        appendPoint(out, t.b);
        appendPoint(out, t.c);
        out.append(2, '\0');  // no attributes
    }
    return out;
}

}  // namespace tessaro
