#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "drawing/drawing.h"
#include "output/line_sink.h"

namespace tessaro {

// The file types a template is saved as; the flat ones' numbers are the save dialog's
// filter indexes.
enum class FileType { Eps = 1, Dxf = 2, Svg = 3, Stl = 4 };

// What a writer of a flat drawing needs besides the drawing.
struct WriteChoices {
    std::string_view title;          // the template's label
    bool lastPolylineClosed = true;  // the DXF closing flag
    std::optional<Extent> page{};    // a sheet, which an SVG shows whole; none: the drawing's extent
};

using DrawingWriter = void (*)(const Drawing&, const WriteChoices&, LineSink&);

struct FileFormat {
    FileType type;
    std::string_view extension;  // without the dot; also the command line's -f
    std::string_view caption;    // in the save dialog's list of types
    LineEncoding encoding;
    // Writes a flat drawing; none for STL, which is the box assembled from it.
    DrawingWriter writeDrawing;
};

// Every type the program writes, in the save dialog's order.
[[nodiscard]] std::span<const FileFormat> fileFormats();
[[nodiscard]] const FileFormat& fileFormat(FileType type);
[[nodiscard]] std::string_view extensionOf(FileType type);
[[nodiscard]] std::optional<FileType> fileTypeNamed(std::string_view extension);
// The flat types as the save dialog's filter: "EPS|*.eps|DXF R12|*.dxf|...".
[[nodiscard]] std::string saveDialogFilter();

}  // namespace tessaro
