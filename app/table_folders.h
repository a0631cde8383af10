#pragma once

#include <filesystem>

#include "app/folders.h"

namespace tessaro {

// Where the window's tables are read at start and written at close.
struct TableFolders {
    std::filesystem::path readFrom;
    std::filesystem::path writeTo;
};

// A program that can create files in its own folder (run from its build) reads the tables
// from the working folder and writes them next to itself. Installed system-wide it cannot,
// so they are written to the user's data folder and read from there; until that folder
// holds a table, they are still read from the working folder.
[[nodiscard]] TableFolders tableFolders(const Folders& folders);

// Whether this process may create files in the folder.
[[nodiscard]] bool canCreateFilesIn(const std::filesystem::path& folder);

}  // namespace tessaro
