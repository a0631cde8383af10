// The 3D view draws through OpenGL: it runs under Xvfb with Mesa's software renderer
// (QT_QPA_PLATFORM=xcb), where the view's native window renders and reads back.
#include <QPushButton>
#include <QSlider>
#include <QtTest>
#include <map>
#include <optional>

#include "app/assembly_preview.h"
#include "gui/assembly_page.h"
#include "gui/assembly_view.h"
#include "gui/fakes.h"

using namespace tessaro;
using namespace tessaro::gui;

namespace {

// The box a full set assembles into with the default main table, changed in the given rows.
std::shared_ptr<const AssemblyScene> boxOf(const char* command, std::map<int, const char*> rows = {}) {
    testing::FakeClock clock;
    testing::FakeMessageBox messages;
    Workbench wb(clock, messages);
    for (const auto& [row, text] : rows) {
        wb.boxTable.setCell(1, row, text);
    }
    PreviewBench bench(wb);
    return assemblePreview(bench, *findCommand(command)).scene;
}

QImage frameOf(AssemblyView& view) { return view.grabFramebuffer().convertToFormat(QImage::Format_RGB32); }

// What the view shows where nothing is drawn: its corner, with the box whole in the middle.
QRgb backgroundOf(const QImage& frame) { return frame.pixel(0, 0); }

int boxPixels(const QImage& frame) {
    int count = 0;
    for (int y = 0; y < frame.height(); ++y) {
        for (int x = 0; x < frame.width(); ++x) {
            count += frame.pixel(x, y) != backgroundOf(frame) ? 1 : 0;
        }
    }
    return count;
}

// The panel whose tint the pixel shows in any light: red, green and blue in its proportions.
std::optional<BoxPanel> tintAt(QRgb pixel) {
    const double sum = qRed(pixel) + qGreen(pixel) + qBlue(pixel);
    if (sum < 60) {
        return std::nullopt;
    }
    for (const BoxPanel panel :
         {BoxPanel::Front, BoxPanel::Bottom, BoxPanel::LeftSide, BoxPanel::RightSide, BoxPanel::Rear, BoxPanel::Lid}) {
        const QColor tint = tintOf(panel);
        const double tintSum = tint.red() + tint.green() + tint.blue();
        if (std::abs(qRed(pixel) / sum - tint.red() / tintSum) < 0.012 &&
            std::abs(qGreen(pixel) / sum - tint.green() / tintSum) < 0.012 &&
            std::abs(qBlue(pixel) / sum - tint.blue() / tintSum) < 0.012) {
            return panel;
        }
    }
    return std::nullopt;
}

std::map<BoxPanel, int> tintsIn(const QImage& frame) {
    std::map<BoxPanel, int> counts;
    for (int y = 0; y < frame.height(); ++y) {
        for (int x = 0; x < frame.width(); ++x) {
            if (const auto panel = tintAt(frame.pixel(x, y))) {
                ++counts[*panel];
            }
        }
    }
    return counts;
}

BoxPanel mostShown(const std::map<BoxPanel, int>& tints) {
    return std::max_element(tints.begin(), tints.end(),
                            [](const auto& a, const auto& b) { return a.second < b.second; })
        ->first;
}

bool isRed(QRgb pixel) { return qRed(pixel) > 80 && 3 * qGreen(pixel) < qRed(pixel) && 3 * qBlue(pixel) < qRed(pixel); }

int redPixels(const QImage& frame) {
    int count = 0;
    for (int y = 0; y < frame.height(); ++y) {
        for (int x = 0; x < frame.width(); ++x) {
            count += isRed(frame.pixel(x, y)) ? 1 : 0;
        }
    }
    return count;
}

// The background seen between the topmost and the lowest pixel of the box in a column.
int backgroundBetween(const QImage& frame, int x) {
    int top = -1;
    int bottom = -1;
    for (int y = 0; y < frame.height(); ++y) {
        if (frame.pixel(x, y) != backgroundOf(frame)) {
            top = top < 0 ? y : top;
            bottom = y;
        }
    }
    int count = 0;
    for (int y = std::max(top, 0); y <= bottom; ++y) {
        count += frame.pixel(x, y) == backgroundOf(frame) ? 1 : 0;
    }
    return count;
}

void drag(QWindow* view, QPoint from, QPoint to) {
    QTest::mousePress(view, Qt::LeftButton, {}, from);
    QTest::mouseMove(view, to);
    QTest::mouseRelease(view, Qt::LeftButton, {}, to);
}

void turnWheel(QWindow* view, int notches) {
    const QPointF at = QRectF(QPointF(), view->size()).center();
    QWheelEvent wheel(at, view->mapToGlobal(at), {}, {0, 120 * notches}, Qt::NoButton, {}, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view, &wheel);
}

}  // namespace

