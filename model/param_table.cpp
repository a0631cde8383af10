#include "model/param_table.h"

#include <algorithm>
#include <stdexcept>

#include "model/number_parse.h"

namespace tessaro {

ParamTable::ParamTable(std::string headerCaption, std::string headerValue, std::vector<Row> rows) {
    cells_.reserve(rows.size() + 1);
    cells_.push_back({std::move(headerCaption), std::move(headerValue)});
    for (Row& row : rows) {
        cells_.push_back({std::move(row.caption), std::move(row.value)});
    }
}

const std::string& ParamTable::cell(int column, int row) const {
    static const std::string empty;
    if (row < 0 || row >= rowCount() || column < 0) {
        return empty;
    }
    const auto& cells = cells_[static_cast<std::size_t>(row)];
    return static_cast<std::size_t>(column) < cells.size() ? cells[static_cast<std::size_t>(column)] : empty;
}

void ParamTable::setCell(int column, int row, std::string text) {
    if (row < 0 || column < 0) {
        throw std::out_of_range("A table cell has no negative address");
    }
    columns_ = std::max(columns_, column + 1);
    if (row >= rowCount()) {
        cells_.resize(static_cast<std::size_t>(row) + 1);
    }
    auto& cells = cells_[static_cast<std::size_t>(row)];
    if (static_cast<std::size_t>(column) >= cells.size()) {
        cells.resize(static_cast<std::size_t>(column) + 1);
    }
    cells[static_cast<std::size_t>(column)] = std::move(text);
}

bool operator==(const ParamTable& a, const ParamTable& b) {
    if (a.rowCount() != b.rowCount() || a.columnCount() != b.columnCount()) {
        return false;
    }
    for (int row = 0; row < a.rowCount(); ++row) {
        for (int column = 0; column < a.columnCount(); ++column) {
            if (a.cell(column, row) != b.cell(column, row)) {
                return false;
            }
        }
    }
    return true;
}

namespace {

template <typename Parse>
auto parsedCell(const ParamTable& table, int row, Parse parse) {
    try {
        return parse(table.text(row));
    } catch (const ConversionError& e) {
        throw BadCellError(e, table, row);
    }
}

}  // namespace

double ParamTable::real(int row) const { return parsedCell(*this, row, parseReal); }

int ParamTable::integer(int row) const { return parsedCell(*this, row, parseInteger); }

}  // namespace tessaro
