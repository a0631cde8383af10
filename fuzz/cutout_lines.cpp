// Lists of cut-outs on any text: a list is read whole or refused with the line that is
// not one; every entry read is written back as a line that reads as the same entry; and a
// whole box drawn with them is drawn, or refused as the program refuses, and checked.
// An input that begins with the comment "# simple" is drawn on the simple box. Each line
// is also cut into the window's cells: a line that reads is made again from them as the
// same entry, and one that does not is blamed on one of its cells.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "app/commands.h"
#include "app/cutout_rows.h"
#include "app/table_sizes.h"
#include "assembly/cutout_clashes.h"
#include "fuzz_checks.h"
#include "input_text.h"
#include "model/face_cutouts.h"
#include "model/ports.h"

namespace {

using namespace tessaro;

std::vector<FaceCutout> readList(std::string_view text, bool& refused) {
    try {
        return parseCutoutList(text);
    } catch (const CutoutLineError& e) {
        fuzz::expect(std::string_view(e.what()).starts_with("line "), "a refusal names the line");
        refused = true;
    }
    return {};
}

// The window's rows: the cells of a line that reads make a line that reads the same.
void checkRows(std::string_view text) {
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        const auto problem = cutoutLineProblem(line);
        const CutoutCells cells = cutoutCells(line);
        const std::string made = cutoutLineOf(cells);
        fuzz::expect(made.find_first_of("\r\n") == std::string::npos, "a row is one line");
        if (problem) {
            fuzz::expect(problem->column >= KindColumn && problem->column <= TextColumn && !problem->message.empty(),
                         "a line that does not read is blamed on a cell, with why");
            continue;
        }
        fuzz::expect(parseCutoutLine(made) == parseCutoutLine(line), "a row's cells make its entry again");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = fuzz::textOf(data, size);
    checkRows(text);
    bool refused = false;
    const std::vector<FaceCutout> cutouts = readList(text, refused);
    if (refused) {
        return 0;
    }
    for (const FaceCutout& cutout : cutouts) {
        const std::string line = cutoutLine(cutout);
        fuzz::expect(parseCutoutLine(line) == cutout, "an entry reads back from its line");
        fuzz::expect(line.find('\n') == std::string::npos, "an entry is one line");
    }
    StandInClock clock;
    SilentMessages messages;
    Workbench wb(clock, messages);
    wb.cutouts = cutouts;
    const TemplateCommand& command = *findCommand(text.starts_with("# simple") ? "simple-full" : "full");
    if (!fuzz::completes([&] { command.run(wb); })) {
        return 0;
    }
    constexpr MainRow kBoxRows[] = {MainRow::Thickness, MainRow::Width, MainRow::Height, MainRow::Depth};
    const PanelSizes box = readPanelSizes(wb.boxTable, kBoxRows);
    for (const CutoutClash& clash : cutoutClashes(wb.drawing, command.panelPlaces(box), box, wb.cutouts)) {
        fuzz::expect(clash.cutout < cutouts.size() && !clash.reasons.empty(), "a clash names its cut-out and why");
    }
    return 0;
}
