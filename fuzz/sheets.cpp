// The sheet of the command line and nesting on any input: the first line is the sheet's
// size as typed after --sheet, the second the gap, the rest an EPS body after a real
// header. A size is read or refused with a usage error; nesting refuses with the
// program's errors or puts every outline of the body onto a sheet, inside it.
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
#include "output/eps_reader.h"
#include "output/eps_writer.h"
#include "output/line_list.h"

namespace {

using namespace tessaro;
using tessaro::fuzz::completes;
using tessaro::fuzz::expect;

// Nesting cost grows with the points of every pair of pieces; longer bodies only slow
// the fuzzer without reaching other code.
constexpr std::size_t kMostBodyLines = 400;

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

std::size_t drawnOutlineCount(const Drawing& drawing) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < drawing.outlineCount(); ++i) {
        count += drawing.outline(i).role != OutlineRole::Mark ? 1 : 0;
    }
    return count;
}

void checkNesting(const Drawing& drawn, SheetSize sheet, double gap) {
    std::vector<Drawing> sheets;
    if (!completes([&] { sheets = nestOntoSheets(drawn, sheet, gap); })) {
        return;
    }
    std::size_t nested = 0;
    for (const Drawing& drawing : sheets) {
        nested += drawnOutlineCount(drawing);
        const Extent& e = drawing.extent();
        // The files keep six decimals.
        const double slack = 1e-6;
        expect(e.empty || (e.minX >= gap - slack && e.minY >= gap - slack && e.maxX <= sheet.width - gap + slack &&
                           e.maxY <= sheet.height - gap + slack),
               "every nested outline lies on its sheet, the gap from its edge");
    }
    expect(nested == drawnOutlineCount(drawn), "every drawn outline is nested once");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string_view> lines = fuzz::linesOf(fuzz::textOf(data, size));
    if (lines.size() < 2 || lines.size() > kMostBodyLines + 2) {
        return 0;
    }
    checkSheetSize(lines[0]);
    checkSheetGap(lines[1]);
    SheetSize sheet;
    double gap = 0;
    if (!completes([&] { sheet = parseSheetSize(lines[0]); }) || !completes([&] { gap = parseReal(lines[1]); })) {
        return 0;
    }
    LineList eps;
    eps.append(kEpsBodyMarker);
    for (std::size_t i = 2; i < lines.size(); ++i) {
        eps.append(lines[i]);
    }
    checkNesting(readEpsDrawing(eps), sheet, gap);
    return 0;
}
