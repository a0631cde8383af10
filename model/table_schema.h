#pragma once

#include <array>
#include <span>
#include <string_view>
#include <type_traits>

namespace tessaro {

// The value rows of each table by name; the number of a row is its enumerator's value,
// row 0 being the header.
enum class MainRow {
    Thickness = 1,
    Width,
    Height,
    Depth,
    SlotAllowance,
    TabLengthAllowance,
    FrameMargin,
    TabHeight,
    ToolDiameter,
};

enum class ScrewRow { ChannelToNut = 1, NutThickness, ChannelBeyondNut, ScrewDiameter, NutWidth };

// "Table" in its name keeps it apart from the box's row of tabs and slots (TabSlotRow).
enum class TabSlotTableRow { Thickness = 1, TabLength, Gap, SlotAllowance, TabLengthAllowance, ToolDiameter };

enum class SpiralRow { StartRadius = 1, StepAngle, TurnPitch, Turns };

enum class BobbinRow { Thickness = 1, WindowHeight, WindowWidth, LegWidth, LegThickness, Clearance };

template <typename Row>
concept RowName = std::is_same_v<Row, MainRow> || std::is_same_v<Row, ScrewRow> ||
    std::is_same_v<Row, TabSlotTableRow> || std::is_same_v<Row, SpiralRow> || std::is_same_v<Row, BobbinRow>;

template <RowName Row>
[[nodiscard]] constexpr int rowNumber(Row row) {
    return static_cast<int>(row);
}

// What the program knows of one value row of a built-in table.
struct RowSchema {
    int row;
    std::string_view symbol;        // its key after the table's name: main.W
    std::string_view russian;       // its caption in the built-in table
    std::string_view english;       // its caption after the English switch; empty where the switch leaves it
    std::string_view defaultValue;  // the text the program starts with

    template <RowName Row>
    constexpr RowSchema(Row name, std::string_view symbol, std::string_view russian, std::string_view english,
                        std::string_view defaultValue)
        : row(rowNumber(name)), symbol(symbol), russian(russian), english(english), defaultValue(defaultValue) {}
};

// A built-in table: its name as --set spells it, its header and its value rows in order.
struct TableSchema {
    std::string_view name;
    std::string_view russianHeader;
    std::string_view englishHeader;  // empty for a table the English switch leaves Russian
    std::span<const RowSchema> rows;

