// The rules of a form that run on a change of one control, as data: which change runs which
// rule of the form's rules object.
#pragma once

#include <span>

#include "platform/ui/dialog.h"

namespace framework {

template <class Rules>
struct Trigger {
    ui::ControlId id;
    ui::Notify code;
    void (Rules::*rule)();
};

// Runs the rule of the change; false when the change has none.
template <class Rules>
bool RunTrigger(std::span<const Trigger<Rules>> triggers, Rules& rules, ui::ControlId id,
                ui::Notify code) {
    for (const Trigger<Rules>& t : triggers) {
        if (t.id == id && t.code == code) {
            (rules.*t.rule)();
            return true;
        }
    }
    return false;
}

}  // namespace framework
