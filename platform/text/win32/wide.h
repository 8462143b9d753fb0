// Text of the system code page (what the masks hold) to and from the UTF-16 the system's calls
// take, on Windows.
#pragma once

#include <string>
#include <string_view>

#include "platform/text/codepage.h"

namespace text {

inline std::wstring wide(std::string_view ansi) {
    const std::u16string utf16 = fromAnsi(ansi);
    return std::wstring(utf16.begin(), utf16.end());
}

inline std::string narrow(std::wstring_view utf16) {
    return toAnsi(std::u16string(utf16.begin(), utf16.end()));
}

}  // namespace text
