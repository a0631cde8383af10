#include "output/pdf_writer.h"

#include <cairo-pdf.h>
#include <cairo.h>
#include <fontconfig/fontconfig.h>

#include <cmath>
#include <exception>
#include <memory>
#include <string>

#include "drawing/cutting_order.h"
#include "drawing/drawing_error.h"
#include "output/layer_colours.h"
#include "output/pdf_strokes.h"

namespace tessaro {
namespace {

constexpr double kPointsPerMm = 72 / 25.4;
constexpr double kLargestPageSide = 5080;  // 200 inches, PDF's page limit in its default unit
constexpr double kLineWidth = 0.1;
constexpr double kMarkHalfArm = 0.25;
// The reference square, 5 mm in from the page's lower-left corner, and its caption beside it.
constexpr double kSquareSide = 10;
constexpr double kSquareInset = 5;
constexpr double kCaptionSize = 3.5;
constexpr const char* kCaption = "10 × 10 mm";

struct SurfaceClose {
    void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
struct ContextClose {
    void operator()(cairo_t* context) const { cairo_destroy(context); }
};

// Where cairo's bytes go; a sink's exception cannot cross cairo's C frames, so it waits here.
struct Destination {
    ByteSink& sink;
    std::exception_ptr failure;
};

cairo_status_t writeBytes(void* closure, const unsigned char* data, unsigned int length) {
    auto* destination = static_cast<Destination*>(closure);
    try {
        destination->sink.write({reinterpret_cast<const char*>(data), length});
        return CAIRO_STATUS_SUCCESS;
    } catch (...) {
        destination->failure = std::current_exception();
        return CAIRO_STATUS_WRITE_ERROR;
    }
}

void setColour(cairo_t* cr, OutlineRole role) {
    const CutLayer& layer = layerOf(role);
    cairo_set_source_rgb(cr, layer.red / 255.0, layer.green / 255.0, layer.blue / 255.0);
}

void strokeMark(cairo_t* cr, Point at) {
    cairo_move_to(cr, at.x - kMarkHalfArm, at.y);
    cairo_line_to(cr, at.x + kMarkHalfArm, at.y);
    cairo_move_to(cr, at.x, at.y - kMarkHalfArm);
    cairo_line_to(cr, at.x, at.y + kMarkHalfArm);
    cairo_stroke(cr);
}

// Millimetres with Y up, from the page's lower-left corner, to cairo's points with Y down.
void pageMillimetres(cairo_t* cr, double pageHeight) {
    cairo_matrix_t matrix;
    cairo_matrix_init(&matrix, kPointsPerMm, 0, 0, -kPointsPerMm, 0, pageHeight * kPointsPerMm);
    cairo_set_matrix(cr, &matrix);
}

void drawReferenceSquare(cairo_t* cr, double pageHeight) {
    pageMillimetres(cr, pageHeight);
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_rectangle(cr, kSquareInset, kSquareInset, kSquareSide, kSquareSide);
    cairo_fill(cr);
    // Text wants Y down: the caption is set in millimetres from the page's top.
    cairo_matrix_t matrix;
    cairo_matrix_init_scale(&matrix, kPointsPerMm, kPointsPerMm);
    cairo_set_matrix(cr, &matrix);
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, kCaptionSize);
    cairo_move_to(cr, kSquareInset + kSquareSide + 2, pageHeight - kSquareInset - (kSquareSide - kCaptionSize) / 2);
    cairo_show_text(cr, kCaption);
}

}  // namespace

void writePdf(const Drawing& drawing, std::string_view title, ByteSink& out, const std::optional<Extent>& page) {
    const Extent extent = page.value_or(drawing.extent());
    const double left = extent.empty ? 0 : extent.minX;
    const double bottom = extent.empty ? 0 : extent.minY;
    const double width = (extent.empty ? 0 : extent.width()) + 2 * kPdfMargin;
    const double height = (extent.empty ? 0 : extent.height()) + 2 * kPdfMargin;
    if (!(width <= kLargestPageSide && height <= kLargestPageSide)) {
        throw DrawingError("The drawing is larger than a PDF page can be: 5080 mm a side");
    }
    Destination destination{out, nullptr};
    const std::unique_ptr<cairo_surface_t, SurfaceClose> surface(
        cairo_pdf_surface_create_for_stream(writeBytes, &destination, width * kPointsPerMm, height * kPointsPerMm));
    cairo_pdf_surface_set_metadata(surface.get(), CAIRO_PDF_METADATA_TITLE, std::string(title).c_str());
    cairo_pdf_surface_set_metadata(surface.get(), CAIRO_PDF_METADATA_CREATOR, "Tessaro");
    {
        const std::unique_ptr<cairo_t, ContextClose> context(cairo_create(surface.get()));
        cairo_t* cr = context.get();
        drawReferenceSquare(cr, height);
        pageMillimetres(cr, height);
        cairo_translate(cr, kPdfMargin - left, kPdfMargin - bottom);
        cairo_set_line_width(cr, kLineWidth);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        for (std::size_t part = 0; part < drawing.partCount(); ++part) {
            for (const std::size_t o : cuttingOrder(drawing, part)) {
                OutlineReading outline = drawing.reading(o);
                setColour(cr, outline.role());
                if (outline.role() == OutlineRole::Mark) {
                    strokeMark(cr, outline.front());
                } else {
                    strokeOutline(cr, outline);
                }
            }
        }
        cairo_show_page(cr);
    }
    cairo_surface_finish(surface.get());
    if (destination.failure) {
        std::rethrow_exception(destination.failure);
    }
    if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS) {
        throw DrawingError(std::string("The PDF could not be written: ") +
                           cairo_status_to_string(cairo_surface_status(surface.get())));
    }
}

void releaseFontCaches() {
    cairo_debug_reset_static_data();
    FcFini();
}

}  // namespace tessaro
