#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/face_cutouts.h"

namespace tessaro {

// The entry of a command line option (--cutout, --vent, --label): UsageError naming the
// option and its value when it is not one.
[[nodiscard]] FaceCutout cutoutOption(CutoutKind kind, std::string_view value);

// The entries of a list file (UTF-8, one a line, "#" comments), read whole before any is
// used: UsageError naming the file and the line for a line that is not one, FileError for
// a file that cannot be read (or is not a regular file of at most 1 MiB).
[[nodiscard]] std::vector<FaceCutout> readCutoutFile(const std::string& path);

}  // namespace tessaro
