// The checks of a reissue Send, in their fixed order: the first that fails shows its message,
// puts the focus on its field and stops the Send.
#pragma once

#include <string_view>

#include "platform/ui/dialog.h"

namespace masks::reissue {

bool RunReissueChecks(ui::Dialog& form);

// Amount against net remit: whether the net remit amount is greater than an additional
// payment's amount. The amount may begin with a three-letter currency code, which is cut
// when a digit follows it; an amount that does not then begin with a digit is not compared.
// Both are read as decimal numbers up to the first character that cannot belong to one; an
// empty net remit amount counts as 0.
bool NetRemitExceedsAmount(std::string_view amount, std::string_view netRemit);

}  // namespace masks::reissue
