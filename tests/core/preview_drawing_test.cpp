#include <gtest/gtest.h>

#include "app/assembly_preview.h"
#include "app/error_text.h"
#include "app/job.h"
#include "app/preview_drawing.h"
#include "support.h"

namespace tessaro {
namespace {

using testing::Bench;

const TemplateCommand& wholeTemplateOf(TemplateTab tab) { return *findCommand(tabRule(tab).wholeTemplate); }

TEST(PreviewDrawing, EveryTabStartsWithAWholeTemplateOfItsOwn) {
    for (const TabRule& rule : templateTabs()) {
        const TemplateCommand* command = findCommand(rule.wholeTemplate);
        ASSERT_NE(command, nullptr) << rule.objectName;
        EXPECT_EQ(command->tab, rule.tab) << rule.objectName;
        Bench b;
        PreviewBench bench(b.wb);
        const PreviewDrawing drawn = drawPreview(bench, *command);
        ASSERT_TRUE(drawn.drawing) << rule.objectName << ": " << drawn.error;
        EXPECT_GT(drawn.drawing->outlineCount(), 0U);
    }
    // The box tabs' whole sets are their six panels, more than any single panel.
    Bench b;
    PreviewBench whole(b.wb);
    PreviewBench front(b.wb);
    EXPECT_GT(drawPreview(whole, wholeTemplateOf(TemplateTab::FoldingBox)).drawing->partCount(),
              drawPreview(front, *findCommand("facade")).drawing->partCount());
}

TEST(PreviewDrawing, FollowsTheTablesItWasCopiedFrom) {
    Bench b;
    PreviewBench narrow(b.wb);
    b.wb.boxTable.setCell(1, 2, "300");
    PreviewBench wide(b.wb);
    const auto& set = wholeTemplateOf(TemplateTab::FoldingBox);
    const double narrowWidth = drawPreview(narrow, set).drawing->extent().width();
    const double wideWidth = drawPreview(wide, set).drawing->extent().width();
    // The panels stand side by side: the sheet widens by what the width grew.
    EXPECT_NEAR(wideWidth - narrowWidth, 100, 1e-6);
    EXPECT_TRUE(b.wb.drawing.empty());
}

TEST(PreviewDrawing, ABadCellIsNamedWithTheMessageOfTheErrorBox) {
    Bench b;
    b.wb.boxTable.setCell(1, 5, "3,5");
    b.wb.spiralTable.setCell(1, 4, "x");
    PreviewBench box(b.wb);
    const PreviewDrawing failed = drawPreview(box, wholeTemplateOf(TemplateTab::FoldingBox));
    EXPECT_FALSE(failed.drawing);
    EXPECT_EQ(failed.error, "'3,5' is not a valid floating point value.");
    ASSERT_TRUE(failed.badCell);
    EXPECT_EQ(failed.badCell->table, &Workbench::boxTable);
    EXPECT_EQ(failed.badCell->row, 5);

    PreviewBench spiral(b.wb);
    const PreviewDrawing integer = drawPreview(spiral, *findCommand("spiral"));
    EXPECT_EQ(integer.error, "'x' is not a valid integer value.");
    ASSERT_TRUE(integer.badCell);
    EXPECT_EQ(integer.badCell->table, &Workbench::spiralTable);
    EXPECT_EQ(integer.badCell->row, 4);
    // Nothing was shown: the preview's bench has no one to show a message to.
    EXPECT_TRUE(b.messages.errors.empty());
    EXPECT_TRUE(b.messages.shown.empty());
}

// Asked once more each time; says stop from its `after`-th asking on.
struct CountedStop {
    int asked = 0;
    int after = 0;
    [[nodiscard]] StopRequest request() {
        return [this] { return ++asked >= after; };
    }
};

// Forty holes on each of four faces: each opening drawn asks the stop.
void fillFaces(Workbench& wb) {
    for (int i = 0; i < 40; ++i) {
        for (const BoxFace face : {BoxFace::Front, BoxFace::Rear, BoxFace::Lid, BoxFace::Bottom}) {
            wb.cutouts.push_back({face, {20.0 + 4 * i, 50}, RoundHole{2}});
        }
    }
}

// A preview no one will see stops between openings, or steps of its assembly: it leaves no
// drawing and no scene, and asks no more once told to stop.
TEST(PreviewDrawing, AStopEndsTheDrawingBetweenOpenings) {
    Bench b;
    fillFaces(b.wb);
    for (const int after : {1, 5, 150}) {
        CountedStop stop{.after = after};
        PreviewBench bench(b.wb, stop.request());
        const PreviewDrawing drawn = drawPreview(bench, wholeTemplateOf(TemplateTab::FoldingBox));
        EXPECT_FALSE(drawn.drawing) << after;
        EXPECT_EQ(drawn.error, errorBoxText(WorkStopped())) << after;
        EXPECT_EQ(stop.asked, after);
    }
    // Unasked, it draws every hole; a stop that never says so changes nothing.
    CountedStop never{.after = 1000000};
    PreviewBench bench(b.wb, never.request());
    PreviewBench plain(b.wb);
    const PreviewDrawing drawn = drawPreview(bench, wholeTemplateOf(TemplateTab::FoldingBox));
    ASSERT_TRUE(drawn.drawing) << drawn.error;
    EXPECT_EQ(*drawn.drawing, *drawPreview(plain, wholeTemplateOf(TemplateTab::FoldingBox)).drawing);
    EXPECT_EQ(never.asked, 161);  // each of the 160 holes, and once before the kerf

    // Within a vent too, between its openings.
    Bench vented;
    vented.wb.cutouts = {parseCutoutLine("vent lid,holes,100,55,80,40")};
    CountedStop inVent{.after = 10};
    PreviewBench ventBench(vented.wb, inVent.request());
    EXPECT_FALSE(drawPreview(ventBench, wholeTemplateOf(TemplateTab::FoldingBox)).drawing);
    EXPECT_EQ(inVent.asked, 10);

    for (const int after : {1, 165}) {
        CountedStop stop{.after = after};
        PreviewBench box(b.wb, stop.request());
        const AssemblyPreview assembled = assemblePreview(box, wholeTemplateOf(TemplateTab::SimpleBox));
        EXPECT_FALSE(assembled.scene) << after;
        EXPECT_EQ(assembled.error, errorBoxText(WorkStopped())) << after;
        EXPECT_EQ(stop.asked, after);
    }
}

// A template being checked for the job stops when asked, and the job stays as it was.
TEST(PreviewDrawing, AJobKeepsWhatItHadWhenTheCheckIsStopped) {
    Bench b;
    fillFaces(b.wb);
    Job job;
    addToJob(job, *findCommand("bobbin"), b.wb);
    CountedStop stop{.after = 3};
    EXPECT_THROW(addToJob(job, *findCommand("simple-full"), b.wb, stop.request()), WorkStopped);
    EXPECT_EQ(stop.asked, 3);
    ASSERT_EQ(job.size(), 1U);
    EXPECT_EQ(job.front().command().name, "bobbin");
}

}  // namespace
}  // namespace tessaro
