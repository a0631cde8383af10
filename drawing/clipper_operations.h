#pragma once

#include <polyclipping/clipper.hpp>

namespace tessaro {

// Closed paths in Clipper's units (clipper_units.h) offset by a distance in millimetres,
// outward for a positive one, with mitred corners: a square corner stays square.
[[nodiscard]] ClipperLib::Paths mitredOffset(const ClipperLib::Paths& paths, double millimetres);

// Two sets of closed paths combined (united, intersected, subtracted, or either but not
// both), each filled by the nonzero rule.
[[nodiscard]] ClipperLib::Paths combined(const ClipperLib::Paths& subject, const ClipperLib::Paths& clip,
                                         ClipperLib::ClipType type);

// The area of paths in Clipper's units, in square millimetres: counterclockwise rings
// count positive and clockwise ones (the holes Clipper gives) negative.
[[nodiscard]] double areaOf(const ClipperLib::Paths& paths);

}  // namespace tessaro
