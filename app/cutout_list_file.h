#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessaro {

// The window's list of cut-outs, kept beside the table files in the --cutouts format, so
// that `tessaro-cli full --cutouts Cutouts.txt` draws the box the window drew.
inline constexpr std::string_view kCutoutsFile = "Cutouts.txt";

// A list file's lines as the user wrote them, comments and bad entries included; a byte
// order mark at its start is no part of them.
// Failure: FileError for a file that cannot be read, is no regular file of at most 1 MiB or
// is not UTF-8.
[[nodiscard]] std::vector<std::string> readCutoutLines(const std::filesystem::path& path);

// The lines as the file's text, each ended by LF.
[[nodiscard]] std::string cutoutListText(const std::vector<std::string>& lines);

// The list file of one run of the window: read at start, written at close.
class CutoutListFile {
public:
    // The file's lines; a missing file holds none. A file that cannot be read is kept
    // beside before the first save replaces it. Failure: FileError, as readCutoutLines.
    [[nodiscard]] std::vector<std::string> load(const std::filesystem::path& file);
    // Writes the lines whole into the file; nothing when there are none and no file, or
    // when they are the lines loaded from it, which it keeps as the user wrote it.
    // Returns the sentence of a refused file kept beside, or nothing.
    // Failure: FileError "Cannot create file "NAME". REASON"; a device, a pipe or a link to
    // nothing is left as it was.
    std::optional<std::string> save(const std::vector<std::string>& lines, const std::filesystem::path& file);

private:
    std::optional<std::filesystem::path> refused_;
    std::filesystem::path loaded_;
    std::vector<std::string> loadedLines_;
};

}  // namespace tessaro
