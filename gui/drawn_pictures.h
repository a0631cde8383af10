#pragma once

#include <QPixmap>
#include <QSize>

#include "model/options.h"

namespace tessaro::gui {

// The window's drawn pictures, each at the size it is shown at, labelled in Russian or English. The boxes, corners,
// feet, tab and spiral are the program's own templates with the default tables.

// The folding box unfolded (lid, rear, bottom between the sides, front), with its width,
// depth and height marked.
[[nodiscard]] QPixmap drawFoldingBox(QSize size, bool english);
// The simple box unfolded, without marks.
[[nodiscard]] QPixmap drawSimpleBox(QSize size, bool english);
// A slot with a square part in it: without relief the cutter rounds the inside corners.
[[nodiscard]] QPixmap drawCorners(QSize size, bool relief);
// A side panel joined to the bottom's wing, with or without the support's jumper.
[[nodiscard]] QPixmap drawSupport(QSize size, bool jumper, bool english);
// A side panel standing on the feet of one choice.
[[nodiscard]] QPixmap drawFeetChoice(QSize size, Feet feet, bool english = false);
// The three choices side by side, in the order of their radios: two, one, no feet.
[[nodiscard]] QPixmap drawFeet(QSize size, bool english);
// An edge with a tab and the gap beside it.
[[nodiscard]] QPixmap drawTabAndGap(QSize size, bool english);
// The spiral of straight steps and the same spiral smoothed.
[[nodiscard]] QPixmap drawSpiral(QSize size, bool english);

}  // namespace tessaro::gui
