#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
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
    performCommand(b.wb, *findCommand("spiral"), dialog);
    EXPECT_EQ(b.wb.epsDocument.size(), 213U);
    EXPECT_TRUE(b.wb.dxfDocument.empty());
    EXPECT_TRUE(fs::is_empty(dir));
}

TEST_F(Commands, SavesTheChosenType) {
    dialog.answer = SaveChoice{(dir / "s.eps").string(), FileType::Eps};
    performCommand(b.wb, *findCommand("spiral"), dialog);
    EXPECT_EQ(readFileBytes(dir / "s.eps").substr(0, 25), "%!PS-Adobe-3.0 EPSF-3.0\r\n");
    EXPECT_TRUE(b.wb.dxfDocument.empty());

    dialog.answer = SaveChoice{(dir / "s.dxf").string(), FileType::Dxf};
    performCommand(b.wb, *findCommand("spiral"), dialog);
    const std::string dxf = readFileBytes(dir / "s.dxf");
    EXPECT_EQ(dxf.substr(0, 14), "  0\r\nSECTION\r\n");
    EXPECT_EQ(dxf.substr(dxf.size() - 5), "EOF\r\n");
    EXPECT_EQ(b.wb.dxfDocument.size(), 55U + 10 + 195 * 8 + 5);
}

TEST_F(Commands, FailedConversionShowsNoDialog) {
    b.wb.spiralTable.setCell(1, 1, "ten");
    EXPECT_THROW(performCommand(b.wb, *findCommand("spiral"), dialog), std::exception);
    EXPECT_TRUE(dialog.proposed.empty());
}

TEST_F(Commands, FileErrorLeavesTheDocumentsInMemory) {
    dialog.answer = SaveChoice{(dir / "no" / "s.dxf").string(), FileType::Dxf};
    EXPECT_THROW(performCommand(b.wb, *findCommand("spiral"), dialog), std::exception);
    EXPECT_EQ(b.wb.epsDocument.size(), 213U);
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
