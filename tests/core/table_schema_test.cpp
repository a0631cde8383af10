#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "app/language.h"
#include "app/table_keys.h"
#include "model/number_parse.h"
#include "model/table_schema.h"
#include "support.h"

namespace tessaro {
namespace {

using testing::Bench;

std::vector<std::string> keysOf(const std::vector<TableRow>& rows) {
    std::vector<std::string> keys;
    for (const TableRow& row : rows) {
        keys.push_back(row.key);
    }
    return keys;
}

// A symbol that reads as a number would hide the row of that number from --set.
bool isRowNumber(std::string_view symbol) {
    return !symbol.empty() && symbol.find_first_not_of("0123456789") == std::string_view::npos;
}

TEST(TableSchema, EveryTableAndSymbolIsNamedOnceAndNoSymbolHidesARowNumber) {
    std::set<std::string_view> tables;
    for (const TableSchema* schema : kTableSchemas) {
        EXPECT_TRUE(tables.insert(schema->name).second) << schema->name;
        EXPECT_FALSE(schema->rows.empty()) << schema->name;
        std::set<std::string_view> symbols;
        for (const RowSchema& row : schema->rows) {
            EXPECT_FALSE(row.symbol.empty()) << schema->name << " row " << row.row;
            EXPECT_FALSE(isRowNumber(row.symbol)) << schema->name << "." << row.symbol;
            EXPECT_EQ(row.symbol.find_first_of(".= \t"), std::string_view::npos) << schema->name << "." << row.symbol;
            EXPECT_TRUE(symbols.insert(row.symbol).second) << schema->name << "." << row.symbol;
        }
    }
    EXPECT_EQ(tables.size(), kTableSchemas.size());
}

// The English switch changes a table whole or not at all: a table with an English
// header has an English caption on every row, and one without has none that would be
// silently left out.
TEST(TableSchema, EveryRowHasARussianCaptionAndTranslatedTablesAnEnglishOne) {
    int translated = 0;
    for (const TableSchema* schema : kTableSchemas) {
        EXPECT_FALSE(schema->russianHeader.empty()) << schema->name;
        const bool english = !schema->englishHeader.empty();
        translated += english ? 1 : 0;
        for (const RowSchema& row : schema->rows) {
            EXPECT_FALSE(row.russian.empty()) << schema->name << "." << row.symbol;
            EXPECT_EQ(row.english.empty(), !english) << schema->name << "." << row.symbol;
            if (english) {
                EXPECT_NE(row.english, row.russian) << schema->name << "." << row.symbol;
            }
        }
    }
    EXPECT_EQ(translated, 3);
}

// Each workbench table starts as its schema describes it: one described row per value
// row, a symbol for every key, and a default value the number rule reads.
TEST(TableSchema, EveryRowOfTheBuiltInTablesIsDescribedAndHoldsANumber) {
    Bench b;
    for (ParamTable Workbench::*member : kWorkbenchTables) {
        const TableSchema& schema = schemaOf(member);
        const ParamTable& table = b.wb.*member;
        ASSERT_EQ(table.rowCount(), static_cast<int>(schema.rows.size()) + 1) << schema.name;
        EXPECT_EQ(schema.find(0), nullptr);
        EXPECT_EQ(schema.find(table.rowCount()), nullptr);
        for (int row = 1; row < table.rowCount(); ++row) {
            const RowSchema* described = schema.find(row);
            ASSERT_NE(described, nullptr) << schema.name << " row " << row;
            EXPECT_EQ(described->row, row);
            EXPECT_EQ(table.caption(row), described->russian);
            EXPECT_EQ(tableKeyOf(b.wb, table, row), std::string(schema.name) + "." + std::string(described->symbol));
            EXPECT_NO_THROW((void)parseReal(table.text(row))) << schema.name << "." << described->symbol;
        }
    }
}

// Setting a row by the key --show-tables lists changes that row's value and no other
// cell, in either language, and a row of a larger file is reached by its number.
TEST(TableSchema, EveryListedKeyRoundTripsThroughSet) {
    Bench b;
    b.wb.boxTable.setCell(1, 11, "a row of a larger file");
    for (const bool english : {false, true}) {
        if (english) {
            setEnglishTables(b.wb);
        }
        const std::vector<TableRow> before = tableRows(b.wb);
        ASSERT_EQ(before.size(), 30u + 2u);  // the larger file's row 11 and the empty row 10 before it
        const std::vector<std::string> keys = keysOf(before);
        EXPECT_EQ(std::set<std::string>(keys.begin(), keys.end()).size(), keys.size());
        EXPECT_EQ(keys[9], "main.10");
        EXPECT_EQ(keys[10], "main.11");
        for (std::size_t i = 0; i < before.size(); ++i) {
            const std::string marker = "set " + before[i].key;
            assignTableValue(b.wb, before[i].key + "=" + marker);
            const std::vector<TableRow> after = tableRows(b.wb);
            ASSERT_EQ(keysOf(after), keys);
            for (std::size_t j = 0; j < after.size(); ++j) {
                EXPECT_EQ(after[j].caption, before[j].caption);
                EXPECT_EQ(after[j].value, j == i ? marker : before[j].value)
                    << before[i].key << " set " << after[j].key;
            }
            assignTableValue(b.wb, before[i].key + "=" + before[i].value);
        }
    }
}

}  // namespace
}  // namespace tessaro
