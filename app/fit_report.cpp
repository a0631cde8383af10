#include "app/fit_report.h"

#include <cmath>

#include "assembly/joints.h"
#include "assembly/overlaps.h"
#include "assembly/panel_geometry.h"
#include "output/number_text.h"

namespace tessaro {
namespace {

std::string_view kindName(JointKind kind) {
    switch (kind) {
    case JointKind::TabInSlot: return "tab in slot";
    case JointKind::ToothInWingSlot: return "tooth in wing slot";
    case JointKind::WingInHole: return "wing in holding hole";
    case JointKind::ScrewInSlot: return "screw in slot";
    }
    return "joint";
}

std::string millimetres(double value) { return fixedText(value, 3); }

// A side that nothing closes (a slot cut through the edge) has no room to measure.
std::string roomText(double room) { return std::isinf(room) ? "open" : millimetres(room); }

std::string playText(const Play& play) {
    const std::string total = std::isinf(play.total()) ? "open" : millimetres(play.total()) + " mm";
    return total + " (" + roomText(play.low) + " | " + roomText(play.high) + ")";
}

std::string panelNameOf(const BoxAssembly& assembly, std::size_t panel) {
    return std::string(panelName(assembly.panels[panel].panel));
}

std::string jointLine(const BoxAssembly& assembly, const Joint& joint) {
    const Vec3 at = centreOf(joint.where);
    return std::string(kindName(joint.kind)) + ": " + panelNameOf(assembly, joint.inserted) + " in " +
           panelNameOf(assembly, joint.holder) + " at (" + millimetres(at.x) + ", " + millimetres(at.y) + ", " +
           millimetres(at.z) + "): across " + playText(joint.across) + ", along " + playText(joint.along);
}

}  // namespace

std::vector<std::string> fitReport(const BoxAssembly& assembly, const std::vector<std::string>& cutoutCheck) {
    std::vector<std::string> lines;
    for (const Joint& joint : jointsOf(assembly)) {
        lines.push_back(jointLine(assembly, joint));
    }
    lines.insert(lines.end(), cutoutCheck.begin(), cutoutCheck.end());
    const std::vector<PanelOverlap> overlaps = overlappingPanels(assembly);
    lines.push_back(overlaps.empty() ? "overlaps: none" : "overlaps: " + std::to_string(overlaps.size()));
    for (const PanelOverlap& overlap : overlaps) {
        lines.push_back(panelNameOf(assembly, overlap.first) + " and " + panelNameOf(assembly, overlap.second) + ": " +
                        millimetres(overlap.volume) + " mm3");
    }
    return lines;
}

std::vector<std::string> cutoutCheckLines(std::span<const CutoutClash> clashes, std::span<const FaceCutout> cutouts) {
    if (clashes.empty()) {
        return {"cut-outs: none clash"};
    }
    std::vector<std::string> lines{"cut-outs: " + std::to_string(clashes.size()) + " clash"};
    for (const CutoutClash& clash : clashes) {
        std::string line = cutoutLine(cutouts[clash.cutout]) + ": runs into ";
        for (std::size_t i = 0; i < clash.reasons.size(); ++i) {
            line.append(i == 0 ? "" : "; ").append(clash.reasons[i]);
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

}  // namespace tessaro
