#include "platform/ui/win32/control_behaviour.h"

#include <commctrl.h>

#include "platform/ui/win32/win32_dialog.h"

namespace ui::win32 {

namespace {

constexpr UINT_PTR kEditBehaviour = 1;
constexpr UINT_PTR kLinkBehaviour = 2;

Win32Dialog& dialogOf(DWORD_PTR data) {
    return *reinterpret_cast<Win32Dialog*>(data);
}

LRESULT CALLBACK editProcedure(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                               DWORD_PTR data) {
    switch (message) {
        case WM_KEYDOWN:
            if (wParam == VK_F1) {
                dialogOf(data).proc().onControlKey(GetDlgCtrlID(edit), Key::F1);
                // The key goes on to the edit, if the chooser left it there.
                return IsWindow(edit) ? DefSubclassProc(edit, message, wParam, lParam) : 0;
            }
            break;
        case WM_LBUTTONDBLCLK: {
            const LRESULT result = DefSubclassProc(edit, message, wParam, lParam);
            dialogOf(data).proc().onCommand(GetDlgCtrlID(edit), Notify::DoubleClicked);
            return result;
        }
        case WM_NCDESTROY:
            RemoveWindowSubclass(edit, editProcedure, kEditBehaviour);
            break;
    }
    return DefSubclassProc(edit, message, wParam, lParam);
}

LRESULT CALLBACK linkProcedure(HWND link, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                               DWORD_PTR data) {
    switch (message) {
        case WM_SETCURSOR:
            if (!IsWindowEnabled(link))
                break;
            SetCursor(LoadCursorW(nullptr, MAKEINTRESOURCEW(32649)));  // IDC_HAND
            return TRUE;
        case WM_GETDLGCODE: {
            // Character keys and Enter come to the link rather than to the dialog.
            LRESULT code = DefSubclassProc(link, message, wParam, lParam) | DLGC_WANTCHARS;
            const auto* pending = reinterpret_cast<const MSG*>(lParam);
            if (pending != nullptr && pending->message == WM_KEYDOWN &&
                pending->wParam == VK_RETURN) {
                code |= DLGC_WANTMESSAGE;
            }
            return code;
        }
        case WM_KEYDOWN:
            if (wParam == VK_RETURN || wParam == VK_SPACE) {
                dialogOf(data).proc().onControlKey(GetDlgCtrlID(link),
                                                   wParam == VK_RETURN ? Key::Enter : Key::Space);
                return 0;
            }
            break;
        case WM_CHAR:
            if (wParam == L'\r' || wParam == L' ')
                return 0;
            break;
        case WM_LBUTTONDOWN:
            SetFocus(link);
            SetCapture(link);
            return 0;
        case WM_LBUTTONUP: {
            if (GetCapture() != link)
                return 0;
            ReleaseCapture();
            RECT area;
            GetClientRect(link, &area);
            const POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            if (PtInRect(&area, at)) {
                SendMessageW(GetParent(link), WM_COMMAND,
                             MAKEWPARAM(GetDlgCtrlID(link), STN_CLICKED),
                             reinterpret_cast<LPARAM>(link));
            }
            return 0;
        }
        case WM_LBUTTONDBLCLK:
            return 0;
        case WM_NCDESTROY:
            RemoveWindowSubclass(link, linkProcedure, kLinkBehaviour);
            break;
    }
    return DefSubclassProc(link, message, wParam, lParam);
}

}  // namespace

void attachEditBehaviour(Win32Dialog& dialog, HWND edit) {
    SetWindowSubclass(edit, editProcedure, kEditBehaviour, reinterpret_cast<DWORD_PTR>(&dialog));
}

void attachLinkBehaviour(Win32Dialog& dialog, HWND link) {
    SetWindowSubclass(link, linkProcedure, kLinkBehaviour, reinterpret_cast<DWORD_PTR>(&dialog));
}

}  // namespace ui::win32
