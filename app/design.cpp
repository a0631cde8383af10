#include "app/design.h"

#include <algorithm>
#include <iterator>

#include "app/commands.h"
#include "app/fit_comb.h"
#include "app/kerf_setting.h"
#include "app/language.h"
#include "app/sheets.h"
#include "app/table_keys.h"
#include "model/utf8_text.h"

namespace tessaro {
namespace {

// Every built-in row its built-in value; the captions and the rows of a larger file stay.
void resetBuiltInValues(Workbench& wb) {
    for (ParamTable Workbench::*member : kWorkbenchTables) {
        for (const RowSchema& row : schemaOf(member).rows) {
            (wb.*member).setCell(1, row.row, std::string(row.defaultValue));
        }
    }
}

// A design file is UTF-8 throughout: a text typed in another encoding could not be read back.
void checkUtf8(std::string_view text, std::string_view what) {
    if (!utf8Characters(text)) {
        throw UsageError(std::string(what) + ": the text is not UTF-8, which a design file holds");
    }
}

void setValues(const Design& design, Workbench& wb) {
    for (const DesignValue& value : design.values) {
        assignTableValue(wb, value.key + "=" + value.text);
    }
}

struct FeetName {
    std::string_view name;
    Feet feet;
};
constexpr FeetName kFeetNames[] = {{"none", Feet::None}, {"1", Feet::One}, {"2", Feet::Two}};

}  // namespace

std::string_view feetName(Feet feet) { return std::ranges::find(kFeetNames, feet, &FeetName::feet)->name; }

std::optional<Feet> feetNamed(std::string_view name) {
    const auto* named = std::ranges::find(kFeetNames, name, &FeetName::name);
    return named == std::end(kFeetNames) ? std::nullopt : std::optional(named->feet);
}

std::vector<DesignValue> changedValues(const Workbench& wb) {
    std::vector<DesignValue> values;
    for (ParamTable Workbench::*member : kWorkbenchTables) {
        const ParamTable& table = wb.*member;
        for (const RowSchema& row : schemaOf(member).rows) {
            if (table.text(row.row) != row.defaultValue) {
                values.push_back({tableKeyOf(wb, table, row.row), table.text(row.row)});
            }
        }
    }
    return values;
}

Design designOfWorkbench(const Workbench& wb) {
    Design design;
    design.englishCaptions = tablesAreEnglish(wb);
    design.values = changedValues(wb);
    design.switches = wb.options;
    design.cutouts = wb.cutouts;
    return design;
}

void checkTemplate(std::string_view verb) {
    if (findCommand(verb) == nullptr) {
        throw UsageError("'" + std::string(verb) + "' is not a command: the commands are listed by tessaro-cli --help");
    }
}

void checkValue(std::string_view key, std::string_view text) {
    StandInClock clock;
    SilentMessages messages;
    Workbench scratch(clock, messages);
    assignTableValue(scratch, std::string(key) + "=" + std::string(text));
}

void checkKerf(std::string_view kerf) { (void)parseKerf(kerf); }

void checkComb(std::string_view comb) { (void)parseCombAllowances(comb); }

void checkSheet(const DesignSheet& sheet) {
    (void)parseSheetSize(sheet.size);
    if (!sheet.gap.empty()) {
        (void)parseSheetGap(sheet.gap);
    }
}

void checkDesign(const Design& design) {
    for (const std::string& verb : design.templates) {
        checkTemplate(verb);
    }
    for (const DesignValue& value : design.values) {
        checkValue(value.key, value.text);
        checkUtf8(value.text, value.key);
    }
    if (design.material) {
        checkUtf8(*design.material, "The material \"" + *design.material + "\"");
    }
    if (!design.kerf.empty()) {
        checkKerf(design.kerf);
    }
    if (design.comb) {
        checkComb(*design.comb);
    }
    if (design.sheet) {
        checkSheet(*design.sheet);
    }
}

void applyDesignTables(const Design& design, Workbench& wb) {
    // Set on a copy first, so that a value refused leaves the workbench as it was.
    StandInClock clock;
    SilentMessages messages;
    Workbench scratch(clock, messages);
    copyTablesAndSwitches(wb, scratch);
    resetBuiltInValues(scratch);
    setValues(design, scratch);
    for (ParamTable Workbench::*member : kWorkbenchTables) {
        wb.*member = std::move(scratch.*member);
    }
    design.englishCaptions ? setEnglishTables(wb) : setRussianTables(wb);
}

std::string valueLocation(const Design& design, std::string_view key, std::string_view text) {
    std::string location;
    for (const DesignValue& value : design.values) {
        if (value.key == key && value.line > 0) {
            location = value.text == text ? design.file + ":" + std::to_string(value.line) : std::string();
        }
    }
    return location;
}

}  // namespace tessaro
