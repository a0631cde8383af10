#include "templates/spiral.h"

#include <algorithm>
#include <cmath>

#include "drawing/drawing_error.h"

namespace tessaro {
namespace {

constexpr long double kPi = 3.1415926535897932385L;
constexpr long double kTwoPi = 6.283185307179586477L;
// The degrees per radian of the steps' length rule: 57.3, not 180/pi.
constexpr long double kDegreesPerRadian = 57.3L;

// The characters of one "%11.6f" number: at least 11, more for a wide one.
long double numberWidth(long double magnitude) {
    const long double integerDigits = magnitude < 10 ? 1 : std::floor(std::log10(magnitude)) + 1;
    return std::max(11.0L, integerDigits + 8);
}

// A step that is not a positive finite angle never ends, and a spiral of huge numbers
// would fill the memory long before its lines do: both are refused before drawing.
// Returns how many steps the spiral takes.
std::size_t refuseEndlessSpiral(double Fi, double dt, double tmax, double R, double K, double St) {
    if (Fi == 0) {
        throw DrawingError("Floating point division by zero");
    }
    if (Fi < 0) {
        throw DrawingError("The vector step Fi must be greater than 0 degrees");
    }
    if (!(dt > 0) || !std::isfinite(dt) || !std::isfinite(K) || K == 0) {
        throw DrawingError("The vector step Fi is too small to draw with; choose a larger vector step Fi");
    }
    const long double bound = static_cast<long double>(tmax) + dt;
    const long double steps = bound < 0 ? 0 : std::floor(bound / dt) + 1;
    if (!(steps + 2 <= kMaxSpiralLines)) {
        throw DrawingError(
            "The spiral would have more than 10 000 000 lines; "
            "choose a larger vector step Fi or fewer turns");
    }
    const long double outerRadius = std::fabs(R / static_cast<long double>(K) + (St / kTwoPi) * bound / K);
    const long double widest = std::max({std::fabs(static_cast<long double>(R)), outerRadius, 1.0L});
    // Two numbers, a blank after each, a six-letter keyword and the line's end.
    const long double lineBytes = 2 * numberWidth(widest) + 2 + 6 + 2;
    if (!((steps + 2) * lineBytes <= kMaxSpiralBytes)) {
        throw DrawingError("The spiral's numbers are too large to write; choose a smaller radius R or step St");
    }
    return static_cast<std::size_t>(steps);
}

// The sums of the angle steps may take one step more or less than the count divided out.
constexpr std::size_t kStepSlack = 16;

}  // namespace

void drawArchimedeanSpiral(Pen& pen, const SpiralSizes& spiral) {
    const double R = spiral.startRadius;
    const double Fi = spiral.stepAngle;
    const double St = spiral.turnPitch;
    const int N = spiral.turns;

    double t = 0;
    const double dt = static_cast<double>(kTwoPi * Fi / 360);
    const double tmax = static_cast<double>((2 * static_cast<long long>(N)) * kPi);
    const double K = static_cast<double>(kDegreesPerRadian / Fi);
    const std::size_t steps = refuseEndlessSpiral(Fi, dt, tmax, R, K, St);
    pen.reserveMorePoints(steps + 2 + kStepSlack);

    pen.originX = 0;
    pen.originY = 0;
    pen.toOrigin();
    pen.startOuterCut(0, 0);
    pen.lineTo(0, -R);
    const long double bound = static_cast<long double>(tmax) + dt;
    while (t <= bound) {
        const double rho = static_cast<double>(R / static_cast<long double>(K) + (St / kTwoPi) * t / K);
        long double sine = 0;
        long double cosine = 0;
        ::sincosl(t, &sine, &cosine);  // one call for both halves the cost of the hot loop
        pen.lineTo(static_cast<double>(cosine * rho), static_cast<double>(sine * rho));
        t += dt;
    }
}

}  // namespace tessaro
