#include "templates/fit_comb.h"

#include <algorithm>
#include <string>

#include "output/number_text.h"

namespace tessaro {
namespace {

// Between a slot and its tab, its label and the next pair: the test piece keeps its strip
// 3 mm over its slots too.
constexpr double kSpacing = 3;
// The labels' capitals, unless the widest would not fit its pair.
constexpr double kLabelHeight = 5;
// A tab piece stands at least this far above its tooth, enough to hold between two fingers.
constexpr double kLeastTabBody = 10;

// The capital height at which the widest label fits the width of a pair.
double labelHeight(const std::vector<std::string>& labels, double pairWidth, const EngravingFonts& fonts) {
    double widest = 0;
    for (const std::string& label : labels) {
        widest = std::max(widest, engravedWidth(fonts, label, kLabelHeight));
    }
    return widest > pairWidth ? kLabelHeight * pairWidth / widest : kLabelHeight;
}

// A tab piece from its edge's left end: the strip's edge with one tooth, then up, back and
// down around the piece's body.
void drawTabPiece(Pen& pen, const TabSlotSizes& sizes, Relief relief) {
    const ToothedEdge edge = stripEdge(sizes, 1);
    const double width = 2 * edge.end + edge.tab;
    const double body = std::max(2 * sizes.thickness, kLeastTabBody);
    drawToothedEdge(pen, edge, relief);
    pen.lineTo(0, body);
    pen.lineTo(-width, 0);
    pen.lineTo(0, -body);
}

}  // namespace

std::string allowanceLabel(double allowance) {
    // The slot is drawn, and its file written, to six decimals: finer digits mean nothing.
    return fixedText(allowance, 6, TrailingZeros::Dropped);
}

void drawFitComb(Pen& pen, const TabSlotSizes& sizes, std::span<const double> allowances, bool withRelief,
                 const EngravingFonts& fonts) {
    const Relief relief{withRelief, sizes.toolDiameter};
    const ToothedEdge edge = stripEdge(sizes, 1);
    const double pairWidth = 2 * edge.end + edge.tab;
    const double pitch = pairWidth + kSpacing;
    const double widestSlot = sizes.thickness + *std::ranges::max_element(allowances);
    const double toothTip = widestSlot + kSpacing;

    std::vector<std::string> labels;
    std::ranges::transform(allowances, std::back_inserter(labels), allowanceLabel);
    const double textHeight = labelHeight(labels, pairWidth, fonts);

    for (std::size_t i = 0; i < allowances.size(); ++i) {
        const double middle = static_cast<double>(i) * pitch + pairWidth / 2;
        const Slot slot = testSlot(sizes, allowances[i]);
        pen.toOrigin(middle - slot.along.x / 2, 0);
        pen.startInnerCut(0, 0);
        drawSlot(pen, slot, relief);

        pen.toOrigin(middle, -kSpacing - textHeight / 2);
        engraveText(pen, fonts, labels[i], textHeight);

        pen.toOrigin(middle - pairWidth / 2, toothTip + edge.height);
        pen.startOuterCut(0, 0);
        drawTabPiece(pen, sizes, relief);
    }
}

}  // namespace tessaro
