// What a form is to the shared machinery: its template, its command buttons, its keys and the
// choice rules its controls run.
#pragma once

#include <span>

#include "framework/choice_rules.h"
#include "platform/ui/types.h"

namespace framework {

// The command buttons of a form; 0 where the form has no such button.
struct ButtonIds {
    ui::ControlId send = 0;
    ui::ControlId recall = 0;
    ui::ControlId clear = 0;
    ui::ControlId cancel = 0;
    ui::ControlId help = 0;
    ui::ControlId back = 0;
};

enum class Button { Send, Recall, Clear, Cancel, Help, Back };

// The keys a form looks at before the focused control sees them.
enum class FormKeys {
    None,
    SendAndRecall,  // Enter runs Send, Alt+Up runs Recall
};

struct FormInfo {
    ui::DialogId form;
    ButtonIds buttons;
    FormKeys keys = FormKeys::None;
    // Run when their choice changes, in this order; all of them by ApplyChoiceRules().
    std::span<const ChoiceRule> rules = {};
};

}  // namespace framework
