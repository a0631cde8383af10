#include "app/file_signatures.h"

#include <array>
#include <initializer_list>
#include <string>
#include <string_view>

#include "output/dxf_writer.h"
#include "output/eps_writer.h"

namespace tessaro {
namespace {

// The DXF 2000 header up to its first value that depends on the drawing, the extents.
constexpr std::array<std::string_view, 22> kDxf2000Start = {
    "  0",       "SECTION", "  2",      "HEADER", "  9", "$ACADVER", "  1", "AC1015", "  9", "$DWGCODEPAGE", "  3",
    "ANSI_1251", "  9",     "$INSBASE", " 10",    "0",   " 20",      "0",   " 30",    "0",   "  9",          "$EXTMIN",
};

// The lines as the type's files hold them: encoded, each with its line end.
template <typename Lines>
std::string encoded(FileType type, const Lines& lines) {
    StringSink bytes;
    {
        EncodedLines out(bytes, fileFormat(type).encoding);
        for (const std::string_view line : lines) {
            out.line(line);
        }
        out.flush();
    }
    return std::move(bytes.bytes());
}

std::string encoded(FileType type, std::initializer_list<std::string_view> lines) {
    return encoded<std::initializer_list<std::string_view>>(type, lines);
}

// The header's first line and its bounding box, and the scale that ends it: the title
// lines between them hold the tables' captions and values.
bool epsWrittenByUs(std::string_view head) {
    static const std::string first = encoded(FileType::Eps, {"%!PS-Adobe-3.0 EPSF-3.0"}) + "%%BoundingBox: ";
    static const std::string end = encoded(FileType::Eps, {kEpsBodyMarker, "2.834646 2.834646 scale"});
    return head.starts_with(first) && head.find(end) != std::string_view::npos;
}

// The XML declaration, the svg element in millimetres, the title and the group of hairlines.
bool svgWrittenByUs(std::string_view head) {
    static const std::string declaration = encoded(FileType::Svg, {R"(<?xml version="1.0" encoding="UTF-8"?>)"}) +
                                           R"(<svg xmlns="http://www.w3.org/2000/svg" width=")";
    if (!head.starts_with(declaration)) {
        return false;
    }
    std::array<std::string_view, 4> lines{};
    for (std::string_view& line : lines) {
        const std::size_t end = head.find('\n');
        if (end == std::string_view::npos) {
            return false;
        }
        line = head.substr(0, end);
        head.remove_prefix(end + 1);
    }
    return lines[1].ends_with("\">") && lines[2].starts_with("<title>") && lines[2].ends_with("</title>") &&
           lines[3].starts_with(R"(<g fill="none" stroke-width=")");
}

}  // namespace

bool writtenAs(const FileEnds& ends, FileType type) {
    switch (type) {
    case FileType::Eps: return epsWrittenByUs(ends.head);
    case FileType::Dxf: {
        static const std::string prologue = encoded(FileType::Dxf, kDxfPrologue);
        return ends.head.starts_with(prologue);
    }
    case FileType::Dxf2000: {
        static const std::string start = encoded(FileType::Dxf2000, kDxf2000Start);
        return ends.head.starts_with(start);
    }
    case FileType::Svg: return svgWrittenByUs(ends.head);
    // Cairo begins every PDF alike; ours names its creator in the dictionary at its end.
    case FileType::Pdf:
        return ends.head.starts_with("%PDF-") && ends.tail.find("/Creator (Tessaro)") != std::string::npos;
    case FileType::Stl: break;
    }
    return false;
}

bool fileWrittenAs(const std::filesystem::path& file, FileType type) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(std::filesystem::symlink_status(file, error))) {
        return false;
    }
    try {
        return writtenAs(readFileEnds(file, kSignatureBytes), type);
    } catch (const FileError&) {
        return false;
    }
}

}  // namespace tessaro
