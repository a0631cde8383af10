// Table files of any bytes: read as text into a fresh main table, and loaded from a file.
// Only the program's errors may stop a load, a refused file leaves the table as it was,
// what loads saves and loads back to an equal table, and a character the file cannot
// keep is named exactly when saving would change the text.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "app/table_files.h"
#include "fuzz_checks.h"
#include "input_text.h"
#include "model/default_tables.h"
#include "model/param_table.h"
#include "output/text_file.h"

namespace {

namespace fs = std::filesystem;
using namespace tessaro;
using tessaro::fuzz::completes;
using tessaro::fuzz::expect;

// The loader refuses to read a file larger than this.
constexpr std::size_t kLargestTableFile = 1024 * 1024;

// One scratch folder for the whole run, removed when the run ends.
class ScratchFolder {
public:
    ScratchFolder() : path_(fs::temp_directory_path() / ("tessaro-fuzz-" + std::to_string(::getpid()))) {
        fs::create_directories(path_);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    [[nodiscard]] fs::path file(std::string_view name) const { return path_ / name; }

private:
    fs::path path_;
};

const ScratchFolder& scratch() {
    static const ScratchFolder folder;
    return folder;
}

void expectTextRoundTrip(const ParamTable& table) {
    ParamTable reread = defaultMainTable();
    readTableText(reread, tableFileText(table));
    expect(reread == table, "a loaded table's file text reads back to an equal table");
}

void checkText(std::string_view text) {
    ParamTable table = defaultMainTable();
    if (completes([&] { readTableText(table, text); })) {
        expectTextRoundTrip(table);
    }
}

// The window marks a cell for a character the table file cannot keep exactly when saving
// would change the cell's text, and names a character the text holds.
void checkKeptCharacters(std::string_view text) {
    const auto lost = firstCharacterOutsideWindows1251(text);
    expect(lost.has_value() == (fromWindows1251(toWindows1251(text)) != text),
           "a character is named as lost exactly when the file would change the text");
    expect(!lost || (!lost->empty() && text.find(*lost) != std::string_view::npos),
           "the character named is one of the text's");
}

void checkFile(std::string_view bytes) {
    const fs::path file = scratch().file(kMainTableFile);
    std::ofstream(file, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));

    ParamTable table = defaultMainTable();
    if (!completes([&] { loadTableFile(table, file); })) {
        expect(table == defaultMainTable(), "a refused file leaves the table as it was");
        return;
    }
    expectTextRoundTrip(table);

    // Through Windows-1251 on disk and back.
    if (!completes([&] { saveTableFile(table, file); })) {
        return;
    }
    ParamTable reloaded = defaultMainTable();
    if (completes([&] { loadTableFile(reloaded, file); })) {
        expect(reloaded == table, "a saved table loads back equal");
    } else {
        expect(fs::file_size(file) > kLargestTableFile, "a saved table is refused only for its size");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = tessaro::fuzz::textOf(data, size);
    checkText(bytes);
    checkKeptCharacters(bytes);
    checkFile(bytes);
    return 0;
}
