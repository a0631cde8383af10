#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/commands.h"
#include "app/material_use.h"
#include "drawing/piece_area.h"
#include "nesting/sheet_nesting.h"
#include "support.h"

namespace tessaro {
namespace {

using testing::Bench;

void rectangle(Drawing& drawing, OutlineRole role, double left, double bottom, double right, double top) {
    drawing.beginOutline({left, bottom}, role);
    for (const Point p : {Point{right, bottom}, Point{right, top}, Point{left, top}, Point{left, bottom}}) {
        drawing.lineTo(p);
    }
}

TEST(materialUse, ARectangleOnASheetOfKnownSizeUsesItsShare) {
    Drawing drawing;
    rectangle(drawing, OutlineRole::OuterCut, 0, 0, 100, 50);
    drawing.endPart("plate");
    const std::vector<Drawing> sheets = nestOntoSheets(drawing, {200, 100}, 2);
    ASSERT_EQ(sheets.size(), 1U);
    const MaterialUse use = materialUse(drawing, sheets.size(), {200, 100});
    EXPECT_DOUBLE_EQ(use.piecesArea, 5000);
    EXPECT_DOUBLE_EQ(use.sheetsArea, 20000);
    EXPECT_EQ(materialUsedLine(use), "1 sheet, material used 25.0 %");
    EXPECT_EQ(materialUsedLine({3, 5000, 3 * 20000.0}), "3 sheets, material used 8.3 %");
    EXPECT_EQ(materialUsedLine({2, 0, 2 * 20000.0}), "2 sheets, material used 0.0 %");
}

// A hole takes its area, a notch through the edge only what it overlaps; a cut that
// encloses nothing and the cut-outs of the stock are no piece's material.
TEST(materialUse, APieceIsItsOuterCutLessTheCutsItHoldsOrCrosses) {
    Drawing drawing;
    rectangle(drawing, OutlineRole::OuterCut, 0, 0, 100, 50);
    rectangle(drawing, OutlineRole::InnerCut, 20, 20, 30, 30);
    rectangle(drawing, OutlineRole::InnerCut, 95, 10, 105, 20);
    drawing.endPart("plate");
    EXPECT_NEAR(piecesArea(drawing), 5000 - 100 - 50, 1e-6);

    Drawing open;
    open.beginOutline({0, 0}, OutlineRole::OuterCut);
    for (const Point p : {Point{50, 0}, Point{50, 20}, Point{0, 20}}) {
        open.lineTo(p);
    }
    open.endPart("strip");
    rectangle(open, OutlineRole::InnerCut, 200, 0, 210, 5);
    open.endPart("slots");
    EXPECT_EQ(rigidParts(open).size(), 2U);
    EXPECT_EQ(piecesArea(open), 0);
}

// Nesting moves and turns pieces and never changes them: the sheets hold the drawing's
// material, whatever the sheet size.
TEST(materialUse, TheSheetsHoldTheDrawingsMaterial) {
    for (const char* verb : {"full", "simple-full", "bobbin", "tab-slot"}) {
        Bench bench;
        findCommand(verb)->run(bench.wb);
        const double drawn = piecesArea(bench.wb.drawing);
        for (const SheetSize size : {SheetSize{600, 400}, SheetSize{300, 200}}) {
            double nested = 0;
            const std::vector<Drawing> sheets = nestOntoSheets(bench.wb.drawing, size, 2);
            for (const Drawing& sheet : sheets) {
                nested += piecesArea(sheet);
            }
            EXPECT_NEAR(nested, drawn, 1e-6 * drawn) << verb;
            const MaterialUse use = materialUse(bench.wb.drawing, sheets.size(), size);
            EXPECT_LE(use.percent(), 100) << verb;
        }
    }
}

}  // namespace
}  // namespace tessaro
