#include "app/saving.h"

#include "output/files.h"

namespace tessaro {

void writeDrawingAs(const Drawing& drawing, FileType type, const WriteChoices& choices, ByteSink& out) {
    const FileFormat& format = fileFormat(type);
    if (format.writeDrawingBytes != nullptr) {
        format.writeDrawingBytes(drawing, choices, out);
        return;
    }
    EncodedLines lines(out, format.encoding);
    format.writeDrawing(drawing, choices, lines);
    lines.flush();
}

std::string drawingBytes(const Drawing& drawing, FileType type, const WriteChoices& choices) {
    StringSink bytes;
    writeDrawingAs(drawing, type, choices, bytes);
    return std::move(bytes.bytes());
}

LineList drawingLines(const Drawing& drawing, FileType type, const WriteChoices& choices) {
    LineList lines;
    LineListSink sink(lines);
    fileFormat(type).writeDrawing(drawing, choices, sink);
    return lines;
}

WriteChoices writeChoices(const Workbench& wb) { return {wb.templateLabel, wb.lastPolylineClosed, wb.innerCutsFirst}; }

std::string templateBytes(const Workbench& wb, FileType type) {
    return drawingBytes(wb.drawing, type, writeChoices(wb));
}

void saveTemplate(const Workbench& wb, const std::string& path, FileType type, const WriteWatch& watch) {
    const WriteChoices choices = writeChoices(wb);
    saveFileAtomically(path, [&](ByteSink& out) {
        WatchedSink watched(out, watch);
        writeDrawingAs(wb.drawing, type, choices, watched);
    });
}

}  // namespace tessaro
