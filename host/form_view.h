// What a reader needs to see a dialog: each control where the template places it, with its
// symbol, kind, state, text and the label that names it. Taken from the live dialog when the
// mask has it open, else from the template as the resource script writes it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/ui/types.h"

namespace host {

struct ControlView {
    int id = 0;
    std::string symbol;  // "" when resource.h has none for it
    ui::ControlKind kind = ui::ControlKind::Static;
    std::string text;   // UTF-8; a drop-down list's selected entry, a list box's entries
    std::string label;  // UTF-8: the text of the label left of an edit, list or bare check box
    int limit = 0;      // edits; 0 unlimited
    bool enabled = true;
    bool visible = true;
    bool checked = false;
    int x = 0, y = 0, width = 0, height = 0;  // dialog units
};

struct FormView {
    int id = 0;
    std::string symbol;
    std::string caption;  // UTF-8
    int width = 0, height = 0;
    bool live = false;  // the mask has the dialog open
    std::vector<ControlView> controls;
};

// None when there is neither a live dialog nor a template with this number.
std::optional<FormView> viewOf(int dialog);

// Whether a control of this kind takes input and so is named by a label beside it.
bool takesLabel(const ControlView& control);

}  // namespace host
