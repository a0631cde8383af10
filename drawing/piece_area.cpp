#include "drawing/piece_area.h"

#include <polyclipping/clipper.hpp>

#include "drawing/clipper_operations.h"
#include "drawing/clipper_units.h"

namespace tessaro {
namespace {

bool isClosed(const DrawnOutline& outline) { return Outline{outline, OutlineRole::OuterCut}.closed(); }

}  // namespace

double pieceArea(const RigidPart& piece) {
    if (piece.fromStock || piece.outlines.empty() || !isClosed(piece.outlines.front())) {
        return 0;
    }
    // A notch through the edge takes only what it overlaps, so the inner cuts are
    // subtracted as shapes rather than their areas.
    ClipperLib::Paths cuts;
    for (std::size_t i = 1; i < piece.outlines.size(); ++i) {
        if (isClosed(piece.outlines[i])) {
            cuts.push_back(clipperPath(piece.outlines[i]));
        }
    }
    // The outer rings count positive and the holes left in them negative.
    return areaOf(combined({clipperPath(piece.outlines.front())}, cuts, ClipperLib::ctDifference));
}

double piecesArea(const Drawing& drawing) {
    double area = 0;
    for (const RigidPart& piece : rigidParts(drawing)) {
        area += pieceArea(piece);
    }
    return area;
}

}  // namespace tessaro
