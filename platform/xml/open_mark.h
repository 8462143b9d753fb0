// The mark that finds where the content of an element ends in a written document: a processing
// instruction made the element's last child before the document is written.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>

namespace xml {

// A processing-instruction target that text does not hold anywhere: longer than every run of
// "x" that follows the prefix in it.
inline std::string unusedMarkTarget(std::string_view text) {
    constexpr std::string_view kPrefix = "fw-end-";
    std::size_t longest = 0;
    for (std::size_t at = text.find(kPrefix); at != std::string_view::npos;
         at = text.find(kPrefix, at + 1)) {
        const std::size_t from = at + kPrefix.size();
        const std::size_t run = std::min(text.find_first_not_of('x', from), text.size()) - from;
        longest = std::max(longest, run);
    }
    return std::string(kPrefix) + std::string(longest + 1, 'x');
}

}  // namespace xml
