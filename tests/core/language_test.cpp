#include <gtest/gtest.h>

#include <set>

#include "app/language.h"
#include "support.h"

namespace tessaro {
namespace {

using testing::Bench;

TEST(Language, TwentyEightControlsInTheSwitchOrder) {
    const auto controls = englishControlTexts();
    ASSERT_EQ(controls.size(), 28u);
    EXPECT_EQ(controls.front().control, "ExtAngle");
    EXPECT_EQ(controls.back().control, "TabSheet5");
    std::set<std::string_view> names;
    for (const EnglishText& entry : controls) {
        EXPECT_FALSE(entry.text.empty()) << entry.control;
        names.insert(entry.control);
    }
    EXPECT_EQ(names.size(), 28u);
    EXPECT_EQ(englishTextOf("CreateFasad"), "Front");
    EXPECT_EQ(englishTextOf("FullTrans"), "");  // the transformer's button stays Russian
}

TEST(Language, EnglishTablesChangeCaptionsOnlyAndTheSwitchIsIdempotent) {
    Bench b;
    b.wb.ParamGrid.setCell(1, 2, "250");
    setEnglishTables(b.wb);
    EXPECT_TRUE(tablesAreEnglish(b.wb));
    EXPECT_EQ(b.wb.ParamGrid.cell(0, 0), "Housing options");
    EXPECT_EQ(b.wb.ParamGrid.caption(9), "Cutter diameter, мм");
    EXPECT_EQ(b.wb.ParamGrid.text(2), "250");
    EXPECT_EQ(b.wb.ZubPazGrid.caption(3), "Slot length");
    EXPECT_EQ(b.wb.ArhimedGrid.cell(0, 0), "Parametr");
    EXPECT_EQ(b.wb.ArhimedGrid.caption(4), "Number revolution");
    EXPECT_EQ(b.wb.GridScrewL, defaultScrewTable());
    EXPECT_EQ(b.wb.TransGrid, defaultBobbinTable());

    const ParamTable once = b.wb.ParamGrid;
    setEnglishTables(b.wb);
    EXPECT_EQ(b.wb.ParamGrid, once);
    EXPECT_EQ(b.wb.ParamGrid.rowCount(), 10);
}

TEST(Language, TheBuiltInTablesAreRussian) {
    Bench b;
    EXPECT_FALSE(tablesAreEnglish(b.wb));
}

}  // namespace
}  // namespace tessaro
