// Opens an address with the shell's verb "open", shown normally.
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <string>

#include "platform/shell/desktop.h"
#include "platform/text/codepage.h"

namespace shell {

void openWithDesktop(std::string_view address) {
    if (address.empty() || address.find('\0') != std::string_view::npos)
        return;
    const std::u16string utf16 = text::fromAnsi(address);
    const std::wstring wide(utf16.begin(), utf16.end());
    ::ShellExecuteW(nullptr, L"open", wide.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace shell
