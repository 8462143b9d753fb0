// The checks of an issuance Send, in their fixed order: the first that fails shows its
// message, puts the focus on its field and stops the Send.
#pragma once

#include "platform/ui/dialog.h"

namespace masks::issuance {

bool RunIssuanceChecks(ui::Dialog& form);

}  // namespace masks::issuance
