#pragma once

#include <span>
#include <vector>

#include "box/panel_places.h"
#include "box/panel_sizes.h"
#include "drawing/engraved_text.h"
#include "drawing/pen.h"
#include "model/face_cutouts.h"
#include "model/ports.h"

namespace tessaro {

// The face of the box a panel closes.
[[nodiscard]] BoxFace faceOf(BoxPanel panel);

// Where the points of a face lie in its panel's drawing: the face point (u, v), in mm from
// the lower-left corner of the inner box's face as seen from outside, is drawn at
// origin + u·right + v·up. Every panel is drawn as seen from outside, so a wall's face
// keeps its turn; the bottom's, seen from above, is mirrored.
struct FaceFrame {
    Point origin;
    Vec right;
    Vec up;
    double width = 0;  // of the inner box's face, along `right`
    double height = 0;

    [[nodiscard]] Point at(Point face) const {
        return {origin.x + face.x * right.x + face.y * up.x, origin.y + face.x * right.y + face.y * up.y};
    }
    [[nodiscard]] bool mirrored() const { return right.x * up.y - right.y * up.x < 0; }
};

// Takes the width, height and depth of `box`.
[[nodiscard]] FaceFrame faceFrame(BoxPanel panel, const PanelSizes& box);

// The closed outlines a cut-out cuts through its face, in the face's coordinates: one for
// a hole, a rectangle or a slot, one for each opening of a vent, none for a label.
[[nodiscard]] std::vector<std::vector<Point>> openingsOf(const FaceCutout& cutout);
// The same in the panel's drawing, counterclockwise.
[[nodiscard]] std::vector<std::vector<Point>> drawnOpenings(const FaceCutout& cutout, const FaceFrame& frame);

// Refuses, before anything is drawn, a list whose entries cut more than kMostListOpenings
// openings in all: DrawingError naming the list's count and the limit, beginning with the
// line of the entry that passes it.
void refuseTooManyOpenings(std::span<const FaceCutout> cutouts);

// Draws the cut-outs of the panel's face from the pen's origin, as inner cuts, after
// everything else of the panel and in the order of the list; labels are engraved in the
// fonts, reading from outside. Throws DrawingError, naming the line, the face and its
// size, for a cut-out that reaches outside its face, or a label without fonts; WorkStopped
// when `stop`, asked before each opening and label, says so.
void drawFaceCutouts(Pen& pen, BoxPanel panel, const PanelSizes& box, std::span<const FaceCutout> cutouts,
                     const EngravingFonts* fonts, const StopRequest& stop = {});

}  // namespace tessaro
