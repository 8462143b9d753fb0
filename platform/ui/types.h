// Plain types of the dialog layer.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace ui {

using DialogId = int;
using ControlId = int;
using Colorref = std::uint32_t;  // 0x00BBGGRR
// The window of a dialog as the operating system knows it: an HWND on Windows, 0 headless.
using NativeWindow = std::uintptr_t;

inline constexpr ControlId kUnnamed = -1;

enum class ControlKind {
    Edit,
    Static,
    Link,
    Button,
    CheckBox,
    Radio,
    Combo,
    ListBox,
    Group,
    Custom
};

// Labels: plain statics and link labels.
constexpr bool isLabel(ControlKind kind) {
    return kind == ControlKind::Static || kind == ControlKind::Link;
}

// Notifications a control sends to its dialog (WM_COMMAND codes and their kin).
enum class Notify {
    Clicked,        // BN_CLICKED, STN_CLICKED of a link label
    DoubleClicked,  // a left double-click in an edit
    Changed,        // EN_CHANGE
    SetFocus,       // EN_SETFOCUS / BN_SETFOCUS
    KillFocus,
    SelChange,  // CBN_SELCHANGE / LBN_SELCHANGE
};

// Keys the agent presses while a control has the focus.
enum class Key { Enter, AltUp, F1, Space, Tab };

enum class Icon { None, Error, Warning, Information };

struct Font {
    std::string face;
    // Logical units, as a LOGFONT height: positive the cell height, negative the character
    // height (what a size in points becomes).
    int height = 0;
    int weight = 400;
    bool italic = false;
    bool underline = false;
};

// What a dialog answers when a static asks how to paint itself (WM_CTLCOLORSTATIC).
struct Paint {
    std::optional<Colorref> text;
    std::optional<Colorref> background;  // none: transparent
};

}  // namespace ui
