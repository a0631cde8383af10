#include <gtest/gtest.h>

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

}  // namespace
}  // namespace tessaro
