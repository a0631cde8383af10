#include "templates/spiral.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <span>

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
void refuseEndlessSpiral(double Fi, double dt, double tmax, double R, double K, double St) {
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
}

// The spiral as the table's values set it out.
struct SpiralCourse {
    Point centre;
    double R = 0;
    double St = 0;
    double dt = 0;  // the step's turn, in radians
    double K = 0;
    long double bound = 0;  // the angle past which no step starts
};

// The spiral's points from the centre: the pen's steps, one at a time, as a reading asks.
class SpiralSteps final : public PointCursor {
public:
    explicit SpiralSteps(const SpiralCourse& course) : course_(course) {}

    std::size_t next(std::span<Point> block) override {
        std::size_t count = 0;
        while (count < block.size() && step()) {
            block[count++] = at_;
        }
        return count;
    }

private:
    // The centre, a line down to the start radius, then the turns of tangent steps.
    bool step() {
        const SpiralCourse& c = course_;
        if (stage_ == Stage::Centre) {
            at_ = steppedFrom(c.centre, 0, 0);
            stage_ = Stage::StartRadius;
        } else if (stage_ == Stage::StartRadius) {
            at_ = steppedFrom(at_, 0, -c.R);
            stage_ = Stage::Turns;
        } else if (t_ <= c.bound) {
            const double rho = static_cast<double>(c.R / static_cast<long double>(c.K) + (c.St / kTwoPi) * t_ / c.K);
            long double sine = 0;
            long double cosine = 0;
            ::sincosl(t_, &sine, &cosine);  // one call for both halves the cost of the hot loop
            at_ = steppedFrom(at_, static_cast<double>(cosine * rho), static_cast<double>(sine * rho));
            t_ += c.dt;
        } else {
            return false;
        }
        return true;
    }

    enum class Stage { Centre, StartRadius, Turns };
    SpiralCourse course_;
    Stage stage_ = Stage::Centre;
    double t_ = 0;
    Point at_;
};

// Ten million points would take 160 MB held: the spiral is made again for each reading.
class SpiralPoints final : public PointSource {
public:
    explicit SpiralPoints(const SpiralCourse& course) : course_(course) {}
    [[nodiscard]] std::unique_ptr<PointCursor> start() const override { return std::make_unique<SpiralSteps>(course_); }

private:
    SpiralCourse course_;
};

}  // namespace

void drawArchimedeanSpiral(Pen& pen, const SpiralSizes& spiral) {
    const double R = spiral.startRadius;
    const double Fi = spiral.stepAngle;
    const double St = spiral.turnPitch;
    const int N = spiral.turns;

    const double dt = static_cast<double>(kTwoPi * Fi / 360);
    const double tmax = static_cast<double>((2 * static_cast<long long>(N)) * kPi);
    const double K = static_cast<double>(kDegreesPerRadian / Fi);
    refuseEndlessSpiral(Fi, dt, tmax, R, K, St);

    pen.originX = 0;
    pen.originY = 0;
    pen.toOrigin();
    const long double bound = static_cast<long double>(tmax) + dt;
    pen.drawStreamed(std::make_shared<SpiralPoints>(SpiralCourse{{pen.currentX, pen.currentY}, R, St, dt, K, bound}),
                     OutlineRole::OuterCut);
}

}  // namespace tessaro
