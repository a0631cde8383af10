#include "app/language.h"

#include <array>
#include <initializer_list>
#include <string>

#include "model/default_tables.h"

namespace tessaro {
namespace {

constexpr std::array<EnglishText, 12> kControls = {{
    {"cornerRelief", "Cut straight inside corners"},
    {"roundedLidCorners", "Rounding corner lid"},
    {"supportJumper", "Jumper support"},
    {"feet", "Feet on the sidewall"},
    {"simpleRoundedLidCorners", "Rounding corner lid"},
    {"simpleCornerRelief", "Cut straight inside corners"},
    {"tabSlotRelief", "Cut straight inside corners"},
    {"spiralGroup", "Archimedean spiral"},
    {"foldingBoxTab", "Folding box"},
    {"simpleBoxTab", "Simple box"},
    {"tabSlotTab", "Tab-slot"},
    {"spiralTab", "Archimedean spiral"},
}};

// Header cells first ((0, 0), then (1, 0)), then the caption of each row from row 1.
void setCaptions(ParamTable& table, std::string_view headerCaption, std::initializer_list<std::string_view> rows) {
    table.setCell(0, 0, std::string(headerCaption));
    table.setCell(1, 0, "Value");
    int row = 1;
    for (std::string_view caption : rows) {
        table.setCell(0, row++, std::string(caption));
    }
}

// The header cells and each row's caption as the built-in table has them.
void setCaptionsOf(ParamTable& table, const ParamTable& builtIn) {
    table.setCell(1, 0, builtIn.cell(1, 0));
    for (int row = 0; row < builtIn.rowCount(); ++row) {
        table.setCell(0, row, builtIn.caption(row));
    }
}

}  // namespace

std::span<const EnglishText> englishControlTexts() { return kControls; }

std::string_view englishTextOf(std::string_view control) {
    for (const EnglishText& entry : kControls) {
        if (entry.control == control) {
            return entry.text;
        }
    }
    return {};
}

void setEnglishTables(Workbench& wb) {
    setCaptions(wb.boxTable, "Housing options",
                {"Material thickness", "Inner width", "Inner height", "Inner depth", "Tab thickness allowance",
                 "Allowance tab length", "Frame, usally=H material", "Tab height, usally=H material",
                 "Cutter diameter, мм"});
    setCaptions(wb.tabSlotTable, "Housing options",
                {"Material thickness", "Tab length", "Slot length", "Tab thickness allowance",
                 "Allowance tab length", "Cutter diameter, мм"});
    setCaptions(wb.spiralTable, "Parametr",
                {"Start Radius R,мм", "Step vectors, degress Fi(1,10,15,30)", "Step revolution St",
                 "Number revolution"});
}

void setRussianTables(Workbench& wb) {
    setCaptionsOf(wb.boxTable, defaultMainTable());
    setCaptionsOf(wb.tabSlotTable, defaultTabSlotTable());
    setCaptionsOf(wb.spiralTable, defaultSpiralTable());
}

bool tablesAreEnglish(const Workbench& wb) { return wb.boxTable.cell(1, 0) == "Value"; }

}  // namespace tessaro
