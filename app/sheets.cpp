#include "app/sheets.h"

#include <algorithm>
#include <filesystem>

#include "app/saving.h"
#include "app/table_keys.h"
#include "model/number_parse.h"
#include "output/eps_header.h"
#include "output/eps_reader.h"
#include "output/files.h"
#include "output/outlines.h"
#include "output/pen.h"

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
    return sheetBytes(wb, type, nestOntoSheets(wb.epsDocument, layout.size, layout.gap));
}

std::vector<std::string> sheetBytes(const Workbench& wb, FileType type, const std::vector<LineList>& sheets) {
    std::vector<std::string> bytes;
    for (const LineList& sheet : sheets) {
        bytes.push_back(documentBytesAs(sheet, type, wb.lastPolylineClosed, wb.templateLabel));
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
    return saveSheets(wb, path, type, nestOntoSheets(wb.epsDocument, layout.size, layout.gap));
}

std::vector<std::string> saveSheets(const Workbench& wb, const std::string& path, FileType type,
                                    const std::vector<LineList>& sheets) {
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
    wb.sheetDocuments = nestOntoSheets(wb.epsDocument, layout.size, layout.gap);
    auto chosen = dialog.ask(command.proposedName(wb));
    if (!chosen) {
        return std::nullopt;
    }
    return SavedSheets{*chosen, saveSheets(wb, chosen->path, chosen->type, wb.sheetDocuments)};
}

LineList sheetsSideBySide(const std::vector<LineList>& sheets, SheetSize size) {
    // A twentieth of the sheet between two frames keeps them apart at any scale.
    const double step = size.width * (1 + kFrameSeparation);
    LineList body;
    body.append(kEpsBodyMarker);
    Pen pen(body);
    for (std::size_t s = 0; s < sheets.size(); ++s) {
        const double left = static_cast<double>(s) * step;
        const DrawingPoint frame[] = {{left, 0}, {left + size.width, 0}, {left + size.width, size.height},
                                      {left, size.height}, {left, 0}};
        traceThroughPoints(pen, frame);
        pen.stroke();
        const EpsDrawing drawing = readEpsDrawing(sheets[s]);
        for (std::size_t part = 0; part < drawing.partCount(); ++part) {
            for (std::size_t o = drawing.firstOutlineOf(part); o < drawing.endOutlineOf(part); ++o) {
                traceThroughPoints(pen, drawing.outline(o), {left, 0});
            }
            pen.stroke();
        }
    }
    return body;
}

}  // namespace tessaro
