#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <polyclipping/clipper.hpp>

#include "app/assembly.h"
#include "app/commands.h"
#include "app/fit_report.h"
#include "app/kerf_setting.h"
#include "drawing/clipper_operations.h"
#include "drawing/clipper_units.h"
#include "drawing/drawing_error.h"
#include "drawing/kerf.h"
#include "drawing/outlines.h"
#include "model/number_parse.h"
#include "support.h"

namespace tessaro {
namespace {

using ClipperLib::Paths;
using ::testing::HasSubstr;

// Each closed cut of one role of a part, every one of them offset by `grow` mm, united.
Paths cutsOf(const Drawing& drawing, std::size_t part, OutlineRole role, double grow) {
    Paths united;
    const Part range = drawing.part(part);
    for (std::size_t i = range.firstOutline; i < range.endOutline; ++i) {
        const Outline outline = drawing.outline(i);
        if (outline.role == role && outline.closed()) {
            const Paths one = mitredOffset({clipperPath(outline.points)}, grow);
            united = combined(united, one, ClipperLib::ctUnion);
        }
    }
    return united;
}

// What the part is made of when a beam of width `beam` runs along its outlines: inside the
// outer cuts less half the beam, outside the inner cuts plus half of it.
Paths materialCut(const Drawing& drawing, std::size_t part, double beam) {
    return combined(cutsOf(drawing, part, OutlineRole::OuterCut, -beam / 2),
                    cutsOf(drawing, part, OutlineRole::InnerCut, beam / 2), ClipperLib::ctDifference);
}

// Two regions that nowhere differ by a micrometre or more.
bool sameWithinAMicrometre(const Paths& a, const Paths& b) {
    return mitredOffset(combined(a, b, ClipperLib::ctXor), -0.001).empty();
}

Drawing drawnWithKerf(const TemplateCommand& command, double kerf) {
    testing::Bench b;
    b.wb.kerf = kerf;
    command.run(b.wb);
    return b.wb.drawing;
}

TEST(Kerf, ABeamAlongTheKerfedOutlinesCutsEveryTemplateAsDrawn) {
    for (const TemplateCommand& command : templateCommands()) {
        const Drawing drawn = drawnWithKerf(command, 0);
        for (const double kerf : {0.15, 0.4, 1.0}) {
            SCOPED_TRACE(std::string(command.name) + ", kerf " + std::to_string(kerf));
            const Drawing kerfed = drawnWithKerf(command, kerf);
            ASSERT_EQ(kerfed.partCount(), drawn.partCount());
            for (std::size_t part = 0; part < drawn.partCount(); ++part) {
                EXPECT_EQ(kerfed.part(part).name, drawn.part(part).name);
                const Paths asDrawn = materialCut(drawn, part, 0);
                const Paths asCut = materialCut(kerfed, part, kerf);
                EXPECT_TRUE(sameWithinAMicrometre(asCut, asDrawn)) << "part " << part;
                // The kerf really moved the outlines: the outer cuts grew.
                const Paths outers = cutsOf(kerfed, part, OutlineRole::OuterCut, 0);
                if (!outers.empty()) {
                    EXPECT_FALSE(sameWithinAMicrometre(outers, cutsOf(drawn, part, OutlineRole::OuterCut, 0)));
                }
            }
        }
    }
}

TEST(Kerf, NoneGivesTheDrawingBackAsItIs) {
    for (const TemplateCommand& command : templateCommands()) {
        testing::Bench b;
        command.draw(b.wb);
        EXPECT_EQ(drawnWithKerf(command, 0), b.wb.drawing) << command.name;
    }
}

TEST(Kerf, ANotchThroughAnEdgeBecomesPartOfTheEdge) {
    // A plate with a notch drawn across its right edge, reaching 0.5 mm past it: a beam of
    // 2 mm along the notch alone would leave a sliver, along the new edge it leaves none.
    Drawing drawing;
    Pen pen(drawing);
    pen.startOuterCut(0, 0);
    drawRectangle(pen, 50, 30);
    pen.toOrigin(45, 10);
    pen.startInnerCut(0, 0);
    drawRectangle(pen, 5.5, 10);
    pen.endPart("plate");
    std::vector<std::string> warnings;
    const Drawing kerfed = withKerf(drawing, 2, warnings);
    EXPECT_TRUE(warnings.empty());
    ASSERT_EQ(kerfed.outlineCount(), 1U);
    EXPECT_EQ(kerfed.outline(0).role, OutlineRole::OuterCut);
    EXPECT_EQ(kerfed.outline(0).points.size(), 9U);  // the rectangle with its notch, closed
    EXPECT_TRUE(sameWithinAMicrometre(materialCut(kerfed, 0, 2), materialCut(drawing, 0, 0)));
    EXPECT_EQ(kerfed.extent(), (Extent{-1, -1, 51, 31, false}));
}

TEST(Kerf, OpenCutsAreLeftAsDrawnWithAWarning) {
    testing::Bench b;
    b.wb.kerf = 0.2;
    findCommand("spiral")->run(b.wb);
    testing::Bench plain;
    findCommand("spiral")->run(plain.wb);
    EXPECT_EQ(b.wb.drawing, plain.wb.drawing);
    ASSERT_EQ(b.messages.shown.size(), 1U);
    EXPECT_THAT(b.messages.shown[0], HasSubstr("outline 1 (an outer cut) of \"spiral\" as drawn"));
}

TEST(Kerf, RefusesWhatWouldCloseASlotFillAGapOrJoinTwoParts) {
    testing::Bench b;
    b.wb.kerf = 6;  // the tab-slot piece's slots are 5.1 mm wide
    EXPECT_THAT([&] { findCommand("tab-slot")->run(b.wb); },
                ::testing::ThrowsMessage<DrawingError>(HasSubstr("closes or splits outline 2 (an inner cut) of "
                                                                 "\"tab-slot piece\"")));
    EXPECT_TRUE(b.wb.drawing.empty());

    Drawing comb;
    Pen pen(comb);
    pen.startOuterCut(0, 0);
    for (const Vec step :
         {Vec{30, 0}, Vec{0, 10}, Vec{-14.5, 0}, Vec{0, -5}, Vec{-1, 0}, Vec{0, 5}, Vec{-14.5, 0}, Vec{0, -10}}) {
        pen.lineTo(step.x, step.y);
    }
    pen.endPart("comb");
    std::vector<std::string> warnings;
    EXPECT_NO_THROW((void)withKerf(comb, 0.9, warnings));
    EXPECT_THAT([&] { (void)withKerf(comb, 1.1, warnings); },
                ::testing::ThrowsMessage<DrawingError>(HasSubstr("fills a gap or notch narrower than it in outline 1 "
                                                                 "(an outer cut) of \"comb\"")));

    Drawing two;
    Pen twoPen(two);
    twoPen.startOuterCut(0, 0);
    drawRectangle(twoPen, 10, 10);
    twoPen.endPart("left");
    twoPen.toOrigin(11, 0);
    twoPen.startOuterCut(0, 0);
    drawRectangle(twoPen, 10, 10);
    twoPen.endPart("right");
    EXPECT_NO_THROW((void)withKerf(two, 0.9, warnings));
    EXPECT_THAT([&] { (void)withKerf(two, 1.1, warnings); },
                ::testing::ThrowsMessage<DrawingError>(HasSubstr("room between outline 1 (an outer cut) of \"left\" "
                                                                 "and outline 1 (an outer cut) of \"right\"")));
}

TEST(Kerf, IsTypedByTheNumberRuleFromNoneToFiftyMillimetres) {
    EXPECT_EQ(parseKerf(" 0.15 "), 0.15);
    EXPECT_EQ(parseKerf("0"), 0);
    EXPECT_EQ(parseKerf("50"), 50);
    EXPECT_THAT([] { (void)parseKerf("0,15"); },
                ::testing::ThrowsMessage<ConversionError>("'0,15' is not a valid floating point value"));
    for (const char* outOfRange : {"-0.1", "50.5", "1e300"}) {
        EXPECT_THROW((void)parseKerf(outOfRange), ConversionError) << outOfRange;
    }
}

TEST(Kerf, TheBoxAssemblesFromThePartsTheBeamCutsOut) {
    // Compensated, the parts come off as drawn, and fit as the drawn ones do.
    for (const char* name : {"full", "simple-full"}) {
        const TemplateCommand& command = *findCommand(name);
        testing::Bench drawn;
        command.run(drawn.wb);
        testing::Bench kerfed;
        kerfed.wb.kerf = 0.3;
        command.run(kerfed.wb);
        EXPECT_NE(kerfed.wb.drawing, drawn.wb.drawing);
        EXPECT_EQ(fitReport(assembledTemplate(kerfed.wb, command)), fitReport(assembledTemplate(drawn.wb, command)))
            << name;
    }
}

TEST(Kerf, TheCopiedWorkbenchKeepsTheKerf) {
    testing::Bench from;
    from.wb.kerf = 0.3;
    from.wb.innerCutsFirst = true;
    testing::Bench to;
    copyTablesAndSwitches(from.wb, to.wb);
    EXPECT_EQ(to.wb.kerf, 0.3);
    EXPECT_TRUE(to.wb.innerCutsFirst);
}

}  // namespace
}  // namespace tessaro
