#include "templates/spiral.h"

#include <cmath>

#include "output/drawing_error.h"

namespace tessaro {
namespace {

constexpr long double kPi = 3.1415926535897932385L;
constexpr long double kTwoPi = 6.283185307179586477L;
// The degrees per radian of the steps' length rule: 57.3, not 180/pi.
constexpr long double kDegreesPerRadian = 57.3L;

void refuseEndlessSpiral(double Fi, double dt, double tmax) {
    if (Fi == 0) {
        throw DrawingError("Floating point division by zero");
    }
    if (Fi < 0) {
        throw DrawingError("The vector step Fi must be greater than 0 degrees");
    }
    const long double bound = static_cast<long double>(tmax) + dt;
    const long double steps = bound < 0 ? 0 : std::floor(bound / dt) + 1;
    if (steps + 2 > kMaxSpiralLines) {
        throw DrawingError("The spiral would have more than 10 000 000 lines; "
                           "choose a larger vector step Fi or fewer turns");
    }
}

}  // namespace

void drawArhimedSpiral(Workbench& wb) {
    const double R = wb.ArhimedGrid.real(1);
    const double Fi = wb.ArhimedGrid.real(2);
    const double St = wb.ArhimedGrid.real(3);
    const int N = wb.ArhimedGrid.integer(4);

    double t = 0;
    const double dt = static_cast<double>(kTwoPi * Fi / 360);
    const double tmax = static_cast<double>((2 * static_cast<long long>(N)) * kPi);
    refuseEndlessSpiral(Fi, dt, tmax);
    const double K = static_cast<double>(kDegreesPerRadian / Fi);

    Pen& pen = wb.pen;
    pen.OrgX = 0;
    pen.OrgY = 0;
    pen.toOrigin();
    pen.pMoveTo(0, 0);
    pen.pLineTo(0, -R);
    const long double bound = static_cast<long double>(tmax) + dt;
    while (t <= bound) {
        const double rho = static_cast<double>(R / static_cast<long double>(K) + (St / kTwoPi) * t / K);
        long double sine = 0;
        long double cosine = 0;
        ::sincosl(t, &sine, &cosine);  // one call for both halves the cost of the hot loop
        pen.pLineTo(static_cast<double>(cosine * rho), static_cast<double>(sine * rho));
        t += dt;
    }
    pen.stroke();
}

}  // namespace tessaro
