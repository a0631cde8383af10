#include "app/table_folders.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <string_view>

#include "app/table_files.h"

namespace tessaro {
namespace {

namespace fs = std::filesystem;

bool holdsATable(const fs::path& folder) {
    constexpr std::array<std::string_view, 3> names = {kMainTableFile, kTabSlotTableFile, kBobbinTableFile};
    return std::any_of(names.begin(), names.end(), [&folder](std::string_view name) {
        std::error_code ignored;
        return fs::exists(folder / name, ignored);
    });
}

}  // namespace

bool canCreateFilesIn(const fs::path& folder) {
    return ::faccessat(AT_FDCWD, folder.c_str(), W_OK | X_OK, AT_EACCESS) == 0;
}

TableFolders tableFolders(const Folders& folders) {
    const fs::path program = folders.programFolder();
    if (canCreateFilesIn(program)) {
        return {folders.workingFolder(), program};
    }
    const fs::path data = folders.userDataFolder();
    return {holdsATable(data) ? data : folders.workingFolder(), data};
}

}  // namespace tessaro
