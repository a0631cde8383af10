#include "app/table_folders.h"

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

bool runsFromItsBuild(const fs::path& programFolder) {
    std::error_code ignored;
    return fs::is_regular_file(programFolder / "CMakeCache.txt", ignored);
}

TableFolders tableFolders(const Folders& folders) {
    const fs::path program = folders.programFolder();
    if (runsFromItsBuild(program)) {
        return {folders.workingFolder(), program};
    }
    const fs::path data = folders.userDataFolder();
    return {holdsATable(data) ? data : folders.workingFolder(), data};
}

}  // namespace tessaro
