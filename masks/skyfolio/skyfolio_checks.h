// The checks of a Send of the issuance form without transfer, over the form and its three
// sub-dialogs, in their fixed order: the first that fails shows its message, puts the focus
// on its field (showing the sub-dialog that holds it, or hiding any open one for a field of
// the form) and stops the Send.
#pragma once

#include "framework/checks.h"

namespace masks::skyfolio {

// The forms the checks read, numbered as the mask adds its sub-dialogs.
enum CheckedForm : int { kMainForm = 0, kFareBasisForm = 1, kOthersForm = 2, kValidDatesForm = 3 };

bool RunSkyfolioChecks(framework::CheckForms& forms);

}  // namespace masks::skyfolio
