// Design files on any text: a file is read whole or refused with its name and line. A
// design read passes the checks a design must pass to be written, is written as a text
// that reads back as the same text, and gives a workbench tables that make the same
// design again; the command line takes it and saves it again without a refusal.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/design_arguments.h"
#include "app/design_file.h"
#include "fuzz_checks.h"
#include "input_text.h"
#include "model/ports.h"

namespace {

using namespace tessaro;

constexpr std::string_view kFile = "fuzz.toml";

bool sameTables(const Workbench& a, const Workbench& b) {
    for (ParamTable Workbench::*table : kWorkbenchTables) {
        if (!(a.*table == b.*table)) {
            return false;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = tessaro::fuzz::textOf(data, size);
    Design design;
    try {
        design = parseDesign(text, std::string(kFile));
    } catch (const DesignFileError& e) {
        fuzz::expect(e.file == kFile && e.line >= 1 && !e.reason.empty(), "a refusal names the file, the line and why");
        fuzz::expect(std::string_view(e.what()).starts_with(std::string(kFile) + ":" + std::to_string(e.line) + ": "),
                     "the command line's message begins FILE:LINE");
        return 0;
    }
    checkDesign(design);

    const std::string written = designText(design);
    const Design again = parseDesign(written, "again.toml");
    fuzz::expect(designText(again) == written, "a design written reads back as the same text");
    fuzz::expect(again.cutouts == design.cutouts && again.templates == design.templates,
                 "the entries read back as they were");

    StandInClock clock;
    SilentMessages messages;
    Workbench wb(clock, messages);
    applyDesignTables(design, wb);
    Workbench remade(clock, messages);
    applyDesignTables(designOfWorkbench(wb), remade);
    fuzz::expect(sameTables(wb, remade), "the values a workbench was given make its tables again");

    DesignArguments arguments;
    takeDesign(arguments, design);
    const Design saved = designOf(arguments, wb);
    fuzz::expect(parseDesign(designText(saved), "saved.toml").cutouts == design.cutouts,
                 "a design taken by the command line is saved with its cut-outs");
    return 0;
}