class AssemblyViewTest : public QObject {
    Q_OBJECT

    std::unique_ptr<AssemblyPage> page;
    AssemblyView* view = nullptr;

private slots:
    // The page as the large preview window shows it, with the default folding box.
    void init() {
        page = std::make_unique<AssemblyPage>();
        page->resize(900, 640);
        page->showScene(boxOf("full"));
        page->show();
        QVERIFY(QTest::qWaitForWindowExposed(page.get()));
        view = page->view();
        QVERIFY(view);
        QCOMPARE(view->scene(), page->scene());
    }

    void cleanup() { page.reset(); }

    // The box fills the middle, and from each panel's outer side that panel's tint is
    // what the view shows most.
    void showsTheBoxInEachPanelsTint() {
        const QImage first = frameOf(*view);
        QCOMPARE(first.size(), view->size() * view->devicePixelRatio());
        QVERIFY(first.pixel(first.width() / 2, first.height() / 2) != backgroundOf(first));
        QVERIFY(boxPixels(first) > first.width() * first.height() / 5);
        // Turned a little, three of its faces show; every joint of the default table has room.
        QVERIFY(tintsIn(first).size() >= 3);
        QCOMPARE(redPixels(first), 0);

        QCOMPARE(view->scene()->panels.size(), std::size_t{6});
        for (const ScenePanel& panel : view->scene()->panels) {
            view->setTurn(turnFacing(panel.outward));
            const auto tints = tintsIn(frameOf(*view));
            QVERIFY2(!tints.empty() && mostShown(tints) == panel.panel, panelName(panel.panel).data());
        }
    }

    // A box without material shows nothing, and the next box shows again.
    void aBoxWithoutMaterialShowsNothing() {
        const QImage box = frameOf(*view);
        page->showScene(std::make_shared<const AssemblyScene>());
        QCOMPARE(boxPixels(frameOf(*view)), 0);
        page->showScene(boxOf("full"));
        QCOMPARE(frameOf(*view), box);
    }

    // A drag turns the box with the hand; the same drag back shows it as it was.
    void aDragTurnsTheBoxAndTheOppositeDragTurnsItBack() {
        const QImage before = frameOf(*view);
        const Turn turn = view->turn();
        drag(view, {300, 300}, {420, 260});
        QVERIFY(view->turn().yaw > turn.yaw);
        QVERIFY(view->turn().pitch < turn.pitch);
        const QImage turned = frameOf(*view);
        QVERIFY(turned != before);
        QVERIFY(boxPixels(turned) > 0);
        drag(view, {420, 260}, {300, 300});
        QCOMPARE(view->turn(), turn);
        QCOMPARE(frameOf(*view), before);

        // Turned over the top, it stops looking straight down rather than turn upside down.
        drag(view, {300, 10}, {300, 600});
        QCOMPARE(view->turn().pitch, 90.0);
        QCOMPARE(mostShown(tintsIn(frameOf(*view))), BoxPanel::Lid);
        QTest::mouseDClick(view, Qt::LeftButton, {}, {300, 300});
        QCOMPARE(frameOf(*view), before);
    }

