#include "app/sheets.h"

#include <algorithm>
#include <filesystem>

#include "app/saving.h"
#include "app/table_keys.h"
#include "model/number_parse.h"
#include "output/files.h"

namespace tessaro {
namespace {

constexpr double kSmallestGap = 2;
constexpr int kBoxCutterRow = 9;
constexpr int kTabSlotCutterRow = 6;

}  // namespace

double defaultSheetGap(const Workbench& wb, TemplateTab tab) {
    const double cutter =
        tab == TemplateTab::TabSlot ? wb.tabSlotTable.real(kTabSlotCutterRow) : wb.boxTable.real(kBoxCutterRow);
    return std::max(2 * cutter, kSmallestGap);
}

SheetSize parseSheetSize(std::string_view text) {
    const std::size_t by = text.find_first_of("xX");
    try {
        if (by != std::string_view::npos) {
            return {parseReal(text.substr(0, by)), parseReal(text.substr(by + 1))};
        }
    } catch (const ConversionError&) {
    }
    throw UsageError("--sheet '" + std::string(text) + "' is not WIDTHxHEIGHT in millimetres, such as 600x400");
}

std::vector<std::string> sheetBytes(const Workbench& wb, FileType type, const SheetLayout& layout) {
    std::vector<std::string> bytes;
    for (const LineList& sheet : nestOntoSheets(wb.epsDocument, layout.size, layout.gap)) {
        bytes.push_back(documentBytesAs(sheet, type, wb.closeLastOutline, wb.templateLabel));
    }
    return bytes;
}

std::vector<std::string> sheetFileNames(const std::string& path, std::size_t count) {
    const std::filesystem::path given(path);
    std::vector<std::string> names;
    for (std::size_t i = 1; i <= count; ++i) {
        std::filesystem::path name = given;
        name.replace_filename(given.stem().string() + "-" + std::to_string(i) + given.extension().string());
        names.push_back(name.string());
    }
    return names;
}

std::vector<std::string> saveSheets(const Workbench& wb, const std::string& path, FileType type,
                                    const SheetLayout& layout) {
    const std::vector<std::string> bytes = sheetBytes(wb, type, layout);
    const std::vector<std::string> names = sheetFileNames(path, bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        saveFileAtomically(names[i], bytes[i]);
    }
    return names;
}

}  // namespace tessaro
