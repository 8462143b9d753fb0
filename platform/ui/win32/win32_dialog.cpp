#include "platform/ui/win32/win32_dialog.h"

#include <commctrl.h>

#include "platform/ui/dialog_template.h"
#include "platform/ui/owner_disabled.h"
#include "platform/ui/win32/control_behaviour.h"
#include "platform/ui/win32/module_template.h"
#include "platform/ui/win32/wide.h"
#include "platform/ui/win32/win32_toolkit.h"
#include "resources/resource.h"

namespace ui::win32 {

namespace {

constexpr unsigned kFirstPrivateMessage = 3000;
constexpr unsigned kLastPrivateMessage = 3999;

INT_PTR CALLBACK dialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* dialog = reinterpret_cast<Win32Dialog*>(GetWindowLongPtrW(window, DWLP_USER));
    if (message == WM_INITDIALOG) {
        dialog = reinterpret_cast<Win32Dialog*>(lParam);
        SetWindowLongPtrW(window, DWLP_USER, lParam);
    }
    if (dialog == nullptr)
        return FALSE;
    const std::optional<INT_PTR> answer = dialog->handle(window, message, wParam, lParam);
    if (!answer)
        return FALSE;
    // Messages whose answer is the procedure's own result; the rest answer through the
    // dialog's message result.
    switch (message) {
        case WM_INITDIALOG:
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORLISTBOX:
            return *answer;
        default:
            SetWindowLongPtrW(window, DWLP_MSGRESULT, *answer);
            return TRUE;
    }
}

bool multipleSelect(HWND list) {
    return (GetWindowLongPtrW(list, GWL_STYLE) & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) != 0;
}

}  // namespace

Win32Dialog::Win32Dialog(Win32Toolkit& toolkit, DialogId templateId, DialogProc& proc,
                         Dialog* owner)
    : toolkit_(toolkit), templateId_(templateId), proc_(proc), owner_(owner) {}

Win32Dialog::~Win32Dialog() {
    *alive_ = false;
    toolkit_.forget(*this);
    if (window_ != nullptr) {
        // No message of the window's last moments reaches this object any more.
        SetWindowLongPtrW(window_, DWLP_USER, 0);
        tooltips_.reset();
        // The outside controls go before the window they sit in.
        hostedEncoder_.reset();
        hostedCalendar_.reset();
        DestroyWindow(window_);
    }
}

bool Win32Dialog::create(HWND parent, Placement placement) {
    const std::optional<std::vector<BYTE>> tmpl = loadDialogTemplate(templateId_, placement);
    if (!tmpl)
        return false;
    if (const DialogTemplate* table = findTemplate(templateId_)) {
        for (const ControlTemplate& t : table->controls) {
            if (t.kind != ControlKind::Custom)
                continue;
            if (t.id == IDC_ENCODER_CONTROL)
                encoder_ = std::make_unique<StandInEncoder>(toolkit_);
            if (t.id == IDC_CALENDAR_CONTROL)
                calendar_ = std::make_unique<StandInCalendar>(toolkit_);
        }
    }
    HWND made =
        CreateDialogIndirectParamW(thisModule(), reinterpret_cast<LPCDLGTEMPLATEW>(tmpl->data()),
                                   parent, dialogProcedure, reinterpret_cast<LPARAM>(this));
    if (window_ == nullptr)
        window_ = made;
    return window_ != nullptr;
}

ControlKind Win32Dialog::kindOf(ControlId id) const {
    if (links_.contains(id))
        return ControlKind::Link;
    if (const DialogTemplate* table = findTemplate(templateId_)) {
        for (const ControlTemplate& t : table->controls) {
            if (t.id == id)
                return t.kind;
        }
    }
    return ControlKind::Static;
}

HWND Win32Dialog::need(ControlId id) const {
    HWND control = find(id);
    if (control == nullptr) {
        toolkit_.fault("unknown control " + std::to_string(id) + " in dialog " +
                       std::to_string(templateId_));
    }
    return control;
}

