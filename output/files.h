#pragma once

#include <cstddef>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tessaro {

// A file that could not be written or read; the message is the one the user sees.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A file that opened but is not one the reader takes; the message says why in a few
// words, for the caller to put in its own sentence.
class FileRefused : public FileError {
public:
    using FileError::FileError;
};

// Reads a whole regular file of at most `mostMebibytes` MiB; a pipe or a device is
// refused without being waited on, and a larger file before it is read whole.
// Failure: FileError "Cannot open file "NAME". REASON" (a folder too), or FileRefused
// "not a regular file" or "larger than N MiB".
[[nodiscard]] std::string readRegularFile(const std::filesystem::path& path, std::size_t mostMebibytes);

// Saves the bytes so that a failed save never destroys the file that was there and a
// file the user may not write is never replaced:
// - a symbolic link, live or dangling, is written through to the file it names;
// - a device or a pipe is written as it is;
// - otherwise the bytes go to a temporary file beside the target, flushed to disk, and
//   renamed over it; the folder is flushed after the rename. A replaced file keeps its
//   permissions, owner and group; where it cannot (another owner) or the folder is not
//   writable, a file the user may write is written in place.
// A temporary file left by a killed save of the same target is removed.
// Failure: FileError "Cannot create file "NAME". REASON".
void saveFileAtomically(const std::string& path, std::string_view bytes);

// The prefix of every temporary file of a save of the file NAME: hidden, recognisable,
// tied to NAME, and short enough that the temporary name fits any legal NAME.
[[nodiscard]] std::string temporaryNamePrefix(std::string_view name);

}  // namespace tessaro
