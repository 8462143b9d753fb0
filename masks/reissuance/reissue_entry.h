// The reissue host entry: one line of fixed literals and field texts, built by one small
// builder per piece in a fixed order.
#pragma once

#include <string>

#include "masks/reissuance/form_values.h"

namespace masks::reissue {

std::string ComposeEntry(const FormValues& values);

}  // namespace masks::reissue
