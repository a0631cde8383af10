#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/face_cutouts.h"
#include "model/options.h"
#include "model/workbench.h"

namespace tessaro {

// A value cell that differs from the built-in table's: its key as --set names it
// ("main.W") and its text as typed.
struct DesignValue {
    std::string key;
    std::string text;
    int line = 0;  // where a design file gives it; 0 for a design made in the program
};

// The sheet the parts are nested onto, as typed.
struct DesignSheet {
    std::string size;  // "600x400"
    std::string gap;   // empty: the templates' default
    bool noRotation = false;
};

// What a user made: the templates, the table values that differ from the built-in
// tables, the switches, the cut-outs, the material, the kerf and the sheet, each as
// typed. The command line and the window make one from what they were given, write it
// to a design file, and read one back to draw what was saved.
struct Design {
    std::vector<std::string> templates;   // command line verbs; several are nested together
    bool englishCaptions = false;         // the tables' captions, which the EPS header shows
    std::optional<std::string> material;  // the preset applied; its values are among `values`
    std::vector<DesignValue> values;
    Options switches;
    std::optional<bool> lastOutlineClosed;  // --closed-last or --open-last; none: as the template's tab
    bool innerCutsFirst = false;
    std::vector<FaceCutout> cutouts;
    std::string kerf;                 // empty: none
    std::optional<std::string> comb;  // the allowances of a fit comb, "0.05,0.1"
    std::optional<DesignSheet> sheet;
    std::string file;  // the file it was read from, for messages; empty for none
};

// The feet as the command line names them: "none", "1" or "2".
[[nodiscard]] std::string_view feetName(Feet feet);
// Nothing for a name that is none of them.
[[nodiscard]] std::optional<Feet> feetNamed(std::string_view name);

// The value cells of the built-in rows that differ from the built-in tables, in the
// order --show-tables lists them.
[[nodiscard]] std::vector<DesignValue> changedValues(const Workbench& wb);

// A design of the workbench's tables, switches and cut-outs; the rest is left empty for
// the caller, who knows what was typed.
[[nodiscard]] Design designOfWorkbench(const Workbench& wb);

// The checks a design file's entries pass, as the command line's options are checked:
// UsageError (or ConversionError for a kerf) with the option's own message.
void checkTemplate(std::string_view verb);
void checkValue(std::string_view key, std::string_view text);
void checkKerf(std::string_view kerf);
void checkComb(std::string_view comb);
void checkSheet(const DesignSheet& sheet);
// All of them, for a design about to be written, so that no file is written that would be
// refused when read.
void checkDesign(const Design& design);

// Gives the workbench the design's tables: every built-in row its built-in value, then
// the design's values, with the captions in the design's language. Nothing else changes.
// The design is one that was checked; a value it cannot take throws before any is set.
void applyDesignTables(const Design& design, Workbench& wb);

// "FILE:LINE" of the design file's value for that key, when the cell still holds its
// text; empty otherwise. A bad cell found when drawing is named where it was typed.
[[nodiscard]] std::string valueLocation(const Design& design, std::string_view key, std::string_view text);

}  // namespace tessaro
