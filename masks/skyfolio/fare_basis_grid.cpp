#include "masks/skyfolio/fare_basis_grid.h"

namespace masks::skyfolio {

bool HasDiscountType(const FormValues& grid, const FareBasisRow& row) {
    return grid.choice(row[kDiscountType]) > kNoDiscount;
}

FareBasisGrid ReadFareBasisGrid(const FormValues& grid) {
    FareBasisGrid g;
    int fareBases = 0, uniqueFareBases = 0, designators = 0, discountTypes = 0;
    bool fareSegment = false;
    for (const FareBasisRow& row : kFareBasisRows) {
        const bool allowance = grid.given(row[kBagAllowance]);
        g.anyBagAllowance = g.anyBagAllowance || allowance;
        g.anyBagCell = g.anyBagCell || allowance || grid.given(row[kBagSegment]);
        fareSegment = fareSegment || grid.given(row[kFareSegment]);
        fareBases += grid.given(row[kFareBasis]) ? 1 : 0;
        uniqueFareBases += grid.given(row[kUniqueFareBasis]) ? 1 : 0;
        designators += grid.given(row[kTicketDesignator]) ? 1 : 0;
        discountTypes += HasDiscountType(grid, row) ? 1 : 0;
        g.amountDiscount = g.amountDiscount || grid.choice(row[kDiscountType]) == kAmountDiscount;
    }
    g.anyFareCell = fareSegment || fareBases > 0 || designators > 0 || discountTypes > 0;
    g.perRow =
        fareSegment || fareBases > 1 || uniqueFareBases > 1 || designators > 1 || discountTypes > 1;
    return g;
}

}  // namespace masks::skyfolio
