#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/design.h"
#include "model/workbench.h"

namespace tessaro {

// The command line's options that make a design, as typed; an option not given is empty
// or off. The command line's own arguments add what to do with the design.
struct DesignArguments {
    std::string designFile;  // --design
    std::vector<std::string> commands;
    std::vector<std::string> cutouts;
    std::vector<std::string> vents;
    std::vector<std::string> labels;
    std::string cutoutFile;
    std::string feet;  // none, 1 or 2; empty: 2
    // Given empty is not left out: "--gap ''" is no gap, and is refused.
    std::optional<std::string> sheet;
    std::optional<std::string> gap;
    std::optional<std::string> comb;
    std::optional<std::string> material;
    std::string kerf;
    bool relief = false;
    bool screws = false;
    bool oneTooth = false;
    bool noJumper = false;
    bool noLidCorners = false;
    bool tabRelief = false;
    bool noRotation = false;
    bool openLast = false;
    bool closedLast = false;
    bool innerFirst = false;
    // What --design read; its values and cut-outs come before the options' (applyDesignTables, cutoutsOf).
    std::optional<Design> design;
};

// Fills from the design what the options left out: the verbs
// (with the comb, which goes with them), the switches no flag turned, the closing flag,
// the kerf unless --material sets one, and the sheet, its gap and rotation. Then refuses
// --gap and --no-rotation without a sheet. Failure: UsageError for a gap without a sheet.
void takeDesign(DesignArguments& a, Design design);
// Reads --design, when given, and takes it as above. Failure: as readDesignFile too.
void takeDesign(DesignArguments& a);

// The design's cut-outs, then the --cutouts file's, then the options' (--cutout, --vent,
// --label, each kind in the order given). Failure: as readCutoutFile and cutoutOption.
[[nodiscard]] std::vector<FaceCutout> cutoutsOf(const DesignArguments& a);

// What --save-design writes: the arguments with the workbench's tables, as they are after
// --tables, --design, --material and --set. Every entry is checked as it would be when
// drawn, so that no design is written that would be refused when read.
[[nodiscard]] Design designOf(const DesignArguments& a, const Workbench& wb);

}  // namespace tessaro
