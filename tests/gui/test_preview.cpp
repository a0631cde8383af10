#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

#include "app/commands.h"
#include "gui/drawing_canvas.h"
#include "gui/drawing_painter.h"
#include "gui/fakes.h"
#include "gui/main_window.h"
#include "gui/preview_widget.h"
#include "gui/preview_window.h"
#include "gui/window_steps.h"

using namespace tessaro;
using namespace tessaro::gui;

namespace {

// The rectangle of the pixels darker than mid-grey; null when there are none.
QRect darkBounds(const QImage& image, const QRect& within) {
    QRect bounds;
    for (int y = within.top(); y <= within.bottom(); ++y) {
        for (int x = within.left(); x <= within.right(); ++x) {
            if (qGray(image.pixel(x, y)) < 128) {
                bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return bounds;
}

int darkCount(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
        }
    }
    return count;
}

// Every dark pixel of a has a dark pixel of b within one pixel.
bool coveredWithinAPixel(const QImage& a, const QImage& b) {
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (qGray(a.pixel(x, y)) >= 128) {
                continue;
            }
            bool near = false;
            for (int dy = -1; dy <= 1 && !near; ++dy) {
                for (int dx = -1; dx <= 1 && !near; ++dx) {
                    near = b.rect().contains(x + dx, y + dy) && qGray(b.pixel(x + dx, y + dy)) < 128;
                }
            }
            if (!near) {
                return false;
            }
        }
    }
    return true;
}

// The screen rectangle of the drawing's extent in a view.
QRectF extentOnScreen(const Extent& e, const DrawingView& view) {
    return QRectF(view.toScreen({e.minX, e.maxY}), view.toScreen({e.maxX, e.minY}));
}

// A save dialog that looks at the preview when it is asked, as the user would.
class LookingDialog final : public SavePrompt {
public:
    PreviewWidget* preview = nullptr;
    QImage seen;
    std::size_t outlinesSeen = 0;
    std::optional<SaveChoice> ask(const std::string&, const FilesInTheWayOf&) override {
        seen = preview->grab().toImage();
        outlinesSeen = preview->drawing().outlineCount();
        return std::nullopt;
    }
};

QImage blank(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

}  // namespace

class PreviewTest : public QObject {
    Q_OBJECT

    testing::FakeMessageBox messages;
    testing::FakeClock clock;
    testing::FakeDesignPrompt designs;
    testing::FakeFolders folders;

private slots:
    void init() { messages = {}; }

    void previewShowsTheTemplateBeforeTheSavePrompt() {
        LookingDialog dialog;
        MainWindow form({dialog, messages, clock, folders, designs});
        auto* preview = form.findChild<PreviewWidget*>("Preview");
        QVERIFY(preview);
        QVERIFY(QRect(0, 0, 1317, 605).contains(preview->geometry()));
        QVERIFY(!preview->geometry().intersects(form.findChild<QTableView*>("boxTable")->geometry()));
        dialog.preview = preview;
        // The folding box's whole set is drawn from the start, on the worker.
        QVERIFY(testing::settled(form));
        QVERIFY(!darkBounds(preview->grab().toImage(), preview->rect().adjusted(2, 2, -2, -24)).isNull());

        form.findChild<QPushButton*>("spiralButton")->click();
        QCOMPARE(dialog.outlinesSeen, std::size_t{1});
        const QRect inside = dialog.seen.rect().adjusted(2, 2, -2, -24);  // within the frame, above the caption
        const QRect drawn = darkBounds(dialog.seen, inside);
        QVERIFY(!drawn.isNull());
        const QRectF expected = extentOnScreen(preview->drawing().extent(), preview->fittedView());
        QVERIFY2(
            std::abs(drawn.left() - expected.left()) <= 2 && std::abs(drawn.right() - expected.right()) <= 2 &&
                std::abs(drawn.top() - expected.top()) <= 2 && std::abs(drawn.bottom() - expected.bottom()) <= 2,
            qPrintable(
                QString("drawn %1,%2 %3x%4").arg(drawn.x()).arg(drawn.y()).arg(drawn.width()).arg(drawn.height())));
        // Fitted: the drawing fills the width or the height of the space it has.
        QVERIFY(drawn.width() >= inside.width() - 16 || drawn.height() >= inside.height() - 16);
        QCOMPARE(extentText(preview->drawing().extent()), QString("94.45 × 96.94 мм"));

        QTest::mouseClick(form.findChild<QPushButton*>("foldingFrontButton"), Qt::LeftButton);
        QCOMPARE(dialog.outlinesSeen, form.workbench().drawing.outlineCount());
        QVERIFY(!darkBounds(dialog.seen, inside).isNull());
    }

