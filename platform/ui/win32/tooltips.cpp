#include "platform/ui/win32/tooltips.h"

#include <commctrl.h>

#include "platform/ui/win32/module_template.h"
#include "platform/ui/win32/wide.h"

namespace ui::win32 {

namespace {

TTTOOLINFOW toolFor(HWND dialog, HWND control) {
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = dialog;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    return tool;
}

}  // namespace

Tooltips::~Tooltips() {
    if (window_ != nullptr)
        DestroyWindow(window_);
}

void Tooltips::set(HWND control, std::string_view text) {
    if (control == nullptr)
        return;
    TTTOOLINFOW tool = toolFor(dialog_, control);
    if (text.empty()) {
        if (window_ != nullptr)
            SendMessageW(window_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        return;
    }
    if (window_ == nullptr) {
        window_ =
            CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                            WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, dialog_, nullptr, thisModule(), nullptr);
        if (window_ == nullptr)
            return;
        SendMessageW(window_, TTM_ACTIVATE, TRUE, 0);
    }
    std::wstring stored = wide(text);
    tool.lpszText = stored.data();  // the tooltip window keeps a copy
    SendMessageW(window_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageW(window_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

std::optional<std::string> Tooltips::text(HWND control) const {
    if (window_ == nullptr || control == nullptr)
        return std::nullopt;
    TTTOOLINFOW tool = toolFor(dialog_, control);
    wchar_t buffer[1024] = {};
    tool.lpszText = buffer;
    // The tool's information comes with its text.
    if (!SendMessageW(window_, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool)))
        return std::nullopt;
    return narrow(buffer);
}

}  // namespace ui::win32
