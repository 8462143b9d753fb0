// The module's string table (resources 101 and 102), in the system code page.
#pragma once

#include <string>

namespace ui {

// The string of resource id converted to the system code page, or "" when there is none.
std::string loadString(int id);

}  // namespace ui
