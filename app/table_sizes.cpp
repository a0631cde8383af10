#include "app/table_sizes.h"

#include <stdexcept>

namespace tessaro {
namespace {

double& sizeOf(PanelSizes& sizes, MainRow row) {
    switch (row) {
    case MainRow::Thickness: return sizes.thickness;
    case MainRow::Width: return sizes.width;
    case MainRow::Height: return sizes.height;
    case MainRow::Depth: return sizes.depth;
    case MainRow::SlotAllowance: return sizes.slotAllowance;
    case MainRow::TabLengthAllowance: return sizes.tabLengthAllowance;
    case MainRow::FrameMargin: return sizes.frameMargin;
    case MainRow::TabHeight: return sizes.tabHeight;
    case MainRow::ToolDiameter: return sizes.toolDiameter;
    }
    throw std::logic_error("The box table has no such row");
}

}  // namespace

PanelSizes readPanelSizes(const ParamTable& boxTable, std::span<const MainRow> rows) {
    PanelSizes sizes;
    for (const MainRow row : rows) {
        sizeOf(sizes, row) = boxTable.real(row);
    }
    return sizes;
}

// A braced list is evaluated in order, so the first bad cell is the one reported.

TabSlotSizes readTabSlotSizes(const ParamTable& tabSlotTable) {
    const ParamTable& t = tabSlotTable;
    using enum TabSlotTableRow;
    return {t.real(Thickness),    t.real(SlotAllowance), t.real(TabLengthAllowance),
            t.real(ToolDiameter), t.real(TabLength),     t.real(Gap)};
}

SpiralSizes readSpiralSizes(const ParamTable& spiralTable) {
    const ParamTable& t = spiralTable;
    using enum SpiralRow;
    return {t.real(StartRadius), t.real(StepAngle), t.real(TurnPitch), t.integer(Turns)};
}

BobbinSizes readBobbinSizes(const ParamTable& bobbinTable) {
    const ParamTable& t = bobbinTable;
    using enum BobbinRow;
    return {t.real(Thickness), t.real(WindowHeight), t.real(WindowWidth),
            t.real(LegWidth),  t.real(LegThickness), t.real(Clearance)};
}

}  // namespace tessaro