bool Win32Dialog::hasControl(ControlId id) const {
    return id != kUnnamed && find(id) != nullptr;
}

ControlKind Win32Dialog::kind(ControlId id) const {
    return need(id) != nullptr ? kindOf(id) : ControlKind::Static;
}

// ---- text and state ----

std::string Win32Dialog::text(ControlId id) const {
    HWND control = need(id);
    if (control == nullptr || kindOf(id) == ControlKind::ListBox)
        return {};
    return windowText(control);
}

void Win32Dialog::setText(ControlId id, std::string_view text) {
    HWND control = need(id);
    if (control == nullptr)
        return;
    SetWindowTextW(control, wide(text).c_str());
    if (isLabel(kindOf(id)))
        repaintUnder(control);
}

void Win32Dialog::repaintUnder(HWND control) {
    RECT area;
    GetWindowRect(control, &area);
    MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&area), 2);
    InvalidateRect(window_, &area, TRUE);
}

void Win32Dialog::enable(ControlId id, bool on) {
    if (HWND control = need(id))
        EnableWindow(control, on);
}

bool Win32Dialog::isEnabled(ControlId id) const {
    HWND control = need(id);
    return control != nullptr && IsWindowEnabled(control);
}

void Win32Dialog::show(ControlId id, bool on) {
    if (HWND control = need(id))
        ShowWindow(control, on ? SW_SHOW : SW_HIDE);
}

bool Win32Dialog::isVisible(ControlId id) const {
    HWND control = need(id);
    return control != nullptr && (GetWindowLongPtrW(control, GWL_STYLE) & WS_VISIBLE) != 0;
}

