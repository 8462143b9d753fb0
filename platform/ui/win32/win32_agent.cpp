// The agent's actions on a real dialog: the messages a person's typing, clicks and keys send,
// and what a person sees of each control.

#include "platform/ui/dialog_template.h"
#include "platform/ui/win32/wide.h"
#include "platform/ui/win32/win32_dialog.h"
#include "platform/ui/win32/win32_toolkit.h"

namespace ui::win32 {

namespace {

// An edit's limit as the agent reads it: 0 when none was set (the system's own default of
// 30000 characters, or its largest limit).
int limitOf(HWND edit) {
    constexpr LRESULT kSystemDefault = 30000;
    const LRESULT limit = SendMessageW(edit, EM_GETLIMITTEXT, 0, 0);
    return limit > 0 && limit < kSystemDefault ? static_cast<int>(limit) : 0;
}

bool multipleSelect(HWND list) {
    return (GetWindowLongPtrW(list, GWL_STYLE) & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) != 0;
}

struct KeyStrokes {
    UINT down, up;
    WPARAM virtualKey;
    wchar_t character;  // 0: none
};

KeyStrokes strokesOf(Key key) {
    switch (key) {
        case Key::Enter:
            return {WM_KEYDOWN, WM_KEYUP, VK_RETURN, L'\r'};
        case Key::AltUp:
            return {WM_SYSKEYDOWN, WM_SYSKEYUP, VK_UP, 0};
        case Key::F1:
            return {WM_KEYDOWN, WM_KEYUP, VK_F1, 0};
        case Key::Space:
            return {WM_KEYDOWN, WM_KEYUP, VK_SPACE, L' '};
        case Key::Tab:
            break;
    }
    return {WM_KEYDOWN, WM_KEYUP, VK_TAB, 0};
}

}  // namespace

std::string Win32Dialog::unknown(ControlId id) const {
    return unknownControl(id, templateId_);
}

void Win32Dialog::clickAt(HWND control, bool twice) {
    RECT area;
    GetClientRect(control, &area);
    const LPARAM middle = MAKELPARAM((area.right - area.left) / 2, (area.bottom - area.top) / 2);
    std::shared_ptr<bool> alive = alive_;
    const UINT presses[] = {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK};
    for (int i = 0; i < (twice ? 2 : 1); ++i) {
        if (!*alive || !IsWindow(control))
            return;
        SendMessageW(control, presses[i], MK_LBUTTON, middle);
        if (!*alive || !IsWindow(control))
            return;
        SendMessageW(control, WM_LBUTTONUP, 0, middle);
    }
}

std::string Win32Dialog::typeText(ControlId id, std::string_view text) {
    HWND edit = find(id);
    if (edit == nullptr)
        return unknown(id);
    if (kindOf(id) != ControlKind::Edit)
        return notAnEdit(id);
    if (!reachable(edit))
        return {};
    std::shared_ptr<bool> alive = alive_;
    SetFocus(edit);
    if (!*alive || !IsWindow(edit))
        return {};
    // The whole text selected and replaced as typed: the edit upper-cases it and cuts it at its
    // limit itself.
    const std::wstring typed = wide(typedLine(text));
    SendMessageW(edit, EM_SETSEL, 0, -1);
    SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(typed.c_str()));
    return {};
}

std::string Win32Dialog::click(ControlId id) {
    HWND control = find(id);
    if (control == nullptr)
        return unknown(id);
    if (!reachable(control))
        return {};
    switch (kindOf(id)) {
        case ControlKind::Combo:
        case ControlKind::ListBox:
            // A click on the closed list would open it; the focus is what stays.
            SetFocus(control);
            break;
        case ControlKind::Group:
        case ControlKind::Custom:
            break;
        default:
            clickAt(control, false);
            break;
    }
    return {};
}

std::string Win32Dialog::key(ControlId id, Key key) {
    HWND control = find(id);
    if (control == nullptr)
        return unknown(id);
    if (!reachable(control))
        return {};
    std::shared_ptr<bool> alive = alive_;
    SetFocus(control);
    if (!*alive)
        return {};
    const KeyStrokes strokes = strokesOf(key);
    const LPARAM context = strokes.down == WM_SYSKEYDOWN ? (1 << 29) : 0;
    const MSG message{control, strokes.down, strokes.virtualKey, 1 | context, 0, {}};
    if (toolkit_.preTranslateKey(message) || !*alive)
        return {};
    if (key == Key::Tab) {
        SendMessageW(window_, WM_NEXTDLGCTL, 0, FALSE);
        return {};
    }
    const LPARAM released = 1 | context | (1 << 30) | (1u << 31);
    SendMessageW(control, strokes.down, strokes.virtualKey, 1 | context);
    if (strokes.character != 0 && *alive && IsWindow(control))
        SendMessageW(control, WM_CHAR, strokes.character, 1);
    if (*alive && IsWindow(control))
        SendMessageW(control, strokes.up, strokes.virtualKey, released);
    return {};
}

std::string Win32Dialog::doubleClick(ControlId id) {
    HWND edit = find(id);
    if (edit == nullptr)
        return unknown(id);
    if (kindOf(id) != ControlKind::Edit)
        return notAnEdit(id);
    if (!reachable(edit))
        return {};
    clickAt(edit, true);
    return {};
}

