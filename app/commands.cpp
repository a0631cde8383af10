#include "app/commands.h"

#include <algorithm>
#include <array>

#include "app/kerf_setting.h"
#include "app/proposed_names.h"
#include "app/saving.h"
#include "app/window_text.h"
#include "folding/full_set.h"
#include "simple/full_set.h"

namespace tessaro {
namespace {

std::string facadeName(const Workbench& wb) { return boxName(wb, " facade"); }
std::string bottomName(const Workbench& wb) { return boxName(wb, " bottom"); }
std::string sideName(const Workbench& wb) { return boxName(wb, " side"); }
std::string topName(const Workbench& wb) { return boxName(wb, " top"); }

// The label as the full set's command sets it, so the name is the same before it ran.
std::string foldingSetName(const Workbench& wb) {
    return boxName(wb, std::string(kFullLabel) + " leg " + feetText(wb.options.feet));
}
std::string simpleSetName(const Workbench& wb) { return boxName(wb, std::string(kFullLabel) + "simpl"); }

// Both box tabs close the last outline and the tab-slot and spiral tabs leave it open;
// the transformer tab keeps what the tab shown before it set.
constexpr std::array kTabs = {
    TabRule{TemplateTab::FoldingBox, "foldingBoxTab", LastOutline::Closed, "full"},
    TabRule{TemplateTab::SimpleBox, "simpleBoxTab", LastOutline::Closed, "simple-full"},
    TabRule{TemplateTab::TabSlot, "tabSlotTab", LastOutline::Open, "tab-slot"},
    TabRule{TemplateTab::Spiral, "spiralTab", LastOutline::Open, "spiral"},
    TabRule{TemplateTab::Transformer, "bobbinTab", LastOutline::AsBefore, "bobbin"},
};

// The buttons and the commands are tables: one row a line reads best.
// clang-format off

// The buttons are laid out as the unfolded box: lid, rear, bottom between the sides,
// front; the full set beside them. The tab-slot button stands on its tab's panel, the
// spiral's in its group box.
constexpr TemplateButton kFoldingFront[] = {{"foldingFrontButton", WINDOW_TEXT("TemplateButton", "Front"), {310, 160, 70, 49}}};
constexpr TemplateButton kFoldingRear[] = {{"foldingRearButton", WINDOW_TEXT("TemplateButton", "Rear"), {310, 81, 70, 36}}};
constexpr TemplateButton kFoldingBottom[] = {{"foldingBottomButton", WINDOW_TEXT("TemplateButton", "Bottom"), {311, 121, 70, 36}}};
constexpr TemplateButton kFoldingSides[] = {
    {"foldingLeftSideButton", WINDOW_TEXT("TemplateButton", "Side"), {240, 121, 70, 36}},
    {"foldingRightSideButton", WINDOW_TEXT("TemplateButton", "Side"), {382, 121, 70, 36}},
};
constexpr TemplateButton kFoldingLid[] = {{"foldingLidButton", WINDOW_TEXT("TemplateButton", "Lid"), {310, 34, 70, 45}}};
constexpr TemplateButton kFoldingSet[] = {{"foldingSetButton", WINDOW_TEXT("TemplateButton", "Make all"), {470, 111, 93, 54}}};
constexpr TemplateButton kSimpleFront[] = {{"simpleFrontButton", WINDOW_TEXT("TemplateButton", "Front"), {314, 161, 70, 49}}};
constexpr TemplateButton kSimpleRear[] = {{"simpleRearButton", WINDOW_TEXT("TemplateButton", "Rear"), {314, 82, 70, 36}}};
constexpr TemplateButton kSimpleLid[] = {{"simpleLidButton", WINDOW_TEXT("TemplateButton", "Lid"), {314, 35, 70, 45}}};
constexpr TemplateButton kSimpleBottom[] = {{"simpleBottomButton", WINDOW_TEXT("TemplateButton", "Bottom"), {315, 122, 70, 36}}};
constexpr TemplateButton kSimpleSides[] = {
    {"simpleLeftSideButton", WINDOW_TEXT("TemplateButton", "Side"), {244, 122, 70, 36}},
    {"simpleRightSideButton", WINDOW_TEXT("TemplateButton", "Side"), {386, 122, 70, 36}},
};
constexpr TemplateButton kSimpleSet[] = {{"simpleSetButton", WINDOW_TEXT("TemplateButton", "Make all"), {475, 113, 89, 54}}};
constexpr TemplateButton kTabSlot[] = {{"tabSlotButton", WINDOW_TEXT("TemplateButton", "Make template"), {309, 146, 164, 25}}};
constexpr TemplateButton kSpiral[] = {{"spiralButton", WINDOW_TEXT("TemplateButton", "Make Archimedean spiral"), {16, 24, 169, 73}}};
constexpr TemplateButton kBobbin[] = {{"bobbinButton", WINDOW_TEXT("TemplateButton", "Make bobbin frame"), {290, 280, 119, 25}}};

using enum TemplateTab;

// The simple box's front, rear and bottom are the folding box's front panel and lid.
constexpr std::array kCommands = {
    TemplateCommand{"facade", "the folding box's front panel", "facade", FoldingBox, kFoldingFront, makeFrontPanel, facadeName},
    TemplateCommand{"rear", "the folding box's rear panel, drawn as the front", "facade", FoldingBox, kFoldingRear, makeFrontPanel, facadeName},
    TemplateCommand{"simple-front", "the simple box's front panel", "facade", SimpleBox, kSimpleFront, makeFrontPanel, facadeName},
    TemplateCommand{"simple-rear", "the simple box's rear panel, drawn as the front", "facade", SimpleBox, kSimpleRear, makeFrontPanel, facadeName},
    TemplateCommand{"bottom", "the folding box's bottom", "bottom", FoldingBox, kFoldingBottom, makeBottomPanel, bottomName},
    TemplateCommand{"side", "a side panel of the folding box", "Side", FoldingBox, kFoldingSides, makeSidePanel, sideName},
    TemplateCommand{"top", "the folding box's lid", "Top", FoldingBox, kFoldingLid, makeLid, topName},
    TemplateCommand{"simple-top", "the simple box's lid", "Top", SimpleBox, kSimpleLid, makeLid, topName},
    TemplateCommand{"simple-bottom", "the simple box's bottom, drawn as the lid", "Top", SimpleBox, kSimpleBottom, makeLid, topName},
    TemplateCommand{"full", "the folding box's six panels on one sheet", kFullLabel, FoldingBox, kFoldingSet, makeFoldingBoxSet, foldingSetName, foldingBoxPlaces},
    TemplateCommand{"simple-side", "a side panel of the simple box", "Side", SimpleBox, kSimpleSides, makeSimpleSidePanel, sideName},
    TemplateCommand{"simple-full", "the simple box's six panels on one sheet", kFullLabel, SimpleBox, kSimpleSet, makeSimpleBoxSet, simpleSetName, simpleBoxPlaces},
    TemplateCommand{"tab-slot", "a test piece of a material: two slots and a toothed edge", "tab", TabSlot, kTabSlot, makeTabSlotPiece, tabSlotName},
    TemplateCommand{"spiral", "an Archimedean spiral of straight steps", "Spiral", Spiral, kSpiral, makeSpiral, spiralName},
    TemplateCommand{"bobbin", "a transformer bobbin's six flat parts", kBobbinLabel, Transformer, kBobbin, makeBobbin, bobbinName},
};
// clang-format on

}  // namespace

void TemplateCommand::run(Workbench& wb) const {
    draw(wb);
    stopIfAsked(wb.stop);
    applyKerf(wb);
}

std::span<const TemplateCommand> templateCommands() { return kCommands; }

const TemplateCommand* findCommand(std::string_view name) {
    const auto found = std::ranges::find(kCommands, name, &TemplateCommand::name);
    return found == kCommands.end() ? nullptr : &*found;
}

std::span<const TabRule> templateTabs() { return kTabs; }

const TabRule& tabRule(TemplateTab tab) { return *std::ranges::find(kTabs, tab, &TabRule::tab); }

void showTab(Workbench& wb, TemplateTab tab) {
    switch (tabRule(tab).lastOutline) {
    case LastOutline::Closed: wb.lastPolylineClosed = true; break;
    case LastOutline::Open: wb.lastPolylineClosed = false; break;
    case LastOutline::AsBefore: break;
    }
}

std::optional<SaveChoice> performCommand(Workbench& wb, const TemplateCommand& command, SavePrompt& dialog,
                                         const WriteWatch& watch) {
    command.run(wb);
    auto choice = dialog.ask(command.proposedName(wb), chosenFileInTheWay);
    if (choice) {
        saveTemplate(wb, choice->path, choice->type, watch);
    }
    return choice;
}

}  // namespace tessaro
