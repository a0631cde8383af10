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
    if (row < 0 || row >= rowCount() || column < 0 || column >= columns_) {
        return empty;
    }
    return cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

void ParamTable::setCell(int column, int row, std::string text) {
    if (row < 0 || column < 0) {
        throw std::out_of_range("A table cell has no negative address");
    }
    columns_ = std::max(columns_, column + 1);
    if (row >= rowCount()) {
        cells_.resize(static_cast<std::size_t>(row) + 1);
    }
    for (auto& cells : cells_) {
        cells.resize(static_cast<std::size_t>(columns_));
    }
    cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] = std::move(text);
}

double ParamTable::real(int row) const { return parseReal(text(row)); }

int ParamTable::integer(int row) const { return parseInteger(text(row)); }

}  // namespace tessaro
