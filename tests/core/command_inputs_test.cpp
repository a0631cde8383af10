#include <gtest/gtest.h>

#include "app/commands.h"
#include "model/number_parse.h"
#include "support.h"

namespace tessaro {
namespace {

using testing::Bench;

// A command's proposed name with the default tables and after one cell is typed
// differently: the cells go in as typed, not as the numbers they read as.
struct NameCase {
    std::string_view command;
    ParamTable Workbench::*table;
    int row;
    std::string typed;
    std::string byDefault;
    std::string afterTyping;
};

TEST(ProposedNames, TakeTheCellsAsTyped) {
    const NameCase cases[] = {
        {"simple-side", &Workbench::boxTable, 4, "110.0", "5mm 200x100x110 side", "5mm 200x100x110.0 side"},
        {"simple-full", &Workbench::boxTable, 2, "200.5", "5mm 200x100x110 fullsimpl", "5mm 200.5x100x110 fullsimpl"},
        {"tab-slot", &Workbench::tabSlotTable, 1, "3.5", "5mm 25x25 tab", "3.5mm 25x25 tab"},
        {"tab-slot", &Workbench::tabSlotTable, 2, "25.0", "5mm 25x25 tab", "5mm 25.0x25 tab"},
        {"bobbin", &Workbench::bobbinTable, 3, "15.0", "1mm 30x15x20 trans", "1mm 30x15.0x20 trans"},
    };
    for (const NameCase& c : cases) {
        Bench b;
        testing::ScriptedDialog dialog;
        const TemplateCommand& command = *findCommand(c.command);
        performCommand(b.wb, command, dialog);
        (b.wb.*c.table).setCell(1, c.row, c.typed);
        performCommand(b.wb, command, dialog);
        EXPECT_EQ(dialog.proposed, (std::vector<std::string>{c.byDefault, c.afterTyping})) << c.command;
    }
}

// Commands that read their sizes before the label and the header: a bad cell leaves
// the previous template, label included, and no dialog is shown.
TEST(ReadBeforeTheHeader, BadCellLeavesThePreviousTemplate) {
    const NameCase cases[] = {
        {"simple-full", &Workbench::boxTable, 4, "", "", ""},
        {"bobbin", &Workbench::bobbinTable, 6, "0,1", "", ""},
    };
    for (const NameCase& c : cases) {
        Bench b;
        makeTabSlotPiece(b.wb);
        const auto before = testing::bodyOf(epsOf(b.wb));
        (b.wb.*c.table).setCell(1, c.row, c.typed);
        testing::ScriptedDialog dialog;
        EXPECT_THROW(performCommand(b.wb, *findCommand(c.command), dialog), ConversionError) << c.command;
        EXPECT_EQ(testing::bodyOf(epsOf(b.wb)), before) << c.command;
        EXPECT_EQ(b.wb.templateLabel, "tab") << c.command;
        EXPECT_TRUE(dialog.proposed.empty()) << c.command;
    }
}

}  // namespace
}  // namespace tessaro
