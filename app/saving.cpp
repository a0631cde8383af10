#include "app/saving.h"

#include "output/dxf.h"
#include "output/svg_writer.h"
#include "output/text_file.h"

namespace tessaro {

std::string templateBytes(Workbench& wb, FileType type) {
    switch (type) {
    case FileType::Eps:
        return documentBytes(wb.epsDocument);
    case FileType::Dxf:
        convertToDxf(wb.epsDocument, wb.closeLastOutline, wb.dxfDocument);
        return documentBytes(wb.dxfDocument);
    case FileType::Svg:
        return svgDocument(readEpsDrawing(wb.epsDocument), wb.templateLabel);
    }
    return {};
}

void saveTemplate(Workbench& wb, const std::string& path, FileType type) {
    saveFileAtomically(path, templateBytes(wb, type));
}

}  // namespace tessaro
