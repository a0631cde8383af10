// tessaro-cli: the template commands without a window.
#include <CLI/CLI.hpp>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iomanip>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "app/assembly.h"
#include "app/commands.h"
#include "app/cutout_lists.h"
#include "app/design_arguments.h"
#include "app/design_file.h"
#include "app/error_text.h"
#include "app/fit_comb.h"
#include "app/fit_report.h"
#include "app/job.h"
#include "app/kerf_setting.h"
#include "app/language.h"
#include "app/material_use.h"
#include "app/materials.h"
#include "app/run_inputs.h"
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

// The options that make a design, and those that say what to do with it.
struct Arguments : DesignArguments {
    std::string output;
    std::string format = "dxf";
    std::vector<std::string> assignments;
    std::string tables;
    std::optional<std::string> savedMaterial;
    std::string savedDesign;
    bool listMaterials = false;
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
    app.add_option("COMMAND", a.commands,
                   "The template to make; several (a verb may be repeated) are nested together onto the same "
                   "sheets and need --sheet, and verbs given with --design replace its templates")
        ->check(CLI::IsMember(commandNames()));
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
    app.add_option("--design", a.designFile,
                   "FILE: draw a design that --save-design or the window saved, its values set after --tables and "
                   "before --material and --set, its templates replaced by the verbs given, its cut-outs followed by "
                   "those given, its switches turned by those given, its other values replaced by the options given");
    app.add_option("--save-design", a.savedDesign,
                   "FILE: write the templates, the table values that differ from the built-in ones, the switches, "
                   "cut-outs, material, kerf and sheet given to a design file (TOML) that --design reads, and exit");
    app.add_option("--cutout", a.cutouts,
                   "FACE,SHAPE,X,Y,SIZE...: a hole in a face of full or simple-full; FACE front, rear, left, right, "
                   "bottom or lid; SHAPE circle,X,Y,DIAMETER, rect,X,Y,WIDTH,HEIGHT[,RADIUS] or "
                   "slot,X,Y,LENGTH,WIDTH; X, Y the centre in mm from the face's lower-left corner seen from outside "
                   "(bottom and lid: from above, the front edge nearest)")
        ->take_all()
        ->expected(1);
    app.add_option("--vent", a.vents,
                   "FACE,slots|holes,X,Y,WIDTH,HEIGHT[,PITCH,SIZE]: openings filling that rectangle of a face")
        ->take_all()
        ->expected(1);
    app.add_option("--label", a.labels, "FACE,X,Y,HEIGHT,TEXT: TEXT engraved centred there, capitals HEIGHT mm tall")
        ->take_all()
        ->expected(1);
    app.add_option("--cutouts", a.cutoutFile,
                   "A file of cut-outs, vents and labels, one a line as the options are given with the option's "
                   "name first (cutout front,circle,30,20,12); UTF-8, # begins a comment");
    app.add_option_function<std::string>(
        "--material", [&a](const std::string& name) { a.material = name; },
        "NAME: set the thickness, kerf and allowances of a material preset of Materials.txt, before any --set");
    app.add_option_function<std::string>(
        "--save-material", [&a](const std::string& name) { a.savedMaterial = name; },
        "NAME: store the thickness, kerf and allowances (the main table's, or the tab-slot table's when tab-slot is "
        "the only COMMAND) as a preset in Materials.txt, in the --tables folder or the current one, and exit; no "
        "other COMMAND, no -o");
    app.add_flag("--materials", a.listMaterials,
                 "Print each preset of Materials.txt as NAME<TAB>thickness<TAB>kerf<TAB>slot allowance<TAB>tab "
                 "length allowance, and exit");
    app.add_flag("--relief", a.relief, "Cut straight inside corners of the boxes");
    app.add_flag("--screws", a.screws, "Screw slots and holes");
    app.add_flag("--one-tooth", a.oneTooth, "One bottom-support tooth");
    app.add_flag("--no-jumper", a.noJumper, "No bottom-support jumper");
    app.add_flag("--no-lid-corners", a.noLidCorners, "Keep the lid's corners square");
    app.add_flag("--tab-relief", a.tabRelief, "Cut straight inside corners of the tab-slot piece");
    app.add_option_function<std::string>(
        "--comb", [&a](const std::string& list) { a.comb = list; },
        "A,B,C,...: with tab-slot, a fit comb instead of the test piece: one slot and tab pair per allowance on the "
        "tab's thickness, each allowance engraved under its slot");
    app.add_option("--feet", a.feet, "Feet on the side panel: none, 1 or 2")->check(CLI::IsMember({"none", "1", "2"}));
    auto* sheet = app.add_option_function<std::string>(
        "--sheet", [&a](const std::string& size) { a.sheet = size; },
        "WIDTHxHEIGHT in mm, e.g. 600x400: nest the parts onto sheets of this size, one file per sheet (FILE-1, "
        "FILE-2, ...)");
    // Both need a sheet, which a design may give (takeDesign).
    app.add_option_function<std::string>(
        "--gap", [&a](const std::string& gap) { a.gap = gap; },
        "The least distance in mm between parts and from the sheet's edge; default: twice the cutter "
        "diameter, at least 2; for several templates the largest of their defaults; needs --sheet or a design's "
        "sheet");
    app.add_flag(
        "--no-rotation", a.noRotation,
        "Never turn a part on the sheet: the wood's grain, or a laser's kerf that differs along X and Y; needs "
        "--sheet or a design's sheet");
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

std::filesystem::path materialsFile(const Arguments& a) {
    return a.tables.empty() ? std::filesystem::path(kMaterialsFile) : std::filesystem::path(a.tables) / kMaterialsFile;
}

// The files this run reads, none of which it may write.
RunInputs runInputs(const Arguments& a) {
    RunInputs inputs;
    if (!a.cutoutFile.empty()) {
        inputs.add(a.cutoutFile, "--cutouts");
    }
    if (!a.tables.empty()) {
        for (const std::string_view table : {kMainTableFile, kTabSlotTableFile, kBobbinTableFile}) {
            inputs.add(std::filesystem::path(a.tables) / table, "--tables");
        }
    }
    if (a.material) {
        inputs.add(materialsFile(a), "--material");
    }
    if (!a.designFile.empty()) {
        inputs.add(a.designFile, "--design");
    }
    return inputs;
}

void applyTables(const Arguments& a, Workbench& wb) {
    if (!a.tables.empty()) {
        // As the window starts: an English main table makes the other tables' captions English too.
        const auto unloaded = loadSavedTables(wb, a.tables, [&wb] { setEnglishTables(wb); });
        if (!unloaded.empty()) {
            throw FileError(unloadedMessage(unloaded));
        }
    }
    if (a.design) {
        applyDesignTables(*a.design, wb);
    }
    if (a.material) {
        MaterialStore materials;
        materials.load(materialsFile(a));
        applyMaterial(wb, materials.find(*a.material));
    }
    for (const std::string& assignment : a.assignments) {
        assignTableValue(wb, assignment);
    }
}

// Every line of the list is read before anything is drawn.
void applyCutouts(const Arguments& a, const TemplateCommand& command, Workbench& wb) {
    wb.cutouts = cutoutsOf(a);
    if (!wb.cutouts.empty() && !assembles(command)) {
        throw UsageError("cut-outs, vents and labels go on the faces of a whole box (full or simple-full), not " +
                         std::string(command.name));
    }
}

std::string materialLines(const Arguments& a) {
    MaterialStore materials;
    materials.load(materialsFile(a));
    std::string text;
    for (const Material& m : materials.materials()) {
        text +=
            m.name + '\t' + m.thickness + '\t' + m.kerf + '\t' + m.slotAllowance + '\t' + m.tabLengthAllowance + '\n';
    }
    return text;
}

// A Materials.txt that cannot be read is kept beside, and the new one holds this material,
// with the kerf given.
void saveMaterial(const Arguments& a, Workbench& wb) {
    if (!a.kerf.empty()) {
        wb.kerf = parseKerf(a.kerf);
    }
    const Material material = currentMaterial(wb, *a.savedMaterial, savedMaterialSource(a.commands));
    MaterialStore materials;
    try {
        materials.load(materialsFile(a));
    } catch (const FileError& e) {
        std::cerr << "tessaro-cli: " << e.what() << '\n';
    }
    if (const auto kept = materials.save(material, materialsFile(a))) {
        std::cerr << "tessaro-cli: " << *kept << '\n';
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
    // The comb ends with a tab piece, a closed outline, where the test piece ends with its open strip.
    if (a.comb) {
        wb.lastPolylineClosed = true;
    }
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

std::string proposedNameOf(const Arguments& a, const TemplateCommand& command, const Workbench& wb) {
    return a.comb ? fitCombName(wb) : command.proposedName(wb);
}

std::string lines(const std::vector<std::string>& texts) {
    std::string text;
    for (const std::string& line : texts) {
        text.append(line).append("\n");
    }
    return text;
}

double gapOf(const Arguments& a, const TemplateCommand& command, const Workbench& wb) {
    return a.gap ? parseSheetGap(*a.gap) : defaultSheetGap(wb, command.tab);
}

// With a sheet: one file per sheet, named after the output, each name on standard output
// and then how much of the sheets the pieces use. It cannot ask before replacing, so it
// says on standard error which files it replaced, which sheets of an earlier, larger
// set it removed and which files named as its sheets it left. On standard output the one
// sheet is the file, so the material line goes to standard error.
void writeSheets(const Arguments& a, const std::string& proposedName, const Workbench& wb, FileType type,
                 const SheetLayout& layout) {
    if (a.output == "-") {
        const std::vector<std::string> sheets = sheetBytes(wb, type, layout);
        if (sheets.size() > 1) {
            throw UsageError("the parts need " + std::to_string(sheets.size()) +
                             " sheets, which standard output cannot take apart: give -o FILE");
        }
        writeToStandardOutput(sheets.front());
        std::cerr << materialUsedLine(materialUse(wb.drawing, 1, layout.size)) << '\n';
        return;
    }
    const std::string path = a.output.empty() ? proposedName + "." + std::string(extensionOf(type)) : a.output;
    const SheetFiles saved = saveSheets(wb, path, type, layout, runInputs(a));
    for (const std::string& name : saved.replaced) {
        std::cerr << "tessaro-cli: replaced \"" << name << "\"\n";
    }
    for (const std::string& name : saved.removed) {
        std::cerr << "tessaro-cli: removed \"" << name << "\", a sheet of an earlier, larger set\n";
    }
    for (const std::string& name : saved.left) {
        std::cerr << "tessaro-cli: left \"" << name << "\", named as a sheet of the set but not provably one\n";
    }
    writeToStandardOutput(lines(saved.written) +
                          materialUsedLine(materialUse(wb.drawing, saved.written.size(), layout.size)) + "\n");
}

Turning turningOf(const Arguments& a) { return a.noRotation ? Turning::None : Turning::QuarterTurns; }

// Several templates, each drawn with the tables and switches given, nested together.
int runJob(const Arguments& a, Workbench& wb) {
    if (!a.sheet) {
        throw UsageError("several templates are nested together onto sheets: give --sheet WIDTHxHEIGHT");
    }
    if (fileTypeNamed(a.format) == FileType::Stl) {
        throw UsageError("--sheet nests flat parts: use it with -f eps, dxf or svg");
    }
    if (a.comb) {
        throw UsageError("--comb draws a fit comb of the tab-slot piece alone, not of several templates");
    }
    // The first template's tab sets the closing flag, as a lone verb's does.
    applySwitches(a, *findCommand(a.commands.front()), wb);
    Job job;
    for (const std::string& verb : a.commands) {
        job.emplace_back(*findCommand(verb), wb);
    }
    if (a.nameOnly) {
        writeToStandardOutput(jobName(job) + "\n");
        return 0;
    }
    const SheetSize sheet = parseSheetSize(*a.sheet);
    const double gap = a.gap ? parseSheetGap(*a.gap) : defaultJobGap(job);
    drawJob(wb, job);
    writeSheets(a, jobName(job), wb, *fileTypeNamed(a.format), {sheet, gap, turningOf(a)});
    return 0;
}

// The box assembled from the template just drawn, as STL.
void writeAssembledBox(const Arguments& a, const TemplateCommand& command, const Workbench& wb) {
    const std::string bytes = assembledTemplateStl(wb, command);
    if (a.output == "-") {
        writeToStandardOutput(bytes);
        return;
    }
    const std::string path = a.output.empty() ? proposedNameOf(a, command, wb) + ".stl" : a.output;
    runInputs(a).refuseAsOutput(path);
    saveFileAtomically(path, bytes);
}

void refuseStlForNoBox(const Arguments& a, const TemplateCommand& command) {
    if (fileTypeNamed(a.format) != FileType::Stl) {
        return;
    }
    if (!assembles(command)) {
        throw UsageError("-f stl: '" + std::string(command.name) +
                         "' draws no whole box to assemble: use full or simple-full");
    }
    if (a.sheet) {
        throw UsageError("--sheet nests flat parts: use it with -f eps, dxf, dxf2000, svg or pdf");
    }
}

// A cell that is not a number, named as --set and --show-tables name it, and where the
// design file typed it.
std::string cellMessage(const Arguments& a, const Workbench& wb, const BadCellError& error) {
    const std::string key = tableKeyOf(wb, *error.table, error.row);
    const std::string typedAt = a.design ? valueLocation(*a.design, key, error.table->text(error.row)) : "";
    return (typedAt.empty() ? "" : typedAt + ": ") + (key.empty() ? error.what() : key + ": " + error.what());
}

// The allowances of --comb, which the tab-slot verb alone takes; none without it.
std::vector<double> combAllowances(const Arguments& a, const TemplateCommand& command) {
    if (!a.comb) {
        return {};
    }
    if (command.draw != makeTabSlotPiece) {
        throw UsageError("--comb draws a fit comb of the tab-slot piece: use it with tab-slot, not " +
                         std::string(command.name));
    }
    return parseCombAllowances(*a.comb);
}

// --save-material draws nothing: a template or an output it would drop is refused instead.
void refuseWhatSavingAMaterialDrops(const Arguments& a) {
    (void)savedMaterialSource(a.commands);
    if (!a.output.empty()) {
        throw UsageError("--save-material stores a preset and writes no drawing: leave out -o");
    }
}

int run(Arguments& a, Workbench& wb) {
    if (a.savedMaterial) {
        refuseWhatSavingAMaterialDrops(a);
    }
    takeDesign(a);
    applyTables(a, wb);
    if (a.listMaterials) {
        writeToStandardOutput(materialLines(a));
        return 0;
    }
    if (a.savedMaterial) {
        saveMaterial(a, wb);
        return 0;
    }
    if (!a.savedDesign.empty()) {
        runInputs(a).refuseAsOutput(a.savedDesign);
        saveDesignFile(a.savedDesign, designOf(a, wb));
        return 0;
    }
    if (a.showTables) {
        std::vector<std::string> rows;
        for (const TableRow& row : tableRows(wb)) {
            rows.push_back(row.key + '\t' + row.caption + '\t' + row.value);
        }
        writeToStandardOutput(lines(rows));
        return 0;
    }
    if (a.commands.empty()) {
        throw UsageError("COMMAND is required: one of the commands listed by --help");
    }
    if (a.commands.size() > 1) {
        return runJob(a, wb);
    }
    const TemplateCommand& command = *findCommand(a.commands.front());
    applySwitches(a, command, wb);
    applyCutouts(a, command, wb);
    const std::vector<double> comb = combAllowances(a, command);
    if (a.fit && !assembles(command)) {
        throw UsageError("--fit takes a whole box (full or simple-full), not " + std::string(command.name));
    }
    if (a.nameOnly) {
        writeToStandardOutput(proposedNameOf(a, command, wb) + "\n");
        return 0;
    }
    refuseStlForNoBox(a, command);
    const SheetSize sheet = a.sheet ? parseSheetSize(*a.sheet) : SheetSize{};
    const double gap = a.sheet ? gapOf(a, command, wb) : 0;
    comb.empty() ? command.run(wb) : makeFitComb(wb, comb);
    if (a.fit) {
        writeToStandardOutput(lines(templateFitReport(wb, command)));
        return 0;
    }
    if (fileTypeNamed(a.format) == FileType::Stl) {
        writeAssembledBox(a, command, wb);
        return 0;
    }
    const FileType type = *fileTypeNamed(a.format);
    if (a.sheet) {
        writeSheets(a, proposedNameOf(a, command, wb), wb, type, {sheet, gap, turningOf(a)});
        return 0;
    }
    if (a.output == "-") {
        StandardOutput out;
        writeDrawingAs(wb.drawing, type, writeChoices(wb), out);
        return 0;
    }
    const std::string path =
        a.output.empty() ? proposedNameOf(a, command, wb) + "." + std::string(extensionOf(type)) : a.output;
    runInputs(a).refuseAsOutput(path);
    saveTemplate(wb, path, type);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{
        "Tessaro: cutting templates for laser cutters and CNC mills, written as EPS, DXF or SVG in millimetres,\n"
        "on one drawing or nested onto sheets (--sheet), several templates together; a box assembled as STL\n"
        "(-f stl), and its fit report (--fit): the room in every joint and the parts that overlap",
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
        std::cerr << "tessaro-cli: " << errorBoxText(cellMessage(arguments, wb, e)) << '\n';
        return 1;
    } catch (const std::exception& e) {
        std::cerr << "tessaro-cli: " << errorBoxText(e) << '\n';
        return 1;
    }
}
