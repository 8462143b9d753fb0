#include "host/form_view.h"

#include <algorithm>

#include "host/resource_symbols.h"
#include "host/transcript.h"
#include "platform/text/codepage.h"
#include "platform/ui/agent.h"
#include "platform/ui/dialog_template.h"

namespace host {
namespace {

using ui::ControlKind;

std::string utf8FromTemplate(const char* text) {
    return text != nullptr ? std::string(text) : std::string();
}

// The text a reader sees in the control.
std::string shownText(const ui::headless::Control& c) {
    if (c.kind == ControlKind::Combo)
        return c.selection >= 0 && c.selection < static_cast<int>(c.items.size())
                   ? ansiToUtf8(c.items[c.selection].text)
                   : std::string();
    if (c.kind == ControlKind::ListBox) {
        std::string entries;
        for (const auto& item : c.items) {
            if (!entries.empty())
                entries += ", ";
            entries += (item.selected ? "*" : "") + ansiToUtf8(item.text);
        }
        return entries;
    }
    return ansiToUtf8(c.text);
}

// The label naming a control: the nearest label to its left whose rows overlap its own.
std::string labelOf(const ControlView& control, const std::vector<ControlView>& all) {
    const ControlView* best = nullptr;
    for (const ControlView& c : all) {
        const bool rowsOverlap = c.y < control.y + control.height && control.y < c.y + c.height;
        if (!ui::isLabel(c.kind) || !rowsOverlap || c.x >= control.x || c.text.empty())
            continue;
        if (best == nullptr || c.x > best->x)
            best = &c;
    }
    return best != nullptr ? best->text : std::string();
}

}  // namespace

bool takesLabel(const ControlView& control) {
    switch (control.kind) {
        case ControlKind::Edit:
        case ControlKind::Combo:
        case ControlKind::ListBox:
            return true;
        case ControlKind::CheckBox:
            return control.text.empty();
        default:
            return false;
    }
}

std::optional<FormView> viewOf(int dialog) {
    const ui::DialogTemplate* tmpl = ui::findTemplate(dialog);
    if (tmpl == nullptr)
        return std::nullopt;
    const ui::AgentDialog* live = ui::agentDesk().liveDialog(dialog);
    const std::vector<ui::headless::Control> states =
        live != nullptr ? live->controlStates() : std::vector<ui::headless::Control>();
    FormView form;
    form.id = dialog;
    form.symbol = dialogSymbol(dialog);
    form.caption = live != nullptr ? ansiToUtf8(live->caption()) : utf8FromTemplate(tmpl->caption);
    form.width = tmpl->width;
    form.height = tmpl->height;
    form.live = live != nullptr;
    for (std::size_t i = 0; i < tmpl->controls.size(); ++i) {
        const ui::ControlTemplate& t = tmpl->controls[i];
        const ui::headless::Control state = i < states.size() && states[i].id == t.id
                                                ? states[i]
                                                : ui::headless::Control::fromTemplate(t);
        ControlView view;
        view.id = t.id;
        view.symbol = controlSymbol(dialog, t.id);
        view.kind = state.kind;
        view.text = shownText(state);
        view.limit = state.limit;
        view.enabled = state.enabled;
        view.visible = state.visible;
        view.checked = state.checked;
        view.x = t.x;
        view.y = t.y;
        view.width = t.width;
        view.height = t.height;
        form.controls.push_back(std::move(view));
    }
    for (ControlView& c : form.controls) {
        if (takesLabel(c))
            c.label = labelOf(c, form.controls);
    }
    return form;
}

}  // namespace host
