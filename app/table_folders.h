#pragma once

#include <filesystem>

#include "app/folders.h"

namespace tessaro {

// Where the window's tables are read at start and written at close.
struct TableFolders {
    std::filesystem::path readFrom;
    std::filesystem::path writeTo;
};

// Run from its build (./run), the window reads the tables from the working folder and
// writes them next to itself. Anywhere else it is installed, and its folder is the
// system's even when this user may write there (root and /usr/bin): the tables are
// written to the user's data folder and read from there; until that folder holds a
// table, they are still read from the working folder.
[[nodiscard]] TableFolders tableFolders(const Folders& folders);

// Whether the program lies in the build folder CMake made, its CMakeCache.txt beside it.
[[nodiscard]] bool runsFromItsBuild(const std::filesystem::path& programFolder);

}  // namespace tessaro
