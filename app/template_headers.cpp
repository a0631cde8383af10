#include "app/template_headers.h"

#include <cmath>
#include <string>
#include <vector>

#include "drawing/drawing_error.h"
#include "model/about.h"

namespace tessaro {
namespace {

template <RowName Row>
void addTitleLines(std::vector<std::string>& titles, const ParamTable& table, Row lastRow) {
    for (int row = 1; row <= rowNumber(lastRow); ++row) {
        titles.push_back(std::string(table.caption(row)) + " " + std::string(table.text(row)));
    }
}

void startDrawing(Workbench& wb, DrawingHeader header) {
    header.timeOfDay = wb.clock.timeOfDay();
    wb.drawing.header = std::move(header);
    wb.drawing.clearOutlines();
}

}  // namespace

void startBoxDocument(Workbench& wb) {
    const double width = wb.boxTable.real(MainRow::Width);
    const double height = wb.boxTable.real(MainRow::Height);
    const double depth = wb.boxTable.real(MainRow::Depth);
    // A margin rule, not a measurement of the drawing.
    DrawingHeader header;
    header.left = header.bottom = -(4 * height + 100);
    header.right = 4 * width + 4 * height;
    header.top = 8 * depth + 4 * height;
    for (const double bound : {header.left, header.right, header.top}) {
        if (!std::isfinite(bound)) {
            throw DrawingError("The bounding box of the drawing is too large to be written; check the table values");
        }
    }
    header.creator = kContactAddress;
    header.titles = {"Contour data for Case ArtCAM", wb.templateLabel};
    addTitleLines(header.titles, wb.boxTable, MainRow::TabLengthAllowance);
    startDrawing(wb, std::move(header));
}

void startSpiralDocument(Workbench& wb) {
    DrawingHeader header{-500, -500, 500, 500, "RDQ", {"Arhimed spiral"}, {}};
    addTitleLines(header.titles, wb.spiralTable, SpiralRow::Turns);
    startDrawing(wb, std::move(header));
}

}  // namespace tessaro
