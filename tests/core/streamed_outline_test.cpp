// Outlines too long to hold, made by their generator for each reading: the drawing knows
// their size and ends, every writer writes the bytes the same points held would give, hands
// them on in bounded blocks and holds none of them; the nesting and the preview get them all.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <functional>
#include <numbers>
#include <thread>

#include "app/saving.h"
#include "drawing/kerf.h"
#include "drawing/outlines.h"
#include "output/pdf_strokes.h"
#include "output/pdf_writer.h"
#include "support.h"

namespace tessaro {
namespace {

// A ring of points whose radius alternates by a millimetre, made afresh for each reading
// unless the drawing keeps them: closed when it goes the whole way round.
class Wobble final : public PointSource {
public:
    Wobble(std::size_t count, double turn, std::size_t worthKeeping = 0)
        : count_(count), turn_(turn), worthKeeping_(worthKeeping) {}
    [[nodiscard]] std::unique_ptr<PointCursor> start() const override {
        ++readings;
        return std::make_unique<Steps>(*this);
    }
    [[nodiscard]] std::size_t pointsWorthKeeping() const override { return worthKeeping_; }
    [[nodiscard]] Point at(std::size_t i) const {
        const double angle = turn_ * 2 * std::numbers::pi * static_cast<double>(i) / static_cast<double>(count_ - 1);
        const double radius = 100 + static_cast<double>(i % 2);
        return {radius * std::cos(angle), radius * std::sin(angle)};
    }
    mutable std::atomic<int> readings = 0;

private:
    class Steps final : public PointCursor {
    public:
        explicit Steps(const Wobble& wobble) : wobble_(wobble) {}
        std::size_t next(std::span<Point> block) override {
            std::size_t count = 0;
            for (; count < block.size() && next_ < wobble_.count_; ++count) {
                block[count] = wobble_.at(next_++);
            }
            return count;
        }

    private:
        const Wobble& wobble_;
        std::size_t next_ = 0;
    };
    std::size_t count_;
    double turn_;
    std::size_t worthKeeping_;
};

// Records the largest block a writer hands on.
class BlockSizes final : public ByteSink {
public:
    void write(std::string_view bytes) override {
        largest = std::max(largest, bytes.size());
        total += bytes.size();
    }
    std::size_t largest = 0;
    std::size_t total = 0;
};

// Three parts: a plate with a hole, an open wobble of twelve blocks and more and a closed
// ring of as many; the wobbles either streamed or drawn point by point.
constexpr std::size_t kLongOutline = 12 * kPointBlock + 17;

struct Drawings {
    std::shared_ptr<const Wobble> open = std::make_shared<Wobble>(kLongOutline, 0.8);
    std::shared_ptr<const Wobble> ring = std::make_shared<Wobble>(kLongOutline, 1);
    Drawing streamed;
    Drawing held;

