#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "app/save_prompt.h"
#include "app/template_commands.h"
#include "box/panel_places.h"
#include "box/panel_sizes.h"
#include "model/workbench.h"

namespace tessaro {

// The window's tabs that hold template buttons.
enum class TemplateTab { FoldingBox, SimpleBox, TabSlot, Spiral, Transformer };

// What showing a tab does to how the last DXF polyline is flagged (Workbench::lastPolylineClosed).
enum class LastOutline { Closed, Open, AsBefore };

struct TabRule {
    TemplateTab tab;
    std::string_view objectName;  // the tab page's, e.g. "foldingBoxTab"
    LastOutline lastOutline;
    std::string_view wholeTemplate;  // the verb of the tab's whole set, the preview's first drawing
};

// A button's place in pixels on the control that holds it: its tab page, or the
// panel or group box the window puts there.
struct ButtonGeometry {
    int x;
    int y;
    int width;
    int height;
};

struct TemplateButton {
    std::string_view objectName;  // e.g. "foldingFrontButton"
    std::string_view caption;     // in English; the window shows it in its language, as caption and tooltip
    ButtonGeometry geometry;
};

// One template: its command line verb, its window button(s) and tab, what it draws and
// what file name it proposes. One command may serve several verbs (the rear panel is
// drawn as the front one).
struct TemplateCommand {
    std::string_view name;   // the command line's verb, e.g. "spiral"
    std::string_view help;   // one line for the command line's help
    std::string_view label;  // what the command names its template (Workbench::templateLabel)
    TemplateTab tab;
    std::span<const TemplateButton> buttons;  // in the order the window creates them; none: command line only
    void (*draw)(Workbench&);                 // label, origin, header and generators; never saves
    std::string (*proposedName)(const Workbench&);
    // For a whole box: where its panels are drawn on the sheet, in drawing order; none for the rest.
    std::array<PanelPlace, 6> (*panelPlaces)(const PanelSizes&) = nullptr;

    // Draws the template into wb.drawing as the cutter must follow it: offset by the
    // workbench's kerf, so what is saved, nested and assembled is the part that comes off.
    void run(Workbench& wb) const;
};

[[nodiscard]] std::span<const TemplateCommand> templateCommands();
[[nodiscard]] const TemplateCommand* findCommand(std::string_view name);

[[nodiscard]] std::span<const TabRule> templateTabs();
[[nodiscard]] const TabRule& tabRule(TemplateTab tab);
// Flags the last outline as showing the tab does; the command line starts each verb so.
void showTab(Workbench& wb, TemplateTab tab);

// The whole road of a button: draw, propose the name, ask for a file, save it.
// Returns the file and type written; nothing when the user cancelled. The watch may stop
// the save (see saveTemplate).
std::optional<SaveChoice> performCommand(Workbench& wb, const TemplateCommand& command, SavePrompt& dialog,
                                         const WriteWatch& watch = {});

}  // namespace tessaro
