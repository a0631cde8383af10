#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "app/commands.h"
#include "app/error_text.h"
#include "app/table_keys.h"
#include "support.h"

namespace tessaro {
namespace {

namespace fs = std::filesystem;
using testing::Bench;
using testing::ScriptedDialog;

using testing::readFileBytes;

class Commands : public ::testing::Test {
protected:
    testing::ScratchFolder scratch;
    const fs::path& dir = scratch.path;
    Bench b;
    ScriptedDialog dialog;
};

TEST_F(Commands, SpiralProposesItsNameFromTheCellsAsTyped) {
    performCommand(b.wb, *findCommand("spiral"), dialog);
    b.wb.spiralTable.setCell(1, 1, "10.0");
    performCommand(b.wb, *findCommand("spiral"), dialog);
    ASSERT_EQ(dialog.proposed.size(), 2U);
    EXPECT_EQ(dialog.proposed[0], "spiral R10mm Fi15 step5 rev8");
    EXPECT_EQ(dialog.proposed[1], "spiral R10.0mm Fi15 step5 rev8");
}

TEST_F(Commands, CancelKeepsTheTemplateAndWritesNothing) {
    EXPECT_FALSE(performCommand(b.wb, *findCommand("spiral"), dialog));
    EXPECT_EQ(epsOf(b.wb).size(), 213U);
    EXPECT_TRUE(fs::is_empty(dir));
}

TEST_F(Commands, SavesTheChosenType) {
    dialog.answer = SaveChoice{(dir / "s.eps").string(), FileType::Eps};
    const auto written = performCommand(b.wb, *findCommand("spiral"), dialog);
    ASSERT_TRUE(written);
    EXPECT_EQ(written->path, (dir / "s.eps").string());
    EXPECT_EQ(written->type, FileType::Eps);
    EXPECT_EQ(readFileBytes(dir / "s.eps").substr(0, 25), "%!PS-Adobe-3.0 EPSF-3.0\r\n");

    dialog.answer = SaveChoice{(dir / "s.dxf").string(), FileType::Dxf};
    performCommand(b.wb, *findCommand("spiral"), dialog);
    const std::string dxf = readFileBytes(dir / "s.dxf");
    EXPECT_EQ(dxf.substr(0, 14), "  0\r\nSECTION\r\n");
    EXPECT_EQ(dxf.substr(dxf.size() - 5), "EOF\r\n");
    EXPECT_EQ(dxfOf(b.wb).size(), 55U + 10 + 195 * 8 + 5);
}

TEST_F(Commands, FailedConversionShowsNoDialog) {
    b.wb.spiralTable.setCell(1, 1, "ten");
    EXPECT_THROW(performCommand(b.wb, *findCommand("spiral"), dialog), std::exception);
    EXPECT_TRUE(dialog.proposed.empty());
}

TEST_F(Commands, FileErrorLeavesTheDocumentsInMemory) {
    dialog.answer = SaveChoice{(dir / "no" / "s.dxf").string(), FileType::Dxf};
    EXPECT_THROW(performCommand(b.wb, *findCommand("spiral"), dialog), std::exception);
    EXPECT_EQ(epsOf(b.wb).size(), 213U);
}

// The command table: fifteen verbs, each button once, each template tab with one rule.
TEST(CommandTable, VerbsButtonsAndTabsAreEachListedOnce) {
    std::set<std::string_view> verbs;
    std::set<std::string_view> buttons;
    std::size_t buttonCount = 0;
    for (const TemplateCommand& command : templateCommands()) {
        verbs.insert(command.name);
        EXPECT_EQ(findCommand(command.name), &command);
        EXPECT_FALSE(command.help.empty()) << command.name;
        EXPECT_EQ(command.help.find('\n'), std::string_view::npos) << command.name;
        for (const TemplateButton& button : command.buttons) {
            buttons.insert(button.objectName);
            ++buttonCount;
            EXPECT_FALSE(button.caption.empty()) << button.objectName;
            EXPECT_GT(button.geometry.width, 0) << button.objectName;
            EXPECT_GT(button.geometry.height, 0) << button.objectName;
        }
    }
    EXPECT_EQ(verbs.size(), 15U);
    EXPECT_EQ(buttons.size(), buttonCount);
    EXPECT_EQ(buttonCount, 17U);
    EXPECT_EQ(findCommand("Spiral"), nullptr);

    std::set<TemplateTab> tabs;
    std::set<std::string_view> pages;
    for (const TabRule& rule : templateTabs()) {
        tabs.insert(rule.tab);
        pages.insert(rule.objectName);
        EXPECT_EQ(&tabRule(rule.tab), &rule);
    }
    EXPECT_EQ(tabs.size(), 5U);
    EXPECT_EQ(pages.size(), 5U);
}

TEST(CommandTable, EveryCommandLabelsItsTemplateAndProposesItsName) {
    const std::map<std::string_view, std::string> names = {
        {"facade", "5mm 200x100x110 facade"},
        {"rear", "5mm 200x100x110 facade"},
        {"simple-front", "5mm 200x100x110 facade"},
        {"simple-rear", "5mm 200x100x110 facade"},
        {"bottom", "5mm 200x100x110 bottom"},
        {"side", "5mm 200x100x110 side"},
        {"top", "5mm 200x100x110 top"},
        {"simple-top", "5mm 200x100x110 top"},
        {"simple-bottom", "5mm 200x100x110 top"},
        {"full", "5mm 200x100x110 full leg 2"},
        {"simple-side", "5mm 200x100x110 side"},
        {"simple-full", "5mm 200x100x110 fullsimpl"},
        {"tab-slot", "5mm 25x25 tab"},
        {"spiral", "spiral R10mm Fi15 step5 rev8"},
        {"bobbin", "1mm 30x15x20 trans"},
    };
    ASSERT_EQ(names.size(), templateCommands().size());
    for (const TemplateCommand& command : templateCommands()) {
        Bench b;
        EXPECT_EQ(command.proposedName(b.wb), names.at(command.name)) << command.name;
        command.run(b.wb);
        EXPECT_EQ(b.wb.templateLabel, command.label) << command.name;
        EXPECT_EQ(command.proposedName(b.wb), names.at(command.name)) << command.name;
    }
}

TEST(ErrorBoxText, AddsTheFullStopOnce) {
    EXPECT_EQ(errorBoxText("'a' is not a valid floating point value"), "'a' is not a valid floating point value.");
    EXPECT_EQ(errorBoxText("Done."), "Done.");
}

TEST(TableKeys, SetsCellsByRowNumberOrSymbol) {
    Bench b;
    assignTableValue(b.wb, "main.W=250");
    assignTableValue(b.wb, "main.2=250.5");
    assignTableValue(b.wb, "spiral.Fi=30");
    assignTableValue(b.wb, "bobbin.t= 2");
    assignTableValue(b.wb, "screw.L5=12");
    assignTableValue(b.wb, "tabslot.D=2");
    EXPECT_EQ(b.wb.boxTable.text(2), "250.5");
    EXPECT_EQ(b.wb.spiralTable.text(2), "30");
    EXPECT_EQ(b.wb.bobbinTable.text(1), " 2");
    EXPECT_EQ(b.wb.screwTable.text(5), "12");
    EXPECT_EQ(b.wb.tabSlotTable.text(6), "2");
}

TEST(TableKeys, RefusesUnknownTablesAndRows) {
    Bench b;
    EXPECT_THROW(assignTableValue(b.wb, "mian.W=1"), UsageError);
    EXPECT_THROW(assignTableValue(b.wb, "main.Q=1"), UsageError);
    EXPECT_THROW(assignTableValue(b.wb, "main.0=1"), UsageError);
    EXPECT_THROW(assignTableValue(b.wb, "main.10=1"), UsageError);
    EXPECT_THROW(assignTableValue(b.wb, "main.W"), UsageError);
    EXPECT_EQ(b.wb.boxTable, defaultMainTable());
}

}  // namespace
}  // namespace tessaro

namespace tessaro {
namespace {

// A command run on a copy draws what it draws on the original, and the original's
// documents and label stay as they were.
TEST(CopiedWorkbench, DrawsTheSameAndLeavesTheOriginalAlone) {
    testing::Bench original;
    original.wb.boxTable.setCell(1, 2, "150");
    original.wb.options.cornerRelief = true;
    original.wb.options.feet = Feet::One;
    for (const TemplateCommand& command : templateCommands()) {
        testing::Bench copy;
        copyTablesAndSwitches(original.wb, copy.wb);
        command.run(copy.wb);
        command.run(original.wb);
        EXPECT_TRUE(epsOf(copy.wb) == epsOf(original.wb)) << command.name;
    }
    const LineList before = epsOf(original.wb);
    const std::string label = original.wb.templateLabel;
    testing::Bench copy;
    copyTablesAndSwitches(original.wb, copy.wb);
    findCommand("spiral")->run(copy.wb);
    EXPECT_TRUE(epsOf(original.wb) == before);
    EXPECT_EQ(original.wb.templateLabel, label);
}

}  // namespace
}  // namespace tessaro
