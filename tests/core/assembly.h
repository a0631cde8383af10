#pragma once

// Finding the features by which parts fit together (tabs, screw channels, slots,
// holes) in drawn outlines, so assembly can be checked across parts.

#include <vector>

#include "geometry.h"

namespace tessaro::testing {

// Points come back from six-decimal text.
constexpr double kReadBack = 1e-6;

// A main table unlike the defaults in every row the box panels read.
inline void setOddMainTable(Workbench& wb) {
    const char* values[] = {"4", "150", "72", "90", "0.15", "0.3", "3", "6", "2"};
    for (int row = 1; row <= 9; ++row) {
        wb.boxTable.setCell(1, row, values[row - 1]);
    }
}

[[nodiscard]] inline double centreX(const Box& b) { return (b.left + b.right) / 2; }
[[nodiscard]] inline double centreY(const Box& b) { return (b.bottom + b.top) / 2; }

// The boxes of the runs of consecutive outline points for which `beyond` holds: with
// a test for "past the edge line" these are the tabs standing out of an edge (their
// tips), with "just inside it" the channels and notches cut into it.
template <class Beyond>
[[nodiscard]] std::vector<Box> runsOf(const BodyOutline& outline, Beyond beyond) {
    std::vector<Box> runs;
    bool inRun = false;
    for (const BodyPoint& p : outline.points) {
        if (!beyond(p)) {
            inRun = false;
            continue;
        }
        if (!inRun) {
            runs.push_back({p.x, p.y, p.x, p.y});
            inRun = true;
        }
        Box& b = runs.back();
        b = {std::min(b.left, p.x), std::min(b.bottom, p.y), std::max(b.right, p.x), std::max(b.top, p.y)};
    }
    return runs;
}

// The boxes of the outlines of a part whose extent is `width` by `height`.
[[nodiscard]] inline std::vector<Box> outlinesSized(const BodyPart& part, double width, double height,
                                                    double tolerance = 1e-6) {
    std::vector<Box> found;
    for (const BodyOutline& o : part.outlines) {
        const Box b = o.box();
        if (std::abs(b.width() - width) <= tolerance && std::abs(b.height() - height) <= tolerance) {
            found.push_back(b);
        }
    }
    return found;
}

}  // namespace tessaro::testing
