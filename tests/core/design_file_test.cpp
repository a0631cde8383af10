#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/design_arguments.h"
#include "app/design_file.h"
#include "app/job.h"
#include "app/kerf_setting.h"
#include "app/language.h"
#include "app/sheets.h"
#include "app/table_keys.h"
#include "model/about.h"
#include "output/files.h"
#include "support.h"

namespace tessaro {
namespace {

using testing::Bench;

// Draws what the arguments say as the command line does: the tables set, then the
// switches, cut-outs and kerf, the template (a job when several), nested onto the sheet
// when there is one. Each document's bytes, as DXF and SVG.
std::vector<std::string> documentsOf(const DesignArguments& a, Workbench& wb) {
    const Design design = designOf(a, wb);
    wb.options = design.switches;
    wb.cutouts = design.cutouts;
    wb.kerf = design.kerf.empty() ? 0 : parseKerf(design.kerf);
    showTab(wb, findCommand(design.templates.front())->tab);
    if (design.lastOutlineClosed) {
        wb.lastPolylineClosed = *design.lastOutlineClosed;
    }
    wb.innerCutsFirst = design.innerCutsFirst;
    Job job;
    for (const std::string& verb : design.templates) {
        job.emplace_back(*findCommand(verb), wb);
    }
    job.size() > 1 ? drawJob(wb, job) : job.front().command().run(wb);
    std::vector<std::string> documents;
    for (const FileType type : {FileType::Dxf, FileType::Svg, FileType::Eps}) {
        if (!design.sheet) {
            documents.push_back(drawingBytes(wb.drawing, type, writeChoices(wb)));
            continue;
        }
        const SheetSize size = parseSheetSize(design.sheet->size);
        const double gap = design.sheet->gap.empty() ? defaultJobGap(job) : parseSheetGap(design.sheet->gap);
        const Turning turning = design.sheet->noRotation ? Turning::None : Turning::QuarterTurns;
        if (type != FileType::Eps) {
            for (std::string& sheet : sheetBytes(wb, type, {size, gap, turning})) {
                documents.push_back(std::move(sheet));
            }
        }
    }
    return documents;
}

// The arguments drawn on a workbench with these --set values, and the design they make
// written, read back into the arguments of a bare command line, and drawn on a fresh one.
struct RoundTrip {
    std::vector<std::string> given;
    std::vector<std::string> readBack;
    std::string text;
};

RoundTrip roundTrip(const DesignArguments& a, const std::vector<std::string>& assignments) {
    Bench typed;
    for (const std::string& assignment : assignments) {
        assignTableValue(typed.wb, assignment);
    }
    RoundTrip trip;
    trip.text = designText(designOf(a, typed.wb));
    trip.given = documentsOf(a, typed.wb);

    const testing::ScratchFolder folder;
    const std::string file = (folder.path / "design.toml").string();
    saveDesignFile(file, designOf(a, typed.wb));
    DesignArguments fromFile;
    fromFile.designFile = file;
    takeDesign(fromFile);
    Bench fresh;
    applyDesignTables(*fromFile.design, fresh.wb);
    trip.readBack = documentsOf(fromFile, fresh.wb);
    return trip;
}

DesignArguments enclosure() {
    DesignArguments a;
    a.commands = {"full"};
    a.cutouts = {"front,rect,100,58,72,26,2", "rear,circle,45,55,12", "bottom,circle,12,12,3.5"};
    a.vents = {"lid,slots,100,55,90,44,6,3"};
    a.labels = {"rear,45,38,4,DC IN, \"12 V\""};
    a.kerf = "0.2";
    a.sheet = "600x400";
    a.relief = true;
    a.feet = "1";
    return a;
}

TEST(designFile, ABoxWithCutOutsKerfAndASheetDrawsTheSameSheets) {
    const RoundTrip trip = roundTrip(enclosure(), {"main.W=200.00", "main.M=4", "main.Ah=0.15"});
    ASSERT_EQ(trip.given.size(), 2u);  // one sheet, as DXF and SVG
    EXPECT_EQ(trip.readBack, trip.given);
    EXPECT_NE(trip.text.find("W = \"200.00\""), std::string::npos) << trip.text;
}

TEST(designFile, AJobOfSeveralTemplatesDrawsTheSameSheets) {
    DesignArguments a;
    a.commands = {"tab-slot", "bobbin", "bobbin"};
    a.sheet = "300x200";
    a.gap = "3";
    a.noRotation = true;
    a.tabRelief = true;
    const RoundTrip trip = roundTrip(a, {"bobbin.h=40", "tabslot.T=4"});
    ASSERT_FALSE(trip.given.empty());
    EXPECT_EQ(trip.readBack, trip.given);
}

// Without a sheet, each file type whole; the captions of an English table make the EPS
// header English, and a fresh workbench's Russian ones are turned English by the design.
TEST(designFile, ASpiralDrawsTheSameDocumentsWithItsCaptions) {
    DesignArguments a;
    a.commands = {"spiral"};
    a.openLast = true;
    a.innerFirst = true;
    Bench english;
    setEnglishTables(english.wb);
    assignTableValue(english.wb, "spiral.Fi=10");
    assignTableValue(english.wb, "spiral.N=3");
    const Design design = designOf(a, english.wb);
    const std::vector<std::string> given = documentsOf(a, english.wb);

    DesignArguments fromFile;
    takeDesign(fromFile, parseDesign(designText(design), "spiral.toml"));
    Bench fresh;
    applyDesignTables(*fromFile.design, fresh.wb);
    EXPECT_TRUE(tablesAreEnglish(fresh.wb));
    EXPECT_EQ(documentsOf(fromFile, fresh.wb), given);
}

// The message a step of the program refuses with; empty when it does not.
template <typename Step>
std::string refusal(Step&& step) {
    try {
        step();
    } catch (const std::exception& e) {
        return e.what();
    }
    return {};
}

std::string readRefusal(const std::string& text) {
    return refusal([&] { (void)parseDesign(text, "d.toml"); });
}

std::string setRefusal(const std::string& assignment) {
    Bench bench;
    return refusal([&] { assignTableValue(bench.wb, assignment); });
}

// Written, read and written again, a design is the same text; every text comes back as
// typed, quotes, backslashes, commas and Cyrillic included.
TEST(designFile, TheTextReadsBackAsItWasWritten) {
    Bench bench;
    assignTableValue(bench.wb, "main.W=250.0");
    assignTableValue(bench.wb, "bobbin.h=4e1");
    assignTableValue(bench.wb, "spiral.Fi=x\\\"y");
    Design design = designOfWorkbench(bench.wb);
    design.templates = {"full", "bobbin"};
    design.material = "Берёза \"4\" \\ A";
    design.kerf = "0.15";
    design.comb = "0.05,0.1";
    design.cutouts = {parseCutoutLine("label front,10,20,5,Привет, \"мир\" \\"),
                      parseCutoutLine("vent lid,holes,100,55,80,40,7,5")};
    design.switches.feet = Feet::None;
    design.switches.supportJumper = false;
    design.lastOutlineClosed = false;
    design.sheet = DesignSheet{"600x400", "2.5", true};

    const std::string text = designText(design);
    EXPECT_TRUE(text.starts_with("# A Tessaro design"));
    EXPECT_NE(text.find("\nversion = \"" + std::string(kVersion) + "\"\n"), std::string::npos);
    const Design read = parseDesign(text, "d.toml");
    EXPECT_EQ(designText(read), text);
    EXPECT_EQ(read.templates, design.templates);
    EXPECT_EQ(read.material, design.material);
    EXPECT_EQ(read.cutouts, design.cutouts);
    EXPECT_EQ(read.switches.feet, Feet::None);
    EXPECT_FALSE(read.switches.supportJumper);
    EXPECT_EQ(read.lastOutlineClosed, std::optional(false));
    ASSERT_EQ(read.values.size(), 3u);
    EXPECT_EQ(read.values[1].key, "spiral.Fi");
    EXPECT_EQ(read.values[1].text, "x\\\"y");

    // Applied to a fresh workbench, the tables are the ones the design was made of.
    Bench fresh;
    applyDesignTables(read, fresh.wb);
    for (ParamTable Workbench::*table : kWorkbenchTables) {
        EXPECT_TRUE(fresh.wb.*table == bench.wb.*table);
    }
}

// A design is the whole of the tables: a value it does not give is the built-in one,
// whatever the workbench held before.
TEST(designFile, AValueTheDesignDoesNotGiveIsTheBuiltInOne) {
    Bench bench;
    assignTableValue(bench.wb, "main.W=300");
    assignTableValue(bench.wb, "screw.1=9");
    applyDesignTables(parseDesign("[tables.main]\nH = \"80\"\n", "d.toml"), bench.wb);
    EXPECT_EQ(bench.wb.boxTable.text(MainRow::Width), "200");
    EXPECT_EQ(bench.wb.boxTable.text(MainRow::Height), "80");
    EXPECT_EQ(bench.wb.screwTable.text(1), defaultScrewTable().text(1));
}

TEST(designFile, ARefusalNamesTheFileTheLineAndWhy) {
    const std::string newer = "99." + std::string(kVersion);
    const std::vector<std::pair<std::string, std::string>> cases = {
        // Not TOML: the parser's words and line.
        {"version = \"2.6\"\n\nkerf = \n", "d.toml:3: "},
        {"templates = [\"full\"\n", "d.toml:1: "},
        {"a = \"\xff\"\n", "d.toml:1: "},
        // Characters beyond ASCII where the parser looks for blanks, which Debian's toml++
        // would meet with undefined behaviour.
        {"материал = \"x\"\n", "d.toml:1: "},
        {"kerf = \"1\" §\n", "d.toml:1: "},
        {"s = \"\"\"\\\n§\"\"\"\n", "d.toml:1: 's' is not a key of a design"},
        // Input that breaks the parser's preconditions, which a debug build would assert.
        {"cutouts = [\n    \"cu\",\n}\n", "d.toml:3: "},
        {"[[[1]]]\n", "d.toml:1: "},
        // Keys this version does not know, and the version that wrote them.
        {"version = \"2.6\"\nhinge = true\n", "d.toml:2: 'hinge' is not a key of a design"},
        {"version = \"" + newer + "\"\n[switches]\nhinge = true\n",
         "d.toml:3: 'switches.hinge' is not a key of Tessaro " + std::string(kVersion) +
             ": the design was written by Tessaro " + newer + ", which is newer"},
        {"[tables.lid]\nW = \"1\"\n", "d.toml:1: 'tables.lid' is not a key of a design"},
        {"[sheet]\nsize = \"600x400\"\nturn = false\n", "d.toml:3: 'sheet.turn' is not a key of a design"},
        {"version = \"two\"\n", "d.toml:1: 'version' is the program's version"},
        // A value of the wrong type.
        {"kerf = 0.2\n", "d.toml:1: 'kerf' takes a text in quotes"},
        {"templates = \"full\"\n", "d.toml:1: 'templates' takes a list in brackets"},
        {"[tables.main]\nW = 250\n", "d.toml:2: 'main.W' takes a text in quotes, as typed: W = \"...\""},
        {"[switches]\nrelief = \"yes\"\n", "d.toml:2: 'relief' takes true or false"},
        {"switches = 1\n", "d.toml:1: 'switches' takes a table"},
        // What the same option would say.
        {"\n[tables.main]\nQ = \"1\"\n", "d.toml:3: " + setRefusal("main.Q=1")},
        {"[tables.main]\nW = \"1\\n2\"\n", "d.toml:2: " + setRefusal("main.W=1\n2")},
        {"kerf = \"60\"\n", "d.toml:1: " + refusal([] { (void)parseKerf("60"); })},
        {"[sheet]\nsize = \"600x\"\n", "d.toml:2: " + refusal([] { (void)parseSheetSize("600x"); })},
        {"[sheet]\nsize = \"600x400\"\ngap = \"-1\"\n", "d.toml:3: " + refusal([] { (void)parseSheetGap("-1"); })},
        {"[sheet]\nno-rotation = true\n", "d.toml:1: [sheet] needs its size"},
        {"comb = \"0.1,,\"\n", "d.toml:1: --comb: "},
        {"cutouts = [\n  \"cutout front,circle,1,2,3\",\n  \"cutout top,circle,1,2,3\",\n]\n",
         "d.toml:3: \"cutout top,circle,1,2,3\": unknown face"},
        {"templates = [\"full\", \"fuul\"]\n", "d.toml:1: 'fuul' is not a command"},
        {"[switches]\nfeet = \"3\"\n", "d.toml:2: 'feet' is \"none\", \"1\" or \"2\", not \"3\""},
        {"[switches]\nopen-last = true\nclosed-last = true\n",
         "d.toml:3: 'open-last' and 'closed-last' exclude each other"},
    };
    for (const auto& [text, message] : cases) {
        EXPECT_TRUE(readRefusal(text).starts_with(message)) << text << "\nrefused with: " << readRefusal(text);
    }
    // Each option's own message, not an empty one.
    EXPECT_NE(setRefusal("main.Q=1"), "");
}

TEST(designFile, AFileThatIsNoDesignIsRefusedBeforeItIsRead) {
    const testing::ScratchFolder folder;
    const std::string large = (folder.path / "large.toml").string();
    saveFileAtomically(large, "# " + std::string(1024 * 1024, 'x') + "\n");
    EXPECT_NE(refusal([&] { (void)readDesignFile(large); }).find("larger than 1 MiB"), std::string::npos);
    EXPECT_NE(refusal([&] { (void)readDesignFile(folder.path.string()); }), "");
    EXPECT_NE(refusal([&] { (void)readDesignFile((folder.path / "none.toml").string()); }), "");
}

// Nothing of a refused design reaches the workbench, nor of one that is read but cannot
// be applied.
TEST(designFile, ARefusedDesignLeavesTheWorkbenchAsItWas) {
    Bench bench;
    assignTableValue(bench.wb, "main.W=300");
    Design design;
    design.values = {{"main.H", "90"}, {"main.Q", "1"}};
    EXPECT_THROW(applyDesignTables(design, bench.wb), UsageError);
    EXPECT_EQ(bench.wb.boxTable.text(MainRow::Width), "300");
    EXPECT_EQ(bench.wb.boxTable.text(MainRow::Height), "100");
}

// The design is the ground; the options given go on top of it.
TEST(designArguments, WhatTheCommandLineGivesGoesOnTopOfTheDesign) {
    const Design design = parseDesign(
        "templates = [\"tab-slot\"]\nkerf = \"0.2\"\ncomb = \"0.1,0.2\"\n"
        "cutouts = [\"cutout front,circle,30,20,12\"]\n"
        "[switches]\nrelief = true\nno-jumper = true\nfeet = \"1\"\nclosed-last = true\n"
        "[sheet]\nsize = \"600x400\"\ngap = \"5\"\n",
        "d.toml");
    DesignArguments bare;
    takeDesign(bare, design);
    EXPECT_EQ(bare.commands, std::vector<std::string>{"tab-slot"});
    EXPECT_EQ(bare.comb, std::optional<std::string>("0.1,0.2"));
    EXPECT_EQ(bare.kerf, "0.2");
    EXPECT_TRUE(bare.relief && bare.noJumper && bare.closedLast && !bare.screws);
    EXPECT_EQ(bare.feet, "1");
    EXPECT_EQ(bare.sheet, "600x400");
    EXPECT_EQ(bare.gap, "5");

    DesignArguments given;
    given.commands = {"full"};
    given.screws = true;
    given.openLast = true;
    given.feet = "none";
    given.sheet = "300x200";
    given.cutouts = {"rear,circle,40,50,12"};
    given.material = "Birch";
    takeDesign(given, design);
    EXPECT_EQ(given.commands, std::vector<std::string>{"full"});
    EXPECT_FALSE(given.comb);   // the comb goes with the design's templates
    EXPECT_EQ(given.kerf, "");  // the material sets its own
    EXPECT_TRUE(given.relief && given.screws && given.openLast && !given.closedLast);
    EXPECT_EQ(given.feet, "none");
    EXPECT_EQ(given.sheet, "300x200");
    EXPECT_EQ(given.gap, "5");
    const std::vector<FaceCutout> cutouts = cutoutsOf(given);
    ASSERT_EQ(cutouts.size(), 2u);
    EXPECT_EQ(cutouts[0].face, BoxFace::Front);
    EXPECT_EQ(cutouts[1].face, BoxFace::Rear);

    DesignArguments gapAlone;
    gapAlone.gap = "3";
    EXPECT_EQ(refusal([&] { takeDesign(gapAlone); }), "--gap requires --sheet");
    gapAlone.design = design;
    gapAlone.designFile.clear();
    EXPECT_EQ(refusal([&] { takeDesign(gapAlone, design); }), "");
}

// A cell that is not a number is found when drawing; it is named where the design typed
// it, unless a later --set or material gave it another text.
TEST(designArguments, ABadCellIsNamedWhereTheDesignTypedIt) {
    const Design design = parseDesign("templates = [\"full\"]\n\n[tables.main]\nM = \"4\"\nW = \"2x\"\n", "box.toml");
    EXPECT_EQ(valueLocation(design, "main.W", "2x"), "box.toml:5");
    EXPECT_EQ(valueLocation(design, "main.W", "3x"), "");
    EXPECT_EQ(valueLocation(design, "main.H", "2x"), "");

    DesignArguments a;
    takeDesign(a, design);
    Bench bench;
    applyDesignTables(*a.design, bench.wb);
    try {
        findCommand("full")->run(bench.wb);
        ADD_FAILURE() << "a width of 2x was drawn";
    } catch (const BadCellError& e) {
        const std::string key = tableKeyOf(bench.wb, *e.table, e.row);
        EXPECT_EQ(key, "main.W");
        EXPECT_EQ(valueLocation(design, key, e.table->text(e.row)), "box.toml:5");
    }
}

// What --save-design writes: the kerf a material set as its number, the material named,
// and nothing that reading it back would refuse.
TEST(designArguments, TheSavedDesignIsOneThatReadsBack) {
    Bench bench;
    bench.wb.kerf = 0.15;
    DesignArguments a;
    a.material = "Birch 4";
    a.commands = {"full"};
    const Design design = designOf(a, bench.wb);
    EXPECT_EQ(design.kerf, "0.15");
    EXPECT_EQ(design.material, std::optional<std::string>("Birch 4"));

    a.kerf = "0,2";
    EXPECT_NE(refusal([&] { (void)designOf(a, bench.wb); }), "");
    a.kerf.clear();
    a.sheet = "600";
    EXPECT_NE(refusal([&] { (void)designOf(a, bench.wb); }), "");
    a.sheet.reset();
    assignTableValue(bench.wb, "main.W=\xff");
    EXPECT_EQ(refusal([&] { (void)designOf(a, bench.wb); }),
              "main.W: the text is not UTF-8, which a design file holds");
}

}  // namespace
}  // namespace tessaro
