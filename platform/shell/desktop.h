// The desktop's own opener of addresses, one per operating system.
#pragma once

#include <string_view>

namespace shell {

// Opens the address with the verb "open" and does not wait; an empty or unopenable address
// fails quietly.
void openWithDesktop(std::string_view address);

}  // namespace shell
