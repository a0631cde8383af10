#include "app/cutout_list_file.h"

#include "app/table_files.h"
#include "model/utf8_text.h"
#include "output/files.h"

namespace tessaro {

namespace fs = std::filesystem;

std::vector<std::string> readCutoutLines(const fs::path& path) {
    std::string text;
    try {
        text = readRegularFile(path, 1);
    } catch (const FileRefused& e) {
        throw FileError("Cannot read the cut-outs \"" + path.string() + "\": " + e.what());
    }
    std::vector<std::string> lines;
    for (std::string_view rest = withoutByteOrderMark(text); !rest.empty();) {
        const std::size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (!utf8Characters(line)) {
            throw FileError("Cannot read the cut-outs \"" + path.string() + "\": line " +
                            std::to_string(lines.size() + 1) + ": not UTF-8");
        }
        lines.emplace_back(line);
    }
    return lines;
}

std::string cutoutListText(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text.append(line).append("\n");
    }
    return text;
}

std::vector<std::string> CutoutListFile::load(const fs::path& file) {
    refused_.reset();
    loaded_.clear();
    loadedLines_.clear();
    std::error_code ignored;
    if (!fs::exists(fs::symlink_status(file, ignored))) {
        return {};
    }
    try {
        loadedLines_ = readCutoutLines(file);
        loaded_ = file;
        return loadedLines_;
    } catch (const FileError&) {
        refused_ = file;
        throw;
    }
}

std::optional<std::string> CutoutListFile::save(const std::vector<std::string>& lines, const fs::path& file) {
    std::error_code ignored;
    if (lines.empty() && !fs::exists(fs::symlink_status(file, ignored))) {
        return std::nullopt;
    }
    if (!loaded_.empty() && lines == loadedLines_ && fs::equivalent(file, loaded_, ignored)) {
        return std::nullopt;
    }
    std::optional<std::string> kept;
    if (refused_ && (file == *refused_ || fs::equivalent(file, *refused_, ignored))) {
        kept = keepUnloadedFile(file);
        refused_.reset();
    }
    saveFileAtomically(file.string(), cutoutListText(lines), SaveTarget::RegularFile);
    return kept;
}

}  // namespace tessaro
