// One control of a headless dialog: the state a window of its kind would hold.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/dialog_template.h"
#include "platform/ui/types.h"

namespace ui::headless {

struct ListItem {
    std::string text;
    long data = 0;
    bool selected = false;  // multiple-selection lists
};

struct Control {
    ControlId id = 0;
    ControlKind kind = ControlKind::Static;
    std::string text;  // system code page
    bool enabled = true;
    bool visible = true;
    bool checked = false;
    bool uppercase = false;
    bool group = false;
    bool tabStop = false;
    bool multipleSelect = false;
    bool notifies = false;  // BS_NOTIFY, SS_NOTIFY
    int limit = 0;          // edits: most characters the agent may type, 0 unlimited
    std::optional<std::string> tooltip;
    std::optional<Font> font;
    std::vector<ListItem> items;
    int selection = -1;  // drop-down lists
    std::string windowClass;

    // A control as its template creates it; texts are converted to the system code page.
    static Control fromTemplate(const ControlTemplate& t);

    bool isList() const { return kind == ControlKind::Combo || kind == ControlKind::ListBox; }
    // Whether the control tells its dialog that it gained or lost the focus: edits and lists
    // always, buttons only with BS_NOTIFY; labels never.
    bool notifiesFocus() const;
};

// The dump name of a kind ("edit", "static", "link", ...).
const char* kindName(ControlKind kind);

// Text as a window takes it: up to its first NUL, where the system's texts end.
std::string_view windowText(std::string_view text);

// Upper-cases text of a code page as an ES_UPPERCASE edit does: ASCII letters always, and the
// letters of code pages 1252 and 1251 that have an upper-case form in the same code page.
std::string upperCase(std::string text, unsigned codePage);

}  // namespace ui::headless