    // The spiral fails after its header is written: the preview keeps the previous spiral,
    // but dimmed and with the reason under it, never as if it were still the document.
    void failedCommandDimsThePreviousDrawing() {
        LookingDialog dialog;
        MainWindow form({dialog, messages, clock, folders, designs});
        dialog.preview = form.findChild<PreviewWidget*>("Preview");
        form.findChild<QPushButton*>("spiralButton")->click();
        QCOMPARE(dialog.preview->drawing().pointCount(), std::size_t{195});
        auto* tableView = form.findChild<QTableView*>("spiralTable");
        tableView->model()->setData(tableView->model()->index(2, 1), "x");
        form.findChild<QPushButton*>("spiralButton")->click();
        QCOMPARE(messages.errors.size(), std::size_t{1});
        QVERIFY(form.workbench().drawing.empty());
        QTRY_VERIFY(dialog.preview->dimmed());
        QCOMPARE(dialog.preview->drawing().pointCount(), std::size_t{195});
        QVERIFY(dialog.preview->caption().endsWith("«x» — не число."));
    }

    void largeWindowZoomsPansAndFits() {
        PreviewWidget preview;
        preview.resize(314, 362);
        testing::FakeClock headerClock;
        testing::FakeMessageBox box;
        Workbench wb(headerClock, box);
        tessaro::makeSpiral(wb);
        preview.showDrawing(std::make_shared<const tessaro::Drawing>(wb.drawing));
        preview.show();
        QTest::mouseDClick(&preview, Qt::LeftButton, {}, QPoint(150, 150));
        PreviewWindow* window = preview.largeWindow();
        QVERIFY(window && window->isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(window));
        DrawingCanvas* canvas = window->canvas();
        QCOMPARE(window->findChild<QLabel*>("ExtentLabel")->text(), QString("94.45 × 96.94 мм"));
        const double fittedScale = canvas->view().scale();
        QVERIFY(extentOnScreen(preview.drawing().extent(), canvas->view()).toRect().intersects(canvas->rect()));
        QVERIFY(QRectF(canvas->rect()).contains(extentOnScreen(preview.drawing().extent(), canvas->view())));
        QVERIFY(darkCount(canvas->grab().toImage()) > 500);

        // One wheel notch zooms by a fifth around the cursor: the point under it stays.
        const QPointF cursor(300, 200);
        const Point under = canvas->view().toDrawing(cursor);
        QWheelEvent wheel(cursor, canvas->mapToGlobal(cursor), {}, {0, 120}, Qt::NoButton, {}, Qt::NoScrollPhase,
                          false);
        QApplication::sendEvent(canvas, &wheel);
        QCOMPARE(canvas->view().scale(), fittedScale * 1.2);
        const Point after = canvas->view().toDrawing(cursor);
        QVERIFY(std::abs(after.x - under.x) < 1e-9 && std::abs(after.y - under.y) < 1e-9);

        // A drag moves the drawing with the hand; the cursor label tells millimetres.
        const QPointF before = canvas->view().toScreen({0, 0});
        QTest::mousePress(canvas, Qt::LeftButton, {}, QPoint(100, 100));
        QTest::mouseMove(canvas, QPoint(140, 70));
        QTest::mouseRelease(canvas, Qt::LeftButton, {}, QPoint(140, 70));
        QCOMPARE(canvas->view().toScreen({0, 0}), before + QPointF(40, -30));
        const Point at = canvas->view().toDrawing(QPointF(140, 70));
        QCOMPARE(window->findChild<QLabel*>("CursorLabel")->text(),
                 QString("X %1   Y %2 мм").arg(at.x, 0, 'f', 2).arg(at.y, 0, 'f', 2));

        QTest::mouseClick(window->findChild<QPushButton*>("FitButton"), Qt::LeftButton);
        QCOMPARE(canvas->view().scale(), fittedScale);

        // A new template in the main window shows whole in the open large window.
        wb.spiralTable.setCell(1, 1, "40");
        tessaro::makeSpiral(wb);
        preview.showDrawing(std::make_shared<const tessaro::Drawing>(wb.drawing));
        QVERIFY(canvas->view().scale() < fittedScale);
    }

