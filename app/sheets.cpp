#include "app/sheets.h"

#include <algorithm>
#include <charconv>
#include <filesystem>

#include "app/file_signatures.h"
#include "app/saving.h"
#include "app/table_keys.h"
#include "model/number_parse.h"
#include "output/files.h"

namespace tessaro {
namespace {

constexpr double kSmallestGap = 2;
constexpr double kFrameSeparation = 0.05;
// The nesting's own bounds: larger sides would overflow its arithmetic.
constexpr double kLargestSheetSide = 10000;
const std::string kLargestSheetSideText = "10000";

// The number K of a sheet's file name "NAME-K.EXT" of the set named `path`; 0 for any
// other name.
std::size_t sheetNumberOf(const std::string& name, const std::string& head, const std::string& tail) {
    if (name.size() <= head.size() + tail.size() || !name.starts_with(head) || !name.ends_with(tail) ||
        name[head.size()] == '0') {
        return 0;
    }
    std::size_t number = 0;
    const char* first = name.data() + head.size();
    const char* last = name.data() + name.size() - tail.size();
    const auto [end, error] = std::from_chars(first, last, number);
    return error == std::errc{} && end == last ? number : 0;
}

std::string sheetFileName(const std::string& path, std::size_t number) {
    const std::filesystem::path given(path);
    std::filesystem::path name = given;
    name.replace_filename(given.stem().string() + "-" + std::to_string(number) + given.extension().string());
    return name.string();
}

// The files beside a set of `count` named as its sheets would be beyond it. Only what is
// provably an earlier, larger set of ours is stale: the unbroken run from count + 1, each
// a regular file our writer of that type made. A user's "box-2024.dxf" or "box-7.dxf" is
// named, never removed.
struct SheetsBeyond {
    std::vector<std::string> stale;
    std::vector<std::string> others;
};

SheetsBeyond sheetsBeyond(const std::string& path, FileType type, std::size_t count) {
    namespace fs = std::filesystem;
    SheetsBeyond beyond;
    for (std::size_t number = count + 1;; ++number) {
        const std::string name = sheetFileName(path, number);
        if (!fileWrittenAs(name, type)) {
            break;
        }
        beyond.stale.push_back(name);
    }
    const fs::path given(path);
    const std::string head = given.stem().string() + "-";
    const std::string tail = given.extension().string();
    std::vector<std::pair<std::size_t, std::string>> others;
    std::error_code error;
    const fs::path folder = given.parent_path().empty() ? fs::path(".") : given.parent_path();
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
        const std::size_t number = sheetNumberOf(entry.path().filename().string(), head, tail);
        if (number > count + beyond.stale.size()) {
            others.emplace_back(number, sheetFileName(path, number));
        }
    }
    std::sort(others.begin(), others.end());
    for (auto& [number, name] : others) {
        beyond.others.push_back(std::move(name));
    }
    return beyond;
}

std::vector<std::string> removed(const std::vector<std::string>& sheets) {
    std::vector<std::string> gone;
    for (const std::string& sheet : sheets) {
        std::error_code error;
        if (std::filesystem::remove(sheet, error)) {
            gone.push_back(sheet);
        }
    }
    return gone;
}

}  // namespace

double defaultSheetGap(const Workbench& wb, TemplateTab tab) {
    const double cutter = tab == TemplateTab::TabSlot ? wb.tabSlotTable.real(TabSlotTableRow::ToolDiameter)
                                                      : wb.boxTable.real(MainRow::ToolDiameter);
    return std::max(2 * cutter, kSmallestGap);
}

SheetLayout sheetLayout(const Workbench& wb, TemplateTab tab, const SheetChoice& choice) {
    return {choice.size, choice.gap.value_or(defaultSheetGap(wb, tab)), choice.turning};
}

SheetSize parseSheetSize(std::string_view text) {
    const std::size_t by = text.find_first_of("xX");
    try {
        if (by != std::string_view::npos) {
            const SheetSize size{parseReal(text.substr(0, by)), parseReal(text.substr(by + 1))};
            // A side that rounds to nothing in the files is no sheet.
            if (size.width >= kFinestMillimetres && size.height >= kFinestMillimetres &&
                size.width <= kLargestSheetSide && size.height <= kLargestSheetSide) {
                return size;
            }
        }
    } catch (const ConversionError&) {
    }
    throw UsageError("--sheet '" + std::string(text) + "' is not WIDTHxHEIGHT in millimetres, each from " +
                     std::string(kFinestMillimetresText) + " to " + kLargestSheetSideText + ", such as 600x400");
}

