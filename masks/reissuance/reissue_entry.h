// The reissue host entry: one line of fixed literals and field texts, built by one small
// builder per piece in a fixed order.
#pragma once

#include <string>

#include "masks/common/form_values.h"

namespace masks::reissue {

using masks::FormValues;

std::string ComposeEntry(const FormValues& values);

}  // namespace masks::reissue
