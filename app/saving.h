#pragma once

#include <string>
#include <string_view>

#include "app/file_formats.h"
#include "model/workbench.h"
#include "output/line_list.h"

namespace tessaro {

// Writes a flat drawing (EPS, DXF, SVG or PDF) as the bytes of its file.
void writeDrawingAs(const Drawing& drawing, FileType type, const WriteChoices& choices, ByteSink& out);
[[nodiscard]] std::string drawingBytes(const Drawing& drawing, FileType type, const WriteChoices& choices);

// The lines of a flat drawing's text file, as the window's document pages show them.
[[nodiscard]] LineList drawingLines(const Drawing& drawing, FileType type, const WriteChoices& choices);

// How the current template is written: its label, closing flag and order.
[[nodiscard]] WriteChoices writeChoices(const Workbench& wb);

// The bytes of the current template in a flat type.
[[nodiscard]] std::string templateBytes(const Workbench& wb, FileType type);

// Saves the current template in a flat type; a failure leaves the old file as it was.
// The watch, asked as the bytes are written, may stop the save (WriteStopped), which
// leaves the old file as it was too.
void saveTemplate(const Workbench& wb, const std::string& path, FileType type, const WriteWatch& watch = {});

}  // namespace tessaro
