#include "output/pdf_strokes.h"

namespace tessaro {

void strokeOutline(cairo_t* cr, OutlineReading& outline) {
    const bool closed = outline.closed();
    const std::size_t drawn = closed ? outline.size() - 1 : outline.size();
    bool inRuns = false;
    std::size_t i = 0;
    for (auto point = outline.begin(); i < drawn; ++point, ++i) {
        const Point p = *point;
        if (i == 0) {
            cairo_move_to(cr, p.x, p.y);
            continue;
        }
        cairo_line_to(cr, p.x, p.y);
        if (i % kStrokeRun == 0 && i + 1 < drawn) {
            cairo_stroke(cr);
            cairo_move_to(cr, p.x, p.y);
            inRuns = true;
        }
    }
    if (closed && inRuns) {
        cairo_line_to(cr, outline.front().x, outline.front().y);
    } else if (closed) {
        cairo_close_path(cr);
    }
    cairo_stroke(cr);
}

}  // namespace tessaro
