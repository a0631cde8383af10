#include "app/engraving_fonts.h"

#include <string>

#include "output/files.h"

namespace tessaro {
namespace {

// A Hershey font is some ten kilobytes; a larger file is no font of ours.
constexpr std::size_t kLargestFontMebibytes = 1;

HersheyFont loadFont(const std::filesystem::path& path) {
    std::string text;
    try {
        text = readRegularFile(path, kLargestFontMebibytes);
    } catch (const FileRefused& refused) {
        throw FontError("\"" + path.string() + "\" is not a Hershey font file (" + refused.what() + ")");
    } catch (const FileError& e) {
        throw FileError(std::string(e.what()) +
                        "; engraved text is drawn with the Hershey fonts of the package hershey-fonts-data");
    }
    return parseHersheyFont(text, path.string());
}

}  // namespace

EngravingFonts loadEngravingFonts(const std::filesystem::path& folder) {
    return {loadFont(folder / kLatinFontFile), loadFont(folder / kCyrillicFontFile)};
}

}  // namespace tessaro
