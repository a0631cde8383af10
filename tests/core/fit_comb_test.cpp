#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/engraving_fonts.h"
#include "app/fit_comb.h"
#include "app/table_keys.h"
#include "app/table_sizes.h"
#include "app/template_commands.h"
#include "support.h"
#include "templates/fit_comb.h"

namespace tessaro {
namespace {

using testing::Bench;

struct CombOutlines {
    std::vector<Extent> slots;
    std::vector<Extent> tabs;
    std::vector<Extent> strokes;
};

bool apart(const Extent& a, const Extent& b) {
    return a.maxX < b.minX || b.maxX < a.minX || a.maxY < b.minY || b.maxY < a.minY;
}

// The comb's outlines by role; every cut is closed.
CombOutlines outlinesOf(const Drawing& drawing) {
    CombOutlines comb;
    for (std::size_t i = 0; i < drawing.outlineCount(); ++i) {
        const Outline outline = drawing.outline(i);
        switch (outline.role) {
        case OutlineRole::InnerCut: comb.slots.push_back(extentOf(outline.points)); break;
        case OutlineRole::OuterCut: comb.tabs.push_back(extentOf(outline.points)); break;
        case OutlineRole::Engrave: comb.strokes.push_back(extentOf(outline.points)); break;
        case OutlineRole::Mark: ADD_FAILURE() << "a mark in the comb"; break;
        }
        if (outline.role != OutlineRole::Engrave) {
            EXPECT_TRUE(outline.closed()) << i;
        }
    }
    return comb;
}

TEST(FitComb, EachAllowanceIsASlotOfItsWidthUnderATabThatFitsItsLength) {
    for (bool relief : {false, true}) {
        Bench b;
        b.wb.options.tabSlotRelief = relief;
        const std::vector<double> allowances = {-0.1, 0, 0.05, 0.15};
        makeFitComb(b.wb, allowances);
        ASSERT_EQ(b.wb.drawing.partCount(), 1U);
        const CombOutlines comb = outlinesOf(b.wb.drawing);
        ASSERT_EQ(comb.slots.size(), allowances.size());
        ASSERT_EQ(comb.tabs.size(), allowances.size());
        const TabSlotSizes sizes = readTabSlotSizes(b.wb.tabSlotTable);
        const double notch = relief ? sizes.toolDiameter / 2 : 0;
        for (std::size_t i = 0; i < allowances.size(); ++i) {
            const Extent& slot = comb.slots[i];
            const Extent& tab = comb.tabs[i];
            EXPECT_NEAR(slot.height(), sizes.thickness + allowances[i] + 2 * notch, 1e-9);
            EXPECT_NEAR(slot.width(), sizes.tabLength + 2 * sizes.tabLengthAllowance, 1e-9);
            // The tab stands over its slot, centred, and clear of it.
            EXPECT_NEAR(tab.minX + tab.maxX, slot.minX + slot.maxX, 1e-9);
            EXPECT_GT(tab.minY, slot.maxY);
            for (std::size_t j = i + 1; j < allowances.size(); ++j) {
                EXPECT_TRUE(apart(slot, comb.slots[j]) && apart(tab, comb.tabs[j]) && apart(slot, comb.tabs[j]));
                EXPECT_LT(slot.maxX, comb.slots[j].minX);
            }
        }
    }
}

TEST(FitComb, EachAllowanceIsEngravedUnderItsOwnSlot) {
    Bench b;
    const std::vector<double> allowances = {0.05, 0.1, 0.125};
    makeFitComb(b.wb, allowances);
    const CombOutlines comb = outlinesOf(b.wb.drawing);
    const EngravingFonts fonts = loadEngravingFonts();
    std::size_t counted = 0;
    for (std::size_t i = 0; i < allowances.size(); ++i) {
        const Extent& slot = comb.slots[i];
        Extent label;
        std::size_t strokes = 0;
        for (const Extent& stroke : comb.strokes) {
            if (stroke.minX >= slot.minX && stroke.maxX <= slot.maxX) {
                label.include(stroke);
                ++strokes;
            }
        }
        counted += strokes;
        // The label's strokes are those of its allowance's text.
        Drawing alone;
        Pen pen(alone);
        engraveText(pen, fonts, allowanceLabel(allowances[i]), 5);
        EXPECT_EQ(strokes, alone.outlineCount()) << allowanceLabel(allowances[i]);
        EXPECT_LT(label.maxY, slot.minY);
        EXPECT_NEAR(label.minX + label.maxX, slot.minX + slot.maxX, 2);
        for (const Extent& tab : comb.tabs) {
            EXPECT_TRUE(apart(label, tab));
        }
    }
    EXPECT_EQ(counted, comb.strokes.size());
}

TEST(FitComb, LabelsShrinkToFitANarrowPair) {
    Bench b;
    assignTableValue(b.wb, "tabslot.L=4");
    assignTableValue(b.wb, "tabslot.G=2");
    makeFitComb(b.wb, {-0.125, 0.125});
    const CombOutlines comb = outlinesOf(b.wb.drawing);
    Extent labels;
    for (const Extent& stroke : comb.strokes) {
        labels.include(stroke);
    }
    EXPECT_LT(labels.maxX - labels.minX, comb.tabs.back().maxX - comb.tabs.front().minX);
    for (const Extent& stroke : comb.strokes) {
        EXPECT_TRUE(std::ranges::count_if(comb.tabs, [&](const Extent& tab) {
                        return stroke.minX >= tab.minX && stroke.maxX <= tab.maxX;
                    }) == 1);
    }
}

TEST(FitComb, AllowanceListsAreReadByTheNumberRule) {
    EXPECT_EQ(parseCombAllowances("0.05,0.1, 0.15 ,-2e-1"), (std::vector<double>{0.05, 0.1, 0.15, -0.2}));
    EXPECT_EQ(parseCombAllowances("0"), std::vector<double>{0});
    for (const auto& [list, named] : std::vector<std::pair<std::string, std::string>>{
             {"0.1,x", "'x'"}, {"0,1,", "''"}, {"", "''"}, {"0,1;2", "'1;2'"}, {"0.1,inf", "'inf'"}}) {
        try {
            (void)parseCombAllowances(list);
            ADD_FAILURE() << list;
        } catch (const UsageError& e) {
            EXPECT_NE(std::string(e.what()).find(named + " is not a valid floating point value"), std::string::npos)
                << e.what();
        }
    }
    std::string fifty = "0.1";
    for (int i = 1; i < 50; ++i) {
        fifty += ",0.1";
    }
    EXPECT_EQ(parseCombAllowances(fifty).size(), 50U);
    EXPECT_THROW((void)parseCombAllowances(fifty + ",0.1"), UsageError);
}

TEST(FitComb, AnAllowanceAsLargeAsTheMaterialIsRefusedAndTheLastDrawingKept) {
    Bench b;
    makeTabSlotPiece(b.wb);
    const Drawing before = b.wb.drawing;
    for (double allowance : {5.0, -5.0, 7.0}) {
        EXPECT_THROW(makeFitComb(b.wb, {0.1, allowance}), UsageError);
        EXPECT_EQ(b.wb.drawing, before);
    }
}

TEST(FitComb, AllowanceLabelsAreTheNumbersTheDrawingKeeps) {
    EXPECT_EQ(allowanceLabel(0.1), "0.1");
    EXPECT_EQ(allowanceLabel(-0.05), "-0.05");
    EXPECT_EQ(allowanceLabel(-0.0), "0");
    EXPECT_EQ(allowanceLabel(1e-5), "0.00001");
    // Finer than the drawing keeps, an allowance means what the slot drawn with it means.
    EXPECT_EQ(allowanceLabel(1e-300), "0");
    EXPECT_EQ(allowanceLabel(-1e-300), "0");
    EXPECT_EQ(allowanceLabel(0.1234567), "0.123457");
}

}  // namespace
}  // namespace tessaro
