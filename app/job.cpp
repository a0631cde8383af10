#include "app/job.h"

#include <algorithm>
#include <map>

namespace tessaro {
namespace {

// A job's tables are read, never shown in a header or a message of their own: the
// drawing workbench brings the clock and the messages.
const StandInClock kNoClock;
SilentMessages noMessages;

// "bobbin: " for the first bobbin, "bobbin 2: " for the second.
std::string namePrefix(std::string_view verb, int copy) {
    return std::string(verb) + (copy > 1 ? " " + std::to_string(copy) : "") + ": ";
}

std::string trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string_view::npos ? ""
                                           : std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

// Runs the template on `drawn`. A cell that is not a number is named in `wb`'s table of
// the same kind, which outlives the workbench it was read from.
void drawTemplate(Workbench& drawn, const JobTemplate& item, const Workbench& wb) {
    copyTablesAndSwitches(item.tables(), drawn);
    try {
        item.command().run(drawn);
    } catch (const BadCellError& error) {
        for (ParamTable Workbench::*table : kWorkbenchTables) {
            if (&(drawn.*table) == error.table) {
                throw BadCellError(error, wb.*table, error.row);
            }
        }
        throw;
    }
}

}  // namespace

JobTemplate::JobTemplate(const TemplateCommand& command, const Workbench& tables)
    : command_(&command), tables_([&tables] {
          auto copy = std::make_shared<Workbench>(kNoClock, noMessages);
          copyTablesAndSwitches(tables, *copy);
          return copy;
      }()) {}

void addToJob(Job& job, const TemplateCommand& command, const Workbench& wb, const StopRequest& stop) {
    JobTemplate added(command, wb);
    Workbench drawn(kNoClock, noMessages);
    drawn.stop = stop;
    drawTemplate(drawn, added, wb);
    job.push_back(std::move(added));
}

void drawJob(Workbench& wb, std::span<const JobTemplate> job) {
    Drawing combined;
    std::string label;
    std::map<std::string_view, int> copies;
    for (const JobTemplate& item : job) {
        Workbench drawn(wb.clock, wb.messages);
        drawTemplate(drawn, item, wb);
        if (&item == &job.front()) {
            combined.header = drawn.drawing.header;
        } else {
            combined.header.titles.insert(combined.header.titles.end(), drawn.drawing.header.titles.begin(),
                                          drawn.drawing.header.titles.end());
        }
        label += (label.empty() ? "" : " + ") + trimmed(drawn.templateLabel);
        appendMoved(combined, drawn.drawing, {0, 0}, namePrefix(item.command().name, ++copies[item.command().name]));
    }
    wb.drawing = std::move(combined);
    wb.templateLabel = label;
}

double defaultJobGap(std::span<const JobTemplate> job) {
    double gap = 0;
    for (const JobTemplate& item : job) {
        gap = std::max(gap, defaultSheetGap(item.tables(), item.command().tab));
    }
    return gap;
}

SheetLayout jobSheetLayout(std::span<const JobTemplate> job, const SheetChoice& choice) {
    return {choice.size, choice.gap.value_or(defaultJobGap(job)), choice.turning};
}

std::string jobName(std::span<const JobTemplate> job) {
    return job.empty() ? "job" : job.front().command().proposedName(job.front().tables()) + " job";
}

std::optional<SavedSheets> performJobOnSheets(Workbench& wb, std::span<const JobTemplate> job, SavePrompt& dialog,
                                              const SheetChoice& choice) {
    drawJob(wb, job);
    return saveOnSheets(wb, jobSheetLayout(job, choice), dialog, jobName(job));
}

}  // namespace tessaro
