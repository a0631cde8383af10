#include "assembly/cutout_clashes.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "box/face_cutouts.h"
#include "drawing/clipper_operations.h"
#include "drawing/clipper_units.h"
#include "drawing/shapes.h"

namespace tessaro {
namespace {

using ClipperLib::Paths;

// Less than this in mm² is a touch of rounding, not a clash.
constexpr double kLeastClashArea = 1e-4;

Paths pathsOf(const std::vector<std::vector<Point>>& outlines) {
    Paths paths;
    for (const std::vector<Point>& outline : outlines) {
        paths.push_back(clipperPath(outline));
    }
    return paths;
}

// The outlines are united first: the offset takes a path's turn for whether it is a hole,
// and cut-outs are traced either way round.
Paths grown(const Paths& paths, double millimetres) {
    ClipperLib::ClipperOffset offset(2, kLargestChordError * kClipperUnitsPerMillimetre);
    offset.AddPaths(combined(paths, {}, ClipperLib::ctUnion), ClipperLib::jtRound, ClipperLib::etClosedPolygon);
    Paths result;
    offset.Execute(result, millimetres * kClipperUnitsPerMillimetre);
    return result;
}

bool meet(const Paths& a, const Paths& b) {
    return areaOf(combined(a, b, ClipperLib::ctIntersection)) > kLeastClashArea;
}

// The pieces of a set of paths, each an outer boundary with its holes.
std::vector<Paths> piecesOf(const Paths& paths) {
    ClipperLib::Clipper clipper;
    clipper.AddPaths(paths, ClipperLib::ptSubject, true);
    ClipperLib::PolyTree tree;
    clipper.Execute(ClipperLib::ctUnion, tree, ClipperLib::pftNonZero, ClipperLib::pftNonZero);
    std::vector<Paths> pieces;
    for (ClipperLib::PolyNode* node = tree.GetFirst(); node != nullptr; node = node->GetNext()) {
        if (!node->IsHole()) {
            Paths piece{node->Contour};
            for (const ClipperLib::PolyNode* hole : node->Childs) {
                piece.push_back(hole->Contour);
            }
            pieces.push_back(std::move(piece));
        }
    }
    return pieces;
}

Extent extentOf(const Paths& paths) {
    Extent extent;
    for (const ClipperLib::Path& path : paths) {
        for (const ClipperLib::IntPoint& p : path) {
            extent.include(pointOf(p));
        }
    }
    return extent;
}

// For each set of paths, the others whose extents meet its own, in their order: only those
// can meet it. A sweep along X over the extents sorted by their left edge, so a face full of
// openings is not checked pair by pair.
std::vector<std::vector<std::size_t>> overlappingExtents(const std::vector<Paths>& sets) {
    std::vector<Extent> extents;
    for (const Paths& paths : sets) {
        extents.push_back(extentOf(paths));
    }
    std::vector<std::size_t> byLeft(sets.size());
    std::iota(byLeft.begin(), byLeft.end(), std::size_t{0});
    std::ranges::sort(byLeft, {}, [&extents](std::size_t i) { return extents[i].minX; });
    std::vector<std::vector<std::size_t>> neighbours(sets.size());
    for (std::size_t a = 0; a < byLeft.size(); ++a) {
        const Extent& first = extents[byLeft[a]];
        for (std::size_t b = a + 1; b < byLeft.size() && extents[byLeft[b]].minX <= first.maxX; ++b) {
            const Extent& second = extents[byLeft[b]];
            if (second.minY <= first.maxY && first.minY <= second.maxY) {
                neighbours[byLeft[a]].push_back(byLeft[b]);
                neighbours[byLeft[b]].push_back(byLeft[a]);
            }
        }
    }
    for (std::vector<std::size_t>& list : neighbours) {
        std::ranges::sort(list);
    }
    return neighbours;
}

// What a panel is made of, around its face, in its own drawing's coordinates.
struct PanelZones {
    Paths face;         // the inner box's face
    Paths innerCuts;    // its slots and holes, grown by the least bar
    Paths tabRoots;     // within the material thickness of a tab
    Paths frameMargin;  // within the least bar of the margin beyond the face
    Paths channels;     // screw channels and notches cut in from the edge, grown
    Paths edge;         // the band of the least bar inside the face's edge
};

PanelZones zonesOf(const Paths& outer, const Paths& inner, const FaceFrame& frame, double thickness) {
    PanelZones zones;
    const Point a = frame.at({0, 0});
    const Point c = frame.at({frame.width, frame.height});
    zones.face = {clipperPath(std::vector<Point>{{a.x, a.y}, {c.x, a.y}, {c.x, c.y}, {a.x, c.y}})};
    zones.innerCuts = grown(inner, kLeastBar);
    const Extent face = extentOf(zones.face);
    Paths tabs;
    Paths margins;
    constexpr double slack = 1e-6;
    for (const Paths& piece : piecesOf(combined(outer, zones.face, ClipperLib::ctDifference))) {
        const Extent e = extentOf(piece);
        const bool tab =
            e.maxX - e.minX < face.maxX - face.minX - slack && e.maxY - e.minY < face.maxY - face.minY - slack;
        Paths& into = tab ? tabs : margins;
        into.insert(into.end(), piece.begin(), piece.end());
    }
    zones.tabRoots = combined(grown(tabs, thickness), zones.face, ClipperLib::ctIntersection);
    zones.frameMargin = combined(grown(margins, kLeastBar), zones.face, ClipperLib::ctIntersection);
    zones.channels = combined(grown(combined(zones.face, outer, ClipperLib::ctDifference), kLeastBar), zones.face,
                              ClipperLib::ctIntersection);
    zones.edge = combined(zones.face, grown(zones.face, -kLeastBar), ClipperLib::ctDifference);
    return zones;
}

std::vector<std::string> panelReasons(const Paths& openings, const PanelZones& zones) {
    std::vector<std::string> reasons;
    if (meet(openings, zones.innerCuts)) {
        reasons.emplace_back("a slot or hole");
    }
    if (meet(openings, zones.tabRoots)) {
        reasons.emplace_back("a tab");
    }
    if (meet(openings, zones.channels)) {
        reasons.emplace_back("a screw channel or notch");
    }
    if (meet(openings, zones.frameMargin)) {
        reasons.emplace_back("the frame margin");
    }
    if (reasons.empty() && meet(openings, zones.edge)) {
        reasons.emplace_back("the face's edge");
    }
    return reasons;
}

}  // namespace

std::vector<CutoutClash> cutoutClashes(const Drawing& drawing, std::span<const PanelPlace> places,
                                       const PanelSizes& box, std::span<const FaceCutout> cutouts) {
    std::vector<std::vector<std::string>> reasons(cutouts.size());
    for (std::size_t p = 0; p < places.size() && p < drawing.partCount(); ++p) {
        const BoxPanel panel = places[p].panel;
        const FaceFrame frame = faceFrame(panel, box);
        std::vector<std::size_t> onFace;
        std::vector<Paths> openings;
        std::size_t cutoutOutlines = 0;
        for (std::size_t i = 0; i < cutouts.size(); ++i) {
            if (cutouts[i].face == faceOf(panel)) {
                onFace.push_back(i);
                openings.push_back(pathsOf(drawnOpenings(cutouts[i], frame)));
                cutoutOutlines += openings.back().size();
            }
        }
        if (onFace.empty()) {
            continue;
        }
        // The panel's own outlines, moved to its origin; its cut-outs' are its last inner cuts.
        const Part part = drawing.part(p);
        const Vec back{-places[p].originX, -places[p].originY};
        Paths outer;
        Paths inner;
        for (std::size_t o = part.firstOutline; o < part.endOutline; ++o) {
            const Outline outline = drawing.outline(o);
            if (outline.role == OutlineRole::OuterCut) {
                outer.push_back(clipperPath(outline.points, back));
            } else if (outline.role == OutlineRole::InnerCut) {
                inner.push_back(clipperPath(outline.points, back));
            }
        }
        inner.resize(inner.size() - std::min(inner.size(), cutoutOutlines));
        const PanelZones zones = zonesOf(outer, inner, frame, box.thickness);
        std::vector<Paths> near;
        for (const Paths& opening : openings) {
            near.push_back(grown(opening, kLeastBar / 2));
        }
        const std::vector<std::vector<std::size_t>> neighbours = overlappingExtents(near);
        for (std::size_t k = 0; k < onFace.size(); ++k) {
            std::vector<std::string>& mine = reasons[onFace[k]];
            mine = panelReasons(openings[k], zones);
            for (const std::size_t j : neighbours[k]) {
                if (meet(near[k], near[j])) {
                    mine.push_back(cutoutLine(cutouts[onFace[j]]));
                }
            }
        }
    }
    std::vector<CutoutClash> clashes;
    for (std::size_t i = 0; i < cutouts.size(); ++i) {
        if (!reasons[i].empty()) {
            clashes.push_back({i, std::move(reasons[i])});
        }
    }
    return clashes;
}

}  // namespace tessaro
