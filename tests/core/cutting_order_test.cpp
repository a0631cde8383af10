#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "app/commands.h"
#include "drawing/cutting_order.h"
#include "drawing/outlines.h"
#include "drawing/rigid_parts.h"
#include "support.h"

namespace tessaro {
namespace {

using ::testing::ElementsAre;

void square(Pen& pen, OutlineRole role, Point corner, double side) {
    pen.toOrigin(corner.x, corner.y);
    switch (role) {
    case OutlineRole::OuterCut: pen.startOuterCut(0, 0); break;
    case OutlineRole::InnerCut: pen.startInnerCut(0, 0); break;
    default: pen.startEngraving(0, 0);
    }
    drawRectangle(pen, side, side);
}

TEST(CuttingOrder, WhatLiesInsideMoreCutsComesFirst) {
    // A plate (0) with a window (1); in the window a disc of the same sheet (2) with a hole (3),
    // an engraving on the disc (4), a mark (5) and a notch across the plate's edge (6).
    Drawing drawing;
    Pen pen(drawing);
    square(pen, OutlineRole::OuterCut, {0, 0}, 100);
    square(pen, OutlineRole::InnerCut, {10, 10}, 80);
    square(pen, OutlineRole::OuterCut, {20, 20}, 60);
    square(pen, OutlineRole::InnerCut, {40, 40}, 20);
    square(pen, OutlineRole::Engrave, {25, 25}, 5);
    pen.placeMark(1, 1);
    square(pen, OutlineRole::InnerCut, {95, 50}, 10);
    pen.endPart("plate");
    EXPECT_THAT(drawingOrder(drawing, 0), ElementsAre(0, 1, 2, 3, 4, 5, 6));
    // The hole and the engraving lie in the disc, the window and the plate; the disc in two.
    EXPECT_THAT(cuttingOrder(drawing, 0), ElementsAre(4, 3, 2, 1, 6, 0, 5));
    EXPECT_EQ(outlineOrder(drawing, 0, false), drawingOrder(drawing, 0));
    EXPECT_EQ(outlineOrder(drawing, 0, true), cuttingOrder(drawing, 0));
}

TEST(CuttingOrder, EveryTemplateCutsEachPiecesInnerCutsBeforeItsEdge) {
    for (const TemplateCommand& command : templateCommands()) {
        testing::Bench b;
        command.run(b.wb);
        const Drawing& drawing = b.wb.drawing;
        for (std::size_t part = 0; part < drawing.partCount(); ++part) {
            SCOPED_TRACE(std::string(command.name) + " part " + std::to_string(part));
            const std::vector<std::size_t> order = cuttingOrder(drawing, part);
            std::vector<std::size_t> sorted = order;
            std::sort(sorted.begin(), sorted.end());
            ASSERT_EQ(sorted, drawingOrder(drawing, part));
            const auto position = [&](std::size_t o) { return std::find(order.begin(), order.end(), o); };
            for (const std::size_t outer : order) {
                const Outline edge = drawing.outline(outer);
                if (edge.role != OutlineRole::OuterCut || !edge.closed()) {
                    continue;
                }
                const DrawnOutline points(edge.points.begin(), edge.points.end());
                for (const std::size_t inner : order) {
                    const Outline cut = drawing.outline(inner);
                    if (cut.role == OutlineRole::InnerCut && holdsPoint(points, cut.points.front())) {
                        EXPECT_LT(position(inner), position(outer)) << "inner " << inner << ", outer " << outer;
                    }
                }
            }
        }
    }
}

}  // namespace
}  // namespace tessaro
