// Trimming text: one way for every reader of the masks' texts, settings and tables.
#pragma once

#include <string_view>

namespace text {

// White space as the C library knows it.
inline constexpr std::string_view kWhiteSpace = " \t\n\v\f\r";

// s without the characters of `blanks` at either end.
constexpr std::string_view trim(std::string_view s, std::string_view blanks = kWhiteSpace) {
    const std::size_t first = s.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    return s.substr(first, s.find_last_not_of(blanks) - first + 1);
}

}  // namespace text
