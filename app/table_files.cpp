#include "app/table_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <system_error>

#include "app/language.h"
#include "output/text_file.h"

namespace tessaro {
namespace {

namespace fs = std::filesystem;

std::string openMessage(const fs::path& path, int error) {
    return "Cannot open file \"" + path.string() + "\". " + std::strerror(error);
}

// A table file is a few hundred bytes of text; anything else is refused before it is read
// whole, so a stray binary or endless file cannot stall the start.
constexpr std::size_t kLargestTableFile = 1024 * 1024;

// Appended piece by piece: GCC 12 at -O3 takes "literal" + std::string&& for an
// overlapping copy (-Wrestrict) and the release build fails.
std::string notTableMessage(const fs::path& path, std::string_view why) {
    std::string message = "\"";
    message.append(path.string()).append("\" is not a table file (").append(why).append("); it was not loaded");
    return message;
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

std::string readBytes(const fs::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        throw FileError(openMessage(path, errno));
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        const int error = errno;
        ::close(fd);
        throw FileError(openMessage(path, error));
    }
    if (!S_ISREG(info.st_mode)) {
        ::close(fd);
        if (S_ISDIR(info.st_mode)) {
            throw FileError(openMessage(path, EISDIR));
        }
        throw FileError(notTableMessage(path, "not a regular file"));
    }
    std::string bytes;
    char buffer[4096];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            const int error = errno;
            ::close(fd);
            throw FileError(openMessage(path, error));
        }
        if (got == 0) {
            break;
        }
        bytes.append(buffer, static_cast<std::size_t>(got));
        if (bytes.size() > kLargestTableFile) {
            ::close(fd);
            throw FileError(notTableMessage(path, "larger than 1 MiB"));
        }
    }
    ::close(fd);
    if (!isText(bytes)) {
        throw FileError(notTableMessage(path, "it holds binary bytes"));
    }
    return bytes;
}

// Fills one row from one line: each text before a TAB is a cell, column 0 first.
void readRow(ParamTable& table, int row, std::string_view line) {
    if (row >= table.rowCount()) {
        table.setCell(0, row, {});
    }
    std::string rest(line);
    rest.push_back('\t');
    for (int column = 0; rest.size() > 1; ++column) {
        const std::size_t tab = rest.find('\t');
        table.setCell(column, row, rest.substr(0, tab));
        rest.erase(0, tab + 1);
    }
}

bool existsAsFile(const fs::path& path) {
    std::error_code ignored;
    return fs::exists(path, ignored);
}

// A file that fails is reported after the others have been tried: skipping them would
// have the close step overwrite their saved values with the defaults.
void loadIfPresent(ParamTable& table, const fs::path& path, std::string& failures) {
    if (!existsAsFile(path)) {
        return;
    }
    try {
        loadTableFile(table, path);
    } catch (const FileError& e) {
        failures += failures.empty() ? "" : "\n";
        failures += e.what();
    }
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
    int row = 0;
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        readRow(table, row++, text.substr(0, end));
        if (end == std::string_view::npos) {
            break;
        }
        const bool crLf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
        text.remove_prefix(end + (crLf ? 2 : 1));
    }
}

void loadTableFile(ParamTable& table, const fs::path& path) {
    readTableText(table, fromWindows1251(readBytes(path)));
}

void saveTableFile(const ParamTable& table, const fs::path& path) {
    saveFileAtomically(path.string(), toWindows1251(tableFileText(table)));
}

void loadSavedTables(Workbench& wb, const fs::path& folder, const std::function<void()>& switchToEnglish) {
    std::string failures;
    loadIfPresent(wb.ParamGrid, folder / kMainTableFile, failures);
    loadIfPresent(wb.ZubPazGrid, folder / kTabSlotTableFile, failures);
    if (tablesAreEnglish(wb)) {
        switchToEnglish();
    }
    loadIfPresent(wb.TransGrid, folder / kBobbinTableFile, failures);
    if (!failures.empty()) {
        throw FileError(failures);
    }
}

void saveTables(const Workbench& wb, const fs::path& folder) {
    saveTableFile(wb.ParamGrid, folder / kMainTableFile);
    saveTableFile(wb.ZubPazGrid, folder / kTabSlotTableFile);
    saveTableFile(wb.TransGrid, folder / kBobbinTableFile);
}

void TableStore::load(const std::function<void()>& switchToEnglish) {
    dontSave_ = false;
    loadSavedTables(wb_, folders_.workingFolder(), switchToEnglish);
}

void TableStore::save() const {
    if (!dontSave_) {
        saveTables(wb_, folders_.programFolder());
    }
}

void TableStore::forgetAndAskForRestart() {
    const fs::path folder = folders_.workingFolder();
    for (std::string_view name : {kMainTableFile, kTabSlotTableFile}) {
        std::error_code ignored;  // a file that cannot be deleted stays, without a message
        fs::remove(folder / name, ignored);
    }
    wb_.messages.show(kRestartMessage);
    dontSave_ = true;
}

}  // namespace tessaro
