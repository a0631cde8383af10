// Invariants of the typed drawing that every template must keep, whatever its switches:
// what each outline is, where its points lie, and that the writers and the nesting keep it.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "app/commands.h"
#include "drawing/rigid_parts.h"
#include "drawing/shapes.h"
#include "nesting/sheet_nesting.h"
#include "support.h"

namespace tessaro {
namespace {

using ::testing::ElementsAre;

// Every command under every switch that changes what it draws.
template <typename Check>
void forEveryDrawing(const Check& check) {
    for (const TemplateCommand& command : templateCommands()) {
        for (const bool everything : {false, true}) {
            testing::Bench b;
            Options& o = b.wb.options;
            o.cornerRelief = o.screwJoints = o.tabSlotRelief = o.singleSupportTooth = everything;
            o.supportJumper = !everything;
            command.run(b.wb);
            SCOPED_TRACE(std::string(command.name) + (everything ? " with every switch" : ""));
            check(command, b.wb);
        }
    }
}

// Open cuts are the spiral and the tab-slot piece's toothed strip, which end on the stock.
bool drawsAnOpenCut(const TemplateCommand& command) { return command.name == "spiral" || command.name == "tab-slot"; }

TEST(Drawing, EveryCutOutIsClosedAndEveryMarkIsALonePoint) {
    forEveryDrawing([](const TemplateCommand& command, const Workbench& wb) {
        const Drawing& d = wb.drawing;
        ASSERT_GT(d.outlineCount(), 0U);
        std::size_t outer = 0;
        for (std::size_t i = 0; i < d.outlineCount(); ++i) {
            const Outline o = d.outline(i);
            switch (o.role) {
            case OutlineRole::Mark: EXPECT_EQ(o.points.size(), 1U) << "outline " << i; break;
            case OutlineRole::InnerCut: EXPECT_TRUE(o.closed()) << "inner cut " << i; break;
            case OutlineRole::Engrave: EXPECT_GE(o.points.size(), 2U) << "engraving " << i; break;
            case OutlineRole::OuterCut:
                ++outer;
                EXPECT_TRUE(o.closed() || drawsAnOpenCut(command)) << "outer cut " << i;
                break;
            }
        }
        EXPECT_GE(outer, d.partCount()) << "every part has its outer cut";
    });
}

TEST(Drawing, PartsAreFinishedAndTheFullSetsNameTheirPanelsInPlace) {
    forEveryDrawing([](const TemplateCommand& command, const Workbench& wb) {
        const Drawing& d = wb.drawing;
        std::vector<std::string> names;
        for (std::size_t p = 0; p < d.partCount(); ++p) {
            EXPECT_TRUE(d.part(p).finished);
            EXPECT_FALSE(d.part(p).name.empty());
            names.emplace_back(d.part(p).name);
        }
        if (command.panelPlaces != nullptr) {
            const auto places = command.panelPlaces(testing::allPanelSizes(wb));
            ASSERT_EQ(names.size(), places.size());
            for (std::size_t i = 0; i < places.size(); ++i) {
                EXPECT_EQ(names[i], panelName(places[i].panel));
            }
        }
    });
}

TEST(Drawing, TheExtentHoldsEveryCutAndNoMarkWidensIt) {
    forEveryDrawing([](const TemplateCommand&, const Workbench& wb) {
        const Drawing& d = wb.drawing;
        Extent cuts;
        for (std::size_t i = 0; i < d.outlineCount(); ++i) {
            if (d.outline(i).role != OutlineRole::Mark) {
                for (const Point p : d.outline(i).points) {
                    cuts.include(p);
                }
            }
        }
        EXPECT_EQ(d.extent(), cuts);
    });
}

// Each piece of a box panel is its outer cut with the cut-outs it holds or crosses, and
// the marks placed for it; the tab-slot piece's two slots, which no outline holds, stay
// together as one piece. A piece measures what is cut, marks not included.
TEST(Drawing, EveryCutOutRidesWithAPieceAndOnlyTheTestPieceCutsFromTheStock) {
    forEveryDrawing([](const TemplateCommand& command, const Workbench& wb) {
        const std::vector<RigidPart> pieces = rigidParts(wb.drawing);
        std::size_t outlines = 0;
        std::size_t fromStock = 0;
        for (const RigidPart& piece : pieces) {
            outlines += piece.outlines.size();
            fromStock += piece.fromStock ? 1 : 0;
            Extent cut;
            for (const PieceOutline& outline : piece.outlines) {
                for (const Point p : outline.points) {
                    if (outline.role != OutlineRole::Mark) {
                        cut.include(p);
                    }
                }
            }
            EXPECT_NEAR(cut.minX, piece.extent.minX, 1e-5);
            EXPECT_NEAR(cut.maxX, piece.extent.maxX, 1e-5);
            EXPECT_NEAR(cut.minY, piece.extent.minY, 1e-5);
            EXPECT_NEAR(cut.maxY, piece.extent.maxY, 1e-5);
        }
        EXPECT_EQ(outlines, wb.drawing.outlineCount()) << "every outline belongs to one piece";
        EXPECT_EQ(fromStock, command.name == "tab-slot" ? 1U : 0U);
    });
}

TEST(Drawing, MovedCopiesKeepPartsRolesAndShape) {
    testing::Bench b;
    makeFoldingBoxSet(b.wb);
    Drawing moved;
    appendMoved(moved, b.wb.drawing, {10, -20});
    ASSERT_EQ(moved.partCount(), b.wb.drawing.partCount());
    ASSERT_EQ(moved.outlineCount(), b.wb.drawing.outlineCount());
    for (std::size_t i = 0; i < moved.outlineCount(); ++i) {
        EXPECT_EQ(moved.outline(i).role, b.wb.drawing.outline(i).role);
    }
    for (std::size_t p = 0; p < moved.partCount(); ++p) {
        EXPECT_EQ(moved.part(p).name, b.wb.drawing.part(p).name);
    }
    const Extent& e = b.wb.drawing.extent();
    EXPECT_DOUBLE_EQ(moved.extent().minX, e.minX + 10);
    EXPECT_DOUBLE_EQ(moved.extent().maxY, e.maxY - 20);
}

// The DXF has a polyline per outline, marks included; the EPS a move per outline and a
// stroke per part; the SVG a path per cut.
TEST(Drawing, EveryWriterWritesEveryOutlineOnce) {
    forEveryDrawing([](const TemplateCommand&, const Workbench& wb) {
        const Drawing& d = wb.drawing;
        const LineList dxf = dxfOf(wb);
        const LineList eps = epsOf(wb);
        const std::string svg = templateBytes(wb, FileType::Svg);
        const LineList dxf2000 = drawingLines(d, FileType::Dxf2000, writeChoices(wb));
        const auto count = [](const LineList& lines, auto matches) {
            return static_cast<std::size_t>(std::count_if(lines.begin(), lines.end(), matches));
        };
        EXPECT_EQ(count(dxf, [](std::string_view l) { return l == "POLYLINE"; }), d.outlineCount());
        EXPECT_EQ(count(eps, [](std::string_view l) { return l.ends_with(" moveto"); }), d.outlineCount());
        EXPECT_EQ(count(eps, [](std::string_view l) { return l == "stroke"; }), d.partCount());
        std::size_t cuts = 0;
        for (std::size_t i = 0; i < d.outlineCount(); ++i) {
            cuts += d.outline(i).role != OutlineRole::Mark ? 1 : 0;
        }
        std::size_t paths = 0;
        for (std::size_t at = svg.find("<path "); at != std::string::npos; at = svg.find("<path ", at + 1)) {
            ++paths;
        }
        // A mark is a small cross in SVG, and left out of DXF 2000.
        EXPECT_EQ(paths, d.outlineCount());
        EXPECT_EQ(count(dxf2000, [](std::string_view l) { return l == "LWPOLYLINE"; }), cuts);
    });
}

// Nested, each outline keeps its role, the lone marks too.
TEST(Drawing, SheetsKeepTheRolesOfTheirPieces) {
    for (const char* name : {"full", "bobbin", "tab-slot"}) {
        testing::Bench b;
        findCommand(name)->run(b.wb);
        std::map<OutlineRole, std::size_t> drawn;
        for (std::size_t i = 0; i < b.wb.drawing.outlineCount(); ++i) {
            ++drawn[b.wb.drawing.outline(i).role];
        }
        std::map<OutlineRole, std::size_t> nested;
        for (const Drawing& sheet : nestOntoSheets(b.wb.drawing, {600, 400}, 3)) {
            for (std::size_t i = 0; i < sheet.outlineCount(); ++i) {
                ++nested[sheet.outline(i).role];
            }
        }
        EXPECT_EQ(nested, drawn) << name;
    }
}

// The test piece's two slots, which no outline holds, are nested as one piece: on any
// sheet they keep the pitch the toothed strip's teeth are drawn to.
TEST(Drawing, TheTestPiecesSlotsKeepTheirPitchOnEverySheet) {
    testing::Bench b;
    makeTabSlotPiece(b.wb);
    const auto slotCorners = [](const Drawing& d) {
        std::vector<Extent> slots;
        for (std::size_t i = 0; i < d.outlineCount(); ++i) {
            if (d.outline(i).role == OutlineRole::InnerCut) {
                Extent e;
                for (const Point p : d.outline(i).points) {
                    e.include(p);
                }
                slots.push_back(e);
            }
        }
        return slots;
    };
    const std::vector<Extent> drawn = slotCorners(b.wb.drawing);
    ASSERT_EQ(drawn.size(), 2U);
    for (const SheetSize sheet : {SheetSize{600, 400}, SheetSize{120, 120}, SheetSize{60, 200}}) {
        std::vector<Extent> nested;
        for (const Drawing& d : nestOntoSheets(b.wb.drawing, sheet, 3)) {
            const std::vector<Extent> onSheet = slotCorners(d);
            nested.insert(nested.end(), onSheet.begin(), onSheet.end());
        }
        ASSERT_EQ(nested.size(), 2U);
        const double drawnPitch = std::hypot(drawn[1].minX - drawn[0].minX, drawn[1].minY - drawn[0].minY);
        const double nestedPitch = std::hypot(nested[1].minX - nested[0].minX, nested[1].minY - nested[0].minY);
        EXPECT_NEAR(nestedPitch, drawnPitch, 1e-6) << sheet.width << " x " << sheet.height;
    }
}

// The cutter is an argument of the relief: a wider cutter cuts a wider notch, and a
// template drawn after another never takes the cutter the other used.
TEST(Drawing, ReliefTakesTheCutterItIsGiven) {
    const auto widthOf = [](double cutter) {
        testing::Paper paper;
        paper.pen.startInnerCut(0, 0);
        drawSlot(paper.pen, {{0, 8}, {20, 0}, Winding::CounterClockwise, true}, {true, cutter});
        return paper.drawing.extent().height();
    };
    EXPECT_DOUBLE_EQ(widthOf(2), 8 + 2);  // half a diameter each side
    EXPECT_DOUBLE_EQ(widthOf(6), 8 + 6);

    testing::Bench b;
    b.wb.options.tabSlotRelief = true;
    b.wb.tabSlotTable.setCell(1, 6, "1");
    makeTabSlotPiece(b.wb);
    const LineList afterTabSlot = epsOf(b.wb);
    b.wb.options.cornerRelief = true;
    makeFrontPanel(b.wb);
    testing::Bench alone;
    alone.wb.options.cornerRelief = true;
    makeFrontPanel(alone.wb);
    EXPECT_EQ(testing::bodyOf(epsOf(b.wb)), testing::bodyOf(epsOf(alone.wb)));
    EXPECT_NE(testing::bodyOf(afterTabSlot), testing::bodyOf(epsOf(alone.wb)));
}

}  // namespace
}  // namespace tessaro