double parseSheetGap(std::string_view text) {
    try {
        const double gap = parseReal(text);
        if (gap >= 0 && gap <= kLargestSheetSide) {
            return gap;
        }
    } catch (const ConversionError&) {
    }
    throw UsageError("--gap '" + std::string(text) + "' is not a distance in millimetres from 0 to " +
                     kLargestSheetSideText);
}

std::vector<std::string> sheetBytes(const Workbench& wb, FileType type, const SheetLayout& layout) {
    return sheetBytes(wb, type, nestOntoSheets(wb.drawing, layout.size, layout.gap, {}, layout.turning), layout.size);
}

std::vector<std::string> sheetBytes(const Workbench& wb, FileType type, const std::vector<Drawing>& sheets,
                                    SheetSize size) {
    std::vector<std::string> bytes;
    for (std::size_t s = 0; s < sheets.size(); ++s) {
        const Drawing& sheet = sheets[s];
        WriteChoices choices = writeChoices(wb);
        // The nesting puts the template's last outline last on the last sheet.
        const bool endsTemplate = s + 1 == sheets.size() && sheet.outlineCount() > 0;
        choices.lastPolylineClosed =
            choices.lastPolylineClosed || !endsTemplate || sheet.outline(sheet.outlineCount() - 1).closed();
        choices.page = Extent{0, 0, size.width, size.height, false};
        bytes.push_back(drawingBytes(sheet, type, choices));
    }
    return bytes;
}

FilesInTheWay sheetsInTheWay(const std::string& path, FileType type, std::size_t count) {
    SheetsBeyond beyond = sheetsBeyond(path, type, count);
    FilesInTheWay inTheWay{{}, std::move(beyond.stale), std::move(beyond.others)};
    for (const std::string& name : sheetFileNames(path, count)) {
        std::error_code ignored;
        if (std::filesystem::exists(name, ignored)) {
            inTheWay.replaced.push_back(name);
        }
    }
    return inTheWay;
}

std::vector<std::string> sheetFileNames(const std::string& path, std::size_t count) {
    std::vector<std::string> names;
    for (std::size_t number = 1; number <= count; ++number) {
        names.push_back(sheetFileName(path, number));
    }
    return names;
}

SheetFiles saveSheets(const Workbench& wb, const std::string& path, FileType type, const SheetLayout& layout,
                      const RunInputs& inputs) {
    return saveSheets(wb, path, type, nestOntoSheets(wb.drawing, layout.size, layout.gap, {}, layout.turning),
                      layout.size, inputs);
}

SheetFiles saveSheets(const Workbench& wb, const std::string& path, FileType type, const std::vector<Drawing>& sheets,
                      SheetSize size, const RunInputs& inputs) {
    // A set named after a device would be made beside it, in /dev.
    refuseUnlessRegularOrAbsent(path);
    const std::vector<std::string> bytes = sheetBytes(wb, type, sheets, size);
    const std::vector<std::string> names = sheetFileNames(path, bytes.size());
    inputs.refuseAsOutputs(names);
    std::vector<FileToSave> files;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        files.push_back({names[i], bytes[i]});
    }
    const FilesInTheWay before = sheetsInTheWay(path, type, names.size());
    saveFilesTogether(files);
    SheetsBeyond beyond = sheetsBeyond(path, type, names.size());
    return {names, before.replaced, removed(beyond.stale), std::move(beyond.others)};
}

std::optional<SavedSheets> saveOnSheets(Workbench& wb, const SheetLayout& layout, SavePrompt& dialog,
                                        const std::string& proposedName) {
    wb.sheetDrawings = nestOntoSheets(wb.drawing, layout.size, layout.gap, {}, layout.turning);
    const std::size_t count = wb.sheetDrawings.size();
    auto chosen = dialog.ask(
        proposedName, [count](const SaveChoice& choice) { return sheetsInTheWay(choice.path, choice.type, count); });
    if (!chosen) {
        return std::nullopt;
    }
    SheetFiles saved = saveSheets(wb, chosen->path, chosen->type, wb.sheetDrawings, layout.size);
    return SavedSheets{*chosen, std::move(saved), materialUse(wb.drawing, wb.sheetDrawings.size(), layout.size)};
}

std::optional<SavedSheets> performOnSheets(Workbench& wb, const TemplateCommand& command, SavePrompt& dialog,
                                           const SheetChoice& choice) {
    command.run(wb);
    return saveOnSheets(wb, sheetLayout(wb, command.tab, choice), dialog, command.proposedName(wb));
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
