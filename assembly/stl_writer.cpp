#include "assembly/stl_writer.h"

#include <bit>
#include <cmath>
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

// The facet as the file keeps it: a reader sees only these corners, and takes its normal
// from them.
Triangle asWritten(const Triangle& t) { return {asWritten(t.a), asWritten(t.b), asWritten(t.c)}; }

// Readers take a facet whose corners span less than this (twice its area, in mm²) for one
// of no area, with no normal (admesh among them).
constexpr double kLeastSpan = 1e-12;

double spanOf(const Triangle& t) {
    const Vec3 n = cross(t.b - t.a, t.c - t.a);
    return std::sqrt(dot(n, n));
}

// Six times the volume the triangles enclose.
double sixTimesVolume(const std::vector<Triangle>& mesh) {
    double sum = 0;
    for (const Triangle& t : mesh) {
        sum += dot(t.a, cross(t.b, t.c));
    }
    return sum;
}

// The panel's facets as the file keeps them. Rounding a corner to single precision moves it
// by up to a few millionths of a millimetre: it may close a facet of a tiny feature, or
// turn it over, and either leaves the shell no solid.
std::vector<Triangle> writableMesh(const AssembledPanel& panel) {
    const std::string name(panelName(panel.panel));
    std::vector<Triangle> written;
    std::size_t flat = 0;
    std::size_t turned = 0;
    for (const Triangle& t : panelMesh(panel)) {
        written.push_back(asWritten(t));
        if (spanOf(written.back()) < kLeastSpan) {
            ++flat;
        } else if (dot(normalOf(written.back()), normalOf(t)) <= 0) {
            ++turned;
        }
    }
    if (flat > 0) {
        throw DrawingError("The " + name + " would have " + std::to_string(flat) +
                           " facets of no area at these sizes, so no STL is written");
    }
    if (turned > 0) {
        throw DrawingError("The " + name + " would have " + std::to_string(turned) +
                           " facets turned inward at these sizes, so no STL is written");
    }
    if (!(sixTimesVolume(written) > 0)) {
        throw DrawingError("The " + name + " encloses no volume at these sizes, so no STL is written");
    }
    return written;
}

}  // namespace

std::string stlBytes(const BoxAssembly& assembly) {
    std::vector<Triangle> triangles;
    for (const AssembledPanel& panel : assembly.panels) {
        refuseUnlessSolid(panel);
        const std::vector<Triangle> mesh = writableMesh(panel);
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
        // The normal of the corners as written: one made from the exact corners differs from
        // it by more than readers allow on a facet a few micrometres wide.
        appendPoint(out, normalOf(t));
        appendPoint(out, t.a);
        appendPoint(out, t.b);
        appendPoint(out, t.c);
        out.append(2, '\0');  // no attributes
    }
    return out;
}

}  // namespace tessaro
