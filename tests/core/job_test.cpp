#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "app/job.h"
#include "app/table_keys.h"
#include "drawing/piece_area.h"
#include "drawing/rigid_parts.h"
#include "support.h"

namespace tessaro {
namespace {

using testing::Bench;

// How many pieces carry each part name.
std::map<std::string, int> piecesByName(const Drawing& drawing) {
    std::map<std::string, int> counts;
    for (const RigidPart& piece : rigidParts(drawing)) {
        ++counts[piece.name];
    }
    return counts;
}

// The template drawn alone, on tables set as given.
Drawing drawnAlone(const char* verb, const std::vector<std::string>& assignments = {}) {
    Bench alone;
    for (const std::string& assignment : assignments) {
        assignTableValue(alone.wb, assignment);
    }
    findCommand(verb)->run(alone.wb);
    return alone.wb.drawing;
}

// The pieces of each template once, named after it, and the job's material theirs.
TEST(job, EachTemplatesPiecesOnceUnderItsOwnName) {
    Bench bench;
    Job job;
    addToJob(job, *findCommand("full"), bench.wb);
    addToJob(job, *findCommand("bobbin"), bench.wb);
    addToJob(job, *findCommand("bobbin"), bench.wb);
    drawJob(bench.wb, job);

    std::map<std::string, int> expected;
    for (const auto& [verb, prefix] : {std::pair{"full", "full: "}, {"bobbin", "bobbin: "}, {"bobbin", "bobbin 2: "}}) {
        for (const auto& [name, count] : piecesByName(drawnAlone(verb))) {
            expected[prefix + name] += count;
        }
    }
    EXPECT_EQ(piecesByName(bench.wb.drawing), expected);
    EXPECT_NEAR(piecesArea(bench.wb.drawing), piecesArea(drawnAlone("full")) + 2 * piecesArea(drawnAlone("bobbin")),
                1e-6);

    // Nested, every piece is on a sheet once, still under its template's name.
    std::map<std::string, int> nested;
    for (const Drawing& sheet : nestOntoSheets(bench.wb.drawing, {600, 400}, defaultJobGap(job))) {
        for (const auto& [name, count] : piecesByName(sheet)) {
            nested[name] += count;
        }
    }
    EXPECT_EQ(nested, expected);
}

// A template keeps the tables and switches it was added with: later edits and another
// template's switches do not reach it, and each is drawn as it would be alone.
TEST(job, EachTemplateIsDrawnWithTheTablesItWasAddedWith) {
    Bench bench;
    Job job;
    assignTableValue(bench.wb, "main.W=150");
    addToJob(job, *findCommand("facade"), bench.wb);
    assignTableValue(bench.wb, "main.W=250");
    bench.wb.options.tabSlotRelief = true;
    addToJob(job, *findCommand("tab-slot"), bench.wb);
    assignTableValue(bench.wb, "main.W=90");
    drawJob(bench.wb, job);

    Drawing expected;
    appendMoved(expected, drawnAlone("facade", {"main.W=150"}), {0, 0}, "facade: ");
    Bench relieved;
    relieved.wb.options.tabSlotRelief = true;
    findCommand("tab-slot")->run(relieved.wb);
    appendMoved(expected, relieved.wb.drawing, {0, 0}, "tab-slot: ");
    expected.header = bench.wb.drawing.header;
    EXPECT_EQ(bench.wb.drawing, expected);
    EXPECT_EQ(bench.wb.templateLabel, "facade + tab");
    // The first template's header lines, then the next one's.
    const DrawingHeader frontPanelHeader = drawnAlone("facade", {"main.W=150"}).header;
    const std::vector<std::string>& titles = bench.wb.drawing.header.titles;
    ASSERT_GT(titles.size(), frontPanelHeader.titles.size());
    EXPECT_TRUE(std::equal(frontPanelHeader.titles.begin(), frontPanelHeader.titles.end(), titles.begin()));
    EXPECT_EQ(jobName(job), "5mm 150x100x110 facade job");
}

// Every template's cutter keeps its room: the largest of their default gaps.
TEST(job, TheDefaultGapIsTheLargestOfTheTemplates) {
    Bench bench;
    assignTableValue(bench.wb, "main.Cd=3");
    assignTableValue(bench.wb, "tabslot.D=0.5");
    Job job;
    addToJob(job, *findCommand("tab-slot"), bench.wb);
    EXPECT_DOUBLE_EQ(defaultJobGap(job), 2);
    addToJob(job, *findCommand("bobbin"), bench.wb);
    EXPECT_DOUBLE_EQ(defaultJobGap(job), 6);
    assignTableValue(bench.wb, "tabslot.D=4");
    addToJob(job, *findCommand("tab-slot"), bench.wb);
    EXPECT_DOUBLE_EQ(defaultJobGap(job), 8);
    EXPECT_DOUBLE_EQ(jobSheetLayout(job, {{600, 400}, 1.5}).gap, 1.5);
}

// A template that cannot be drawn is refused as it is added, naming the window's cell.
TEST(job, ATemplateWithABadCellIsRefusedAndTheJobKept) {
    Bench bench;
    Job job;
    addToJob(job, *findCommand("spiral"), bench.wb);
    assignTableValue(bench.wb, "bobbin.1=abc");
    try {
        addToJob(job, *findCommand("bobbin"), bench.wb);
        FAIL() << "a bad cell was added";
    } catch (const BadCellError& error) {
        EXPECT_EQ(error.table, &bench.wb.bobbinTable);
        EXPECT_EQ(error.row, 1);
    }
    ASSERT_EQ(job.size(), 1U);
    EXPECT_EQ(job.front().command().name, "spiral");
}

// The window's road: the job's name is offered, its sheets written, its material given.
TEST(job, SavingAJobOnSheetsWritesEveryFileItNests) {
    const std::filesystem::path folder = std::filesystem::path(::testing::TempDir()) / "job-sheets";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    Bench bench;
    Job job;
    addToJob(job, *findCommand("full"), bench.wb);
    addToJob(job, *findCommand("bobbin"), bench.wb);
    testing::ScriptedDialog dialog;
    dialog.answer = SaveChoice{(folder / "job.dxf").string(), FileType::Dxf};
    const auto saved = performJobOnSheets(bench.wb, job, dialog, {{400, 300}, std::nullopt});
    ASSERT_TRUE(saved);
    EXPECT_EQ(dialog.proposed, std::vector<std::string>{jobName(job)});
    EXPECT_EQ(saved->files.written.size(), bench.wb.sheetDrawings.size());
    EXPECT_EQ(testing::namesIn(folder).size(), saved->files.written.size());
    EXPECT_EQ(saved->material.sheets, saved->files.written.size());
    EXPECT_NEAR(saved->material.piecesArea, piecesArea(drawnAlone("full")) + piecesArea(drawnAlone("bobbin")), 1e-6);
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace tessaro
