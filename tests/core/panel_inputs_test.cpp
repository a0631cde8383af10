#include <gtest/gtest.h>

#include <algorithm>

#include "app/template_commands.h"
#include "model/number_parse.h"
#include "support.h"

namespace tessaro {
namespace {

using testing::Bench;
using testing::bodyOf;

struct Command {
    const char* name;
    void (*make)(Workbench&);
    std::vector<int> rowsRead;  // by the header (2, 3, 4) and by the panel
};

void PrintTo(const Command& c, std::ostream* os) { *os << c.name; }

class PanelInputs : public ::testing::TestWithParam<Command> {};

// A bad cell in any row the command reads ends it before the panel's first line (and
// before the side panel's warning); a bad cell it does not read changes nothing.
TEST_P(PanelInputs, BadCellsEndTheCommandBeforeThePanelIsDrawn) {
    const Command& c = GetParam();
    for (int row = 1; row <= 9; ++row) {
        Bench b;
        b.wb.options.feet = Feet::None;
        b.wb.boxTable.setCell(1, 7, row == 7 ? "0,0" : "0");
        if (row != 7) {
            b.wb.boxTable.setCell(1, row, "1e999");
        }
        const bool read = std::find(c.rowsRead.begin(), c.rowsRead.end(), row) != c.rowsRead.end();
        if (read) {
            EXPECT_THROW(c.make(b.wb), ConversionError) << "row " << row;
            EXPECT_TRUE(bodyOf(epsOf(b.wb)).empty()) << "row " << row;
            EXPECT_TRUE(b.messages.shown.empty()) << "row " << row;
        } else {
            EXPECT_NO_THROW(c.make(b.wb)) << "row " << row;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Panels, PanelInputs,
                         ::testing::Values(Command{"Front", makeFrontPanel, {2, 3, 4, 8, 9}},
                                           Command{"Bottom", makeBottomPanel, {1, 2, 3, 4, 5, 6, 7, 9}},
                                           Command{"Side", makeSidePanel, {1, 2, 3, 4, 5, 6, 7, 8, 9}},
                                           Command{"Lid", makeLid, {1, 2, 3, 4, 5, 6, 7, 9}},
                                           Command{"SimpleSide", makeSimpleSidePanel, {1, 2, 3, 4, 5, 6, 7, 8, 9}}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tessaro