void Win32Dialog::setChecked(ControlId id, bool on) {
    if (HWND control = need(id))
        SendMessageW(control, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool Win32Dialog::isChecked(ControlId id) const {
    HWND control = need(id);
    return control != nullptr && SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32Dialog::setLimit(ControlId id, int chars) {
    if (HWND control = need(id))
        SendMessageW(control, EM_LIMITTEXT, chars > 0 ? chars : 0, 0);
}

void Win32Dialog::setFocus(ControlId id) {
    if (HWND control = need(id))
        SetFocus(control);
}

std::optional<ControlId> Win32Dialog::focus() const {
    HWND focused = GetFocus();
    // A control's inner window (the edit of a combo box) stands for the control.
    while (focused != nullptr && GetParent(focused) != window_) {
        if ((GetWindowLongPtrW(focused, GWL_STYLE) & WS_CHILD) == 0)
            return std::nullopt;
        focused = GetParent(focused);
    }
    if (focused == nullptr)
        return std::nullopt;
    return GetDlgCtrlID(focused);
}

// ---- lists ----

void Win32Dialog::clearList(ControlId id) {
    if (HWND list = need(id))
        SendMessageW(list, kindOf(id) == ControlKind::Combo ? CB_RESETCONTENT : LB_RESETCONTENT, 0,
                     0);
}

int Win32Dialog::addItem(ControlId id, std::string_view text, long data) {
    HWND list = need(id);
    if (list == nullptr)
        return -1;
    const bool combo = kindOf(id) == ControlKind::Combo;
    const std::wstring item = wide(text);
    const auto index = static_cast<int>(SendMessageW(list, combo ? CB_ADDSTRING : LB_ADDSTRING, 0,
                                                     reinterpret_cast<LPARAM>(item.c_str())));
    if (index >= 0)
        SendMessageW(list, combo ? CB_SETITEMDATA : LB_SETITEMDATA, index, data);
    return index;
}

int Win32Dialog::itemCount(ControlId id) const {
    HWND list = need(id);
    if (list == nullptr)
        return 0;
    const auto count =
        SendMessageW(list, kindOf(id) == ControlKind::Combo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0);
    return count > 0 ? static_cast<int>(count) : 0;
}

long Win32Dialog::itemData(ControlId id, int index) const {
    HWND list = need(id);
    if (list == nullptr || index < 0 || index >= itemCount(id))
        return -1;
    return static_cast<long>(SendMessageW(
        list, kindOf(id) == ControlKind::Combo ? CB_GETITEMDATA : LB_GETITEMDATA, index, 0));
}

std::string Win32Dialog::itemText(ControlId id, int index) const {
    HWND list = need(id);
    if (list == nullptr || index < 0 || index >= itemCount(id))
        return {};
    const bool combo = kindOf(id) == ControlKind::Combo;
    const auto length = SendMessageW(list, combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN, index, 0);
    if (length <= 0)
        return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(list, combo ? CB_GETLBTEXT : LB_GETTEXT, index,
                 reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    std::string item = narrow(text);
    if (item.size() > 1023)
        item.resize(1023);
    return item;
}

int Win32Dialog::selection(ControlId id) const {
    HWND list = need(id);
    if (list == nullptr)
        return -1;
    if (kindOf(id) == ControlKind::Combo)
        return static_cast<int>(SendMessageW(list, CB_GETCURSEL, 0, 0));
    if (!multipleSelect(list))
        return static_cast<int>(SendMessageW(list, LB_GETCURSEL, 0, 0));
    const int count = itemCount(id);
    for (int i = 0; i < count; ++i) {
        if (SendMessageW(list, LB_GETSEL, i, 0) > 0)
            return i;
    }
    return -1;
}

void Win32Dialog::select(ControlId id, int index) {
    HWND list = need(id);
    if (list == nullptr)
        return;
    const bool inRange = index >= 0 && index < itemCount(id);
    if (kindOf(id) == ControlKind::Combo) {
        SendMessageW(list, CB_SETCURSEL, inRange ? index : -1, 0);
    } else if (!multipleSelect(list)) {
        SendMessageW(list, LB_SETCURSEL, inRange ? index : -1, 0);
    } else {
        SendMessageW(list, LB_SETSEL, FALSE, -1);
        if (inRange)
            SendMessageW(list, LB_SETSEL, TRUE, index);
    }
}

bool Win32Dialog::isSelected(ControlId id, int index) const {
    HWND list = need(id);
    if (list == nullptr || index < 0 || index >= itemCount(id))
        return false;
    if (kindOf(id) == ControlKind::Combo)
        return SendMessageW(list, CB_GETCURSEL, 0, 0) == index;
    return SendMessageW(list, LB_GETSEL, index, 0) > 0;
}

void Win32Dialog::setSelected(ControlId id, int index, bool on) {
    HWND list = need(id);
    if (list == nullptr || index < 0 || index >= itemCount(id))
        return;
    if (kindOf(id) == ControlKind::ListBox && multipleSelect(list)) {
        SendMessageW(list, LB_SETSEL, on, index);
    } else if (on) {
        select(id, index);
    } else if (selection(id) == index) {
        select(id, -1);
    }
}

// ---- decoration ----

void Win32Dialog::setFont(ControlId id, const ui::Font& font) {
    HWND control = need(id);
    if (control == nullptr)
        return;
    LOGFONTW description{};
    description.lfHeight = font.height;
    description.lfWeight = font.weight;
    description.lfItalic = font.italic;
    description.lfUnderline = font.underline;
    description.lfCharSet = DEFAULT_CHARSET;
    description.lfQuality = DRAFT_QUALITY;
    const std::wstring face = wide(font.face).substr(0, LF_FACESIZE - 1);
    face.copy(description.lfFaceName, face.size());
    Font made(CreateFontIndirectW(&description));
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(made.get()), TRUE);
    // The font lives as long as the control may use it.
    fonts_[id] = std::move(made);
}

void Win32Dialog::setTooltip(ControlId id, std::string_view text) {
    HWND control = need(id);
    if (control == nullptr)
        return;
    // A label passes the mouse on to its dialog unless it notifies: the tooltip would never
    // see the mouse rest on it.
    if (isLabel(kindOf(id)) && !text.empty()) {
        SetWindowLongPtrW(control, GWL_STYLE, GetWindowLongPtrW(control, GWL_STYLE) | SS_NOTIFY);
    }
    if (!tooltips_)
        tooltips_ = std::make_unique<Tooltips>(window_);
    tooltips_->set(control, text);
}

void Win32Dialog::makeLink(ControlId id) {
    HWND control = need(id);
    if (control == nullptr || links_.contains(id))
        return;
    links_.insert(id);
    SetWindowLongPtrW(control, GWL_STYLE, GetWindowLongPtrW(control, GWL_STYLE) | SS_NOTIFY);
    // The form's font, underlined.
    LOGFONTW description{};
    HFONT formFont = reinterpret_cast<HFONT>(SendMessageW(window_, WM_GETFONT, 0, 0));
    if (formFont == nullptr ||
        GetObjectW(formFont, sizeof description, &description) != sizeof description) {
        GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof description, &description);
    }
    description.lfUnderline = TRUE;
    Font underlined(CreateFontIndirectW(&description));
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(underlined.get()), TRUE);
    fonts_[id] = std::move(underlined);
    attachLinkBehaviour(*this, control);
}

// ---- the window ----

void Win32Dialog::showWindow(bool on) {
    ShowWindow(window_, on ? SW_SHOW : SW_HIDE);
}

bool Win32Dialog::isWindowVisible() const {
    return (GetWindowLongPtrW(window_, GWL_STYLE) & WS_VISIBLE) != 0;
}

void Win32Dialog::enableWindow(bool on) {
    EnableWindow(window_, on);
}

bool Win32Dialog::isWindowEnabled() const {
    return IsWindowEnabled(window_) != FALSE;
}

void Win32Dialog::sendSetText(std::optional<std::string_view> text) {
    if (!text) {
        SendMessageW(window_, WM_SETTEXT, 0, 0);
        return;
    }
    const std::wstring wideText = wide(*text);
    SendMessageW(window_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wideText.c_str()));
}

