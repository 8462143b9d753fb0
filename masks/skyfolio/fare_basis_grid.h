// What the checks and the host entry read of the fare basis grid as a whole: whether it holds
// bag cells or fare cells, whether its fare basis goes out row by row, and whether a row
// carries the amount discount.
#pragma once

#include "masks/common/form_values.h"
#include "masks/skyfolio/fare_basis.h"

namespace masks::skyfolio {

struct FareBasisGrid {
    bool anyBagCell = false;       // a bag segment or a bag allowance
    bool anyBagAllowance = false;  // a bag allowance
    bool anyFareCell = false;      // a fare segment, fare basis, ticket designator or discount type
    bool perRow = false;           // the fare basis goes out row by row
    bool amountDiscount = false;   // a row has the amount discount type
};

// Row by row when a fare segment is given, or when more than one row has a fare basis, a
// unique fare basis, a ticket designator or a discount type; else on a single line.
FareBasisGrid ReadFareBasisGrid(const FormValues& grid);

// A row's discount type is chosen (the empty entry has code 0).
bool HasDiscountType(const FormValues& grid, const FareBasisRow& row);

}  // namespace masks::skyfolio
