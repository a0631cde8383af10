#include "app/table_keys.h"

#include <algorithm>
#include <charconv>
#include <string>

namespace tessaro {
namespace {

// The row a key names: a symbol of the schema, or the number of any value row the table
// holds (rows of a larger file have no symbol); 0 for none.
int rowOf(const TableSchema& schema, const ParamTable& table, std::string_view key) {
    for (const RowSchema& row : schema.rows) {
        if (row.symbol == key) {
            return row.row;
        }
    }
    int row = 0;
    const auto [end, ec] = std::from_chars(key.data(), key.data() + key.size(), row);
    if (ec != std::errc{} || end != key.data() + key.size() || row < 1 || row >= table.rowCount()) {
        return 0;
    }
    return row;
}

// A line break or another control character in a cell would end up inside the
// documents' header lines.
bool holdsControlCharacter(std::string_view text) {
    return std::any_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7F;
    });
}

std::string keyOf(const TableSchema& schema, int row) {
    const RowSchema* described = schema.find(row);
    return std::string(schema.name) + "." + (described ? std::string(described->symbol) : std::to_string(row));
}

}  // namespace

void assignTableValue(Workbench& wb, std::string_view assignment) {
    const std::size_t dot = assignment.find('.');
    const std::size_t equals = assignment.find('=');
    if (dot == std::string_view::npos || equals == std::string_view::npos || equals < dot) {
        throw UsageError("--set takes TABLE.KEY=TEXT, not '" + std::string(assignment) + "'");
    }
    const std::string_view tableName = assignment.substr(0, dot);
    const std::string_view key = assignment.substr(dot + 1, equals - dot - 1);
    const std::string_view text = assignment.substr(equals + 1);
    for (ParamTable Workbench::*member : kWorkbenchTables) {
        const TableSchema& schema = schemaOf(member);
        if (schema.name != tableName) {
            continue;
        }
        ParamTable& table = wb.*member;
        const int row = rowOf(schema, table, key);
        if (row == 0) {
            throw UsageError("The " + std::string(tableName) + " table has no row '" + std::string(key) + "'");
        }
        if (holdsControlCharacter(text)) {
            throw UsageError("The value of " + std::string(tableName) + "." + std::string(key) +
                             " holds a line break or another control character");
        }
        table.setCell(1, row, std::string(text));
        return;
    }
    throw UsageError("There is no table '" + std::string(tableName) +
                     "'; the tables are main, screw, tabslot, spiral and bobbin");
}

std::string tableKeyOf(const Workbench& wb, const ParamTable& table, int row) {
    for (ParamTable Workbench::*member : kWorkbenchTables) {
        if (&(wb.*member) == &table) {
            return keyOf(schemaOf(member), row);
        }
    }
    return {};
}

std::vector<TableRow> tableRows(const Workbench& wb) {
    std::vector<TableRow> rows;
    for (ParamTable Workbench::*member : kWorkbenchTables) {
        const ParamTable& table = wb.*member;
        for (int row = 1; row < table.rowCount(); ++row) {
            rows.push_back({keyOf(schemaOf(member), row), table.caption(row), table.text(row)});
        }
    }
    return rows;
}

}  // namespace tessaro
