// Asks the platform to open an address (a help page) with the verb "open".
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace shell {

// Opens the address as the desktop would; an empty or unopenable address fails quietly.
void openAddress(std::string_view address);

// A replacement for the real opener (the stand-in terminal prints instead of opening);
// an empty function restores the real one.
void setOpener(std::function<void(std::string_view)> opener);

}  // namespace shell
