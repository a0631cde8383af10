#include "app/saving.h"

#include "output/dxf.h"
#include "output/svg_writer.h"
#include "output/text_file.h"

namespace tessaro {

std::string templateBytes(Workbench& wb, FileType type) {
    switch (type) {
    case FileType::Eps:
        return documentBytes(wb.OUTeps);
    case FileType::Dxf:
        dxfGENClick(wb.OUTeps, wb.CloseLastOutline, wb.MemoDXF);
        return documentBytes(wb.MemoDXF);
    case FileType::Svg:
        return svgDocument(readEpsDrawing(wb.OUTeps), wb.tShablon);
    }
    return {};
}

void saveTemplate(Workbench& wb, const std::string& path, FileType type) {
    saveFileAtomically(path, templateBytes(wb, type));
}

}  // namespace tessaro
