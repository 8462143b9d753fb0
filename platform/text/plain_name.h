// Names that are safe as keys and as parts of file names: ASCII letters and digits and a few
// punctuation characters, nothing else.
#pragma once

#include <cstddef>
#include <string_view>

namespace text {

// Whether name has 1 to maxBytes characters, each an ASCII letter, a digit or one of
// punctuation.
constexpr bool isPlainName(std::string_view name, std::size_t maxBytes,
                           std::string_view punctuation) {
    if (name.empty() || name.size() > maxBytes)
        return false;
    for (char c : name) {
        const bool ok = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                        (c >= '0' && c <= '9') || punctuation.find(c) != std::string_view::npos;
        if (!ok)
            return false;
    }
    return true;
}

}  // namespace text