void Win32Dialog::post(unsigned message) {
    if (message < kFirstPrivateMessage || message > kLastPrivateMessage) {
        toolkit_.fault("private message " + std::to_string(message) + " out of range in dialog " +
                       std::to_string(templateId_));
        return;
    }
    if (Observer* observer = toolkit_.observer())
        observer->posted(message);
    PostMessageW(window_, message, 0, 0);
}

void Win32Dialog::messageBox(std::string_view text, std::string_view title, Icon icon) {
    toolkit_.showMessageBox(window_, text, title, icon);
}

EncoderControl* Win32Dialog::encoderControl(ControlId id) {
    if (id != IDC_ENCODER_CONTROL)
        return nullptr;
    return hostedEncoder_ ? hostedEncoder_.get() : encoder_.get();
}

CalendarControl* Win32Dialog::calendarControl(ControlId id) {
    if (id != IDC_CALENDAR_CONTROL)
        return nullptr;
    return hostedCalendar_ ? hostedCalendar_.get() : calendar_.get();
}

void Win32Dialog::runModal() {
    // The dialog may be destroyed by anything the loop runs; alive tells.
    std::shared_ptr<bool> alive = alive_;
    OwnerDisabled ownerDisabled(
        owner_, [&toolkit = toolkit_](const Dialog* d) { return toolkit.isLive(d); });
    endRequested_ = false;
    // Stand-ins for outside controls answer first, with what the host queued before the loop;
    // real ones answer the agent while the loop runs.
    if (encoder_ && !hostedEncoder_)
        encoder_->takeTurn();
    if (*alive && calendar_ && !hostedCalendar_)
        calendar_->takeTurn();
    if (*alive)
        toolkit_.dispatchPosted();
    while (*alive && !endRequested_) {
        if (!toolkit_.runOnce(window_))
            break;
        if (*alive)
            toolkit_.dispatchPosted();
    }
    if (*alive)
        endRequested_ = false;
}

bool Win32Dialog::reachable(HWND control) const {
    return IsWindowEnabled(window_) && IsWindowEnabled(control) &&
           (GetWindowLongPtrW(control, GWL_STYLE) & WS_VISIBLE) != 0;
}

}  // namespace ui::win32
