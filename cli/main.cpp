// tessaro-cli: the template commands without a window.
#include <CLI/CLI.hpp>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iomanip>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "app/assembly.h"
#include "app/commands.h"
#include "app/error_text.h"
#include "app/fit_report.h"
#include "app/kerf_setting.h"
#include "app/language.h"
#include "app/saving.h"
#include "app/sheets.h"
#include "app/table_files.h"
#include "app/table_keys.h"
#include "model/about.h"
#include "model/number_parse.h"
#include "output/files.h"
#include "output/pdf_writer.h"
#include "output/text_file.h"

namespace {

using namespace tessaro;

// The side panel's warning goes to standard error; the command goes on. A message box
// breaks its lines at a carriage return, which a terminal would not.
class StderrMessages final : public MessageBox {
public:
    void show(std::string_view text) override {
        std::string lines(text);
        std::replace(lines.begin(), lines.end(), '\r', '\n');
        std::cerr << lines << '\n';
    }
    void showError(std::string_view text) override { std::cerr << "tessaro-cli: " << text << '\n'; }
};

struct Arguments {
    std::string command;
    std::string output;
    std::string format = "dxf";
    std::vector<std::string> assignments;
    std::string tables;
    std::string feet = "2";
    std::string sheet;
    std::string gap;
    std::string kerf;
    bool relief = false;
    bool screws = false;
    bool oneTooth = false;
    bool noJumper = false;
    bool noLidCorners = false;
    bool tabRelief = false;
    bool openLast = false;
    bool closedLast = false;
    bool innerFirst = false;
    bool nameOnly = false;
    bool showTables = false;
    bool fit = false;
};

std::vector<std::string> commandNames() {
    std::vector<std::string> names;
    for (const TemplateCommand& command : templateCommands()) {
        names.emplace_back(command.name);
    }
    return names;
}

// Each verb and its line of help, for the end of --help.
std::string commandList() {
    std::ostringstream list;
    list << "Commands:\n";
    for (const TemplateCommand& command : templateCommands()) {
        list << "  " << std::left << std::setw(16) << command.name << command.help << '\n';
    }
    return list.str();
}

void defineOptions(CLI::App& app, Arguments& a) {
    app.add_option("COMMAND", a.command, "The template to make")->check(CLI::IsMember(commandNames()));
    app.set_version_flag("--version", "tessaro-cli " + std::string(kVersion));
    app.footer(commandList());
    app.add_option("-o,--output", a.output,
                   "Where to write; default: the proposed file name in the current folder; - for standard output");
    std::vector<std::string> formats;
    for (const FileFormat& format : fileFormats()) {
        formats.emplace_back(format.name);
    }
    app.add_option("-f,--format", a.format,
                   "eps, dxf (R12, exact), dxf2000 (layers by operation), svg, pdf (1:1 with a 10 mm square); stl: the "
                   "box assembled, for full and simple-full")
        ->check(CLI::IsMember(formats));
    app.add_option("--set", a.assignments, "TABLE.KEY=TEXT: set a value cell exactly as typed")->take_all();
    app.add_option("--tables", a.tables, "Load ParamGrid.txt, ParamZub.txt and TransGrid.txt from this folder first")
        ->check(CLI::ExistingDirectory);
    app.add_flag("--relief", a.relief, "Cut straight inside corners of the boxes");
    app.add_flag("--screws", a.screws, "Screw slots and holes");
    app.add_flag("--one-tooth", a.oneTooth, "One bottom-support tooth");
    app.add_flag("--no-jumper", a.noJumper, "No bottom-support jumper");
    app.add_flag("--no-lid-corners", a.noLidCorners, "Keep the lid's corners square");
    app.add_flag("--tab-relief", a.tabRelief, "Cut straight inside corners of the tab-slot piece");
    app.add_option("--feet", a.feet, "Feet on the side panel: none, 1 or 2")->check(CLI::IsMember({"none", "1", "2"}));
    auto* sheet = app.add_option("--sheet", a.sheet,
                                 "WIDTHxHEIGHT in mm, e.g. 600x400: nest the parts onto sheets of this size, one file "
                                 "per sheet (FILE-1, FILE-2, ...)");
    app.add_option("--gap", a.gap,
                   "The least distance in mm between parts and from the sheet's edge; default: twice the cutter "
                   "diameter, at least 2")
        ->needs(sheet);
    app.add_option("--kerf", a.kerf,
                   "The beam's width in mm: outer cuts are offset outward and inner cuts inward by half of it, so "
                   "the parts come off the cutter as drawn (default 0)");
    auto* open = app.add_flag("--open-last", a.openLast, "Leave the last DXF polyline open");
    auto* closed = app.add_flag("--closed-last", a.closedLast, "Flag the last DXF polyline closed");
    open->excludes(closed);
    app.add_flag("--inner-first", a.innerFirst,
                 "Write each part's inner cuts before the outline around them in EPS and R12 DXF too (the other "
                 "types always do)");
    app.add_flag("--fit", a.fit,
                 "Print how the assembled box fits (full, simple-full): the room in every joint and the overlaps; "
                 "writes no file")
        ->excludes(sheet);
    app.add_flag("--name", a.nameOnly, "Print the proposed file name and exit");
    app.add_flag("--show-tables", a.showTables,
                 "Print every table row as TABLE.KEY<TAB>caption<TAB>value, after --tables and --set, and exit");
}

void applyTables(const Arguments& a, Workbench& wb) {
    if (!a.tables.empty()) {
        // As the window starts: an English main table makes the other tables' captions English too.
        const auto unloaded = loadSavedTables(wb, a.tables, [&wb] { setEnglishTables(wb); });
        if (!unloaded.empty()) {
            throw FileError(unloadedMessage(unloaded));
        }
    }
    for (const std::string& assignment : a.assignments) {
        assignTableValue(wb, assignment);
    }
}

void applySwitches(const Arguments& a, const TemplateCommand& command, Workbench& wb) {
    Options& o = wb.options;
    o.cornerRelief = a.relief;
    o.screwJoints = a.screws;
    o.singleSupportTooth = a.oneTooth;
    o.supportJumper = !a.noJumper;
    o.roundedLidCorners = !a.noLidCorners;
    o.tabSlotRelief = a.tabRelief;
    o.feet = a.feet == "none" ? Feet::None : a.feet == "1" ? Feet::One : Feet::Two;
    // As the window flags it when the verb's tab is shown.
    showTab(wb, command.tab);
    if (a.openLast) {
        wb.lastPolylineClosed = false;
    }
    if (a.closedLast) {
        wb.lastPolylineClosed = true;
    }
    wb.innerCutsFirst = a.innerFirst;
    if (!a.kerf.empty()) {
        wb.kerf = parseKerf(a.kerf);
    }
}

// A full disk or a closed pipe is a failed command, not a silent success, in every mode.
void writeToStandardOutput(std::string_view bytes) {
    errno = 0;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size();
    if (!written || std::fflush(stdout) != 0) {
        throw FileError(std::string("Cannot write to standard output. ") + std::strerror(errno != 0 ? errno : EIO));
    }
}

// A drawing streamed to standard output as it is written.
class StandardOutput final : public ByteSink {
public:
    void write(std::string_view bytes) override { writeToStandardOutput(bytes); }
};

std::string lines(const std::vector<std::string>& texts) {
    std::string text;
    for (const std::string& line : texts) {
        text.append(line).append("\n");
    }
    return text;
}

double gapOf(const Arguments& a, const TemplateCommand& command, const Workbench& wb) {
    return a.gap.empty() ? defaultSheetGap(wb, command.tab) : parseSheetGap(a.gap);
}

// With a sheet: one file per sheet, named after the output, each name on standard output;
// the sheets of an earlier, larger set that were removed on standard error.
void writeSheets(const Arguments& a, const TemplateCommand& command, const Workbench& wb, FileType type,
                 const SheetLayout& layout) {
    if (a.output == "-") {
        const std::vector<std::string> sheets = sheetBytes(wb, type, layout);
        if (sheets.size() > 1) {
            throw UsageError("the parts need " + std::to_string(sheets.size()) +
                             " sheets, which standard output cannot take apart: give -o FILE");
        }
        writeToStandardOutput(sheets.front());
        return;
    }
    const std::string path =
        a.output.empty() ? command.proposedName(wb) + "." + std::string(extensionOf(type)) : a.output;
    const SheetFiles saved = saveSheets(wb, path, type, layout);
    for (const std::string& name : saved.removed) {
        std::cerr << "tessaro-cli: removed \"" << name << "\", a sheet of an earlier, larger set\n";
    }
    writeToStandardOutput(lines(saved.written));
}

// The box assembled from the template just drawn, as STL.
void writeAssembledBox(const Arguments& a, const TemplateCommand& command, const Workbench& wb) {
    const std::string bytes = assembledTemplateStl(wb, command);
    if (a.output == "-") {
        writeToStandardOutput(bytes);
        return;
    }
    saveFileAtomically(a.output.empty() ? command.proposedName(wb) + ".stl" : a.output, bytes);
}

void refuseStlForNoBox(const Arguments& a, const TemplateCommand& command) {
    if (fileTypeNamed(a.format) != FileType::Stl) {
        return;
    }
    if (!assembles(command)) {
        throw UsageError("-f stl: '" + std::string(command.name) +
                         "' draws no whole box to assemble: use full or simple-full");
    }
    if (!a.sheet.empty()) {
        throw UsageError("--sheet nests flat parts: use it with -f eps, dxf, dxf2000, svg or pdf");
    }
}

// A cell that is not a number, named as --set and --show-tables name it.
std::string cellMessage(const Workbench& wb, const BadCellError& error) {
    const std::string key = tableKeyOf(wb, *error.table, error.row);
    return key.empty() ? error.what() : key + ": " + error.what();
}

int run(const Arguments& a, Workbench& wb) {
    applyTables(a, wb);
    if (a.showTables) {
        std::vector<std::string> rows;
        for (const TableRow& row : tableRows(wb)) {
            rows.push_back(row.key + '\t' + row.caption + '\t' + row.value);
        }
        writeToStandardOutput(lines(rows));
        return 0;
    }
    if (a.command.empty()) {
        throw UsageError("COMMAND is required: one of the commands listed by --help");
    }
    const TemplateCommand& command = *findCommand(a.command);
    applySwitches(a, command, wb);
    if (a.fit && !assembles(command)) {
        throw UsageError("--fit takes a whole box (full or simple-full), not " + a.command);
    }
    if (a.nameOnly) {
        writeToStandardOutput(command.proposedName(wb) + "\n");
        return 0;
    }
    refuseStlForNoBox(a, command);
    const SheetSize sheet = a.sheet.empty() ? SheetSize{} : parseSheetSize(a.sheet);
    const double gap = a.sheet.empty() ? 0 : gapOf(a, command, wb);
    command.run(wb);
    if (a.fit) {
        writeToStandardOutput(lines(fitReport(assembledTemplate(wb, command))));
        return 0;
    }
    if (fileTypeNamed(a.format) == FileType::Stl) {
        writeAssembledBox(a, command, wb);
        return 0;
    }
    const FileType type = *fileTypeNamed(a.format);
    if (!a.sheet.empty()) {
        writeSheets(a, command, wb, type, {sheet, gap});
        return 0;
    }
    if (a.output == "-") {
        StandardOutput out;
        writeDrawingAs(wb.drawing, type, writeChoices(wb), out);
        return 0;
    }
    const std::string path =
        a.output.empty() ? command.proposedName(wb) + "." + std::string(extensionOf(type)) : a.output;
    saveTemplate(wb, path, type);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{
        "Tessaro: cutting templates for laser cutters and CNC mills, written as EPS, DXF or SVG in millimetres,\n"
        "on one drawing or nested onto sheets (--sheet); a box assembled as STL (-f stl), and its fit report\n"
        "(--fit): the room in every joint and the parts that overlap",
        "tessaro-cli"};
    Arguments arguments;
    defineOptions(app, arguments);
    try {
        app.parse(argc, argv);
    } catch (const CLI::Success& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        app.exit(e);
        return 2;
    }
    // A PDF's caption leaves font caches behind, freed as the program ends.
    struct FontCachesReleased {
        ~FontCachesReleased() { releaseFontCaches(); }
    } fontCaches;
    SystemClock clock;
    StderrMessages messages;
    Workbench wb(clock, messages);
    try {
        return run(arguments, wb);
    } catch (const UsageError& e) {
        std::cerr << "tessaro-cli: " << e.what() << '\n';
        return 2;
    } catch (const BadCellError& e) {
        std::cerr << "tessaro-cli: " << errorBoxText(cellMessage(wb, e)) << '\n';
        return 1;
    } catch (const std::exception& e) {
        std::cerr << "tessaro-cli: " << errorBoxText(e) << '\n';
        return 1;
    }
}
