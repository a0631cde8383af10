#include <gtest/gtest.h>

#include <algorithm>

#include "folding/bottom_panel.h"
#include "box/lid.h"
#include "folding/side_panel.h"
#include "model/number_parse.h"
#include "support.h"

namespace tessaro {
namespace {

using testing::Bench;

struct Generator {
    const char* name;
    void (*draw)(Workbench&);
    std::vector<int> rowsRead;
};

void PrintTo(const Generator& g, std::ostream* os) { *os << g.name; }

class PanelInputs : public ::testing::TestWithParam<Generator> {};

// A bad cell in any row the generator reads ends it before its first line (and before
// the side panel's warning); a bad cell it does not read changes nothing.
TEST_P(PanelInputs, BadCellsEndTheGeneratorBeforeItDraws) {
    const Generator& g = GetParam();
    for (int row = 1; row <= 9; ++row) {
        Bench b;
        b.wb.options.feet = Feet::None;
        b.wb.frameAllowance = -1;
        b.wb.boxTable.setCell(1, 7, row == 7 ? "0,0" : "0");
        if (row != 7) {
            b.wb.boxTable.setCell(1, row, "1e999");
        }
        const bool read = std::find(g.rowsRead.begin(), g.rowsRead.end(), row) != g.rowsRead.end();
        if (read) {
            EXPECT_THROW(g.draw(b.wb), ConversionError) << "row " << row;
            EXPECT_TRUE(b.wb.epsDocument.empty()) << "row " << row;
            EXPECT_TRUE(b.messages.shown.empty()) << "row " << row;
            EXPECT_EQ(b.wb.frameAllowance, -1) << "row " << row;
        } else {
            EXPECT_NO_THROW(g.draw(b.wb)) << "row " << row;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Generators, PanelInputs,
                         ::testing::Values(Generator{"Bottom", drawBottomPanel, {1, 2, 4, 5, 6, 7, 9}},
                                           Generator{"Side", drawSidePanel, {1, 3, 4, 5, 6, 7, 8, 9}},
                                           Generator{"Lid", drawLid, {1, 2, 4, 5, 6, 7, 9}}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tessaro
