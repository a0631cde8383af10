#pragma once

#include <functional>
#include <vector>

#include "drawing/drawing.h"
#include "drawing/drawing_error.h"

namespace tessaro {

// The usable area of the user's machine bed, in millimetres.
struct SheetSize {
    double width = 0;
    double height = 0;
};

// A piece that fits the sheet in neither orientation (or, not turned, in its own); the
// message names the piece and its size, and nothing is nested.
class PartTooLarge : public DrawingError {
public:
    using DrawingError::DrawingError;
};

// Nesting that was stopped: it ran past its time, or the caller asked it to stop.
class NestingStopped : public DrawingError {
public:
    using DrawingError::DrawingError;
};

// Asked between pieces; yes stops the nesting (the window: a newer redraw is waiting).
using NestingStop = std::function<bool()>;

// How much nearer than the gap a cut may come: the placer works in whole units of a
// hundred-thousandth of a millimetre and turns a piece to within one, so two of those units
// are forgiven, far below the micrometre the files are read to.
inline constexpr double kGapRounding = 2e-5;

// The longest a nesting may take before it is stopped.
inline constexpr int kMostNestingSeconds = 20;

// Whether a piece may be turned: not where the wood's grain must run one way, or where a
// laser cuts wider along one axis than along the other.
enum class Turning { QuarterTurns, None };

// Nests the pieces of the drawing onto as few sheets as it can, and among as many sheets
// as tightly as it can: each piece moved (and turned by a multiple of 90 degrees, unless
// told not to), never closer than `gap` to another piece or to the sheet's edge. One
// drawing per sheet, each with the template's header and the bounding box of its own
// pieces, every outline in its role; the drawing's last outline is the last of the last
// sheet. Every placement is checked before it is returned: a piece off its sheet or
// nearer than the gap to another is a DrawingError, never a sheet.
[[nodiscard]] std::vector<Drawing> nestOntoSheets(const Drawing& drawing, SheetSize sheet, double gap,
                                                  const NestingStop& stop = {},
                                                  Turning turning = Turning::QuarterTurns);

}  // namespace tessaro
