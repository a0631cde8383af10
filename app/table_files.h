#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "app/folders.h"
#include "model/param_table.h"
#include "model/workbench.h"

namespace tessaro {

// The three tables that survive a restart, and their files.
inline constexpr std::string_view kMainTableFile = "ParamGrid.txt";    // boxTable
inline constexpr std::string_view kTabSlotTableFile = "ParamZub.txt";  // tabSlotTable
inline constexpr std::string_view kBobbinTableFile = "TransGrid.txt";  // bobbinTable

// The table's file text (UTF-8): one line per row from row 0, each cell followed by a
// TAB, each line by CR LF. A TAB, CR or LF inside a cell is written as a blank.
[[nodiscard]] std::string tableFileText(const ParamTable& table);

// Fills the table from a file text (UTF-8): line j goes to row j; a line's cells are the
// texts before each TAB, column 0 first. Rows and columns are added as needed; what the
// text does not mention keeps its text, and the table never shrinks. A text of more
// than 1000 lines or with a line of more than 64 cells is refused (FileError) and the
// table is untouched.
void readTableText(ParamTable& table, std::string_view text);

// Reads a Windows-1251 table file into the table; the table is untouched on failure.
// Failure: FileError "Cannot open file "NAME". REASON", or the refusal of a file that
// is no table file.
void loadTableFile(ParamTable& table, const std::filesystem::path& path);

// Writes the table as a Windows-1251 file, replacing it only once the new one is complete.
// A table the start would not load back (over 1 MiB, say), a device, a pipe or a link to
// nothing is refused, and the file is left as it was.
// Failure: FileError "Cannot create file "NAME". REASON".
void saveTableFile(const ParamTable& table, const std::filesystem::path& path);

// A table file that exists but was not loaded, and the message that says why.
struct UnloadedTableFile {
    std::filesystem::path path;
    std::string message;
};

// The start-up loads from a folder, in the window's order: the main table, the tab-slot
// table, then useEnglish if the main table's value header reads "Value", then the
// transformer table. A missing file is skipped. A file that cannot be opened, or that
// is no table file (binary bytes, over 1 MiB, too many lines), keeps its table's
// defaults and is returned; the others are still loaded.
[[nodiscard]] std::vector<UnloadedTableFile> loadSavedTables(Workbench& wb, const std::filesystem::path& folder,
                                                             const std::function<void()>& useEnglish);

// The messages of the files that were not loaded, one per line.
[[nodiscard]] std::string unloadedMessage(const std::vector<UnloadedTableFile>& unloaded);

// The close step: the main, tab-slot and transformer tables, in that order, into the
// folder. Each is tried; then FileError reports every failure, one per line.
// A file among `keep` (one that was not loaded at start) is never overwritten: it is
// renamed to a free name beside it ("ParamGrid.refused.txt") before the table is
// written; one that is no regular file is left alone, and its table is not saved.
// Returns a sentence for each file kept so.
std::vector<std::string> saveTables(const Workbench& wb, const std::filesystem::path& folder,
                                    const std::vector<UnloadedTableFile>& keep = {});

// Moves a file that was not loaded to the first free name beside it ("ParamGrid.refused.txt"),
// never over another file, so that what is saved in its place loses nothing of it. Returns
// the sentence that says so. A device or a pipe is left alone.
// Failure: FileError "Cannot create file "NAME". REASON".
std::string keepUnloadedFile(const std::filesystem::path& path);

// The saved tables of the window's run, in the folders tableFolders chooses.
class TableStore {
public:
    TableStore(Workbench& wb, const Folders& folders) : wb_(wb), folders_(folders) {}

    // loadTablesAtStart's loads (see loadSavedTables).
    // Failure: FileError reporting every file that was not loaded.
    void load(const std::function<void()>& useEnglish);
    // saveTablesAtClose's saves. A file that was not loaded at start is kept under a new
    // name, and the message box says so.
    void save() const;
    // The Russian switch: the tables get their Russian captions back and keep every value,
    // and the user is asked for a restart. The close saves them, so the next start is
    // Russian with the values typed.
    void useRussian();

private:
    Workbench& wb_;
    const Folders& folders_;
    std::vector<UnloadedTableFile> unloaded_;
};

}  // namespace tessaro