    // The row with that number; null for the header and for rows of a larger file.
    [[nodiscard]] constexpr const RowSchema* find(int row) const {
        return row >= 1 && row <= static_cast<int>(rows.size()) ? &rows[static_cast<std::size_t>(row - 1)] : nullptr;
    }
};

// The value column's header of every table, in each language.
inline constexpr std::string_view kRussianValueHeader = "Значение";
inline constexpr std::string_view kEnglishValueHeader = "Value";

inline constexpr std::array kMainRows = {
    RowSchema{MainRow::Thickness, "M", "Толщина материала", "Material thickness", "5"},
    RowSchema{MainRow::Width, "W", "Ширина между стенками", "Inner width", "200"},
    RowSchema{MainRow::Height, "H", "Высота между дном и крышкой", "Inner height", "100"},
    RowSchema{MainRow::Depth, "D", "Глубина между фасадом и тылом", "Inner depth", "110"},
    RowSchema{MainRow::SlotAllowance, "Ah", "Припуск отверстия на толщину зуба", "Tab thickness allowance", "0.1"},
    RowSchema{MainRow::TabLengthAllowance, "Al", "Припуск длины зуба (скругление фрезы)", "Allowance tab length",
              "0.2"},
    RowSchema{MainRow::FrameMargin, "F", "Припуск каркаса (обычно = толщине материала)", "Frame, usally=H material",
              "5"},
    RowSchema{MainRow::TabHeight, "T", "Высота зуба (обычно = толщине материала)", "Tab height, usally=H material",
              "5"},
    RowSchema{MainRow::ToolDiameter, "Cd", "Диаметр фрезы", "Cutter diameter, мм", "3.175"},
};

inline constexpr std::array kScrewRows = {
    RowSchema{ScrewRow::ChannelToNut, "L1", "L1", "", "10"},
    RowSchema{ScrewRow::NutThickness, "L2", "L2 (толщина гайки)", "", "4"},
    RowSchema{ScrewRow::ChannelBeyondNut, "L3", "L3", "", "5"},
    RowSchema{ScrewRow::ScrewDiameter, "L4", "L4 (диаметр винта)", "", "4"},
    RowSchema{ScrewRow::NutWidth, "L5", "L5 (внешний размер гайки)", "", "10"},
};

inline constexpr std::array kTabSlotRows = {
    RowSchema{TabSlotTableRow::Thickness, "T", "Толщина материала", "Material thickness", "5"},
    RowSchema{TabSlotTableRow::TabLength, "L", "Длина зуба", "Tab length", "25"},
    RowSchema{TabSlotTableRow::Gap, "G", "Пропуск зуба", "Slot length", "25"},
    RowSchema{TabSlotTableRow::SlotAllowance, "A", "Припуск отверстия на толщину зуба", "Tab thickness allowance",
              "0.1"},
    RowSchema{TabSlotTableRow::TabLengthAllowance, "B", "Припуск длины зуба (скругление фрезы)", "Allowance tab length",
              "0.2"},
    RowSchema{TabSlotTableRow::ToolDiameter, "D", "Диаметр фрезы", "Cutter diameter, мм", "3.175"},
};

inline constexpr std::array kSpiralRows = {
    RowSchema{SpiralRow::StartRadius, "R", "Начальный радиус  R, мм", "Start Radius R,мм", "10"},
    RowSchema{SpiralRow::StepAngle, "Fi", "Шаг вектора, градусы  Fi (1,10,15,30)",
              "Step vectors, degress Fi(1,10,15,30)", "15"},
    RowSchema{SpiralRow::TurnPitch, "St", "Шаг витка St, мм", "Step revolution St", "5"},
    RowSchema{SpiralRow::Turns, "N", "Число витков", "Number revolution", "8"},
};

inline constexpr std::array kBobbinRows = {
    RowSchema{BobbinRow::Thickness, "t", "Толщина материала", "", "1"},
    RowSchema{BobbinRow::WindowHeight, "h", "Высота окна h", "", "30"},
    RowSchema{BobbinRow::WindowWidth, "b", "Ширина окна b", "", "15"},
    RowSchema{BobbinRow::LegWidth, "a", "Ширина магнитопровода  У", "", "20"},
    RowSchema{BobbinRow::LegThickness, "k", "Толщина магнитопровода У1", "", "25"},
    RowSchema{BobbinRow::Clearance, "g", "Припуск на зазоры", "", "0.1"},
};

inline constexpr TableSchema kMainSchema{"main", "Параметры корпуса", "Housing options", kMainRows};
inline constexpr TableSchema kScrewSchema{"screw", "Размер", "", kScrewRows};
inline constexpr TableSchema kTabSlotSchema{"tabslot", "Параметры ", "Housing options", kTabSlotRows};
inline constexpr TableSchema kSpiralSchema{"spiral", "Параметры ", "Parametr", kSpiralRows};
inline constexpr TableSchema kBobbinSchema{"bobbin", "Параметры каркаса трансформатора", "", kBobbinRows};

// A row's place in its table is its enumerator's number, so the lists are in row order.
[[nodiscard]] constexpr bool numberedInOrder(std::span<const RowSchema> rows) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].row != static_cast<int>(i) + 1) {
            return false;
        }
    }
    return true;
}
static_assert(numberedInOrder(kMainRows) && numberedInOrder(kScrewRows) && numberedInOrder(kTabSlotRows) &&
              numberedInOrder(kSpiralRows) && numberedInOrder(kBobbinRows));

// The five tables in the order the window and the command line list them.
inline constexpr std::array<const TableSchema*, 5> kTableSchemas = {&kMainSchema, &kScrewSchema, &kTabSlotSchema,
                                                                    &kSpiralSchema, &kBobbinSchema};

}  // namespace tessaro
