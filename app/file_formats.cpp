#include "app/file_formats.h"

#include "output/dxf_writer.h"
#include "output/eps_writer.h"
#include "output/svg_writer.h"

namespace tessaro {
namespace {

void eps(const Drawing& drawing, const WriteChoices&, LineSink& out) { writeEps(drawing, out); }
void dxf(const Drawing& drawing, const WriteChoices& choices, LineSink& out) {
    writeDxf(drawing, choices.lastPolylineClosed, out);
}
void svg(const Drawing& drawing, const WriteChoices& choices, LineSink& out) {
    writeSvg(drawing, choices.title, out, choices.page);
}

constexpr std::array<FileFormat, 4> kFileFormats{{
    {FileType::Eps, "eps", "EPS", LineEncoding::Windows1251WithCrLf, eps},
    {FileType::Dxf, "dxf", "DXF R12", LineEncoding::Windows1251WithCrLf, dxf},
    {FileType::Svg, "svg", "SVG", LineEncoding::Utf8WithLf, svg},
    {FileType::Stl, "stl", "STL", LineEncoding::Utf8WithLf, nullptr},
}};

}  // namespace

std::span<const FileFormat> fileFormats() { return kFileFormats; }

const FileFormat& fileFormat(FileType type) {
    for (const FileFormat& format : kFileFormats) {
        if (format.type == type) {
            return format;
        }
    }
    return kFileFormats[1];
}

std::string_view extensionOf(FileType type) { return fileFormat(type).extension; }

std::optional<FileType> fileTypeNamed(std::string_view extension) {
    for (const FileFormat& format : kFileFormats) {
        if (extension == format.extension) {
            return format.type;
        }
    }
    return std::nullopt;
}

std::string saveDialogFilter() {
    std::string filter;
    for (const FileFormat& format : kFileFormats) {
        if (format.writeDrawing == nullptr) {
            continue;
        }
        if (!filter.empty()) {
            filter += '|';
        }
        filter.append(format.caption).append("|*.").append(format.extension);
    }
    return filter;
}

}  // namespace tessaro