    // A drawing too large to render while painting (a long fine spiral) is rendered on the
    // worker whenever the widget needs a new image, at its first showing and at a new size:
    // the caption says so until the image is there, the image painting would have made.
    void aLargeDrawingIsRenderedOnTheWorker() {
        testing::FakeMessageBox box;
        Workbench wb(clock, box);
        wb.spiralTable.setCell(1, 2, "1");
        wb.spiralTable.setCell(1, 4, "100");
        tessaro::makeSpiral(wb);
        const auto drawing = std::make_shared<const Drawing>(wb.drawing);
        QVERIFY(drawing->pointCount() > 30000);
        PreviewWidget preview;
        preview.resize(314, 252);
        preview.showDrawing(drawing);
        preview.show();
        QVERIFY(QTest::qWaitForWindowExposed(&preview));
        for (const QSize size : {QSize(314, 252), QSize(420, 300)}) {
            preview.resize(size);
            preview.repaint();
            QVERIFY(preview.rendering());
            QCOMPARE(preview.caption(), PreviewWidget::tr("drawing…"));
            QTRY_VERIFY(!preview.rendering());
            QCOMPARE(preview.caption(), extentText(drawing->extent()));
            const QRect drawingPart(1, 1, size.width() - 2, size.height() - 24);  // inside the frame
            QCOMPARE(preview.grab().toImage().copy(drawingPart).convertToFormat(QImage::Format_RGB32),
                     renderedPreview(*drawing, size, preview.devicePixelRatioF())
                         .copy(drawingPart)
                         .convertToFormat(QImage::Format_RGB32));
        }
    }

    // Merging sub-pixel steps and runs beyond the edge changes no pixel by more than one,
    // fitted and zoomed in on a corner of a fine spiral.
    void thinnedDrawingLooksLikeEveryLine() {
        testing::FakeMessageBox box;
        Workbench wb(clock, box);
        wb.spiralTable.setCell(1, 2, "1");
        wb.spiralTable.setCell(1, 4, "60");
        tessaro::makeSpiral(wb);
        const Drawing drawing = wb.drawing;
        const QSize size(300, 300);
        DrawingView zoomed = DrawingView::fitting(drawing.extent(), QRectF(0, 0, 300, 300));
        zoomed.zoomAround({250, 60}, 12);
        for (const DrawingView& view : {DrawingView::fitting(drawing.extent(), QRectF(0, 0, 300, 300)), zoomed}) {
            QImage thinned = blank(size);
            QImage every = blank(size);
            {
                QPainter painter(&thinned);
                paintDrawing(painter, drawing, view, QRectF(QPointF(0, 0), size));
            }
            {
                QPainter painter(&every);
                for (std::size_t i = 0; i < drawing.outlineCount(); ++i) {
                    QPolygonF all;
                    for (Point p : drawing.outline(i).points) {
                        all << view.toScreen(p);
                    }
                    painter.drawPolyline(all);
                }
            }
            QVERIFY(darkCount(every) > 1000);
            QVERIFY(coveredWithinAPixel(thinned, every));
            QVERIFY(coveredWithinAPixel(every, thinned));
        }
    }
};

QTEST_MAIN(PreviewTest)
#include "test_preview.moc"
