#include "platform/com/win32/control_keys.h"

namespace com {

std::optional<ui::Key> controlKey(UINT message, WPARAM key) {
    if (message == WM_SYSKEYDOWN)
        return key == VK_UP ? std::optional(ui::Key::AltUp) : std::nullopt;
    if (message != WM_KEYDOWN)
        return std::nullopt;
    switch (key) {
        case VK_RETURN:
            return ui::Key::Enter;
        case VK_F1:
            return ui::Key::F1;
        case VK_TAB:
            return ui::Key::Tab;
        case VK_SPACE:
            return ui::Key::Space;
        default:
            return std::nullopt;
    }
}

}  // namespace com
