#include "drawing/cutting_order.h"

#include <algorithm>
#include <numeric>

#include "drawing/rigid_parts.h"

namespace tessaro {
namespace {

int roleRank(OutlineRole role) {
    switch (role) {
    case OutlineRole::Engrave: return 0;
    case OutlineRole::InnerCut: return 1;
    case OutlineRole::OuterCut: return 2;
    case OutlineRole::Mark: return 3;
    }
    return 3;
}

bool within(const Extent& inner, const Extent& outer) {
    return inner.minX >= outer.minX && inner.maxX <= outer.maxX && inner.minY >= outer.minY && inner.maxY <= outer.maxY;
}

// A closed cut that may hold others, and its rectangle.
struct Container {
    std::size_t index = 0;
    Extent extent;
};

}  // namespace

std::vector<std::size_t> drawingOrder(const Drawing& drawing, std::size_t part) {
    const Part range = drawing.part(part);
    std::vector<std::size_t> order(range.endOutline - range.firstOutline);
    std::iota(order.begin(), order.end(), range.firstOutline);
    return order;
}

std::vector<std::size_t> cuttingOrder(const Drawing& drawing, std::size_t part) {
    std::vector<std::size_t> order = drawingOrder(drawing, part);
    std::vector<Container> containers;
    // The outlines are read without their points: a cut's are needed only when another
    // lies within its rectangle, so a streamed outline is held only then.
    for (const std::size_t i : order) {
        const OutlineReading outline = drawing.reading(i);
        if (outline.role() != OutlineRole::Mark && outline.role() != OutlineRole::Engrave && outline.closed()) {
            containers.push_back({i, outline.extent()});
        }
    }
    // How many closed cuts hold the outline's first point and its whole rectangle.
    const auto depth = [&](const OutlineReading& outline, std::size_t i) {
        const Extent extent = outline.extent();
        return std::count_if(containers.begin(), containers.end(), [&](const Container& c) {
            return c.index != i && within(extent, c.extent) && extent != c.extent &&
                   holdsPoint(drawing.outline(c.index).points, outline.front());
        });
    };
    std::vector<std::pair<std::ptrdiff_t, int>> keys(drawing.outlineCount());
    for (const std::size_t i : order) {
        const OutlineReading outline = drawing.reading(i);
        keys[i] = {outline.role() == OutlineRole::Mark ? 0 : -depth(outline, i), roleRank(outline.role())};
    }
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });
    return order;
}

std::vector<std::size_t> outlineOrder(const Drawing& drawing, std::size_t part, bool innerCutsFirst) {
    return innerCutsFirst ? cuttingOrder(drawing, part) : drawingOrder(drawing, part);
}

}  // namespace tessaro
