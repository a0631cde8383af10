#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/number_parse.h"
#include "model/table_schema.h"

namespace tessaro {

// A grid of text cells: column 0 captions, column 1 values, row 0 the header.
// Nothing is converted until a command reads a cell. Cells are addressed (column, row).
class ParamTable {
public:
    struct Row {
        std::string caption;
        std::string value;
    };

    ParamTable(std::string headerCaption, std::string headerValue, std::vector<Row> rows);

    [[nodiscard]] int rowCount() const { return static_cast<int>(cells_.size()); }
    [[nodiscard]] int columnCount() const { return columns_; }

    // An empty text for a cell outside the table.
    [[nodiscard]] const std::string& cell(int column, int row) const;
    // Grows the table when the cell lies outside it; the table never shrinks. Only the
    // cell's own row is widened, so filling a wide table costs no more than its cells.
    void setCell(int column, int row, std::string text);

    [[nodiscard]] const std::string& caption(int row) const { return cell(0, row); }
    [[nodiscard]] const std::string& text(int row) const { return cell(1, row); }
    // The value cell of a row, converted by the number rule; a bad cell throws a
    // BadCellError naming this table and the row.
    [[nodiscard]] double real(int row) const;
    [[nodiscard]] int integer(int row) const;
    // The same with the row named as the schema names it (MainRow::Width).
    template <RowName Row>
    [[nodiscard]] const std::string& text(Row row) const {
        return text(rowNumber(row));
    }
    template <RowName Row>
    [[nodiscard]] double real(Row row) const {
        return real(rowNumber(row));
    }
    template <RowName Row>
    [[nodiscard]] int integer(Row row) const {
        return integer(rowNumber(row));
    }
    template <RowName Row>
    void setValue(Row row, std::string text) {
        setCell(1, rowNumber(row), std::move(text));
    }

    // Equal when every cell reads the same: a row's missing cells are empty ones.
    friend bool operator==(const ParamTable& a, const ParamTable& b);

private:
    std::vector<std::vector<std::string>> cells_;  // [row][column]; a row may be shorter than columns_
    int columns_ = 2;
};

// A value cell that is not a number: the message stays the number rule's, and the
// table and row tell the window which cell to show the user.
class BadCellError final : public ConversionError {
public:
    BadCellError(const ConversionError& error, const ParamTable& table, int row)
        : ConversionError(error), table(&table), row(row) {}
    const ParamTable* table;
    int row;
};

}  // namespace tessaro
