#pragma once

#include <filesystem>

#include "app/folders.h"

namespace tessaro {

// Where the window's tables are read at start and written at close, and where they go
// when that folder cannot take them.
struct TableFolders {
    std::filesystem::path readFrom;
    std::filesystem::path writeTo;
    std::filesystem::path fallback;  // the user's data folder
};

// The tables are read from where they will be written: the program's own folder when it
// runs from its build (./run), else the user's data folder (an installed program's folder
// is the system's, even when this user may write there, as root may /usr/bin). A working
// folder that holds table files is read instead, and written back to. Tables the close
// could not write to their folder went to the data folder: the next start reads them
// from there (see kMovedTablesNote) and tries their own folder again at close.
[[nodiscard]] TableFolders tableFolders(const Folders& folders);

// Whether the program lies in the build folder CMake made, its CMakeCache.txt beside it.
[[nodiscard]] bool runsFromItsBuild(const std::filesystem::path& programFolder);

// The file in the data folder that names the folder whose tables the close had to put
// there instead; it goes once that folder takes them again.
inline constexpr std::string_view kMovedTablesNote = "TablesMovedFrom.txt";

// Writes the note: the tables of `from` are in `dataFolder` now.
void noteTablesMoved(const std::filesystem::path& dataFolder, const std::filesystem::path& from);
// Removes the note when it names `from`, whose tables were saved where they belong.
void forgetTablesMoved(const std::filesystem::path& dataFolder, const std::filesystem::path& from);

}  // namespace tessaro
