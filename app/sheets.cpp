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
constexpr double kFrameSeparation = 0.05;

}  // namespace

double defaultSheetGap(const Workbench& wb, TemplateTab tab) {
    const double cutter =
        tab == TemplateTab::TabSlot ? wb.tabSlotTable.real(kTabSlotCutterRow) : wb.boxTable.real(kBoxCutterRow);
    return std::max(2 * cutter, kSmallestGap);
}

SheetLayout sheetLayout(const Workbench& wb, TemplateTab tab, const SheetChoice& choice) {
    return {choice.size, choice.gap.value_or(defaultSheetGap(wb, tab))};
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
    return sheetBytes(wb, type, nestOntoSheets(wb.drawing, layout.size, layout.gap));
}

std::vector<std::string> sheetBytes(const Workbench& wb, FileType type, const std::vector<Drawing>& sheets) {
    std::vector<std::string> bytes;
    for (const Drawing& sheet : sheets) {
        bytes.push_back(drawingBytes(sheet, type, writeChoices(wb)));
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
    return saveSheets(wb, path, type, nestOntoSheets(wb.drawing, layout.size, layout.gap));
}

std::vector<std::string> saveSheets(const Workbench& wb, const std::string& path, FileType type,
                                    const std::vector<Drawing>& sheets) {
    // Every file's bytes are made before the first is written, so a failure writes none.
    const std::vector<std::string> bytes = sheetBytes(wb, type, sheets);
    const std::vector<std::string> names = sheetFileNames(path, bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        saveFileAtomically(names[i], bytes[i]);
    }
    return names;
}

std::optional<SavedSheets> performOnSheets(Workbench& wb, const TemplateCommand& command, SavePrompt& dialog,
                                           const SheetChoice& choice) {
    command.run(wb);
    const SheetLayout layout = sheetLayout(wb, command.tab, choice);
    wb.sheetDrawings = nestOntoSheets(wb.drawing, layout.size, layout.gap);
    auto chosen = dialog.ask(command.proposedName(wb));
    if (!chosen) {
        return std::nullopt;
    }
    return SavedSheets{*chosen, saveSheets(wb, chosen->path, chosen->type, wb.sheetDrawings)};
}

Drawing sheetsSideBySide(const std::vector<Drawing>& sheets, SheetSize size) {
    // A twentieth of the sheet between two frames keeps them apart at any scale.
    const double step = size.width * (1 + kFrameSeparation);
    Drawing shown;
    for (std::size_t s = 0; s < sheets.size(); ++s) {
        const double left = static_cast<double>(s) * step;
        shown.beginOutline({left, 0}, OutlineRole::OuterCut);
        for (const Point corner : {Point{left + size.width, 0}, Point{left + size.width, size.height},
                                   Point{left, size.height}, Point{left, 0}}) {
            shown.lineTo(corner);
        }
        shown.endPart("sheet " + std::to_string(s + 1));
        appendMoved(shown, sheets[s], {left, 0});
    }
    return shown;
}

}  // namespace tessaro
