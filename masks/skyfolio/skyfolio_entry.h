// The host entry of the issuance form without transfer: one line built from the form and its
// three sub-dialogs by one small builder per piece, in a fixed order.
#pragma once

#include <string>

#include "masks/common/form_values.h"

namespace masks::skyfolio {

// The four forms the entry reads; the sub-dialogs share control numbers with the form, so each
// is read through its own view.
struct SkyfolioValues {
    const EntryValues& form;
    const FormValues& fareBasis;
    const FormValues& others;
    const FormValues& validDates;
};

std::string ComposeSkyfolioEntry(const SkyfolioValues& values);

}  // namespace masks::skyfolio
