#include "app/file_type.h"

namespace tessaro {

std::string_view extensionOf(FileType type) {
    switch (type) {
    case FileType::Eps: return "eps";
    case FileType::Dxf: return "dxf";
    case FileType::Svg: return "svg";
    }
    return "dxf";
}

std::optional<FileType> fileTypeNamed(std::string_view extension) {
    for (FileType type : {FileType::Eps, FileType::Dxf, FileType::Svg}) {
        if (extension == extensionOf(type)) {
            return type;
        }
    }
    return std::nullopt;
}

}  // namespace tessaro
