// The sheet of the command line and nesting on any input: the first line is the sheet's
// size as typed after --sheet, the second the gap (with " --no-rotation" after it, no
// piece may be turned), the rest an EPS body after a real header. A size is read or
// refused with a usage error; nesting refuses with the program's errors or puts every
// outline of the body onto a sheet once, inside it, and unturned when so asked.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "app/sheets.h"
#include "fuzz_checks.h"
#include "input_text.h"
#include "model/number_parse.h"
#include "nesting/sheet_nesting.h"
#include "nesting_budget.h"
#include "output/eps_reader.h"
#include "output/eps_writer.h"
#include "output/line_list.h"

namespace {

using namespace tessaro;
using tessaro::fuzz::completes;
using tessaro::fuzz::expect;

// Nesting cost grows with the points of every pair of pieces; longer bodies only slow
// the fuzzer without reaching other code.
constexpr std::size_t kMostBodyLines = 40;
// Enough for a few pieces to be nested whole; a larger nesting is stopped, as Cancel stops it.
constexpr std::size_t kNestingQuestions = 16;

void checkSheetSize(std::string_view text) {
    SheetSize size;
    if (!completes([&] { size = parseSheetSize(text); })) {
        return;
    }
    expect(std::isfinite(size.width) && std::isfinite(size.height), "an accepted sheet size is finite");
    expect(size.width > 0 && size.height > 0, "an accepted sheet has room");
    const std::size_t by = text.find_first_of("xX");
    expect(by != std::string_view::npos, "an accepted sheet size has its x");
    expect(parseReal(text.substr(0, by)) == size.width && parseReal(text.substr(by + 1)) == size.height,
           "the width and height are read by the number rule");
}

void checkSheetGap(std::string_view text) {
    double gap = -1;
    if (!completes([&] { gap = parseSheetGap(text); })) {
        return;
    }
    expect(std::isfinite(gap) && gap >= 0, "an accepted gap is a distance");
    expect(parseReal(text) == gap, "the gap is read by the number rule");
}

constexpr std::string_view kNoRotation = " --no-rotation";

// Whether the outline is the other one moved without a turn: the same role and the same
// steps from point to point, to what the files keep.
bool onlyMoved(const Outline& moved, const Outline& drawn) {
    if (moved.role != drawn.role || moved.points.size() != drawn.points.size()) {
        return false;
    }
    for (std::size_t i = 1; i < moved.points.size(); ++i) {
        const double dx = (moved.points[i].x - moved.points[i - 1].x) - (drawn.points[i].x - drawn.points[i - 1].x);
        const double dy = (moved.points[i].y - moved.points[i - 1].y) - (drawn.points[i].y - drawn.points[i - 1].y);
        if (!(std::abs(dx) <= 1e-6 && std::abs(dy) <= 1e-6)) {
            return false;
        }
    }
    return true;
}

// Every nested outline matched to its own drawn one, moved and not turned.
void checkUnturned(const Drawing& drawn, const std::vector<Drawing>& sheets) {
    std::vector<bool> matched(drawn.outlineCount(), false);
    for (const Drawing& sheet : sheets) {
        for (std::size_t o = 0; o < sheet.outlineCount(); ++o) {
            bool found = false;
            for (std::size_t d = 0; d < drawn.outlineCount() && !found; ++d) {
                found = !matched[d] && onlyMoved(sheet.outline(o), drawn.outline(d));
                matched[d] = matched[d] || found;
            }
            expect(found, "not turned, every nested outline is a drawn one moved");
        }
    }
}

void checkNesting(const Drawing& drawn, SheetSize sheet, double gap, Turning turning) {
    std::vector<Drawing> sheets;
    if (!completes(
            [&] { sheets = nestOntoSheets(drawn, sheet, gap, fuzz::nestingBudget(kNestingQuestions), turning); })) {
        return;
    }
    std::size_t nested = 0;
    for (const Drawing& drawing : sheets) {
        nested += drawing.outlineCount();
        const Extent& e = drawing.extent();
        const double slack = kGapRounding;
        expect(e.empty || (e.minX >= gap - slack && e.minY >= gap - slack && e.maxX <= sheet.width - gap + slack &&
                           e.maxY <= sheet.height - gap + slack),
               "every nested outline lies on its sheet, the gap from its edge");
    }
    expect(nested == drawn.outlineCount(), "every drawn outline is nested once, the lone marks too");
    if (turning == Turning::None) {
        checkUnturned(drawn, sheets);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string_view> lines = fuzz::linesOf(fuzz::textOf(data, size));
    if (lines.size() < 2 || lines.size() > kMostBodyLines + 2) {
        return 0;
    }
    std::string_view gapText = lines[1];
    const Turning turning = gapText.ends_with(kNoRotation) ? Turning::None : Turning::QuarterTurns;
    if (turning == Turning::None) {
        gapText.remove_suffix(kNoRotation.size());
    }
    checkSheetSize(lines[0]);
    checkSheetGap(gapText);
    SheetSize sheet;
    double gap = 0;
    if (!completes([&] { sheet = parseSheetSize(lines[0]); }) || !completes([&] { gap = parseReal(gapText); })) {
        return 0;
    }
    LineList eps;
    eps.append(kEpsBodyMarker);
    for (std::size_t i = 2; i < lines.size(); ++i) {
        eps.append(lines[i]);
    }
    checkNesting(readEpsDrawing(eps), sheet, gap, turning);
    return 0;
}
