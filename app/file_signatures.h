#pragma once

#include <cstddef>
#include <filesystem>

#include "app/file_formats.h"
#include "output/files.h"

namespace tessaro {

// How much of each end of a file tells whose writer made it: an EPS header with every
// title line, a PDF's closing dictionaries.
inline constexpr std::size_t kSignatureBytes = 64 * 1024;

// Whether the bytes are those our writer of `type` begins a file with (and, for a PDF,
// ends it with): what tells a file of ours from a user's own under a name of ours.
[[nodiscard]] bool writtenAs(const FileEnds& ends, FileType type);

// The same for a regular file, read no further than kSignatureBytes from each end; false
// for a file that cannot be read, a link, a device or a folder.
[[nodiscard]] bool fileWrittenAs(const std::filesystem::path& file, FileType type);

}  // namespace tessaro
