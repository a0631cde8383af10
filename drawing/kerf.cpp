#include "drawing/kerf.h"

#include <polyclipping/clipper.hpp>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include "drawing/clipper_operations.h"
#include "drawing/clipper_units.h"
#include "drawing/drawing_error.h"
#include "drawing/ring_area.h"

namespace tessaro {
namespace {

using ClipperLib::Path;
using ClipperLib::Paths;

// How far the part a beam cuts may stray from the drawn part: a micrometre.
constexpr double kMicrometre = 0.001;

// Whether two regions differ by no more than a micrometre anywhere.
bool sameRegion(const Paths& a, const Paths& b) {
    const Paths difference = combined(a, b, ClipperLib::ctXor);
    return mitredOffset(difference, -kMicrometre).empty();
}

double squaredDistance(Point a, Point b) { return (a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y); }

// The offset ring as an outline of the drawing: traced the way the drawn one was, from the
// corner nearest its start, and closed on it.
std::vector<Point> outlineOf(const Path& ring, std::span<const Point> drawn) {
    std::vector<Point> points;
    points.reserve(ring.size() + 1);
    for (const ClipperLib::IntPoint& p : ring) {
        points.push_back(pointOf(p));
    }
    if ((ClipperLib::Area(ring) > 0) != (signedArea(drawn) > 0)) {
        std::reverse(points.begin(), points.end());
    }
    const auto nearest = std::min_element(points.begin(), points.end(), [&](Point a, Point b) {
        return squaredDistance(a, drawn.front()) < squaredDistance(b, drawn.front());
    });
    std::rotate(points.begin(), nearest, points.end());
    points.push_back(points.front());
    return points;
}

// One closed cut of a part and what becomes of it.
struct Cut {
    std::size_t index = 0;  // in the drawing
    OutlineRole role = OutlineRole::OuterCut;
    Path path;
    Extent extent;
    double area = 0;
    std::optional<std::size_t> notchOf;  // an inner cut across this outer cut of the part
    std::vector<Point> kerfed;
};

bool extentsMeet(const Extent& a, const Extent& b) {
    return a.minX <= b.maxX && b.minX <= a.maxX && a.minY <= b.maxY && b.minY <= a.maxY;
}

class PartKerf {
public:
    PartKerf(const Drawing& drawing, std::size_t part, double kerf) : drawing_(drawing), part_(part), kerf_(kerf) {}

    // The part's closed cuts offset; the others are left to be copied as drawn.
    std::vector<Cut> offsetCuts(std::vector<std::string>& warnings) {
        const Part range = drawing_.part(part_);
        std::vector<Cut> cuts;
        for (std::size_t i = range.firstOutline; i < range.endOutline; ++i) {
            // Read without its points first: an open cut (the spiral's millions) is copied as drawn.
            const OutlineReading reading = drawing_.reading(i);
            const bool cut = reading.role() == OutlineRole::OuterCut || reading.role() == OutlineRole::InnerCut;
            if (cut && reading.closed()) {
                const Outline outline = drawing_.outline(i);
                Path path = clipperPath(outline.points.first(outline.points.size() - 1));
                const Extent extent = extentOf(outline.points);
                const double area = std::abs(ClipperLib::Area(path));
                cuts.push_back({i, outline.role, std::move(path), extent, area, std::nullopt, {}});
            } else if (cut) {
                warnings.push_back("The kerf leaves " + name(i) +
                                   " as drawn: it is an open cut, and which side of it is material is not known");
            }
        }
        findNotches(cuts);
        for (Cut& cut : cuts) {
            if (cut.role == OutlineRole::OuterCut) {
                growOuterCut(cut, cuts);
            } else if (!cut.notchOf) {
                shrinkInnerCut(cut);
            }
        }
        return cuts;
    }

    // "outline 3 (an inner cut) of "bottom"", as the messages name an outline.
    [[nodiscard]] std::string name(std::size_t index) const {
        const Part range = drawing_.part(part_);
        const OutlineRole role = drawing_.reading(index).role();
        const std::string partName = range.name.empty() ? "the drawing" : "\"" + std::string(range.name) + "\"";
        return "outline " + std::to_string(index - range.firstOutline + 1) +
               (role == OutlineRole::OuterCut ? " (an outer cut)" : " (an inner cut)") + " of " + partName;
    }

private:
    // An inner cut that lies partly outside an outer cut and partly inside it is a notch
    // through that edge: it is cut as part of the edge.
    void findNotches(std::vector<Cut>& cuts) const {
        for (Cut& inner : cuts) {
            if (inner.role != OutlineRole::InnerCut) {
                continue;
            }
            for (std::size_t o = 0; o < cuts.size() && !inner.notchOf; ++o) {
                const Cut& outer = cuts[o];
                if (outer.role != OutlineRole::OuterCut || !extentsMeet(inner.extent, outer.extent)) {
                    continue;
                }
                const double inside =
                    std::abs(areaOf(combined({inner.path}, {outer.path}, ClipperLib::ctIntersection)));
                const double outside = std::abs(areaOf(combined({inner.path}, {outer.path}, ClipperLib::ctDifference)));
                if (inside > kMicrometre * kMicrometre && outside > kMicrometre * kMicrometre) {
                    inner.notchOf = o;
                }
            }
        }
    }

