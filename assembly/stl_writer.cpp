#include "assembly/stl_writer.h"

#include <bit>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "assembly/panel_mesh.h"

namespace tessaro {
namespace {

static_assert(std::endian::native == std::endian::little, "STL is little-endian; this writer copies its numbers as they are");

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

}  // namespace

std::string stlBytes(const BoxAssembly& assembly) {
    std::vector<Triangle> triangles;
    for (const AssembledPanel& panel : assembly.panels) {
        const std::vector<Triangle> mesh = panelMesh(panel);
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