    Drawings() {
        for (Drawing* d : {&streamed, &held}) {
            d->header = {-500, -500, 500, 500, "test", {"streamed"}, "12:34:56"};
            Pen pen(*d);
            pen.toOrigin(-300, -300);
            pen.startOuterCut(0, 0);
            drawRectangle(pen, 80, 40);
            pen.toOrigin(-280, -290);
            pen.startInnerCut(0, 0);
            drawRectangle(pen, 10, 10);
            pen.endPart("plate");
        }
        for (const auto& [wobble, role] : {std::pair{open, OutlineRole::OuterCut}, {ring, OutlineRole::InnerCut}}) {
            streamed.addStreamedOutline(wobble, role);
            streamed.endPart("wobble");
            held.beginOutline(wobble->at(0), role);
            for (std::size_t i = 1; i < kLongOutline; ++i) {
                held.lineTo(wobble->at(i));
            }
            held.endPart("wobble");
        }
    }
};

std::size_t heldOutsideTheWobbles(const Drawing& d) { return d.outline(0).points.size() + d.outline(1).points.size(); }

TEST(StreamedOutline, TheDrawingKnowsItsSizeEndsAndRectangleWithoutHoldingIt) {
    const Drawings d;
    EXPECT_EQ(d.streamed.pointCount(), d.held.pointCount());
    EXPECT_EQ(d.streamed.extent(), d.held.extent());
    const std::size_t plate = heldOutsideTheWobbles(d.streamed);
    EXPECT_EQ(d.streamed.heldPointCount(), plate);
    for (const std::size_t i : {2, 3}) {
        const OutlineReading streamed = d.streamed.reading(i);
        const OutlineReading held = d.held.reading(i);
        EXPECT_EQ(streamed.size(), kLongOutline);
        EXPECT_EQ(streamed.role(), held.role());
        EXPECT_EQ(streamed.front(), held.front());
        EXPECT_EQ(streamed.back(), held.back());
        EXPECT_EQ(streamed.closed(), i == 3);
        EXPECT_EQ(streamed.extent(), held.extent());
    }
    EXPECT_TRUE(d.streamed == d.held);
    EXPECT_EQ(d.streamed.heldPointCount(), plate);
}

TEST(StreamedOutline, EveryWriterWritesTheHeldPointsBytesInBoundedBlocksAndHoldsNone) {
    const Drawings d;
    for (const FileFormat& format : fileFormats()) {
        if (!format.flat()) {
            continue;
        }
        SCOPED_TRACE(format.name);
        BlockSizes blocks;
        writeDrawingAs(d.streamed, format.type, {"streamed"}, blocks);
        // Megabytes, the SVG's paths among them, handed on a block of some kilobytes at a time.
        EXPECT_GT(blocks.total, 500'000U);
        EXPECT_LE(blocks.largest, 128U * 1024);
        // A PDF differs in its creation date; its points go through the same reading.
        if (format.type != FileType::Pdf) {
            EXPECT_EQ(drawingBytes(d.streamed, format.type, {"streamed"}),
                      drawingBytes(d.held, format.type, {"streamed"}));
        }
    }
    EXPECT_EQ(d.streamed.heldPointCount(), heldOutsideTheWobbles(d.streamed));
    releaseFontCaches();
}

TEST(StreamedOutline, AShortOneKeepsThePointsItWasMeasuredBy) {
    Drawing d;
    const auto wobble = std::make_shared<Wobble>(kPointBlock + 3, 1, kPointBlock + 3);
    d.addStreamedOutline(wobble, OutlineRole::InnerCut);
    EXPECT_EQ(d.heldPointCount(), kPointBlock + 3);
    (void)drawingBytes(d, FileType::Svg, {"short"});
    (void)drawingBytes(d, FileType::Dxf, {"short"});
    EXPECT_EQ(wobble->readings, 1);
}

TEST(StreamedOutline, TheWindowsListOfLinesJoinsAPathHandedOnInPieces) {
    const Drawings d;
    std::string joined;
    for (std::string_view line : drawingLines(d.streamed, FileType::Svg, {"streamed"})) {
        joined.append(line).push_back('\n');
    }
    EXPECT_EQ(joined, drawingBytes(d.streamed, FileType::Svg, {"streamed"}));
}

TEST(StreamedOutline, TheNestingAndThePreviewGetEveryPointOnceSharedByCopies) {
    const Drawings d;
    const Drawing copy = d.streamed;
    std::vector<std::span<const Point>> seen(2);
    std::thread other([&] { seen[0] = copy.outline(2).points; });
    seen[1] = d.streamed.outline(2).points;
    other.join();
    EXPECT_EQ(seen[0].data(), seen[1].data());
    EXPECT_TRUE(std::ranges::equal(seen[1], d.held.outline(2).points));
    EXPECT_EQ(d.streamed.heldPointCount(), heldOutsideTheWobbles(d.streamed) + kLongOutline);
}

TEST(StreamedOutline, TheKerfLeavesALongOpenCutStreamedAsItIsDrawn) {
    const Drawings d;
    std::vector<std::string> warnings;
    Drawing open;
    open.addStreamedOutline(d.open, OutlineRole::OuterCut);
    const Drawing kerfed = withKerf(open, 0.2, warnings);
    EXPECT_EQ(kerfed.heldPointCount(), 0U);
    EXPECT_EQ(kerfed, open);
    EXPECT_THAT(warnings, ::testing::ElementsAre(::testing::HasSubstr("open cut")));
}

TEST(StreamedOutline, ALineAfterAStreamedOutlineBeginsAnotherAtItsEnd) {
    Drawing d;
    const auto wobble = std::make_shared<Wobble>(kPointBlock + 3, 0.5);
    d.addStreamedOutline(wobble, OutlineRole::Engrave);
    d.lineTo({0, 0});
    ASSERT_EQ(d.outlineCount(), 2U);
    EXPECT_EQ(d.outline(1).role, OutlineRole::Engrave);
    EXPECT_EQ(d.outline(1).points.front(), wobble->at(kPointBlock + 2));
}

// Renders on an image a quarter millimetre a pixel, stroked as the PDF is.
std::vector<unsigned char> rendered(const std::function<void(cairo_t*)>& stroke) {
    constexpr int kSide = 900;
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_A8, kSide, kSide);
    cairo_t* cr = cairo_create(surface);
    cairo_translate(cr, kSide / 2.0, kSide / 2.0);
    cairo_scale(cr, 4, 4);
    cairo_set_line_width(cr, 0.5);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    stroke(cr);
    cairo_surface_flush(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    std::vector<unsigned char> pixels;
    for (int y = 0; y < kSide; ++y) {
        pixels.insert(pixels.end(), data + y * stride, data + y * stride + kSide);
    }
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
    return pixels;
}

TEST(StreamedOutline, ALongOutlineStrokedInRunsPrintsTheLineOneStrokeWould) {
    for (const double turn : {0.9, 1.0}) {
        SCOPED_TRACE(turn == 1 ? "closed" : "open");
        const Wobble wobble(5 * kStrokeRun + 7, turn);
        Drawing d;
        d.beginOutline(wobble.at(0), OutlineRole::OuterCut);
        for (std::size_t i = 1; i < 5 * kStrokeRun + 7; ++i) {
            d.lineTo(wobble.at(i));
        }
        const auto inRuns = rendered([&](cairo_t* cr) {
            OutlineReading outline = d.reading(0);
            strokeOutline(cr, outline);
        });
        const auto whole = rendered([&](cairo_t* cr) {
            const Outline outline = d.outline(0);
            cairo_move_to(cr, outline.points[0].x, outline.points[0].y);
            for (const Point p : outline.points.subspan(1, outline.points.size() - (outline.closed() ? 2 : 1))) {
                cairo_line_to(cr, p.x, p.y);
            }
            if (outline.closed()) {
                cairo_close_path(cr);
            }
            cairo_stroke(cr);
        });
        std::size_t inked = 0;
        std::size_t differing = 0;
        int most = 0;
        for (std::size_t i = 0; i < whole.size(); ++i) {
            inked += whole[i] > 0 ? 1 : 0;
            differing += whole[i] != inRuns[i] ? 1 : 0;
            most = std::max(most, std::abs(whole[i] - inRuns[i]));
        }
        // Only the smoothing of the pixels where two runs meet may differ.
        EXPECT_GT(inked, 10'000U);
        EXPECT_LT(differing, inked / 100);
        EXPECT_LE(most, 128);
    }
}

}  // namespace
}  // namespace tessaro