    void growOuterCut(Cut& outer, const std::vector<Cut>& cuts) const {
        Paths notches;
        for (const Cut& cut : cuts) {
            if (cut.notchOf && &cuts[*cut.notchOf] == &outer) {
                notches.push_back(cut.path);
            }
        }
        const Paths material =
            notches.empty() ? Paths{outer.path} : combined({outer.path}, notches, ClipperLib::ctDifference);
        const Paths grown = mitredOffset(material, kerf_ / 2);
        if (grown.size() != 1 || !sameRegion(mitredOffset(grown, -kerf_ / 2), material)) {
            throw DrawingError("The kerf fills a gap or notch narrower than it in " + name(outer.index) +
                               ": the part would not come out as drawn");
        }
        outer.kerfed = outlineOf(grown.front(), drawing_.outline(outer.index).points);
    }

    void shrinkInnerCut(Cut& inner) const {
        const Paths shrunk = mitredOffset({inner.path}, -kerf_ / 2);
        if (shrunk.size() != 1 || !sameRegion(mitredOffset(shrunk, kerf_ / 2), {inner.path})) {
            throw DrawingError("The kerf closes or splits " + name(inner.index) +
                               ": the cut is narrower than the kerf somewhere");
        }
        inner.kerfed = outlineOf(shrunk.front(), drawing_.outline(inner.index).points);
    }

    const Drawing& drawing_;
    std::size_t part_;
    double kerf_;
};

void copyOutline(Drawing& to, std::span<const Point> points, OutlineRole role) {
    to.beginOutline(points.front(), role);
    for (std::size_t i = 1; i < points.size(); ++i) {
        to.lineTo(points[i]);
    }
}

// Two outer cuts that were apart must stay apart, or the beam along one cuts the other.
void refuseTouchingOuterCuts(const std::vector<std::pair<std::string, Cut>>& outers, double kerf) {
    for (std::size_t a = 0; a < outers.size(); ++a) {
        for (std::size_t b = a + 1; b < outers.size(); ++b) {
            const Cut& first = outers[a].second;
            const Cut& second = outers[b].second;
            Extent reach = first.extent;
            reach.include(Point{first.extent.minX - kerf, first.extent.minY - kerf});
            reach.include(Point{first.extent.maxX + kerf, first.extent.maxY + kerf});
            if (!extentsMeet(reach, second.extent) ||
                !combined({first.path}, {second.path}, ClipperLib::ctIntersection).empty()) {
                continue;
            }
            if (!combined({clipperPath(first.kerfed)}, {clipperPath(second.kerfed)}, ClipperLib::ctIntersection)
                     .empty()) {
                throw DrawingError("The kerf is wider than the room between " + outers[a].first + " and " +
                                   outers[b].first + ": the beam along one would cut into the other");
            }
        }
    }
}

}  // namespace

Drawing cutByBeam(const Drawing& drawing, double kerf) {
    if (kerf == 0) {
        return drawing;
    }
    Drawing cut;
    cut.header = drawing.header;
    for (std::size_t part = 0; part < drawing.partCount(); ++part) {
        const Part range = drawing.part(part);
        for (std::size_t i = range.firstOutline; i < range.endOutline; ++i) {
            const OutlineReading reading = drawing.reading(i);
            const bool offset = (reading.role() == OutlineRole::OuterCut || reading.role() == OutlineRole::InnerCut) &&
                                reading.closed();
            const double by = reading.role() == OutlineRole::OuterCut ? -kerf / 2 : kerf / 2;
            const Paths cutOut = offset ? mitredOffset({clipperPath(drawing.outline(i).points)}, by) : Paths{};
            if (cutOut.size() == 1) {
                copyOutline(cut, outlineOf(cutOut.front(), drawing.outline(i).points), reading.role());
            } else {
                cut.addOutlineOf(drawing, i);
            }
        }
        if (range.finished) {
            cut.endPart(range.name);
        }
    }
    return cut;
}

Drawing withKerf(const Drawing& drawing, double kerf, std::vector<std::string>& warnings) {
    if (kerf == 0) {
        return drawing;
    }
    if (!(kerf > 0 && kerf < kLargestClipperMillimetres)) {
        throw DrawingError("The kerf is a width: more than 0, or 0 for none");
    }
    Drawing kerfed;
    kerfed.header = drawing.header;
    std::vector<std::pair<std::string, Cut>> outers;
    for (std::size_t part = 0; part < drawing.partCount(); ++part) {
        PartKerf partKerf(drawing, part, kerf);
        const std::vector<Cut> cuts = partKerf.offsetCuts(warnings);
        const Part range = drawing.part(part);
        auto next = cuts.begin();
        for (std::size_t i = range.firstOutline; i < range.endOutline; ++i) {
            if (next == cuts.end() || next->index != i) {
                kerfed.addOutlineOf(drawing, i);
                continue;
            }
            if (!next->notchOf) {
                copyOutline(kerfed, next->kerfed, next->role);
            }
            if (next->role == OutlineRole::OuterCut) {
                outers.emplace_back(partKerf.name(i), *next);
            }
            ++next;
        }
        if (range.finished) {
            kerfed.endPart(range.name);
        }
    }
    refuseTouchingOuterCuts(outers, kerf);
    return kerfed;
}

}  // namespace tessaro
