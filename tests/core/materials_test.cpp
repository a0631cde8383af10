#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/materials.h"
#include "app/table_keys.h"
#include "output/text_file.h"
#include "support.h"

namespace tessaro {
namespace {

namespace fs = std::filesystem;
using testing::Bench;
using testing::namesIn;
using testing::readFileBytes;

void writeBytes(const fs::path& path, std::string_view bytes) { std::ofstream(path, std::ios::binary) << bytes; }

const Material kBirch{"Берёза 4", "4", "0.15", "0.12", "0.25"};
const Material kAcrylic{"Acrylic 3", "3.0", "0.1", "-0.05", "0"};

class Materials : public ::testing::Test {
protected:
    testing::ScratchFolder scratch;
    const fs::path file = scratch.path / kMaterialsFile;
    Bench b;
};

TEST_F(Materials, SavedPresetsLoadBackInOrderAndASavedNameReplacesItsPreset) {
    MaterialStore store;
    store.load(file);
    EXPECT_TRUE(store.materials().empty());
    EXPECT_FALSE(store.save(kBirch, file));
    EXPECT_FALSE(store.save(kAcrylic, file));
    Material thinner = kBirch;
    thinner.thickness = "3.8";
    EXPECT_FALSE(store.save(thinner, file));

    MaterialStore reloaded;
    reloaded.load(file);
    EXPECT_EQ(reloaded.materials(), (std::vector<Material>{thinner, kAcrylic}));
    EXPECT_EQ(reloaded.find("Acrylic 3"), kAcrylic);
    // Written as the tables are: Windows-1251, a TAB after every cell, CR LF.
    const std::string bytes = readFileBytes(file);
    EXPECT_TRUE(bytes.starts_with(toWindows1251("Материал\tТолщина материала\tПропил\t")));
    EXPECT_NE(bytes.find(toWindows1251("\r\nБерёза 4\t3.8\t0.15\t0.12\t0.25\t\r\n")), std::string::npos);
}

TEST_F(Materials, AnUnknownNameIsAnErrorNamingItAndTheFile) {
    MaterialStore store;
    store.save(kBirch, file);
    try {
        (void)store.find("Берёза");
        ADD_FAILURE() << "found a material that is not there";
    } catch (const UsageError& e) {
        EXPECT_NE(std::string(e.what()).find("\"Берёза\""), std::string::npos);
        EXPECT_NE(std::string(e.what()).find(file.string()), std::string::npos);
    }
}

TEST_F(Materials, AMaterialSetsTheThicknessAndAllowancesOfBothTablesAndTheKerf) {
    applyMaterial(b.wb, kBirch);
    using enum MainRow;
    EXPECT_EQ(b.wb.boxTable.text(Thickness), "4");
    EXPECT_EQ(b.wb.boxTable.text(SlotAllowance), "0.12");
    EXPECT_EQ(b.wb.boxTable.text(TabLengthAllowance), "0.25");
    EXPECT_EQ(b.wb.tabSlotTable.text(TabSlotTableRow::Thickness), "4");
    EXPECT_EQ(b.wb.tabSlotTable.text(TabSlotTableRow::SlotAllowance), "0.12");
    EXPECT_EQ(b.wb.tabSlotTable.text(TabSlotTableRow::TabLengthAllowance), "0.25");
    EXPECT_DOUBLE_EQ(b.wb.kerf, 0.15);
    // The tab height and frame margin are the user's choice of joint, not the material's.
    EXPECT_EQ(b.wb.boxTable.text(TabHeight), "5");
    EXPECT_EQ(b.wb.boxTable.text(FrameMargin), "5");
    // What --set gives after the material wins.
    assignTableValue(b.wb, "main.Ah=0.3");
    EXPECT_EQ(b.wb.boxTable.text(SlotAllowance), "0.3");
}

// A value no cell, no --kerf and no drawing would take is named with its material, and
// nothing is set; the current values are not saved with one either.
TEST_F(Materials, AMaterialWithAValueThatIsNoNumberOrOutOfRangeSetsNothing) {
    struct Broken {
        std::string Material::*value;
        const char* text;
        const char* why;
    };
    const Broken broken[] = {
        {&Material::kerf, "0,15", "'0,15' is not a valid floating point value"},
        {&Material::kerf, "100", "The kerf '100' is not a width from 0 to 50 mm"},
        {&Material::kerf, "-0.1", "The kerf '-0.1' is not a width from 0 to 50 mm"},
        {&Material::thickness, "1e308", "the thickness '1e308' is not from 0.000001 to 1000 mm"},
        {&Material::thickness, "0", "the thickness '0' is not from 0.000001 to 1000 mm"},
        {&Material::slotAllowance, "-1e300", "the slot allowance '-1e300' is not from -1000 to 1000 mm"},
        {&Material::tabLengthAllowance, "1001", "the tab length allowance '1001' is not from -1000 to 1000 mm"},
    };
    const ParamTable before = b.wb.boxTable;
    for (const Broken& value : broken) {
        Material material = kBirch;
        material.*value.value = value.text;
        try {
            applyMaterial(b.wb, material);
            ADD_FAILURE() << "applied " << value.text;
        } catch (const ConversionError& e) {
            EXPECT_EQ(std::string(e.what()), std::string("The material \"Берёза 4\": ") + value.why);
        }
        EXPECT_EQ(b.wb.boxTable, before);
        EXPECT_EQ(b.wb.kerf, 0);
    }
    for (const char* cell : {"main.M=1e308", "main.Al=-1001"}) {
        Bench current;
        assignTableValue(current.wb, cell);
        EXPECT_THROW((void)currentMaterial(current.wb, "Birch", MaterialSource::MainTable), ConversionError) << cell;
        EXPECT_NO_THROW((void)currentMaterial(current.wb, "Birch", MaterialSource::TabSlotTable)) << cell;
    }
}

TEST_F(Materials, TheCurrentMaterialIsReadFromTheTableOfTheTab) {
    applyMaterial(b.wb, kBirch);
    assignTableValue(b.wb, "tabslot.A=0.08");
    EXPECT_EQ(currentMaterial(b.wb, "Birch", materialSourceFor(TemplateTab::TabSlot)),
              (Material{"Birch", "4", "0.15", "0.08", "0.25"}));
    EXPECT_EQ(currentMaterial(b.wb, "Birch", materialSourceFor(TemplateTab::FoldingBox)),
              (Material{"Birch", "4", "0.15", "0.12", "0.25"}));
    // Saved and applied, it gives the same values back.
    MaterialStore store;
    store.save(currentMaterial(b.wb, "Birch", MaterialSource::TabSlotTable), file);
    Bench other;
    applyMaterial(other.wb, store.find("Birch"));
    EXPECT_EQ(other.wb.tabSlotTable, b.wb.tabSlotTable);
    EXPECT_EQ(other.wb.kerf, b.wb.kerf);

    assignTableValue(b.wb, "main.Al=long");
    EXPECT_THROW((void)currentMaterial(b.wb, "Birch", MaterialSource::MainTable), BadCellError);
    for (std::string_view name : {"", "   ", "a\tb", "中"}) {
        EXPECT_THROW((void)currentMaterial(b.wb, name, MaterialSource::TabSlotTable), UsageError) << name;
    }
}

TEST_F(Materials, AFileThatIsNoTableIsRefusedAndKeptBesideWhenAPresetIsSaved) {
    const std::string binary("\x00\x01 not a table", 14);
    writeBytes(file, binary);
    MaterialStore store;
    EXPECT_THROW(store.load(file), FileError);
    EXPECT_TRUE(store.materials().empty());
    EXPECT_EQ(readFileBytes(file), binary);

    const auto kept = store.save(kBirch, file);
    ASSERT_TRUE(kept);
    EXPECT_NE(kept->find("Materials.refused.txt"), std::string::npos);
    EXPECT_EQ(readFileBytes(scratch.path / "Materials.refused.txt"), binary);
    MaterialStore reloaded;
    reloaded.load(file);
    EXPECT_EQ(reloaded.materials(), std::vector<Material>{kBirch});
    EXPECT_EQ(namesIn(scratch.path), (std::set<std::string>{"Materials.txt", "Materials.refused.txt"}));
}

TEST_F(Materials, AFailedSaveKeepsTheListAndTheFile) {
    MaterialStore store;
    store.save(kBirch, file);
    const std::string before = readFileBytes(file);
    EXPECT_THROW(store.save(kAcrylic, scratch.path / "no such folder" / kMaterialsFile), FileError);
    EXPECT_EQ(store.materials(), std::vector<Material>{kBirch});
    EXPECT_EQ(readFileBytes(file), before);
}

}  // namespace
}  // namespace tessaro
