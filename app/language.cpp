#include "app/language.h"

#include <string>

#include "model/table_schema.h"

namespace tessaro {
namespace {

// The English header cells first ((0, 0), then (1, 0)), then the caption of each row
// from row 1.
void setEnglishCaptions(ParamTable& table, const TableSchema& schema) {
    table.setCell(0, 0, std::string(schema.englishHeader));
    table.setCell(1, 0, std::string(kEnglishValueHeader));
    for (const RowSchema& row : schema.rows) {
        table.setCell(0, row.row, std::string(row.english));
    }
}

// The header cells and each row's caption as the built-in table has them.
void setRussianCaptions(ParamTable& table, const TableSchema& schema) {
    table.setCell(1, 0, std::string(kRussianValueHeader));
    table.setCell(0, 0, std::string(schema.russianHeader));
    for (const RowSchema& row : schema.rows) {
        table.setCell(0, row.row, std::string(row.russian));
    }
}

// The English switch changes only the tables whose schema has English captions.
bool translated(const TableSchema& schema) { return !schema.englishHeader.empty(); }

}  // namespace

void setEnglishTables(Workbench& wb) {
    for (ParamTable Workbench::*table : kWorkbenchTables) {
        if (translated(schemaOf(table))) {
            setEnglishCaptions(wb.*table, schemaOf(table));
        }
    }
}

void setRussianTables(Workbench& wb) {
    for (ParamTable Workbench::*table : kWorkbenchTables) {
        if (translated(schemaOf(table))) {
            setRussianCaptions(wb.*table, schemaOf(table));
        }
    }
}

bool tablesAreEnglish(const Workbench& wb) { return wb.boxTable.cell(1, 0) == kEnglishValueHeader; }

}  // namespace tessaro
