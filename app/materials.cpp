#include "app/materials.h"

#include <algorithm>
#include <charconv>

#include "app/kerf_setting.h"
#include "app/table_files.h"
#include "app/table_keys.h"
#include "output/files.h"
#include "output/number_text.h"
#include "output/text_file.h"

namespace tessaro {
namespace {

namespace fs = std::filesystem;

// The file's columns, in order.
enum MaterialColumn { Name, Thickness, Kerf, SlotAllowance, TabLengthAllowance, ColumnCount };

constexpr std::string_view kHeader[ColumnCount] = {"Материал", "Толщина материала", "Пропил",
                                                   "Припуск отверстия на толщину зуба",
                                                   "Припуск длины зуба (скругление фрезы)"};

// No sheet a laser or a mill cuts is a metre thick, nor is an allowance on it a metre.
constexpr double kLargestMaterialSize = 1000;

// Each value of a material, the cells it goes to, one in each table, and its range: a
// thickness is more than the finest size drawn, an allowance may be negative.
struct MaterialValue {
    std::string Material::*text;
    MainRow mainRow;
    TabSlotTableRow tabSlotRow;
    std::string_view name;
    double least;
};

constexpr MaterialValue kTableValues[] = {
    {&Material::thickness, MainRow::Thickness, TabSlotTableRow::Thickness, "the thickness", kFinestMillimetres},
    {&Material::slotAllowance, MainRow::SlotAllowance, TabSlotTableRow::SlotAllowance, "the slot allowance",
     -kLargestMaterialSize},
    {&Material::tabLengthAllowance, MainRow::TabLengthAllowance, TabSlotTableRow::TabLengthAllowance,
     "the tab length allowance", -kLargestMaterialSize},
};

// A value read as a cell reads it, then kept within its range, so that a preset never
// stores or sets what no drawing could be made with (a thickness of 1e308).
double materialNumber(const Material& material, const MaterialValue& value) {
    const std::string& text = material.*value.text;
    try {
        const double number = parseReal(text);
        if (!(number >= value.least && number <= kLargestMaterialSize)) {
            throw ConversionError(std::string(value.name) + " '" + text + "' is not from " +
                                  fixedText(value.least, 6, TrailingZeros::Dropped) + " to " +
                                  fixedText(kLargestMaterialSize, 0) + " mm");
        }
        return number;
    } catch (const ConversionError& e) {
        throw ConversionError("The material \"" + material.name + "\": " + e.what());
    }
}

std::string numberText(double value) {
    char text[32];
    return {text, std::to_chars(text, text + sizeof text, value == 0 ? 0.0 : value).ptr};
}

// A name goes to a cell of a Windows-1251 file, and must come back from it as typed.
void refuseUnkeptName(std::string_view name) {
    const bool blank = name.find_first_not_of(' ') == std::string_view::npos;
    const bool control =
        std::ranges::any_of(name, [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; });
    if (blank || control || fromWindows1251(toWindows1251(name)) != name) {
        throw UsageError("\"" + std::string(name) +
                         "\" cannot name a material: a name is not blank and holds no control character "
                         "and no character that Windows-1251 lacks");
    }
}

ParamTable fileTable(const std::vector<Material>& materials) {
    ParamTable table{std::string(kHeader[Name]), std::string(kHeader[Thickness]), {}};
    for (int column = Kerf; column < ColumnCount; ++column) {
        table.setCell(column, 0, std::string(kHeader[column]));
    }
    int row = 1;
    for (const Material& m : materials) {
        const std::string* cells[ColumnCount] = {&m.name, &m.thickness, &m.kerf, &m.slotAllowance,
                                                 &m.tabLengthAllowance};
        for (int column = 0; column < ColumnCount; ++column) {
            table.setCell(column, row, *cells[column]);
        }
        ++row;
    }
    return table;
}

std::vector<Material> materialsOf(const ParamTable& table) {
    std::vector<Material> materials;
    for (int row = 1; row < table.rowCount(); ++row) {
        if (table.cell(Name, row).empty()) {
            continue;
        }
        materials.push_back({table.cell(Name, row), table.cell(Thickness, row), table.cell(Kerf, row),
                             table.cell(SlotAllowance, row), table.cell(TabLengthAllowance, row)});
    }
    return materials;
}

}  // namespace

std::vector<MaterialCell> materialCells(const Material& material) {
    std::vector<MaterialCell> cells;
    for (const MaterialValue& value : kTableValues) {
        (void)materialNumber(material, value);
        const std::string& text = material.*value.text;
        cells.push_back({&Workbench::boxTable, rowNumber(value.mainRow), text});
        cells.push_back({&Workbench::tabSlotTable, rowNumber(value.tabSlotRow), text});
    }
    (void)materialKerf(material);
    return cells;
}

double materialKerf(const Material& material) {
    try {
        return parseKerf(material.kerf);
    } catch (const ConversionError& e) {
        throw ConversionError("The material \"" + material.name + "\": " + e.what());
    }
}

void applyMaterial(Workbench& wb, const Material& material) {
    for (const MaterialCell& cell : materialCells(material)) {
        (wb.*cell.table).setCell(1, cell.row, cell.text);
    }
    wb.kerf = materialKerf(material);
}

MaterialSource materialSourceFor(TemplateTab tab) {
    return tab == TemplateTab::TabSlot ? MaterialSource::TabSlotTable : MaterialSource::MainTable;
}

MaterialSource savedMaterialSource(std::span<const std::string> commands) {
    if (commands.empty()) {
        return MaterialSource::MainTable;
    }
    const TemplateCommand* command = commands.size() == 1 ? findCommand(commands.front()) : nullptr;
    if (command == nullptr || materialSourceFor(command->tab) != MaterialSource::TabSlotTable) {
        std::string named;
        for (const std::string& verb : commands) {
            named += (named.empty() ? "" : " ") + verb;
        }
        throw UsageError(
            "--save-material stores a preset and draws nothing: give no COMMAND, or tab-slot alone to "
            "store the tab-slot table's values, not '" +
            named + "'");
    }
    return MaterialSource::TabSlotTable;
}

Material currentMaterial(const Workbench& wb, std::string_view name, MaterialSource source) {
    refuseUnkeptName(name);
    Material material{std::string(name), {}, numberText(wb.kerf), {}, {}};
    for (const MaterialValue& value : kTableValues) {
        const ParamTable& table = source == MaterialSource::MainTable ? wb.boxTable : wb.tabSlotTable;
        const int row = source == MaterialSource::MainTable ? rowNumber(value.mainRow) : rowNumber(value.tabSlotRow);
        (void)table.real(row);  // a cell that is not a number is named, not saved
        material.*value.text = table.text(row);
    }
    // What a later --material would refuse is not stored.
    (void)materialCells(material);
    return material;
}

void MaterialStore::load(const fs::path& file) {
    materials_.clear();
    loaded_ = file;
    refused_.reset();
    std::error_code ignored;
    if (!fs::exists(file, ignored)) {
        return;
    }
    ParamTable table("", "", {});
    try {
        loadTableFile(table, file);
    } catch (const FileError&) {
        refused_ = file;
        throw;
    }
    materials_ = materialsOf(table);
}

const Material& MaterialStore::find(std::string_view name) const {
    const auto found = std::ranges::find(materials_, name, &Material::name);
    if (found == materials_.end()) {
        throw UsageError("No material is named \"" + std::string(name) + "\" in \"" + loaded_.string() +
                         "\"; --materials lists them");
    }
    return *found;
}

std::optional<std::string> MaterialStore::save(const Material& material, const fs::path& file) {
    std::vector<Material> materials = materials_;
    std::optional<fs::path> refused = refused_;
    std::error_code ignored;
    if (file != loaded_ && !fs::equivalent(file, loaded_, ignored)) {
        // Another folder's file (the tables are read from one and written to another): its
        // presets stay, and those read at start join them.
        MaterialStore there;
        try {
            there.load(file);
        } catch (const FileError&) {
        }
        refused = there.refused_;
        materials = there.materials_;
        for (const Material& m : materials_) {
            if (std::ranges::find(materials, m.name, &Material::name) == materials.end()) {
                materials.push_back(m);
            }
        }
    }
    const auto same = std::ranges::find(materials, material.name, &Material::name);
    same == materials.end() ? materials.push_back(material) : void(*same = material);
    std::optional<std::string> kept;
    if (refused) {
        kept = keepUnloadedFile(file);
    }
    saveTableFile(fileTable(materials), file);
    materials_ = std::move(materials);
    loaded_ = file;
    refused_.reset();
    return kept;
}

}  // namespace tessaro
