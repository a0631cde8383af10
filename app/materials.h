#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/commands.h"
#include "model/workbench.h"

namespace tessaro {

// The file of the material presets, kept beside the table files.
inline constexpr std::string_view kMaterialsFile = "Materials.txt";

// A named preset of a material: the texts its values are typed as. The thickness goes to the
// main table's M and the tab-slot table's T, the slot allowance to Ah and A, the tab length
// allowance to Al and B: the allowances of every joint the boxes and the test piece cut.
struct Material {
    std::string name;
    std::string thickness;
    std::string kerf;
    std::string slotAllowance;
    std::string tabLengthAllowance;

    friend bool operator==(const Material&, const Material&) = default;
};

// Where the values of a material are read from when it is saved.
enum class MaterialSource { MainTable, TabSlotTable };

// The tab-slot table on the tab-slot piece's tab, the main table on the others.
[[nodiscard]] MaterialSource materialSourceFor(TemplateTab tab);

// The table the command line's --save-material stores from: the main table with no
// template named, the tab-slot table with tab-slot alone, which names that table.
// Failure: UsageError for any other template, which would not be drawn.
[[nodiscard]] MaterialSource savedMaterialSource(std::span<const std::string> commands);

// One value cell a material sets.
struct MaterialCell {
    ParamTable Workbench::*table;
    int row;
    std::string text;
};

// The cells a material sets, in table order, once every value of it is checked: the
// thickness a number from 0.000001 to 1000 mm, each allowance from -1000 to 1000 mm, the
// kerf as --kerf takes it.
// Failure: ConversionError naming the material and the value that is not one.
[[nodiscard]] std::vector<MaterialCell> materialCells(const Material& material);
// The kerf a material sets. Failure: as materialCells.
[[nodiscard]] double materialKerf(const Material& material);

// Sets the material's cells and kerf; a material with a value that is not a number sets none.
void applyMaterial(Workbench& wb, const Material& material);

// The workbench's thickness, kerf and allowances under a name.
// Failure: UsageError for a name the file cannot keep (empty, a control character, a character
// Windows-1251 lacks); BadCellError for a value cell that is not a number; ConversionError,
// as materialCells, for a value the preset could not be applied with.
[[nodiscard]] Material currentMaterial(const Workbench& wb, std::string_view name, MaterialSource source);

// The presets of one Materials.txt: a header line, then a line a material, its name, thickness,
// kerf, slot allowance and tab length allowance each followed by a TAB; Windows-1251, CR LF,
// read and written by the table files' rules.
class MaterialStore {
public:
    // Reads the file; a missing file holds no materials. A file that cannot be read or is no
    // table file leaves the list empty, and is kept beside before the first save replaces it.
    // Failure: FileError, as loadTableFile.
    void load(const std::filesystem::path& file);

    [[nodiscard]] const std::vector<Material>& materials() const { return materials_; }
    // Failure: UsageError naming the material and the file.
    [[nodiscard]] const Material& find(std::string_view name) const;

    // Puts the material in the list, in the place of one of its name, and saves the list whole
    // into the file. A file other than the one loaded keeps its own presets, and gets those
    // loaded too. Returns the sentence of a refused file kept beside, or nothing.
    // Failure: FileError "Cannot create file "NAME". REASON"; the list is then as it was.
    std::optional<std::string> save(const Material& material, const std::filesystem::path& file);

private:
    std::vector<Material> materials_;
    std::filesystem::path loaded_;
    std::optional<std::filesystem::path> refused_;
};

}  // namespace tessaro
