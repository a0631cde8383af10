#include "app/language.h"

#include <array>
#include <initializer_list>
#include <string>

namespace tessaro {
namespace {

constexpr std::array<EnglishText, 28> kControls = {{
    {"ExtAngle", "Cut straight inside corners"},
    {"CreateTop", "Lid"},
    {"Button2", "Rear"},
    {"CreateDown", "Bottom"},
    {"CreateFasad", "Front"},
    {"Button1", "Side"},
    {"CreateSide", "Side"},
    {"FullCase", "Make all"},
    {"CAngle", "Rounding corner lid"},
    {"ShortOpora", "Jumper support"},
    {"PinSel", "Feet on the sidewall"},
    {"SimpTop", "Lid"},
    {"SimpBack", "Rear"},
    {"SimpFront", "Front"},
    {"SimpSide", "Side"},
    {"SimpDown", "Bottom"},
    {"SimpSide2", "Side"},
    {"SimpCAngl", "Rounding corner lid"},
    {"SimpChAgl", "Cut straight inside corners"},
    {"AllSimp", "Make all"},
    {"ExtAngle2", "Cut straight inside corners"},
    {"ZubPaz", "Make template"},
    {"Arhimed", "Make Archimedean spiral"},
    {"GroupBox1", "Archimedean spiral"},
    {"TabSheet1", "Folding box"},
    {"TabSheet2", "Simple box"},
    {"TabSheet4", "Tab-slot"},
    {"TabSheet5", "Archimedean spiral"},
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
    setCaptions(wb.ParamGrid, "Housing options",
                {"Material thickness", "Inner width", "Inner height", "Inner depth", "Tab thickness allowance",
                 "Allowance tab length", "Frame, usally=H material", "Tab height, usally=H material",
                 "Cutter diameter, мм"});
    setCaptions(wb.ZubPazGrid, "Housing options",
                {"Material thickness", "Tab length", "Slot length", "Tab thickness allowance",
                 "Allowance tab length", "Cutter diameter, мм"});
    setCaptions(wb.ArhimedGrid, "Parametr",
                {"Start Radius R,мм", "Step vectors, degress Fi(1,10,15,30)", "Step revolution St",
                 "Number revolution"});
}

bool tablesAreEnglish(const Workbench& wb) { return wb.ParamGrid.cell(1, 0) == "Value"; }

}  // namespace tessaro
