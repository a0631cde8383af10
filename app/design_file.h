#pragma once

#include <string>
#include <string_view>
#include <utility>

#include "app/design.h"
#include "app/table_keys.h"

namespace tessaro {

// A design file the reader refuses: "FILE:LINE: REASON", the parts kept apart for the
// window, which words the place in its own language.
class DesignFileError final : public UsageError {
public:
    DesignFileError(std::string file, int line, std::string reason)
        : UsageError(file + ":" + std::to_string(line) + ": " + reason),
          file(std::move(file)),
          line(line),
          reason(std::move(reason)) {}
    std::string file;
    int line;
    std::string reason;
};

// A design file's extension, as the window's dialogs offer it.
inline constexpr std::string_view kDesignExtension = "toml";

// The design as a TOML file: a comment saying what it is, the program's version, then
// every entry in a fixed order, each value in quotes as it was typed. Switches are all
// written; the rest only when there is something to say.
[[nodiscard]] std::string designText(const Design& design);

// Reads a design file's text, every entry checked as the command line checks its
// options, and nothing used until the whole file has been read. `file` names it in
// messages. Failure: DesignFileError, "FILE:LINE: " and why: not TOML (the parser's words), a
// key this version does not know (named, with the version that wrote the file when it is
// newer), a value of the wrong type, or the message the same option would give.
[[nodiscard]] Design parseDesign(std::string_view text, const std::string& file);

// Reads a design file of at most 1 MiB. Failure: FileError for a file that cannot be
// read, is no regular file or is larger; UsageError as parseDesign.
[[nodiscard]] Design readDesignFile(const std::string& path);

// Writes the design whole or not at all, over a regular file only.
// Failure: FileError "Cannot create file "NAME". REASON".
void saveDesignFile(const std::string& path, const Design& design);

}  // namespace tessaro
