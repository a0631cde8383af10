#include "drawing/piece_area.h"

#include <polyclipping/clipper.hpp>

#include "drawing/clipper_operations.h"
#include "drawing/clipper_units.h"

namespace tessaro {
namespace {

bool isClosed(const DrawnOutline& outline) { return Outline{outline, OutlineRole::OuterCut}.closed(); }

}  // namespace

double pieceArea(const RigidPart& piece) {
    const DrawnOutline* outer = outerCutOf(piece);
    if (outer == nullptr || !isClosed(*outer)) {
        return 0;
    }
    // A notch through the edge takes only what it overlaps, so the inner cuts are
    // subtracted as shapes rather than their areas.
    ClipperLib::Paths cuts;
    for (const PieceOutline& outline : piece.outlines) {
        if (outline.role == OutlineRole::InnerCut && isClosed(outline.points)) {
            cuts.push_back(clipperPath(outline.points));
        }
    }
    // The outer rings count positive and the holes left in them negative.
    return areaOf(combined({clipperPath(*outer)}, cuts, ClipperLib::ctDifference));
}

double piecesArea(const Drawing& drawing) {
    double area = 0;
    for (const RigidPart& piece : rigidParts(drawing)) {
        area += pieceArea(piece);
    }
    return area;
}

}  // namespace tessaro
