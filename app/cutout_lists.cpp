#include "app/cutout_lists.h"

#include "app/table_keys.h"
#include "output/files.h"

namespace tessaro {

FaceCutout cutoutOption(CutoutKind kind, std::string_view value) {
    try {
        return parseCutoutValue(kind, value);
    } catch (const CutoutLineError& e) {
        throw UsageError("--" + std::string(kindName(kind)) + " \"" + std::string(value) + "\": " + e.what());
    }
}

std::vector<FaceCutout> readCutoutFile(const std::string& path) {
    std::string text;
    try {
        text = readRegularFile(path, 1);
    } catch (const FileRefused& e) {
        throw FileError("Cannot read the cut-outs \"" + path + "\": " + e.what());
    }
    try {
        return parseCutoutList(text);
    } catch (const CutoutLineError& e) {
        throw UsageError("--cutouts \"" + path + "\" " + e.what());
    }
}

}  // namespace tessaro
