// Whole commands on tables of fuzzed cells, the way the command line runs them. The input
// is text, one item a line:
//   the command's word (spiral, full, tab-slot, ...), or several words apart by blanks: a
//   job of those templates, nested together onto a sheet;
//   switch words (relief screws one-tooth no-jumper no-lid-corners tab-relief feet-none
//   feet-1 feet-2 open-last closed-last inner-first, sheet: nest onto a 600 x 400 mm sheet,
//   and kerf=TEXT, the kerf as --kerf takes it);
//   then TABLE.KEY=TEXT lines, as --set takes them.
// Only the program's errors may stop a command, its kerf, its nesting or the writing of its
// EPS, DXF, DXF 2000 and SVG (the PDF is cairo's drawing of the same outlines). A nesting's
// material used is a share of its sheets, and a job holds the material of each of its templates.
// A whole box is also assembled, written as STL, its joints measured and its overlaps found:
// one input in kAssembledOneIn, chosen by its bytes.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "app/assembly.h"
#include "app/commands.h"
#include "app/job.h"
#include "app/kerf_setting.h"
#include "app/material_use.h"
#include "app/saving.h"
#include "app/sheets.h"
#include "app/table_keys.h"
#include "assembly/joints.h"
#include "assembly/overlaps.h"
#include "assembly/stl_writer.h"
#include "drawing/piece_area.h"
#include "fuzz_checks.h"
#include "input_text.h"
#include "nesting_budget.h"
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

// Enough for a box's panels to be nested whole; a larger nesting is stopped, as Cancel stops it.
constexpr std::size_t kNestingQuestions = 24;
// The box assembled, its STL and its fit take seconds under the sanitizers, the drawing a
// few milliseconds: one input in so many assembles it.
constexpr std::uint64_t kAssembledOneIn = 64;

// Every outline of the drawing on a sheet, the gap from its edge; the pieces, kept apart,
// fill no more than the sheets.
void nestOntoASheet(const Drawing& drawing, double gap) {
    const SheetSize sheet{600, 400};
    completes([&] {
        const std::vector<Drawing> sheets = nestOntoSheets(drawing, sheet, gap, fuzz::nestingBudget(kNestingQuestions));
        for (const Drawing& nested : sheets) {
            const Extent& e = nested.extent();
            const double slack = kGapRounding;
            fuzz::expect(e.empty || (e.minX >= gap - slack && e.minY >= gap - slack &&
                                     e.maxX <= sheet.width - gap + slack && e.maxY <= sheet.height - gap + slack),
                         "every nested outline lies on its sheet");
        }
        const double percent = materialUse(drawing, sheets.size(), sheet).percent();
        fuzz::expect(percent >= 0 && percent <= 100 + 1e-9, "the pieces' material is a share of the sheets");
    });
}

// Each template of the job drawn alone, then all of them together and nested. An area
// is measured only on coordinates the nesting takes.
void runJob(Workbench& wb, const std::vector<const TemplateCommand*>& commands) {
    Job job;
    double alone = 0;
    for (const TemplateCommand* command : commands) {
        if (!completes([&] {
                addToJob(job, *command, wb);
                command->run(wb);
                alone += piecesArea(wb.drawing);
            })) {
            return;
        }
    }
    drawJob(wb, job);
    const double together = piecesArea(wb.drawing);
    fuzz::expect(std::abs(together - alone) <= 1e-9 * std::max(1.0, alone),
                 "a job holds the material of each of its templates");
    nestOntoASheet(wb.drawing, defaultJobGap(job));
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

// Every figure of the fit is a number, or open (infinite) on a side that nothing closes.
void measureTheFit(const BoxAssembly& assembly) {
    for (const Joint& j : jointsOf(assembly)) {
        for (const double room : {j.across.low, j.across.high, j.along.low, j.along.high}) {
            fuzz::expect(!std::isnan(room) && room != -std::numeric_limits<double>::infinity(),
                         "a joint's room is a number or open");
        }
    }
    for (const PanelOverlap& o : overlappingPanels(assembly)) {
        fuzz::expect(std::isfinite(o.volume) && o.volume > 0, "an overlap has a volume");
    }
}

}  // namespace

// Nesting cost grows with every pair of pieces; more templates reach no other code.
constexpr std::size_t kMostJobTemplates = 3;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string_view> lines = fuzz::linesOf(fuzz::textOf(data, size));
    std::vector<const TemplateCommand*> commands;
    for (const std::string_view verb : lines.empty() ? std::vector<std::string_view>{} : fuzz::splitOn(lines[0], ' ')) {
        commands.push_back(findCommand(verb));
    }
    if (commands.empty() || commands.size() > kMostJobTemplates || std::ranges::count(commands, nullptr) > 0) {
        return -1;
    }
    const TemplateCommand* command = commands.front();
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
    const auto drawsSpiral = [](const TemplateCommand* c) { return c->draw == makeSpiral; };
    if (std::ranges::any_of(commands, drawsSpiral) && spiralTooSlowToFuzz(wb)) {
        return -1;
    }
    if (commands.size() > 1) {
        runJob(wb, commands);
        return 0;
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
        nestOntoASheet(wb.drawing, defaultSheetGap(wb, command->tab));
    }
    if (assembles(*command) && fuzz::sampled(fuzz::textOf(data, size), kAssembledOneIn)) {
        completes([&] {
            const BoxAssembly assembly = assembledTemplate(wb, *command);
            fuzz::expect(stlBytes(assembly).size() % 50 == 84 % 50, "the STL holds whole triangles");
            measureTheFit(assembly);
        });
    }
    return 0;
}
