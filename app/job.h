#pragma once

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "app/commands.h"
#include "app/save_prompt.h"
#include "app/sheets.h"
#include "model/workbench.h"

namespace tessaro {

// A template of a job with the tables and switches it is drawn with, as they were when
// it was added: later edits draw the next template, not this one.
class JobTemplate {
public:
    JobTemplate(const TemplateCommand& command, const Workbench& tables);

    [[nodiscard]] const TemplateCommand& command() const { return *command_; }
    // Its tables and switches; the workbench's drawing is empty.
    [[nodiscard]] const Workbench& tables() const { return *tables_; }

private:
    const TemplateCommand* command_;
    std::shared_ptr<const Workbench> tables_;
};

// Several templates nested together onto shared sheets.
using Job = std::vector<JobTemplate>;

// Adds the template with wb's tables and switches as they are now. One that cannot be
// drawn (a cell that is not a number) is refused with the command's error, and the job
// stays as it was; so does one whose drawing `stop` ends (WorkStopped).
void addToJob(Job& job, const TemplateCommand& command, const Workbench& wb, const StopRequest& stop = {});

// Draws each template with its own tables and switches, as it would be drawn alone
// (its warnings go to wb's messages), and leaves them in wb as one drawing: the parts
// one after another, each named after its template ("bobbin: cheek", "bobbin 2: cheek"
// for a second bobbin), the first template's header with every template's title lines,
// and a label of them all. wb's tables and switches are not used.
void drawJob(Workbench& wb, std::span<const JobTemplate> job);

// The largest of the templates' default gaps: each template's own cutter keeps its room.
[[nodiscard]] double defaultJobGap(std::span<const JobTemplate> job);

// The choice's size with its gap, or the job's default gap when none is set.
[[nodiscard]] SheetLayout jobSheetLayout(std::span<const JobTemplate> job, const SheetChoice& choice);

// The file name a job proposes: the first template's with " job" after it.
[[nodiscard]] std::string jobName(std::span<const JobTemplate> job);

// A button's road with a job: draw its templates, nest them together into
// wb.sheetDrawings, ask for a file with the job's name, save one file per sheet.
std::optional<SavedSheets> performJobOnSheets(Workbench& wb, std::span<const JobTemplate> job, SavePrompt& dialog,
                                              const SheetChoice& choice);

}  // namespace tessaro
