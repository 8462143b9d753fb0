// Choice rules as data: "this choice enables, shows, empties or restyles these fields". A rule
// reads one choice of the form (a radio group, a check box or a drop-down list) and applies its
// effects in table order. While a Recall restores a mask's forms (the restoring scope), no rule
// empties a field, resets a selection or clears a box: it only enables, shows and restyles.
#pragma once

#include <cstdint>
#include <span>

#include "platform/ui/dialog.h"

namespace framework {

class DecoratedControls;

// Set while a Recall restores the forms of one mask (its own and its sub-dialogs'); scopes nest.
class RestoreFlag {
  public:
    bool on() const { return depth_ > 0; }

  private:
    friend class Restoring;
    int depth_ = 0;
};

class Restoring {
  public:
    explicit Restoring(RestoreFlag& flag) : flag_(flag) { ++flag_.depth_; }
    ~Restoring() { --flag_.depth_; }
    Restoring(const Restoring&) = delete;
    Restoring& operator=(const Restoring&) = delete;

  private:
    RestoreFlag& flag_;
};

// Where a rule reads its choice, as a whole number: the position of the ticked button in a
// radio group (`fallback` when none is ticked; applying the rule then ticks exactly that one),
// 1 or 0 for a check box, or the item code of a list's selection (-1 without one).
struct ChoiceSource {
    enum class Kind { RadioGroup, CheckBox, List };
    Kind kind;
    std::span<const ui::ControlId> controls;  // the group's buttons in order, or the one control
    int fallback = 0;
};

// The choices an effect applies to: bit v stands for the choice v (0 to 31).
using Choices = std::uint32_t;

template <class... Values>
constexpr Choices When(Values... values) {
    return ((Choices{1} << values) | ...);
}
inline constexpr Choices kAnyChoice = ~Choices{0};

enum class Act {
    EnabledIf,    // enabled for the choices, disabled for the others
    ShownIf,      // shown for the choices, hidden for the others
    MandatoryIf,  // a label or link label in the mandatory style for the choices, else optional
    Empty,        // the text becomes "" (never while restoring)
    ResetList,    // the first entry is selected (never while restoring)
    Uncheck,      // the box is cleared (never while restoring)
    Limit,        // an edit takes at most `limit` characters
    Tooltip,      // the tooltip becomes the string of `key` (the status line follows it)
    Text,         // the text becomes the string of `key`
};

struct Effect {
    ui::ControlId id;
    Act act;
    Choices when = kAnyChoice;
    int limit = 0;
    const char* key = "";
};

struct ChoiceRule {
    ChoiceSource source;
    std::span<const Effect> effects;
};

// The current choice of a rule's source.
long ReadChoice(const ui::Dialog& form, const ChoiceSource& source);

// Whether a command of the form changes the rule's choice (a click on one of its buttons, a
// new selection of its list).
bool ChangesChoice(const ChoiceSource& source, ui::ControlId id, ui::Notify code);

// Applies the rule's effects for the current choice.
void ApplyChoiceRule(ui::Dialog& form, DecoratedControls& controls, const ChoiceRule& rule,
                     const RestoreFlag& restoring);

// Applies effects in order for a choice a mask has read itself (-1, no choice, matches none).
void ApplyEffects(ui::Dialog& form, DecoratedControls& controls, std::span<const Effect> effects,
                  long choice, bool restoring);

}  // namespace framework
