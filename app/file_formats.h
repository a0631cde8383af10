#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "drawing/drawing.h"
#include "output/line_sink.h"

namespace tessaro {

// The file types a template is saved as. EPS, DXF R12 and SVG are numbered as the save
// dialog's first three filters.
enum class FileType { Eps = 1, Dxf = 2, Svg = 3, Stl = 4, Dxf2000 = 5, Pdf = 6 };

// What a writer of a flat drawing needs besides the drawing.
struct WriteChoices {
    std::string_view title;          // the template's label
    bool lastPolylineClosed = true;  // the DXF closing flag
    bool innerCutsFirst = false;     // the order of the EPS and R12 DXF; the other types always have it
    std::optional<Extent> page{};    // a sheet, which an SVG shows whole; none: the drawing's extent
};

using DrawingWriter = void (*)(const Drawing&, const WriteChoices&, LineSink&);
using DrawingByteWriter = void (*)(const Drawing&, const WriteChoices&, ByteSink&);

struct FileFormat {
    FileType type;
    std::string_view name;       // the command line's -f
    std::string_view extension;  // without the dot
    std::string_view caption;    // in the save dialog's list of types
    LineEncoding encoding;
    // Writes a flat drawing as lines; none for STL, which is the box assembled from it, and
    // for PDF, which is written as bytes.
    DrawingWriter writeDrawing;
    DrawingByteWriter writeDrawingBytes = nullptr;

    // A type a template's drawing is saved as, not the box assembled.
    [[nodiscard]] bool flat() const { return writeDrawing != nullptr || writeDrawingBytes != nullptr; }
};

// Every type the program writes, in the save dialog's order.
[[nodiscard]] std::span<const FileFormat> fileFormats();
[[nodiscard]] const FileFormat& fileFormat(FileType type);
[[nodiscard]] std::string_view extensionOf(FileType type);
// The type the command line's -f names.
[[nodiscard]] std::optional<FileType> fileTypeNamed(std::string_view name);
// The first flat type written with this extension: ".dxf" is the R12 DXF.
[[nodiscard]] std::optional<FileType> flatFileTypeOfExtension(std::string_view extension);
// The flat types as the save dialog's filter: "EPS|*.eps|DXF R12|*.dxf|...|DXF 2000|*.dxf".
[[nodiscard]] std::string saveDialogFilter();

}  // namespace tessaro
