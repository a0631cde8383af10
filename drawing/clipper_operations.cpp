#include "drawing/clipper_operations.h"

#include "drawing/clipper_units.h"

namespace tessaro {
namespace {

// Corners as sharp as about 11 degrees keep their point; sharper ones are squared off.
constexpr double kMiterLimit = 10;

}  // namespace

ClipperLib::Paths mitredOffset(const ClipperLib::Paths& paths, double millimetres) {
    ClipperLib::ClipperOffset offset(kMiterLimit);
    offset.AddPaths(paths, ClipperLib::jtMiter, ClipperLib::etClosedPolygon);
    ClipperLib::Paths result;
    offset.Execute(result, millimetres * kClipperUnitsPerMillimetre);
    return result;
}

ClipperLib::Paths combined(const ClipperLib::Paths& subject, const ClipperLib::Paths& clip, ClipperLib::ClipType type) {
    ClipperLib::Clipper clipper;
    clipper.AddPaths(subject, ClipperLib::ptSubject, true);
    clipper.AddPaths(clip, ClipperLib::ptClip, true);
    ClipperLib::Paths result;
    clipper.Execute(type, result, ClipperLib::pftNonZero, ClipperLib::pftNonZero);
    return result;
}

double areaOf(const ClipperLib::Paths& paths) {
    double area = 0;
    for (const ClipperLib::Path& path : paths) {
        area += ClipperLib::Area(path);
    }
    return area / (kClipperUnitsPerMillimetre * kClipperUnitsPerMillimetre);
}

}  // namespace tessaro
