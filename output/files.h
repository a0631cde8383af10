#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "output/line_sink.h"

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

// The first and the last bytes of a file: what tells whose writer made it.
struct FileEnds {
    std::string head;
    std::string tail;
};

// At most `mostBytes` from the start of a regular file and as many from its end (the same
// bytes when the file is no longer), never the whole of a large file. Failure: as
// readRegularFile, but for the size.
[[nodiscard]] FileEnds readFileEnds(const std::filesystem::path& path, std::size_t mostBytes);

// What a save may find at the name besides a regular file.
enum class SaveTarget {
    AnyFile,      // a device or a pipe is written as it is; a dangling link is written through
    RegularFile,  // a device, a pipe or a socket, or a link to nothing, is refused
};

// Saves the bytes so that a failed save never destroys the file that was there and a
// file the user may not write is never replaced:
// - a symbolic link is written through to the file it names;
// - a device or a pipe is written as it is (SaveTarget::AnyFile);
// - otherwise the bytes go to a temporary file beside the target, flushed to disk, and
//   renamed over it; the folder is flushed after the rename. A replaced file keeps its
//   permissions, owner and group; where it cannot (another owner) or the folder is not
//   writable, a file the user may write is written in place, once the disk has room
//   for the new bytes, so that a full disk leaves the old file whole.
// A temporary file left by a killed save of the same target is removed; a live one,
// locked by its save, never is.
// Failure: FileError "Cannot create file "NAME". REASON".
void saveFileAtomically(const std::string& path, std::string_view bytes, SaveTarget rule = SaveTarget::AnyFile);

// Writes a file's bytes as they are made, so a drawing of millions of points is never
// held as one string.
using ContentWriter = std::function<void(ByteSink&)>;

// Saves as above, the bytes streamed into the temporary file as the writer makes them.
// Where the file is written in place, the writer runs once to measure the bytes and
// once to write them, so that neither a full disk nor the writer's own error leaves
// the old file half written.
void saveFileAtomically(const std::string& path, const ContentWriter& write, SaveTarget rule = SaveTarget::AnyFile);

struct FileToSave {
    std::string path;
    std::string_view bytes;
};

// Saves every file or none: each is written to its temporary (or given its room, when
// written in place) before the first replaces its old file, and a failure removes the
// temporaries and leaves every old file as it was. Regular files only (SaveTarget::RegularFile).
void saveFilesTogether(const std::vector<FileToSave>& files);

// FileError "Cannot create file "NAME". It is not a regular file" for a name that stands
// for a device, a pipe or a socket.
void refuseUnlessRegularOrAbsent(const std::string& path);

// The prefix of every temporary file of a save of the file NAME: hidden, recognisable,
// tied to NAME, and short enough that the temporary name fits any legal NAME.
[[nodiscard]] std::string temporaryNamePrefix(std::string_view name);

}  // namespace tessaro
