#include "app/assembly_preview.h"

#include "app/assembly.h"
#include "app/error_text.h"

namespace tessaro {

AssemblyPreview assemblePreview(PreviewBench& bench, const TemplateCommand& command) {
    try {
        command.run(bench.wb);
        const BoxAssembly assembly = assembledTemplate(bench.wb, command);
        stopIfAsked(bench.wb.stop);
        return {std::make_shared<const AssemblyScene>(sceneOf(assembly, bench.wb.stop)), {}, {}};
    } catch (const std::exception& e) {
        return {nullptr, errorBoxText(e), badCellOf(bench.wb, e)};
    }
}

}  // namespace tessaro
