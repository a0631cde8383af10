#include "app/design_arguments.h"

#include <charconv>

#include "app/cutout_lists.h"
#include "app/design_file.h"
#include "app/table_keys.h"

namespace tessaro {
namespace {

// The shortest text that reads back as the number.
std::string numberText(double value) {
    char text[32];
    return {text, std::to_chars(text, text + sizeof text, value).ptr};
}

void takeSwitches(DesignArguments& a, const Design& design) {
    const Options& o = design.switches;
    a.relief = a.relief || o.cornerRelief;
    a.screws = a.screws || o.screwJoints;
    a.oneTooth = a.oneTooth || o.singleSupportTooth;
    a.noJumper = a.noJumper || !o.supportJumper;
    a.noLidCorners = a.noLidCorners || !o.roundedLidCorners;
    a.tabRelief = a.tabRelief || o.tabSlotRelief;
    if (a.feet.empty()) {
        a.feet = feetName(o.feet);
    }
    if (!a.openLast && !a.closedLast && design.lastOutlineClosed) {
        (*design.lastOutlineClosed ? a.closedLast : a.openLast) = true;
    }
    a.innerFirst = a.innerFirst || design.innerCutsFirst;
}

void takeSheet(DesignArguments& a, const DesignSheet& sheet) {
    if (!a.sheet) {
        a.sheet = sheet.size;
    }
    if (!a.gap && !sheet.gap.empty()) {
        a.gap = sheet.gap;
    }
    a.noRotation = a.noRotation || sheet.noRotation;
}

void refuseSheetlessGap(const DesignArguments& a) {
    if (!a.sheet && (a.gap || a.noRotation)) {
        throw UsageError(std::string(a.gap ? "--gap" : "--no-rotation") + " requires --sheet");
    }
}

Options switchesOf(const DesignArguments& a) {
    Options o;
    o.cornerRelief = a.relief;
    o.screwJoints = a.screws;
    o.singleSupportTooth = a.oneTooth;
    o.supportJumper = !a.noJumper;
    o.roundedLidCorners = !a.noLidCorners;
    o.tabSlotRelief = a.tabRelief;
    o.feet = feetNamed(a.feet).value_or(Feet::Two);
    return o;
}

}  // namespace

void takeDesign(DesignArguments& a, Design design) {
    a.design = std::move(design);
    const Design& taken = *a.design;
    if (a.commands.empty()) {
        a.commands = taken.templates;
        if (!a.comb) {
            a.comb = taken.comb;
        }
    }
    takeSwitches(a, taken);
    if (a.kerf.empty() && !a.material) {
        a.kerf = taken.kerf;
    }
    if (taken.sheet) {
        takeSheet(a, *taken.sheet);
    }
    refuseSheetlessGap(a);
}

void takeDesign(DesignArguments& a) {
    if (!a.designFile.empty()) {
        takeDesign(a, readDesignFile(a.designFile));
        return;
    }
    refuseSheetlessGap(a);
}

std::vector<FaceCutout> cutoutsOf(const DesignArguments& a) {
    std::vector<FaceCutout> cutouts;
    if (a.design) {
        cutouts = a.design->cutouts;
    }
    if (!a.cutoutFile.empty()) {
        const std::vector<FaceCutout> listed = readCutoutFile(a.cutoutFile);
        cutouts.insert(cutouts.end(), listed.begin(), listed.end());
    }
    for (const auto& [kind, values] : {std::pair{CutoutKind::Cutout, &a.cutouts}, std::pair{CutoutKind::Vent, &a.vents},
                                       std::pair{CutoutKind::Label, &a.labels}}) {
        for (const std::string& value : *values) {
            cutouts.push_back(cutoutOption(kind, value));
        }
    }
    return cutouts;
}

Design designOf(const DesignArguments& a, const Workbench& wb) {
    Design design = designOfWorkbench(wb);
    design.templates = a.commands;
    design.material = a.material ? a.material : a.design ? a.design->material : std::nullopt;
    design.switches = switchesOf(a);
    if (a.openLast || a.closedLast) {
        design.lastOutlineClosed = a.closedLast;
    }
    design.innerCutsFirst = a.innerFirst;
    design.cutouts = cutoutsOf(a);
    // A material sets the kerf without its text being typed here.
    design.kerf = !a.kerf.empty() ? a.kerf : wb.kerf != 0 ? numberText(wb.kerf) : std::string();
    design.comb = a.comb;
    if (a.sheet) {
        design.sheet = DesignSheet{*a.sheet, a.gap.value_or(""), a.noRotation};
    }
    checkDesign(design);
    return design;
}

}  // namespace tessaro
