// Opens an address with the shell's verb "open", shown normally.
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <string>

#include "platform/shell/desktop.h"
#include "platform/text/win32/wide.h"

namespace shell {

void openWithDesktop(std::string_view address) {
    if (address.empty() || address.find('\0') != std::string_view::npos)
        return;
    ::ShellExecuteW(nullptr, L"open", text::wide(address).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace shell
