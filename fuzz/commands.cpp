// Whole commands on tables of fuzzed cells, the way the command line runs them. The input
// is text, one item a line:
//   the command's word (spiral, full, tab-slot, ...);
//   switch words (relief screws one-tooth no-jumper no-lid-corners tab-relief feet-none
//   feet-1 feet-2 open-last closed-last inner-first, sheet: nest onto a 600 x 400 mm sheet,
//   and kerf=TEXT, the kerf as --kerf takes it);
//   then TABLE.KEY=TEXT lines, as --set takes them.
// Only the program's errors may stop a command, its kerf, its nesting or the writing of its
// EPS, DXF, DXF 2000 and SVG (the PDF is cairo's drawing of the same outlines).
// A whole box is also assembled, written as STL, its joints measured and its overlaps found.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "app/assembly.h"
#include "app/commands.h"
#include "app/kerf_setting.h"
#include "app/saving.h"
#include "app/sheets.h"
#include "app/table_keys.h"
#include "assembly/joints.h"
#include "assembly/overlaps.h"
#include "assembly/stl_writer.h"
#include "fuzz_checks.h"
#include "input_text.h"
#include "templates/spiral.h"

namespace {

using namespace tessaro;
using tessaro::fuzz::completes;

// The kerf word's text, parsed as --kerf parses it; false when it is refused.
bool setKerf(Workbench& wb, std::string_view words) {
    constexpr std::string_view kKerf = "kerf=";
    for (const std::string_view word : fuzz::splitOn(words, ' ')) {
        if (word.starts_with(kKerf) && !completes([&] { wb.kerf = parseKerf(word.substr(kKerf.size())); })) {
            return false;
        }
    }
    return true;
}

bool wantsSheet(std::string_view words) {
    for (const std::string_view word : fuzz::splitOn(words, ' ')) {
        if (word == "sheet") {
            return true;
        }
    }
    return false;
}

// Every outline of the template on a sheet, the gap from its edge.
void nestOntoASheet(const Workbench& wb, const TemplateCommand& command) {
    const SheetSize sheet{600, 400};
    const double gap = defaultSheetGap(wb, command.tab);
    completes([&] {
        for (const Drawing& nested : nestOntoSheets(wb.drawing, sheet, gap)) {
            const Extent& e = nested.extent();
            fuzz::expect(e.empty || (e.minX >= gap - 1e-6 && e.minY >= gap - 1e-6 &&
                                     e.maxX <= sheet.width - gap + 1e-6 && e.maxY <= sheet.height - gap + 1e-6),
                         "every nested outline lies on its sheet");
        }
    });
}

void setSwitches(Workbench& wb, std::string_view words) {
    struct Switch {
        std::string_view word;
        void (*set)(Workbench&);
    };
    static const Switch kSwitches[] = {
        {"relief", [](Workbench& w) { w.options.cornerRelief = true; }},
        {"screws", [](Workbench& w) { w.options.screwJoints = true; }},
        {"one-tooth", [](Workbench& w) { w.options.singleSupportTooth = true; }},
        {"no-jumper", [](Workbench& w) { w.options.supportJumper = false; }},
        {"no-lid-corners", [](Workbench& w) { w.options.roundedLidCorners = false; }},
        {"tab-relief", [](Workbench& w) { w.options.tabSlotRelief = true; }},
        {"feet-none", [](Workbench& w) { w.options.feet = Feet::None; }},
        {"feet-1", [](Workbench& w) { w.options.feet = Feet::One; }},
        {"feet-2", [](Workbench& w) { w.options.feet = Feet::Two; }},
        {"open-last", [](Workbench& w) { w.lastPolylineClosed = false; }},
        {"closed-last", [](Workbench& w) { w.lastPolylineClosed = true; }},
        {"inner-first", [](Workbench& w) { w.innerCutsFirst = true; }},
    };
    for (const std::string_view word : fuzz::splitOn(words, ' ')) {
        for (const Switch& s : kSwitches) {
            if (s.word == word) {
                s.set(wb);
            }
        }
    }
}

// Spirals of up to 10 000 000 lines are legitimate, but one of millions of lines takes
// seconds and gigabytes under the sanitizers. Those from 100 000 lines up to twice the
// limit are skipped; larger ones still run, and the command must refuse them at once.
bool spiralTooSlowToFuzz(const Workbench& wb) {
    long double turns = 0;
    long double stepDegrees = 0;
    if (!completes([&] {
            turns = wb.spiralTable.integer(SpiralRow::Turns);
            stepDegrees = wb.spiralTable.real(SpiralRow::StepAngle);
        })) {
        return false;
    }
    const long double lines = std::fabs(turns) * 360 / std::fabs(stepDegrees);
    return lines > 100'000 && lines < 2 * kMaxSpiralLines;
}

// Every figure of the fit is a number: a ray that found no edge would be infinite.
void measureTheFit(const BoxAssembly& assembly) {
    for (const Joint& j : jointsOf(assembly)) {
        fuzz::expect(std::isfinite(j.across.total()) && std::isfinite(j.along.total()), "a joint's play is finite");
    }
    for (const PanelOverlap& o : overlappingPanels(assembly)) {
        fuzz::expect(std::isfinite(o.volume) && o.volume > 0, "an overlap has a volume");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string_view> lines = fuzz::linesOf(fuzz::textOf(data, size));
    const TemplateCommand* command = lines.empty() ? nullptr : findCommand(lines[0]);
    if (command == nullptr) {
        return -1;
    }
    StandInClock clock;
    SilentMessages messages;
    Workbench wb(clock, messages);
    showTab(wb, command->tab);
    if (lines.size() > 1) {
        setSwitches(wb, lines[1]);
        if (!setKerf(wb, lines[1])) {
            return 0;  // the command line stops at a bad --kerf
        }
    }
    for (std::size_t i = 2; i < lines.size(); ++i) {
        if (!completes([&] { assignTableValue(wb, lines[i]); })) {
            return 0;  // the command line stops at a bad --set
        }
    }
    if (command->draw == makeSpiral && spiralTooSlowToFuzz(wb)) {
        return -1;
    }

    // The name the save dialog and the command line propose is made from the cells as typed.
    (void)command->proposedName(wb);
    if (!completes([&] { command->run(wb); })) {
        return 0;
    }
    for (const FileType type : {FileType::Eps, FileType::Dxf, FileType::Svg, FileType::Dxf2000}) {
        completes([&] { (void)templateBytes(wb, type); });
    }
    if (lines.size() > 1 && wantsSheet(lines[1])) {
        nestOntoASheet(wb, *command);
    }
    if (assembles(*command)) {
        completes([&] {
            const BoxAssembly assembly = assembledTemplate(wb, *command);
            fuzz::expect(stlBytes(assembly).size() % 50 == 84 % 50, "the STL holds whole triangles");
            measureTheFit(assembly);
        });
    }
    return 0;
}
