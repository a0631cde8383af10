#include "model/default_tables.h"

#include <string>
#include <vector>

namespace tessaro {

ParamTable builtInTable(const TableSchema& schema) {
    std::vector<ParamTable::Row> rows;
    for (const RowSchema& row : schema.rows) {
        rows.push_back({std::string(row.russian), std::string(row.defaultValue)});
    }
    return ParamTable(std::string(schema.russianHeader), std::string(kRussianValueHeader), std::move(rows));
}

ParamTable defaultMainTable() { return builtInTable(kMainSchema); }
ParamTable defaultScrewTable() { return builtInTable(kScrewSchema); }
ParamTable defaultTabSlotTable() { return builtInTable(kTabSlotSchema); }
ParamTable defaultSpiralTable() { return builtInTable(kSpiralSchema); }
ParamTable defaultBobbinTable() { return builtInTable(kBobbinSchema); }

}  // namespace tessaro
