// A top-level window of its own holds the mask's form, as the terminal's window does; message
// boxes are answered as an agent answers them, with OK, before they wait for input.
#include "host/host_window.h"

#include <windows.h>

#include "platform/ui/agent.h"
#include "platform/ui/toolkit.h"

namespace host {

namespace {

constexpr wchar_t kWindowClass[] = L"QuorvexHostWindow";

HINSTANCE program() {
    return GetModuleHandleW(nullptr);
}

bool isMaskDialog(HWND window) {
    for (const ui::AgentDialog* dialog : ui::agentDesk().liveDialogs()) {
        if (reinterpret_cast<HWND>(dialog->nativeWindow()) == window)
            return true;
    }
    return false;
}

// The window takes the size of the form made in it, as the terminal sizes its place for a mask.
LRESULT CALLBACK frameProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PARENTNOTIFY && LOWORD(wParam) == WM_CREATE) {
        RECT form;
        GetWindowRect(reinterpret_cast<HWND>(lParam), &form);
        RECT outer{0, 0, form.right - form.left, form.bottom - form.top};
        AdjustWindowRectEx(&outer, static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)), FALSE,
                           static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE)));
        SetWindowPos(window, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// A dialog of the system (a message box) that has just been set up ends with OK before its
// loop starts, so that nothing else runs meanwhile.
LRESULT CALLBACK answerBoxes(int code, WPARAM wParam, LPARAM lParam) {
    const auto* call = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && call->message == WM_INITDIALOG) {
        wchar_t name[16] = {};
        GetClassNameW(call->hwnd, name, 16);
        if (lstrcmpW(name, L"#32770") == 0 && !isMaskDialog(call->hwnd))
            EndDialog(call->hwnd, IDOK);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

class Win32HostWindow final : public HostWindow {
  public:
    Win32HostWindow() {
        WNDCLASSW frame{};
        frame.lpfnWndProc = frameProcedure;
        frame.hInstance = program();
        frame.lpszClassName = kWindowClass;
        frame.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        frame.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
        RegisterClassW(&frame);
        window_ = CreateWindowExW(WS_EX_CONTROLPARENT, kWindowClass, L"quorvex-host",
                                  WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0, 1000, 700, nullptr,
                                  nullptr, program(), nullptr);
        if (window_ != nullptr) {
            ShowWindow(window_, SW_SHOWNORMAL);
            ui::toolkit().setHostWindow(reinterpret_cast<ui::NativeWindow>(window_));
        }
        hook_ = SetWindowsHookExW(WH_CALLWNDPROCRET, answerBoxes, nullptr, GetCurrentThreadId());
    }
    ~Win32HostWindow() override {
        if (hook_ != nullptr)
            UnhookWindowsHookEx(hook_);
        ui::toolkit().setHostWindow(0);
        if (window_ != nullptr)
            DestroyWindow(window_);
        UnregisterClassW(kWindowClass, program());
    }
    Win32HostWindow(const Win32HostWindow&) = delete;
    Win32HostWindow& operator=(const Win32HostWindow&) = delete;

  private:
    HWND window_ = nullptr;
    HHOOK hook_ = nullptr;
};

}  // namespace

std::unique_ptr<HostWindow> openHostWindow() {
    return std::make_unique<Win32HostWindow>();
}

}  // namespace host
