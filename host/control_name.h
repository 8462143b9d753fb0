// Control names of the script: "ID" on the mask's main form, or "DIALOG:ID".
#pragma once

#include <optional>
#include <string_view>

namespace host {

struct ControlName {
    int dialog = 0;  // 0: the mask's main form
    int control = 0;
};

// None when the text is not a control name.
std::optional<ControlName> parseControlName(std::string_view text);

}  // namespace host
