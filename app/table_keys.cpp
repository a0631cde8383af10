#include "app/table_keys.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <string>

namespace tessaro {
namespace {

struct TableKeys {
    std::string_view name;
    ParamTable Workbench::*table;
    std::array<std::string_view, 9> symbols;  // row 1 first
};

const std::array<TableKeys, 5> kTables = {{
    {"main", &Workbench::boxTable, {"M", "W", "H", "D", "Ah", "Al", "F", "T", "Cd"}},
    {"screw", &Workbench::screwTable, {"L1", "L2", "L3", "L4", "L5"}},
    {"tabslot", &Workbench::tabSlotTable, {"T", "L", "G", "A", "B", "D"}},
    {"spiral", &Workbench::spiralTable, {"R", "Fi", "St", "N"}},
    {"bobbin", &Workbench::bobbinTable, {"t", "h", "b", "a", "k", "g"}},
}};

int rowOf(const TableKeys& keys, const ParamTable& table, std::string_view key) {
    for (std::size_t i = 0; i < keys.symbols.size(); ++i) {
        if (!keys.symbols[i].empty() && keys.symbols[i] == key) {
            return static_cast<int>(i) + 1;
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

std::string keyOf(const TableKeys& keys, int row) {
    const auto index = static_cast<std::size_t>(row - 1);
    const std::string_view symbol = index < keys.symbols.size() ? keys.symbols[index] : std::string_view{};
    return std::string(keys.name) + "." + (symbol.empty() ? std::to_string(row) : std::string(symbol));
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
    for (const TableKeys& keys : kTables) {
        if (keys.name != tableName) {
            continue;
        }
        ParamTable& table = wb.*keys.table;
        const int row = rowOf(keys, table, key);
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
    for (const TableKeys& keys : kTables) {
        if (&(wb.*keys.table) == &table) {
            return keyOf(keys, row);
        }
    }
    return {};
}

std::vector<TableRow> tableRows(const Workbench& wb) {
    std::vector<TableRow> rows;
    for (const TableKeys& keys : kTables) {
        const ParamTable& table = wb.*keys.table;
        for (int row = 1; row < table.rowCount(); ++row) {
            rows.push_back({keyOf(keys, row), table.caption(row), table.text(row)});
        }
    }
    return rows;
}

}  // namespace tessaro
