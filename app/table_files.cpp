#include "app/table_files.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <system_error>
#include <vector>

#include "app/language.h"
#include "app/table_folders.h"
#include "output/files.h"
#include "output/text_file.h"

namespace tessaro {
namespace {

namespace fs = std::filesystem;

// A table file is a few hundred bytes of text; anything else is refused before it is read
// whole, so a stray binary or endless file cannot stall the start.
constexpr std::size_t kLargestTableFileMebibytes = 1;

std::string notTableMessage(const fs::path& path, std::string_view why) {
    return "\"" + path.string() + "\" is not a table file (" + std::string(why) + "); it was not loaded";
}

// Text holds no control characters but TAB, CR and LF.
bool isText(std::string_view bytes) {
    for (char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if ((u < 0x20 && c != '\t' && c != '\r' && c != '\n') || u == 0x7F) {
            return false;
        }
    }
    return true;
}

// The bytes of a table file: a regular text file of at most 1 MiB.
std::string readTableBytes(const fs::path& path) {
    std::string bytes;
    try {
        bytes = readRegularFile(path, kLargestTableFileMebibytes);
    } catch (const FileRefused& refused) {
        throw FileError(notTableMessage(path, refused.what()));
    }
    if (!isText(bytes)) {
        throw FileError(notTableMessage(path, "it holds binary bytes"));
    }
    return bytes;
}

// What a table can sensibly hold; the largest has a dozen rows of two cells. A text
// beyond it is refused before the table is touched.
constexpr std::size_t kMostTableLines = 1000;
constexpr std::size_t kMostTableCells = 64;

// A table text cut into cells: line j is row j, each text before a TAB is a cell,
// column 0 first, and a last text without its TAB is a cell all the same.
struct TableCells {
    std::vector<std::vector<std::string_view>> rows;
    std::string problem;  // why the text is no table; empty when it is one
};

std::vector<std::string_view> cellsOf(std::string_view line) {
    std::vector<std::string_view> cells;
    while (!line.empty()) {
        const std::size_t tab = line.find('\t');
        cells.push_back(line.substr(0, tab));
        line.remove_prefix(tab == std::string_view::npos ? line.size() : tab + 1);
    }
    return cells;
}

TableCells splitTableText(std::string_view text) {
    TableCells table;
    while (!text.empty()) {
        if (table.rows.size() == kMostTableLines) {
            table.problem = "more than " + std::to_string(kMostTableLines) + " lines";
            return table;
        }
        const std::size_t end = text.find_first_of("\r\n");
        table.rows.push_back(cellsOf(text.substr(0, end)));
        if (table.rows.back().size() > kMostTableCells) {
            table.problem = "a line of more than " + std::to_string(kMostTableCells) + " cells";
            return table;
        }
        if (end == std::string_view::npos) {
            break;
        }
        const bool crLf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
        text.remove_prefix(end + (crLf ? 2 : 1));
    }
    return table;
}

// The bytes a table is saved as, refused when the start would not load them back (a cell
// typed too long makes the file larger than the start reads): the old file then stays.
std::string tableFileBytes(const ParamTable& table, const fs::path& path) {
    std::string bytes = toWindows1251(tableFileText(table));
    std::string problem;
    if (bytes.size() > kLargestTableFileMebibytes * 1024 * 1024) {
        problem = "larger than " + std::to_string(kLargestTableFileMebibytes) + " MiB";
    } else if (!isText(bytes)) {
        problem = "it holds control characters";
    } else {
        problem = splitTableText(bytes).problem;
    }
    if (!problem.empty()) {
        throw FileError("Cannot create file \"" + path.string() +
                        "\". The table would make a file the next start "
                        "refuses (" +
                        problem + "), so it was not saved and the file was left as it was");
    }
    return bytes;
}

void fillTable(ParamTable& table, const TableCells& cells) {
    for (std::size_t j = 0; j < cells.rows.size(); ++j) {
        const int row = static_cast<int>(j);
        if (row >= table.rowCount()) {
            table.setCell(0, row, {});
        }
        for (std::size_t column = 0; column < cells.rows[j].size(); ++column) {
            table.setCell(static_cast<int>(column), row, std::string(cells.rows[j][column]));
        }
    }
}

bool existsAsFile(const fs::path& path) {
    std::error_code ignored;
    return fs::exists(path, ignored);
}

// A file that fails is reported after the others have been tried: skipping them would
// have the close step overwrite their saved values with the defaults.
void loadIfPresent(ParamTable& table, const fs::path& path, std::vector<UnloadedTableFile>& unloaded) {
    if (!existsAsFile(path)) {
        return;
    }
    try {
        loadTableFile(table, path);
    } catch (const FileError& e) {
        unloaded.push_back({path, e.what()});
    }
}

bool isAmong(const fs::path& path, const std::vector<UnloadedTableFile>& files) {
    return std::any_of(files.begin(), files.end(), [&path](const UnloadedTableFile& file) {
        std::error_code ignored;
        return fs::equivalent(path, file.path, ignored);
    });
}

// Moves the file to the first free name of "NAME.refused.EXT", "NAME.refused-2.EXT", ...
// beside it, never over another file; returns the new name.
fs::path keepAside(const fs::path& path) {
    // A device or a pipe refused at start is neither written nor moved.
    refuseUnlessRegularOrAbsent(path.string());
    if (::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0) {
        throw FileError("Cannot create file \"" + path.string() + "\". " + std::strerror(errno));
    }
    for (int attempt = 1;; ++attempt) {
        const std::string tag = attempt == 1 ? ".refused" : ".refused-" + std::to_string(attempt);
        const fs::path kept = path.parent_path() / (path.stem().string() + tag + path.extension().string());
        if (::renameat2(AT_FDCWD, path.c_str(), AT_FDCWD, kept.c_str(), RENAME_NOREPLACE) == 0) {
            return kept;
        }
        if (errno != EEXIST) {
            throw FileError("Cannot create file \"" + path.string() +
                            "\". It was not loaded at start and could not be "
                            "kept under another name: " +
                            std::strerror(errno));
        }
    }
}

std::string keptMessage(const fs::path& path, const fs::path& kept) {
    std::string message = "\"";
    message.append(path.string())
        .append("\" was not loaded at start, so it was not overwritten: it is kept as \"")
        .append(kept.string())
        .append("\", and the new one was saved in its place");
    return message;
}

std::string joinedLines(const std::vector<std::string>& lines, char lineBreak) {
    std::string text;
    for (const std::string& line : lines) {
        text += text.empty() ? "" : std::string(1, lineBreak);
        text += line;
    }
    return text;
}

}  // namespace

std::string tableFileText(const ParamTable& table) {
    std::string text;
    for (int row = 0; row < table.rowCount(); ++row) {
        for (int column = 0; column < table.columnCount(); ++column) {
            // A TAB or line break inside a cell would split it on reading: it is kept as a blank.
            for (char c : table.cell(column, row)) {
                text += c == '\t' || c == '\r' || c == '\n' ? ' ' : c;
            }
            text += '\t';
        }
        text += "\r\n";
    }
    return text;
}

void readTableText(ParamTable& table, std::string_view text) {
    const TableCells cells = splitTableText(text);
    if (!cells.problem.empty()) {
        throw FileError("The text is not a table (" + cells.problem + ")");
    }
    fillTable(table, cells);
}

void loadTableFile(ParamTable& table, const fs::path& path) {
    const std::string text = fromWindows1251(readTableBytes(path));
    const TableCells cells = splitTableText(text);
    if (!cells.problem.empty()) {
        throw FileError(notTableMessage(path, cells.problem));
    }
    fillTable(table, cells);
}

void saveTableFile(const ParamTable& table, const fs::path& path) {
    saveFileAtomically(path.string(), tableFileBytes(table, path), SaveTarget::RegularFile);
}

std::vector<UnloadedTableFile> loadSavedTables(Workbench& wb, const fs::path& folder,
                                               const std::function<void()>& useEnglish) {
    std::vector<UnloadedTableFile> unloaded;
    loadIfPresent(wb.boxTable, folder / kMainTableFile, unloaded);
    loadIfPresent(wb.tabSlotTable, folder / kTabSlotTableFile, unloaded);
    if (tablesAreEnglish(wb)) {
        useEnglish();
    }
    loadIfPresent(wb.bobbinTable, folder / kBobbinTableFile, unloaded);
    return unloaded;
}

std::string unloadedMessage(const std::vector<UnloadedTableFile>& unloaded) {
    std::vector<std::string> messages;
    for (const UnloadedTableFile& file : unloaded) {
        messages.push_back(file.message);
    }
    return joinedLines(messages, '\n');
}

std::vector<std::string> saveTables(const Workbench& wb, const fs::path& folder,
                                    const std::vector<UnloadedTableFile>& keep) {
    std::vector<std::string> kept;
    std::vector<std::string> failures;
    bool folderFailed = false;
    const std::pair<const ParamTable*, std::string_view> files[] = {
        {&wb.boxTable, kMainTableFile}, {&wb.tabSlotTable, kTabSlotTableFile}, {&wb.bobbinTable, kBobbinTableFile}};
    for (const auto& [table, name] : files) {
        const fs::path path = folder / name;
        std::string bytes;
        try {
            bytes = tableFileBytes(*table, path);
        } catch (const FileError& e) {
            failures.emplace_back(e.what());
            continue;
        }
        try {
            if (isAmong(path, keep)) {
                kept.push_back(keepUnloadedFile(path));
            }
            saveFileAtomically(path.string(), bytes, SaveTarget::RegularFile);
            // The window marks such a cell; the close still says what the file could not keep.
            if (const auto lost = firstCharacterOutsideWindows1251(tableFileText(*table))) {
                kept.push_back("\"" + path.string() + "\" cannot keep \"" + *lost + "\": it was saved as \"?\"");
            }
        } catch (const FileError& e) {
            failures.emplace_back(e.what());
            folderFailed = true;
        }
    }
    if (!failures.empty()) {
        failures.insert(failures.end(), kept.begin(), kept.end());
        throw TablesNotSaved(joinedLines(failures, '\n'), folderFailed);
    }
    return kept;
}

std::string keepUnloadedFile(const fs::path& path) { return keptMessage(path, keepAside(path)); }

void TableStore::load(const std::function<void()>& useEnglish) {
    unloaded_ = loadSavedTables(wb_, tableFolders(folders_).readFrom, useEnglish);
    if (!unloaded_.empty()) {
        throw FileError(unloadedMessage(unloaded_));
    }
}

namespace {

// The data folder does not exist before the first close; a folder that cannot be made
// shows as the failure of each file.
std::vector<std::string> saveTablesInto(const Workbench& wb, const fs::path& folder,
                                        const std::vector<UnloadedTableFile>& keep) {
    std::error_code ignored;
    fs::create_directories(folder, ignored);
    return saveTables(wb, folder, keep);
}

std::string movedMessage(const fs::path& from, const fs::path& to, const std::string& why) {
    std::string message = "The tables could not be saved in \"";
    message.append(from.string())
        .append("\", so they were saved in \"")
        .append(to.string())
        .append("\", where the next start reads them:\r")
        .append(why);
    std::replace(message.begin(), message.end(), '\n', '\r');
    return message;
}

}  // namespace

void TableStore::save() const {
    const TableFolders folders = tableFolders(folders_);
    std::vector<std::string> kept;
    try {
        kept = saveTablesInto(wb_, folders.writeTo, unloaded_);
        forgetTablesMoved(folders.fallback, folders.writeTo);
    } catch (const TablesNotSaved& failed) {
        // A table the start would refuse is refused everywhere; a folder that cannot take
        // a file is helped by another.
        if (!failed.folderFailed || folders.writeTo == folders.fallback) {
            throw;
        }
        // Where they belong cannot take them: the data folder keeps them rather than lose the values.
        try {
            kept = saveTablesInto(wb_, folders.fallback, unloaded_);
            noteTablesMoved(folders.fallback, folders.writeTo);
        } catch (const FileError& alsoFailed) {
            throw FileError(std::string(failed.what()) + "\n" + alsoFailed.what());
        }
        kept.insert(kept.begin(), movedMessage(folders.writeTo, folders.fallback, failed.what()));
    }
    if (!kept.empty()) {
        // A message box breaks its lines at a carriage return.
        wb_.messages.show(joinedLines(kept, '\r') + ".");
    }
}

void TableStore::useRussian() {
    setRussianTables(wb_);
    wb_.messages.show(kRestartMessage);
}

}  // namespace tessaro
