#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "drawing/point.h"

namespace tessaro {

// The six faces of a box, as a user names them: "front", "rear", "left", "right",
// "bottom", "lid".
enum class BoxFace { Front, Rear, Left, Right, Bottom, Lid };

[[nodiscard]] std::string_view faceName(BoxFace face);

// A round hole ("circle").
struct RoundHole {
    double diameter = 0;
    friend bool operator==(const RoundHole&, const RoundHole&) = default;
};

// A rectangular opening ("rect"), its corners rounded when the radius is more than 0.
struct RectangleCut {
    double width = 0;   // along the face's X
    double height = 0;  // along its Y
    double cornerRadius = 0;
    friend bool operator==(const RectangleCut&, const RectangleCut&) = default;
};

// A slot with round ends ("slot"): its whole length along the face's X and its width
// along Y; the shorter of the two sides are the half circles, so a slot narrower than
// it is tall stands upright.
struct RoundedSlot {
    double length = 0;
    double width = 0;
    friend bool operator==(const RoundedSlot&, const RoundedSlot&) = default;
};

enum class VentPattern { Slots, Holes };

// A rectangle filled with openings a pitch apart: slots along its longer side, or round
// holes in staggered rows. The bars between openings are the pitch less their size.
struct Vent {
    VentPattern pattern = VentPattern::Slots;
    double width = 0;
    double height = 0;
    double pitch = 0;
    double size = 0;  // a slot's width, a hole's diameter
    friend bool operator==(const Vent&, const Vent&) = default;
};

// Text engraved on the face, its capital letters `capitalHeight` tall.
struct EngravedLabel {
    double capitalHeight = 0;
    std::string text;  // UTF-8
    friend bool operator==(const EngravedLabel&, const EngravedLabel&) = default;
};

using CutoutShape = std::variant<RoundHole, RectangleCut, RoundedSlot, Vent, EngravedLabel>;

// One entry of a box's list of cut-outs: a shape centred on a point of a face, in mm from
// the lower-left corner of the inner box's face as one sees it standing in front of that
// face, outside the box (the bottom and the lid seen from above, the front edge nearest).
struct FaceCutout {
    BoxFace face = BoxFace::Front;
    Point centre;
    CutoutShape shape;
    friend bool operator==(const FaceCutout&, const FaceCutout&) = default;
};

// The least bar of material left between two openings, or an opening and an edge, in mm.
inline constexpr double kLeastBar = 1.0;
// The most openings one vent may have, so that a slip of a digit cannot make millions.
inline constexpr int kMostVentOpenings = 10000;
// The most openings a whole list may cut, its vents' and cut-outs' together, so that a
// list of many vents is refused at once rather than drawn for minutes: a list at the limit
// draws in about a second, even of large openings that overlap.
inline constexpr std::size_t kMostListOpenings = 5000;

// How a vent's openings lie: slots side by side across its shorter side, or round holes in
// rows a rowPitch apart, every other row one hole short where the rows are staggered.
struct VentLayout {
    int across = 0;  // slots side by side, or the holes of a full row
    int rows = 1;
    double rowPitch = 0;
    bool staggered = false;
    [[nodiscard]] std::size_t openings() const;
};
[[nodiscard]] VentLayout ventLayout(const Vent& vent);

// The openings an entry cuts through its face: one for a hole, a rectangle or a slot, each
// of a vent's, none for a label.
[[nodiscard]] std::size_t openingCount(const CutoutShape& shape);

// The text without the blanks (spaces and TABs) around it.
[[nodiscard]] std::string_view withoutBlanks(std::string_view text);
// A value's fields at its commas, at most `most`, the last holding the rest of it, commas
// and all (a label's text), each as written.
[[nodiscard]] std::vector<std::string_view> cutoutFields(std::string_view value, std::size_t most);

// A line of a list that is not a cut-out; the message says why, without the line.
class CutoutLineError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The line kinds, each the name of its command line option followed by its value:
//   cutout FACE,circle,X,Y,DIAMETER
//   cutout FACE,rect,X,Y,WIDTH,HEIGHT[,RADIUS]
//   cutout FACE,slot,X,Y,LENGTH,WIDTH
//   vent FACE,slots|holes,X,Y,WIDTH,HEIGHT[,PITCH,SIZE]
//   label FACE,X,Y,HEIGHT,TEXT      (TEXT is the rest of the line, commas and all)
enum class CutoutKind { Cutout, Vent, Label };

[[nodiscard]] std::string_view kindName(CutoutKind kind);

// The entry a value of that kind describes. Throws CutoutLineError.
[[nodiscard]] FaceCutout parseCutoutValue(CutoutKind kind, std::string_view value);
// A whole line, "KIND VALUE". Throws CutoutLineError.
[[nodiscard]] FaceCutout parseCutoutLine(std::string_view line);
// The line that parses back to the entry.
[[nodiscard]] std::string cutoutLine(const FaceCutout& cutout);

// A list file's text: UTF-8 (a byte order mark at its start skipped, as editors on Windows
// write one), one line an entry, blank lines and lines beginning with "#" (after blanks)
// skipped. Throws CutoutLineError naming the line ("line 3: ...").
[[nodiscard]] std::vector<FaceCutout> parseCutoutList(std::string_view text);

}  // namespace tessaro
