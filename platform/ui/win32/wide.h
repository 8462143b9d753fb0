// Text between the masks (8-bit text of the system code page) and the windows (UTF-16).
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "platform/text/win32/wide.h"

namespace ui::win32 {

using text::narrow;
using text::wide;

// A window's whole text, as a person sees it.
inline std::string wholeWindowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return narrow(text);
}

// A window's text as the masks read it: through a 1024-byte buffer, so at most 1023 bytes.
inline std::string windowText(HWND window) {
    wchar_t buffer[1024];
    const int length = GetWindowTextW(window, buffer, 1024);
    std::string text = narrow(std::wstring_view(buffer, length > 0 ? length : 0));
    if (text.size() > 1023)
        text.resize(1023);
    return text;
}

}  // namespace ui::win32