    // The wheel brings the box nearer, so it covers more of the view, and takes it back.
    void theWheelZooms() {
        const int whole = boxPixels(frameOf(*view));
        turnWheel(view, 2);
        const int nearer = boxPixels(frameOf(*view));
        QVERIFY(nearer > whole * 1.5);
        turnWheel(view, -4);
        QVERIFY(boxPixels(frameOf(*view)) < whole / 1.5);
        turnWheel(view, 2);
        QCOMPARE(boxPixels(frameOf(*view)), whole);
    }

    // Moved apart as far as the slider goes, the parts are shown whole from every side:
    // nothing of them touches the edge of the frame.
    void thePartsApartAreShownWhole() {
        auto* slider = page->findChild<QSlider*>("ExplodedSlider");
        slider->setValue(slider->maximum());
        page->findChild<QPushButton*>("AssemblyFitButton")->click();
        std::vector<Turn> turns{view->turn()};
        for (const ScenePanel& panel : page->scene()->panels) {
            turns.push_back(turnFacing(panel.outward + Vec3{0.3, -0.4, 0.5}));
        }
        for (const Turn turn : turns) {
            view->setTurn(turn);
            const QImage frame = frameOf(*view);
            QVERIFY(boxPixels(frame) > 0);
            for (int x = 0; x < frame.width(); ++x) {
                QVERIFY(frame.pixel(x, 0) == backgroundOf(frame) &&
                        frame.pixel(x, frame.height() - 1) == backgroundOf(frame));
            }
            for (int y = 0; y < frame.height(); ++y) {
                QVERIFY(frame.pixel(0, y) == backgroundOf(frame) &&
                        frame.pixel(frame.width() - 1, y) == backgroundOf(frame));
            }
        }
    }

    // Seen from the front, the parts moved apart show the background between them: above
    // the front panel the lid, below it the bottom, each apart.
    void theSliderMovesThePartsApart() {
        auto* slider = page->findChild<QSlider*>("ExplodedSlider");
        QCOMPARE(slider->value(), 0);
        const Vec3 size = page->scene()->bounds.high - page->scene()->bounds.low;
        QVERIFY(slider->maximum() >= 20 && slider->maximum() < std::max({size.x, size.y, size.z}));
        const BoxPanel front = BoxPanel::Front;
        for (const ScenePanel& panel : page->scene()->panels) {
            if (panel.panel == front) {
                view->setTurn(turnFacing(panel.outward));
            }
        }
        const QImage together = frameOf(*view);
        const int middle = together.width() / 2;
        slider->setValue(slider->maximum() / 2);
        QCOMPARE(view->exploded(), slider->maximum() / 2.0);
        const QImage apart = frameOf(*view);
        slider->setValue(slider->maximum());
        const QImage furtherApart = frameOf(*view);
        QCOMPARE(backgroundBetween(together, middle), 0);
        QVERIFY(backgroundBetween(apart, middle) > 0);
        QVERIFY(backgroundBetween(furtherApart, middle) > backgroundBetween(apart, middle));
        QCOMPARE(mostShown(tintsIn(furtherApart)), front);
    }

    // Joints whose parts overlap show red; those of the default table do not.
    void tightJointsShowRed() {
        QCOMPARE(redPixels(frameOf(*view)), 0);
        page->showScene(boxOf("full", {{5, "-0.5"}}));
        QVERIFY(!page->scene()->tightJoints.empty());
        const QImage tight = frameOf(*view);
        QVERIFY(redPixels(tight) > 0);
        // Apart, each red room goes with its tab, still in sight.
        auto* slider = page->findChild<QSlider*>("ExplodedSlider");
        slider->setValue(slider->maximum());
        QVERIFY(redPixels(frameOf(*view)) > 0);
        QVERIFY(page->caption().contains(QString::number(page->scene()->tightJoints.size())));
    }
};

QTEST_MAIN(AssemblyViewTest)
#include "test_assembly_view.moc"