std::string Win32Dialog::selectCode(ControlId id, long code) {
    HWND combo = find(id);
    if (combo == nullptr)
        return unknown(id);
    if (kindOf(id) != ControlKind::Combo)
        return "control " + std::to_string(id) + " is not a drop-down list";
    int index = -1;
    const int count = itemCount(id);
    for (int i = 0; i < count && index < 0; ++i) {
        if (itemData(id, i) == code)
            index = i;
    }
    if (index < 0)
        return "no entry with code " + std::to_string(code) + " in control " + std::to_string(id);
    if (!reachable(combo))
        return {};
    std::shared_ptr<bool> alive = alive_;
    SetFocus(combo);
    if (!*alive || index >= itemCount(id))
        return {};
    SendMessageW(combo, CB_SETCURSEL, index, 0);
    SendMessageW(window_, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
    return {};
}

std::string Win32Dialog::pick(ControlId id, const std::vector<int>& positions) {
    HWND list = find(id);
    if (list == nullptr)
        return unknown(id);
    if (kindOf(id) != ControlKind::ListBox)
        return "control " + std::to_string(id) + " is not a list box";
    const int count = itemCount(id);
    for (int p : positions) {
        if (p < 0 || p >= count) {
            return "no entry at position " + std::to_string(p) + " in control " +
                   std::to_string(id);
        }
    }
    const bool multiple = multipleSelect(list);
    if (!multiple && positions.size() > 1)
        return "control " + std::to_string(id) + " allows only one selection";
    if (!reachable(list))
        return {};
    std::shared_ptr<bool> alive = alive_;
    SetFocus(list);
    if (!*alive)
        return {};
    if (multiple) {
        SendMessageW(list, LB_SETSEL, FALSE, -1);
        for (int p : positions)
            SendMessageW(list, LB_SETSEL, TRUE, p);
    } else {
        SendMessageW(list, LB_SETCURSEL, positions.empty() ? -1 : positions.front(), 0);
    }
    SendMessageW(window_, WM_COMMAND, MAKEWPARAM(id, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
    return {};
}

std::vector<std::string> Win32Dialog::dump(ControlId id) const {
    HWND control = find(id);
    if (control == nullptr)
        return {};
    const ControlKind kind = kindOf(id);
    auto flag = [](bool b) { return b ? "1" : "0"; };
    std::vector<std::string> lines;
    lines.push_back(std::string("kind ") + headless::kindName(kind));
    lines.push_back(std::string("enabled ") + flag(IsWindowEnabled(control)));
    lines.push_back(std::string("visible ") + flag(isVisible(id)));
    if (kind == ControlKind::CheckBox || kind == ControlKind::Radio)
        lines.push_back(std::string("checked ") + flag(isChecked(id)));
    if (kind == ControlKind::Edit)
        lines.push_back("limit " + std::to_string(limitOf(control)));
    if (isLabel(kind)) {
        if (auto color = labelColor(control))
            lines.push_back("color " + colorText(*color));
    }
    if (tooltips_) {
        if (auto tip = tooltips_->text(control))
            lines.push_back("tooltip " + *tip);
    }
    // The whole text the control shows (the masks read at most 1023 bytes of it).
    lines.push_back("text " +
                    (kind == ControlKind::ListBox ? std::string() : wholeWindowText(control)));
    const int count =
        kind == ControlKind::Combo || kind == ControlKind::ListBox ? itemCount(id) : 0;
    for (int i = 0; i < count; ++i) {
        lines.push_back("item " + std::to_string(itemData(id, i)) + " " + flag(isSelected(id, i)) +
                        " " + itemText(id, i));
    }
    return lines;
}

std::string Win32Dialog::caption() const {
    return windowText(window_);
}

std::vector<headless::Control> Win32Dialog::controlStates() const {
    std::vector<headless::Control> states;
    const DialogTemplate* table = findTemplate(templateId_);
    if (table == nullptr)
        return states;
    std::size_t i = 0;
    for (HWND child = GetWindow(window_, GW_CHILD); child != nullptr && i < table->controls.size();
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (toolkit_.dialogOf(child) != this)
            continue;  // a dialog of its own hosted here
        headless::Control c = headless::Control::fromTemplate(table->controls[i++]);
        const int id = GetDlgCtrlID(child);
        if (id != c.id && !(c.id == kUnnamed && id == 0xFFFF))
            continue;
        if (links_.contains(c.id))
            c.kind = ControlKind::Link;
        c.enabled = IsWindowEnabled(child);
        c.visible = (GetWindowLongPtrW(child, GWL_STYLE) & WS_VISIBLE) != 0;
        if (c.kind == ControlKind::CheckBox || c.kind == ControlKind::Radio)
            c.checked = SendMessageW(child, BM_GETCHECK, 0, 0) == BST_CHECKED;
        if (c.kind == ControlKind::Edit)
            c.limit = limitOf(child);
        if (c.kind != ControlKind::ListBox)
            c.text = wholeWindowText(child);  // as the headless backend holds it, uncut
        if (c.isList() && c.id != kUnnamed) {
            c.text.clear();
            c.items.clear();
            for (int item = 0; item < itemCount(c.id); ++item) {
                c.items.push_back(
                    headless::ListItem{itemText(c.id, item), itemData(c.id, item),
                                       c.kind == ControlKind::ListBox && isSelected(c.id, item)});
            }
            c.selection = c.kind == ControlKind::Combo ? selection(c.id) : -1;
        }
        states.push_back(std::move(c));
    }
    return states;
}

}  // namespace ui::win32
