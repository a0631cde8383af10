#include <gtest/gtest.h>

#include "app/language.h"
#include "support.h"

namespace tessaro {
namespace {

using testing::Bench;

TEST(Language, EnglishTablesChangeCaptionsOnlyAndTheSwitchIsIdempotent) {
    Bench b;
    b.wb.boxTable.setCell(1, 2, "250");
    setEnglishTables(b.wb);
    EXPECT_TRUE(tablesAreEnglish(b.wb));
    EXPECT_EQ(b.wb.boxTable.cell(0, 0), "Housing options");
    EXPECT_EQ(b.wb.boxTable.caption(9), "Cutter diameter, мм");
    EXPECT_EQ(b.wb.boxTable.text(2), "250");
    EXPECT_EQ(b.wb.tabSlotTable.caption(3), "Slot length");
    EXPECT_EQ(b.wb.spiralTable.cell(0, 0), "Parametr");
    EXPECT_EQ(b.wb.spiralTable.caption(4), "Number revolution");
    EXPECT_EQ(b.wb.screwTable, defaultScrewTable());
    EXPECT_EQ(b.wb.bobbinTable, defaultBobbinTable());

    const ParamTable once = b.wb.boxTable;
    setEnglishTables(b.wb);
    EXPECT_EQ(b.wb.boxTable, once);
    EXPECT_EQ(b.wb.boxTable.rowCount(), 10);
}

TEST(Language, RussianAfterEnglishGivesTheBuiltInCaptionsBackAndKeepsEveryValue) {
    Bench b;
    b.wb.boxTable.setCell(1, 2, "250");
    b.wb.boxTable.setCell(1, 11, "a row of a larger file");
    b.wb.spiralTable.setCell(1, 4, "9");
    setEnglishTables(b.wb);
    setRussianTables(b.wb);
    ParamTable main = defaultMainTable();
    main.setCell(1, 2, "250");
    main.setCell(1, 11, "a row of a larger file");
    ParamTable spiral = defaultSpiralTable();
    spiral.setCell(1, 4, "9");
    EXPECT_EQ(b.wb.boxTable, main);
    EXPECT_EQ(b.wb.tabSlotTable, defaultTabSlotTable());
    EXPECT_EQ(b.wb.spiralTable, spiral);
    EXPECT_FALSE(tablesAreEnglish(b.wb));
}

TEST(Language, TheBuiltInTablesAreRussian) {
    Bench b;
    EXPECT_FALSE(tablesAreEnglish(b.wb));
}

}  // namespace
}  // namespace tessaro
