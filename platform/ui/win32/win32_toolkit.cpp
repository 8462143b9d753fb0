#include "platform/ui/win32/win32_toolkit.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <iostream>

#include "platform/ui/win32/module_template.h"
#include "platform/ui/win32/wide.h"
#include "platform/ui/win32/win32_dialog.h"

namespace ui::win32 {

namespace {

// Most messages one dispatch delivers: a window that posts again from every delivery must not
// keep the host from its next command.
constexpr int kMostDeliveriesPerDispatch = 10000;

UINT iconStyle(Icon icon) {
    switch (icon) {
        case Icon::Error:
            return MB_ICONERROR;
        case Icon::Warning:
            return MB_ICONWARNING;
        case Icon::Information:
            return MB_ICONINFORMATION;
        case Icon::None:
            break;
    }
    return 0;
}

std::optional<Key> keyOf(const MSG& message) {
    if (message.message == WM_SYSKEYDOWN && message.wParam == VK_UP)
        return Key::AltUp;
    if (message.message != WM_KEYDOWN)
        return std::nullopt;
    switch (message.wParam) {
        case VK_RETURN:
            return Key::Enter;
        case VK_F1:
            return Key::F1;
        case VK_SPACE:
            return Key::Space;
        case VK_TAB:
            return Key::Tab;
        default:
            return std::nullopt;
    }
}

}  // namespace

Win32Toolkit::Win32Toolkit() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    // The outside controls' places in the templates: plain windows until a control sits there.
    WNDCLASSW place{};
    place.lpfnWndProc = DefWindowProcW;
    place.hInstance = thisModule();
    place.lpszClassName = kOutsideControlClass;
    place.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    RegisterClassW(&place);
}

Win32Toolkit::~Win32Toolkit() {
    UnregisterClassW(kOutsideControlClass, thisModule());
}

std::unique_ptr<Dialog> Win32Toolkit::createDialog(DialogId templateId, DialogProc& proc,
                                                   Dialog* owner) {
    auto dialog = std::make_unique<Win32Dialog>(*this, templateId, proc, owner);
    dialogs_.push_back(dialog.get());
    HWND parent = owner != nullptr ? reinterpret_cast<HWND>(owner->nativeWindow()) : hostWindow_;
    const Placement placement = owner != nullptr         ? Placement::AsWritten
                                : hostWindow_ != nullptr ? Placement::Child
                                                         : Placement::TopLevel;
    if (!dialog->create(parent, placement))
        return nullptr;
    return dialog;
}

void Win32Toolkit::messageBox(std::string_view text, std::string_view title, Icon icon) {
    showMessageBox(nullptr, text, title, icon);
}

void Win32Toolkit::showMessageBox(HWND owner, std::string_view text, std::string_view title,
                                  Icon icon) {
    if (observer_ != nullptr)
        observer_->messageBox(title, text);
    MessageBoxW(owner, wide(text).c_str(), wide(title).c_str(), MB_OK | iconStyle(icon));
}

std::vector<AgentDialog*> Win32Toolkit::liveDialogs() const {
    std::vector<AgentDialog*> live;
    for (Win32Dialog* dialog : dialogs_) {
        if (dialog->window() != nullptr)
            live.push_back(dialog);
    }
    return live;
}

AgentDialog* Win32Toolkit::liveDialog(DialogId id) const {
    for (auto it = dialogs_.rbegin(); it != dialogs_.rend(); ++it) {
        if ((*it)->templateId() == id && (*it)->window() != nullptr)
            return *it;
    }
    return nullptr;
}

Win32Dialog* Win32Toolkit::dialogOf(HWND window) const {
    for (; window != nullptr; window = GetParent(window)) {
        for (Win32Dialog* dialog : dialogs_) {
            if (dialog->window() == window)
                return dialog;
        }
        if ((GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD) == 0)
            break;
    }
    return nullptr;
}

std::optional<AgentFocus> Win32Toolkit::agentFocus() const {
    Win32Dialog* dialog = dialogOf(GetFocus());
    if (dialog == nullptr)
        return std::nullopt;
    const std::optional<ControlId> control = dialog->focus();
    if (!control)
        return std::nullopt;
    return AgentFocus{dialog, *control};
}

void Win32Toolkit::dispatchPosted() {
    MSG message;
    for (int delivered = 0;
         delivered < kMostDeliveriesPerDispatch && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);
         ++delivered) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

bool Win32Toolkit::runOnce(HWND dialog) {
    if (pump_) {
        // The command the pump runs may replace the pump itself.
        std::function<bool()> pump = pump_;
        return pump();
    }
    MSG message;
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got <= 0) {
        if (got == 0)
            PostQuitMessage(static_cast<int>(message.wParam));
        return false;
    }
    if (preTranslateKey(message) || IsDialogMessageW(dialog, &message))
        return true;
    TranslateMessage(&message);
    DispatchMessageW(&message);
    return true;
}

bool Win32Toolkit::preTranslateKey(const MSG& message) {
    const std::optional<Key> key = keyOf(message);
    Win32Dialog* dialog = key ? dialogOf(message.hwnd) : nullptr;
    if (dialog == nullptr)
        return false;
    const std::optional<ControlId> focus = dialog->focus();
    return focus && dialog->proc().preTranslateKey(*focus, *key);
}

void Win32Toolkit::forget(Win32Dialog& dialog) {
    std::erase(dialogs_, &dialog);
}

bool Win32Toolkit::isLive(const Dialog* dialog) const {
    return std::find(dialogs_.begin(), dialogs_.end(), dialog) != dialogs_.end();
}

void Win32Toolkit::fault(std::string_view text) const {
    if (observer_ != nullptr) {
        observer_->fault(text);
        return;
    }
    std::cerr << "fault: " << text << "\n";
    std::abort();
}

Win32Toolkit& win32Toolkit() {
    static Win32Toolkit toolkit;
    return toolkit;
}

}  // namespace ui::win32
