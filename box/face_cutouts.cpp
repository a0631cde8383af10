#include "box/face_cutouts.h"

#include <algorithm>
#include <cmath>

#include "drawing/drawing_error.h"
#include "drawing/shapes.h"
#include "output/number_text.h"

namespace tessaro {
namespace {

using Points = std::vector<Point>;

// Slots along the vent's longer side, side by side a pitch apart, the set centred.
std::vector<Points> ventSlots(Point centre, const Vent& vent) {
    const bool upright = vent.height > vent.width;
    const int count = ventLayout(vent).across;
    std::vector<Points> slots;
    for (int i = 0; i < count; ++i) {
        const double offset = (i - (count - 1) / 2.0) * vent.pitch;
        if (upright) {
            slots.push_back(roundedSlotOutline({centre.x + offset, centre.y}, vent.size, vent.height));
        } else {
            slots.push_back(roundedSlotOutline({centre.x, centre.y + offset}, vent.width, vent.size));
        }
    }
    return slots;
}

// Round holes in staggered rows, every hole a pitch from its neighbours, the set centred;
// a vent one hole wide is a column.
std::vector<Points> ventHoles(Point centre, const Vent& vent) {
    const VentLayout layout = ventLayout(vent);
    std::vector<Points> holes;
    for (int r = 0; r < layout.rows; ++r) {
        const double y = centre.y + (r - (layout.rows - 1) / 2.0) * layout.rowPitch;
        const int count = layout.staggered && r % 2 == 1 ? layout.across - 1 : layout.across;
        for (int k = 0; k < count; ++k) {
            holes.push_back(circleOutline({centre.x + (k - (count - 1) / 2.0) * vent.pitch, y}, vent.size));
        }
    }
    return holes;
}

// The rectangle an opening takes on its face, as half its width and half its height.
Vec halfSizeOf(const CutoutShape& shape) {
    return std::visit(
        [](const auto& s) -> Vec {
            using Shape = std::decay_t<decltype(s)>;
            if constexpr (std::is_same_v<Shape, RoundHole>) {
                return {s.diameter / 2, s.diameter / 2};
            } else if constexpr (std::is_same_v<Shape, RectangleCut> || std::is_same_v<Shape, Vent>) {
                return {s.width / 2, s.height / 2};
            } else if constexpr (std::is_same_v<Shape, RoundedSlot>) {
                return {s.length / 2, s.width / 2};
            } else {
                return {0, 0};
            }
        },
        shape);
}

// Refuses a cut-out whose rectangle on its face reaches outside the face.
void refuseOutsideFace(const FaceCutout& cutout, const Extent& taken, const FaceFrame& frame) {
    // A micrometre of slack, as the files round.
    constexpr double slack = 1e-6;
    if (taken.minX < -slack || taken.minY < -slack || taken.maxX > frame.width + slack ||
        taken.maxY > frame.height + slack) {
        throw DrawingError(cutoutLine(cutout) + ": it reaches outside the " + std::string(faceName(cutout.face)) +
                           " face, " + fixedText(frame.width, 3, TrailingZeros::Dropped) + " x " +
                           fixedText(frame.height, 3, TrailingZeros::Dropped) + " mm");
    }
}

Extent openingExtent(const FaceCutout& cutout) {
    const Vec half = halfSizeOf(cutout.shape);
    Extent taken;
    taken.include(Point{cutout.centre.x - half.x, cutout.centre.y - half.y});
    taken.include(Point{cutout.centre.x + half.x, cutout.centre.y + half.y});
    return taken;
}

// The label's strokes, engraved centred on the origin of a drawing of their own, are
// turned onto the face so that they read from outside: along the face's right, or, where
// the face is mirrored into the drawing, against it.
void engraveLabel(Pen& pen, const FaceCutout& cutout, const EngravedLabel& label, const FaceFrame& frame,
                  const EngravingFonts& fonts) {
    Drawing strokes;
    Pen text(strokes);
    engraveText(text, fonts, label.text, label.capitalHeight);
    const double along = frame.mirrored() ? -1 : 1;
    Extent taken;
    std::vector<Points> drawn;
    for (std::size_t i = 0; i < strokes.outlineCount(); ++i) {
        Points& stroke = drawn.emplace_back();
        for (const Point q : strokes.outline(i).points) {
            const Point onFace{cutout.centre.x + along * q.x, cutout.centre.y + q.y};
            taken.include(onFace);
            stroke.push_back(frame.at(onFace));
        }
    }
    refuseOutsideFace(cutout, taken, frame);
    for (const Points& stroke : drawn) {
        traceFromOrigin(pen, OutlineRole::Engrave, stroke);
    }
}

}  // namespace

void refuseTooManyOpenings(std::span<const FaceCutout> cutouts) {
    std::size_t total = 0;
    const FaceCutout* passing = nullptr;
    for (const FaceCutout& cutout : cutouts) {
        total += openingCount(cutout.shape);
        if (passing == nullptr && total > kMostListOpenings) {
            passing = &cutout;
        }
    }
    if (passing != nullptr) {
        throw DrawingError(cutoutLine(*passing) + ": the cut-outs and vents make " + std::to_string(total) +
                           " openings in all, more than the " + std::to_string(kMostListOpenings) + " a list may make");
    }
}

BoxFace faceOf(BoxPanel panel) {
    switch (panel) {
    case BoxPanel::Front: return BoxFace::Front;
    case BoxPanel::Rear: return BoxFace::Rear;
    case BoxPanel::LeftSide: return BoxFace::Left;
    case BoxPanel::RightSide: return BoxFace::Right;
    case BoxPanel::Bottom: return BoxFace::Bottom;
    case BoxPanel::Lid: break;
    }
    return BoxFace::Lid;
}

FaceFrame faceFrame(BoxPanel panel, const PanelSizes& box) {
    switch (panel) {
    case BoxPanel::Front:
    case BoxPanel::Rear: return {{0, 0}, {1, 0}, {0, 1}, box.width, box.height};
    // The sides lie with the lid edge at x = 0 and the front at y = 0.
    case BoxPanel::LeftSide:
    case BoxPanel::RightSide: return {{box.height, 0}, {0, 1}, {-1, 0}, box.depth, box.height};
    // Drawn as seen from below, the bottom's right is the drawing's left.
    case BoxPanel::Bottom: return {{box.width, 0}, {-1, 0}, {0, 1}, box.width, box.depth};
    case BoxPanel::Lid: break;
    }
    return {{0, 0}, {1, 0}, {0, 1}, box.width, box.depth};
}

std::vector<std::vector<Point>> openingsOf(const FaceCutout& cutout) {
    const Point c = cutout.centre;
    return std::visit(
        [c](const auto& s) -> std::vector<Points> {
            using Shape = std::decay_t<decltype(s)>;
            if constexpr (std::is_same_v<Shape, RoundHole>) {
                return {circleOutline(c, s.diameter)};
            } else if constexpr (std::is_same_v<Shape, RectangleCut>) {
                return {roundedRectangleOutline(c, s.width, s.height, s.cornerRadius)};
            } else if constexpr (std::is_same_v<Shape, RoundedSlot>) {
                return {roundedSlotOutline(c, s.length, s.width)};
            } else if constexpr (std::is_same_v<Shape, Vent>) {
                return s.pattern == VentPattern::Slots ? ventSlots(c, s) : ventHoles(c, s);
            } else {
                return {};
            }
        },
        cutout.shape);
}

std::vector<std::vector<Point>> drawnOpenings(const FaceCutout& cutout, const FaceFrame& frame) {
    std::vector<Points> openings = openingsOf(cutout);
    for (Points& opening : openings) {
        std::ranges::transform(opening, opening.begin(), [&frame](Point p) { return frame.at(p); });
        if (frame.mirrored()) {
            std::ranges::reverse(opening);
        }
    }
    return openings;
}

void drawFaceCutouts(Pen& pen, BoxPanel panel, const PanelSizes& box, std::span<const FaceCutout> cutouts,
                     const EngravingFonts* fonts, const StopRequest& stop) {
    const FaceFrame frame = faceFrame(panel, box);
    for (const FaceCutout& cutout : cutouts) {
        if (cutout.face != faceOf(panel)) {
            continue;
        }
        if (const auto* label = std::get_if<EngravedLabel>(&cutout.shape)) {
            if (fonts == nullptr) {
                throw DrawingError(cutoutLine(cutout) + ": a label needs the engraving fonts");
            }
            stopIfAsked(stop);
            engraveLabel(pen, cutout, *label, frame, *fonts);
            continue;
        }
        refuseOutsideFace(cutout, openingExtent(cutout), frame);
        for (const Points& opening : drawnOpenings(cutout, frame)) {
            stopIfAsked(stop);
            traceFromOrigin(pen, OutlineRole::InnerCut, opening);
        }
    }
}

}  // namespace tessaro
