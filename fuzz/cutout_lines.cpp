// Lists of cut-outs on any text: a list is read whole or refused with the line that is
// not one; every entry read is written back as a line that reads as the same entry; and a
// whole box drawn with them is drawn, or refused as the program refuses, and checked.
// An input that begins with the comment "# simple" is drawn on the simple box.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "app/commands.h"
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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = fuzz::textOf(data, size);
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
