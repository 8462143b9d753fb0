// Text of a new file as the system writes it: each "\n" the system's line break (CR LF on
// Windows).
#pragma once

#include <string>
#include <string_view>

namespace testing_support {

inline std::string systemLines(std::string_view text) {
#if defined(_WIN32)
    std::string out;
    for (char c : text)
        out += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return out;
#else
    return std::string(text);
#endif
}

}  // namespace testing_support
