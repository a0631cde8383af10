#include "app/table_folders.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <iterator>
#include <string_view>

#include "app/table_files.h"
#include "output/files.h"

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

// The folder the note in the data folder names; empty without a readable note.
fs::path movedFrom(const fs::path& dataFolder) {
    std::ifstream note(dataFolder / kMovedTablesNote, std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(note), std::istreambuf_iterator<char>()};
    return fs::path(text);
}

bool sameFolder(const fs::path& a, const fs::path& b) {
    std::error_code ignored;
    return !a.empty() && (a == b || fs::equivalent(a, b, ignored));
}

}  // namespace

bool runsFromItsBuild(const fs::path& programFolder) {
    std::error_code ignored;
    return fs::is_regular_file(programFolder / "CMakeCache.txt", ignored);
}

TableFolders tableFolders(const Folders& folders) {
    const fs::path program = folders.programFolder();
    const fs::path data = folders.userDataFolder();
    const fs::path working = folders.workingFolder();
    const fs::path home = runsFromItsBuild(program) ? program : data;
    const fs::path own = holdsATable(working) ? working : home;
    const bool moved = !sameFolder(own, data) && sameFolder(movedFrom(data), own) && holdsATable(data);
    return {moved ? data : own, own, data};
}

void noteTablesMoved(const fs::path& dataFolder, const fs::path& from) {
    saveFileAtomically((dataFolder / kMovedTablesNote).string(), from.string());
}

void forgetTablesMoved(const fs::path& dataFolder, const fs::path& from) {
    if (sameFolder(movedFrom(dataFolder), from)) {
        std::error_code ignored;
        fs::remove(dataFolder / kMovedTablesNote, ignored);
    }
}

}  // namespace tessaro
