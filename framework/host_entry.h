// Pieces shared by the host entries of every mask.
#pragma once

#include <string_view>

namespace framework {

// The reservation system's end-item mark, written into entries as these six characters
// (backslash, u, 0, 0, A, 5), never as the character itself.
inline constexpr std::string_view kItemSeparator = "\\u00A5";

}  // namespace framework
