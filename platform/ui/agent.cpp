#include "platform/ui/agent.h"

#include <cstdio>

namespace ui {

std::string_view typedLine(std::string_view text) {
    text = text.substr(0, text.find('\0'));
    return text.substr(0, text.find_first_of("\r\n"));
}

std::string colorText(Colorref color) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%06X", static_cast<unsigned>(color & 0xFFFFFFu));
    return buf;
}

std::string unknownControl(ControlId id, DialogId dialog) {
    return "unknown control " + std::to_string(id) + " in dialog " + std::to_string(dialog);
}

std::string notAnEdit(ControlId id) {
    return "control " + std::to_string(id) + " is not an edit";
}

}  // namespace ui
