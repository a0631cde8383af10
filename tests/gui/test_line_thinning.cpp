// The preview merges sub-pixel steps and runs of steps beyond the view, but every line
// that crosses the view is still drawn and no ink appears away from the lines.
#include <QPainter>
#include <QPolygonF>
#include <QtTest>
#include <algorithm>
#include <cmath>
#include <optional>
#include <random>

#include "gui/drawing_painter.h"

using namespace tessaro;
using namespace tessaro::gui;

namespace {

using ScreenOutline = QPolygonF;  // screen points

constexpr int kSide = 100;

// The default view maps a drawing point (x, y) to the screen point (x, -y).
const DrawingView kView;

Drawing drawingOf(const std::vector<ScreenOutline>& outlines) {
    Drawing drawing;
    for (const ScreenOutline& outline : outlines) {
        for (qsizetype i = 0; i < outline.size(); ++i) {
            // To the micrometre, as a file would have it.
            const Point exact = kView.toDrawing(outline[i]);
            const Point p{std::round(exact.x * 1e6) / 1e6, std::round(exact.y * 1e6) / 1e6};
            i == 0 ? drawing.beginOutline(p, OutlineRole::OuterCut) : drawing.lineTo(p);
        }
    }
    drawing.endPart({});
    return drawing;
}

QImage painted(const std::vector<ScreenOutline>& outlines) {
    QImage image(kSide, kSide, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintDrawing(painter, drawingOf(outlines), kView, QRectF(image.rect()));
    return image;
}

bool inked(const QImage& image, QPoint p) { return image.rect().contains(p) && qGray(image.pixel(p)) < 128; }

bool inkedNear(const QImage& image, QPointF p) {
    const QPoint centre(static_cast<int>(std::floor(p.x())), static_cast<int>(std::floor(p.y())));
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            if (inked(image, centre + QPoint(dx, dy))) {
                return true;
            }
        }
    }
    return false;
}

// The part of the segment inside the rectangle (Liang-Barsky); nothing when it misses.
std::optional<QLineF> chordIn(const QRectF& r, QPointF a, QPointF b) {
    const QPointF d = b - a;
    double enter = 0;
    double leave = 1;
    const double p[] = {-d.x(), d.x(), -d.y(), d.y()};
    const double q[] = {a.x() - r.left(), r.right() - a.x(), a.y() - r.top(), r.bottom() - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) {
                return std::nullopt;
            }
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0) {
            enter = std::max(enter, t);
        } else {
            leave = std::min(leave, t);
        }
    }
    if (enter > leave) {
        return std::nullopt;
    }
    return QLineF(a + enter * d, a + leave * d);
}

double distanceToSegment(QPointF p, QPointF a, QPointF b) {
    const QPointF d = b - a;
    const double length2 = QPointF::dotProduct(d, d);
    const double t = length2 == 0 ? 0 : std::clamp(QPointF::dotProduct(p - a, d) / length2, 0.0, 1.0);
    const QPointF nearest = a + t * d;
    return std::hypot(p.x() - nearest.x(), p.y() - nearest.y());
}

// Every segment's chord through the view (kept two pixels off the edges) is inked at its
// midpoint; every inked pixel lies on or next to some segment.
void checkDrawnFaithfully(const std::vector<ScreenOutline>& outlines) {
    const QImage image = painted(outlines);
    const QRectF inner(2, 2, kSide - 4, kSide - 4);
    int chords = 0;
    for (const ScreenOutline& outline : outlines) {
        for (qsizetype i = 1; i < outline.size(); ++i) {
            if (const auto chord = chordIn(inner, outline[i - 1], outline[i])) {
                ++chords;
                QVERIFY2(inkedNear(image, chord->center()), qPrintable(QString("segment %1,%2 - %3,%4 is missing")
                                                                           .arg(outline[i - 1].x())
                                                                           .arg(outline[i - 1].y())
                                                                           .arg(outline[i].x())
                                                                           .arg(outline[i].y())));
            }
        }
    }
    QVERIFY(chords > 0);
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            if (!inked(image, {x, y})) {
                continue;
            }
            const QPointF centre(x + 0.5, y + 0.5);
            bool near = false;
            for (const ScreenOutline& outline : outlines) {
                for (qsizetype i = 1; i < outline.size() && !near; ++i) {
                    near = distanceToSegment(centre, outline[i - 1], outline[i]) <= 1.5;
                }
            }
            QVERIFY2(near, qPrintable(QString("stray ink at %1,%2").arg(x).arg(y)));
        }
    }
}

// The outline mirrored into the view's other corners.
std::vector<ScreenOutline> inEveryCorner(const ScreenOutline& outline) {
    std::vector<ScreenOutline> all;
    for (const QPointF sign : {QPointF(1, 1), QPointF(-1, 1), QPointF(1, -1), QPointF(-1, -1)}) {
        ScreenOutline mirrored;
        for (const QPointF p : outline) {
            mirrored << QPointF(sign.x() > 0 ? p.x() : kSide - p.x(), sign.y() > 0 ? p.y() : kSide - p.y());
        }
        all.push_back(mirrored);
    }
    return all;
}

}  // namespace

class LineThinningTest : public QObject {
    Q_OBJECT

private slots:
    // Each corner of the triangle lies beyond the view's corner or one side of it; its
    // far side crosses the view.
    void triangleAcrossACorner() {
        for (const ScreenOutline& triangle : inEveryCorner({{-10, -10}, {-1, 50}, {50, -1}, {-10, -10}})) {
            checkDrawnFaithfully({triangle});
        }
        for (const ScreenOutline& triangle : inEveryCorner({{-30, -5}, {-5, 70}, {70, -5}, {-30, -5}})) {
            checkDrawnFaithfully({triangle});
        }
    }

    // Long diagonals whose two ends lie beyond different sides, alone and at the end
    // of a run of steps that all stay beyond one side.
    void diagonalsWithBothEndsOutside() {
        checkDrawnFaithfully({{{-50, 30}, {150, 70}}, {{30, -40}, {80, 150}}, {{-20, 60}, {60, -20}}});
        checkDrawnFaithfully({{{-5, 10}, {-40, 20}, {-8, 30}, {-60, 40}, {-3, 90}, {150, 20}}});
        checkDrawnFaithfully({{{-20, -20}, {50, -30}, {120, -20}, {130, 50}, {120, 120}, {-20, 50}}});
    }

    // A ring crossing the view drawn in steps far below a pixel: merged steps and held
    // runs beyond the edges together.
    void fineRingAcrossTheView() {
        ScreenOutline ring;
        for (int i = 0; i <= 4000; ++i) {
            const double angle = 2 * M_PI * i / 4000;
            ring << QPointF(-20 + 90 * std::cos(angle), 40 + 90 * std::sin(angle));
        }
        checkDrawnFaithfully({ring});
    }

    // Outlines with points scattered inside and far around the view.
    void scatteredOutlines() {
        std::mt19937 random(20240611);
        std::uniform_real_distribution<double> coordinate(-150, 250);
        for (int round = 0; round < 20; ++round) {
            std::vector<ScreenOutline> outlines(4);
            for (ScreenOutline& outline : outlines) {
                for (int i = 0; i < 8; ++i) {
                    outline << QPointF(coordinate(random), coordinate(random));
                }
            }
            checkDrawnFaithfully(outlines);
        }
    }
};

QTEST_MAIN(LineThinningTest)
#include "test_line_thinning.moc"
