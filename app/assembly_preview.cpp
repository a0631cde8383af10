#include "app/assembly_preview.h"

#include "app/assembly.h"
#include "app/error_text.h"

namespace tessaro {

AssemblyPreview assemblePreview(PreviewBench& bench, const TemplateCommand& command) {
    try {
        command.run(bench.wb);
        return {std::make_shared<const AssemblyScene>(sceneOf(assembledTemplate(bench.wb, command))), {}, {}};
    } catch (const std::exception& e) {
        return {nullptr, errorBoxText(e), badCellOf(bench.wb, e)};
    }
}

}  // namespace tessaro
