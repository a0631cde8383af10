#include "app/saving.h"

#include "output/dxf.h"
#include "output/svg_writer.h"
#include "output/text_file.h"

namespace tessaro {

std::string documentBytesAs(const LineList& eps, FileType type, bool lastPolylineClosed, std::string_view label,
                            LineList& dxfDocument) {
    switch (type) {
    case FileType::Eps:
        return documentBytes(eps);
    case FileType::Dxf:
        convertToDxf(eps, lastPolylineClosed, dxfDocument);
        return documentBytes(dxfDocument);
    case FileType::Svg:
        return svgDocument(readEpsDrawing(eps), label);
    }
    return {};
}

std::string documentBytesAs(const LineList& eps, FileType type, bool lastPolylineClosed, std::string_view label) {
    LineList dxfDocument;
    return documentBytesAs(eps, type, lastPolylineClosed, label, dxfDocument);
}

std::string templateBytes(Workbench& wb, FileType type) {
    return documentBytesAs(wb.epsDocument, type, wb.lastPolylineClosed, wb.templateLabel, wb.dxfDocument);
}

void saveTemplate(Workbench& wb, const std::string& path, FileType type) {
    saveFileAtomically(path, templateBytes(wb, type));
}

}  // namespace tessaro
