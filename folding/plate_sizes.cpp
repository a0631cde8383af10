#include "folding/plate_sizes.h"

namespace tessaro {

PlateSizes readPlateSizes(Workbench& wb) {
    const ParamTable& t = wb.ParamGrid;
    PlateSizes z;
    z.fit.M = t.real(1);
    z.W = t.real(2);
    z.D = t.real(4);
    z.fit.Ah = t.real(5);
    z.fit.Al = t.real(6);
    z.F = t.real(7);
    const double cutter = t.real(9);
    wb.FrameAllow = z.F;
    wb.pen.CutterDiam = cutter;
    return z;
}

}  // namespace tessaro
