#include "app/file_formats.h"

#include "output/dxf2000_writer.h"
#include "output/dxf_writer.h"
#include "output/eps_writer.h"
#include "output/pdf_writer.h"
#include "output/svg_writer.h"

namespace tessaro {
namespace {

void eps(const Drawing& drawing, const WriteChoices& choices, LineSink& out) {
    writeEps(drawing, out, choices.innerCutsFirst);
}
void dxf(const Drawing& drawing, const WriteChoices& choices, LineSink& out) {
    writeDxf(drawing, choices.lastPolylineClosed, out, choices.innerCutsFirst);
}
void svg(const Drawing& drawing, const WriteChoices& choices, LineSink& out) {
    writeSvg(drawing, choices.title, out, choices.page);
}
void dxf2000(const Drawing& drawing, const WriteChoices&, LineSink& out) { writeDxf2000(drawing, out); }
void pdf(const Drawing& drawing, const WriteChoices& choices, ByteSink& out) {
    writePdf(drawing, choices.title, out, choices.page);
}

constexpr std::array<FileFormat, 6> kFileFormats{{
    {FileType::Eps, "eps", "eps", "EPS", LineEncoding::Windows1251WithCrLf, eps},
    {FileType::Dxf, "dxf", "dxf", "DXF R12", LineEncoding::Windows1251WithCrLf, dxf},
    {FileType::Svg, "svg", "svg", "SVG", LineEncoding::Utf8WithLf, svg},
    {FileType::Stl, "stl", "stl", "STL", LineEncoding::Utf8WithLf, nullptr},
    {FileType::Dxf2000, "dxf2000", "dxf", "DXF 2000", LineEncoding::Windows1251WithCrLf, dxf2000},
    {FileType::Pdf, "pdf", "pdf", "PDF", LineEncoding::Utf8WithLf, nullptr, pdf},
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

std::optional<FileType> fileTypeNamed(std::string_view name) {
    for (const FileFormat& format : kFileFormats) {
        if (name == format.name) {
            return format.type;
        }
    }
    return std::nullopt;
}

std::optional<FileType> flatFileTypeOfExtension(std::string_view extension) {
    for (const FileFormat& format : kFileFormats) {
        if (extension == format.extension && format.flat()) {
            return format.type;
        }
    }
    return std::nullopt;
}

std::string saveDialogFilter() {
    std::string filter;
    for (const FileFormat& format : kFileFormats) {
        if (!format.flat()) {
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
