// What a dialog's window does with the messages it receives: each reaches the owner's
// DialogProc as the notification it stands for.
#include "platform/ui/win32/win32_dialog.h"

#include <algorithm>

#include "platform/ui/win32/control_behaviour.h"
#include "platform/ui/win32/wide.h"

namespace ui::win32 {

namespace {

constexpr unsigned kFirstPrivateMessage = 3000;
constexpr unsigned kLastPrivateMessage = 3999;

// A control's WM_COMMAND code as the notification of its kind; nothing for codes the masks
// do not hear.
std::optional<Notify> notification(ControlKind kind, WORD code) {
    switch (kind) {
        case ControlKind::Edit:
            switch (code) {
                case EN_CHANGE:
                    return Notify::Changed;
                case EN_SETFOCUS:
                    return Notify::SetFocus;
                case EN_KILLFOCUS:
                    return Notify::KillFocus;
            }
            break;
        case ControlKind::Button:
        case ControlKind::CheckBox:
        case ControlKind::Radio:
            switch (code) {
                case BN_CLICKED:
                    return Notify::Clicked;
                case BN_SETFOCUS:
                    return Notify::SetFocus;
                case BN_KILLFOCUS:
                    return Notify::KillFocus;
            }
            break;
        case ControlKind::Static:
        case ControlKind::Link:
            if (code == STN_CLICKED)
                return Notify::Clicked;
            break;
        case ControlKind::Combo:
            switch (code) {
                case CBN_SELCHANGE:
                    return Notify::SelChange;
                case CBN_SETFOCUS:
                    return Notify::SetFocus;
                case CBN_KILLFOCUS:
                    return Notify::KillFocus;
            }
            break;
        case ControlKind::ListBox:
            switch (code) {
                case LBN_SELCHANGE:
                    return Notify::SelChange;
                case LBN_SETFOCUS:
                    return Notify::SetFocus;
                case LBN_KILLFOCUS:
                    return Notify::KillFocus;
            }
            break;
        default:
            break;
    }
    return std::nullopt;
}

// The number of a control as the masks name it: an unnamed one's -1 comes back as 0xFFFF from
// a classic template.
ControlId idOf(HWND control) {
    const int id = GetDlgCtrlID(control);
    return id == 0xFFFF ? kUnnamed : id;
}

}  // namespace

std::optional<INT_PTR> Win32Dialog::handle(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            window_ = window;
            for (HWND child = GetWindow(window, GW_CHILD); child != nullptr;
                 child = GetWindow(child, GW_HWNDNEXT)) {
                if (kindOf(idOf(child)) == ControlKind::Edit)
                    attachEditBehaviour(*this, child);
            }
            hostOutsideControls();
            proc_.onInitDialog(*this);
            // The focus stays where the masks put it.
            return FALSE;
        case WM_COMMAND: {
            const auto id = static_cast<ControlId>(LOWORD(wParam));
            if (lParam == 0) {  // a menu or an accelerator
                proc_.onCommand(id, Notify::Clicked);
                return 0;
            }
            if (auto notify = notification(kindOf(id), HIWORD(wParam)))
                proc_.onCommand(id, *notify);
            return 0;
        }
        case WM_CTLCOLORDLG:
            return paint(reinterpret_cast<HDC>(wParam), kUnnamed);
        case WM_CTLCOLORSTATIC:
            return paint(reinterpret_cast<HDC>(wParam), idOf(reinterpret_cast<HWND>(lParam)));
        case WM_SETTEXT:
            if (lParam == 0) {
                proc_.onSetText(std::nullopt);
            } else {
                proc_.onSetText(narrow(reinterpret_cast<const wchar_t*>(lParam)));
            }
            return TRUE;
        default:
            break;
    }
    if (message >= kFirstPrivateMessage && message <= kLastPrivateMessage) {
        proc_.onPrivateMessage(message);
        return 0;
    }
    return std::nullopt;
}

std::optional<INT_PTR> Win32Dialog::paint(HDC dc, ControlId id) {
    const std::optional<Paint> paint = proc_.onCtlColor(id);
    if (!paint)
        return std::nullopt;
    if (paint->text)
        SetTextColor(dc, *paint->text);
    if (!paint->background) {
        SetBkMode(dc, TRANSPARENT);
        return reinterpret_cast<INT_PTR>(GetStockObject(NULL_BRUSH));
    }
    SetBkColor(dc, *paint->background);
    return reinterpret_cast<INT_PTR>(brushOf(*paint->background));
}

HBRUSH Win32Dialog::brushOf(Colorref color) {
    auto at = brushes_.find(color);
    if (at == brushes_.end())
        at = brushes_.emplace(color, Brush(CreateSolidBrush(color))).first;
    return at->second.get();
}

std::optional<Colorref> Win32Dialog::labelColor(HWND control) const {
    // Asked twice with different colours on the device context: a colour the dialog sets
    // comes back both times, with one of the dialog's own brushes (the default handling
    // answers the system's).
    HDC dc = CreateCompatibleDC(nullptr);
    if (dc == nullptr)
        return std::nullopt;
    Colorref seen[2] = {};
    bool painted = true;
    const Colorref before[2] = {0x000001, 0x000002};
    for (int i = 0; i < 2; ++i) {
        SetTextColor(dc, before[i]);
        const auto brush = reinterpret_cast<HBRUSH>(
            SendMessageW(window_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                         reinterpret_cast<LPARAM>(control)));
        painted = painted && (brush == GetStockObject(NULL_BRUSH) ||
                              std::any_of(brushes_.begin(), brushes_.end(), [brush](const auto& b) {
                                  return b.second.get() == brush;
                              }));
        seen[i] = GetTextColor(dc);
    }
    DeleteDC(dc);
    if (!painted || seen[0] != seen[1])
        return std::nullopt;
    return seen[0];
}

}  // namespace ui::win32
