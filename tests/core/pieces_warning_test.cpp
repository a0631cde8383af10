// A panel whose slots and notches cut through its frame falls apart when cut: the
// drawing is kept, and the user is told which panel and into how many pieces.
#include <gtest/gtest.h>

#include <string>

#include "app/commands.h"
#include "app/pieces_warning.h"
#include "assembly/parts_in_pieces.h"
#include "support.h"

namespace tessaro {
namespace {

using testing::Bench;

const char* const kBoxCommands[] = {"facade", "bottom", "side", "top", "full", "simple-side", "simple-full"};

// A thin frame that the relief notches of a wide cutter cut through.
void setThinFrame(Workbench& wb) {
    wb.boxTable.setCell(1, 1, "6");
    wb.boxTable.setCell(1, 7, "2");
    wb.boxTable.setCell(1, 9, "4.5");
}

TEST(PiecesWarning, WholePanelsRaiseNone) {
    for (const char* verb : kBoxCommands) {
        for (const bool relief : {false, true}) {
            Bench b;
            b.wb.options.cornerRelief = relief;
            findCommand(verb)->run(b.wb);
            EXPECT_TRUE(b.messages.shown.empty()) << verb << (relief ? " relief" : "");
        }
        // Without the notches the thin frame holds.
        Bench thin;
        setThinFrame(thin.wb);
        findCommand(verb)->run(thin.wb);
        EXPECT_TRUE(thin.messages.shown.empty()) << verb << " thin frame";
    }
}

// The panels with slots beside their frame fall apart, each named once in one message;
// the front and rear, which have tabs and no slots, stay whole. The simple set comes out
// in 42 pieces. The drawing is the same as without the warning.
TEST(PiecesWarning, NamesEachPanelTheNotchesCutThrough) {
    for (const char* verb : {"full", "simple-full"}) {
        Bench b;
        setThinFrame(b.wb);
        b.wb.options.cornerRelief = true;
        findCommand(verb)->run(b.wb);
        ASSERT_EQ(b.messages.shown.size(), 1U) << verb;
        const std::string& warning = b.messages.shown.front();
        std::size_t pieces = 0;
        for (std::size_t i = 0; i < b.wb.drawing.partCount(); ++i) {
            const std::string name(b.wb.drawing.part(i).name);
            const bool slotted = name != "front" && name != "rear";
            const auto line = warning.find("The " + name + " falls apart into ");
            EXPECT_EQ(line != std::string::npos, slotted) << verb << ": " << name;
            pieces += line == std::string::npos ? 1 : std::stoul(warning.substr(line + name.size() + 22));
        }
        if (std::string(verb) == "simple-full") {
            EXPECT_EQ(pieces, 42U);
        }
        testing::FixedClock clock;
        SilentMessages silent;
        Workbench quiet(clock, silent);
        setThinFrame(quiet);
        quiet.options.cornerRelief = true;
        findCommand(verb)->run(quiet);
        EXPECT_EQ(quiet.drawing, b.wb.drawing);
    }
}

TEST(PiecesWarning, OneLineAPartInTheMessageBoxesBreaks) {
    EXPECT_EQ(fallingApartWarning({{"lid", 15}, {"left side", 5}}),
              "The lid falls apart into 15 pieces when cut: its slots and notches cut through its frame.\r"
              "The left side falls apart into 5 pieces when cut: its slots and notches cut through its frame.");
}

}  // namespace
}  // namespace tessaro
