#include "app/fit_comb.h"

#include <cmath>
#include <string>

#include "app/engraving_fonts.h"
#include "app/proposed_names.h"
#include "app/table_keys.h"
#include "app/table_sizes.h"
#include "app/template_headers.h"
#include "model/number_parse.h"
#include "templates/fit_comb.h"

namespace tessaro {
namespace {

// A slot narrower than nothing, or wider than twice the material, tries no fit.
void refuseUnfitAllowances(const std::vector<double>& allowances, double thickness) {
    for (double allowance : allowances) {
        if (!(std::abs(allowance) < thickness)) {
            throw UsageError("--comb: the allowance " + allowanceLabel(allowance) +
                             " is not smaller in size than the thickness, " + allowanceLabel(thickness) + " mm");
        }
    }
}

}  // namespace

std::vector<double> parseCombAllowances(std::string_view list) {
    std::vector<double> allowances;
    while (true) {
        const std::size_t comma = list.find(',');
        const std::string_view value = list.substr(0, comma);
        try {
            allowances.push_back(parseReal(value));
        } catch (const ConversionError& e) {
            throw UsageError(std::string("--comb: ") + e.what());
        }
        if (allowances.size() > kMostCombPairs) {
            throw UsageError("--comb: more than " + std::to_string(kMostCombPairs) + " allowances");
        }
        if (comma == std::string_view::npos) {
            return allowances;
        }
        list.remove_prefix(comma + 1);
    }
}

std::string fitCombName(const Workbench& wb) { return tabSlotName(wb) + " comb"; }

void makeFitComb(Workbench& wb, const std::vector<double>& allowances) {
    const TabSlotSizes sizes = readTabSlotSizes(wb.tabSlotTable);
    refuseUnfitAllowances(allowances, sizes.thickness);
    const EngravingFonts fonts = loadEngravingFonts();
    wb.templateLabel = "tab comb";
    startBoxDocument(wb);
    Pen pen(wb.drawing);
    drawFitComb(pen, sizes, allowances, wb.options.tabSlotRelief, fonts);
    pen.endPart("fit comb");
}

}  // namespace tessaro
