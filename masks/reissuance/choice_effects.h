// Choice rules as data: what one choice of the form (a list's item code, a box's 1 or 0)
// enables, shows, empties or restyles. While a Recall restores the form, no effect empties a
// field, resets a list or clears a box: it only enables, shows and restyles.
#pragma once

#include <cstdint>
#include <span>

#include "framework/decorated_controls.h"
#include "platform/ui/dialog.h"

namespace masks::reissue {

// The choices an effect applies to: bit v stands for the choice v (0 to 31).
using Choices = std::uint32_t;

template <class... Values>
constexpr Choices When(Values... values) {
    return ((Choices{1} << values) | ...);
}
inline constexpr Choices kAnyChoice = ~Choices{0};

enum class Act {
    EnabledIf,  // enabled for the choices, disabled for the others
    ShownIf,    // shown for the choices, hidden for the others
    Empty,      // the text becomes "" (never while restoring)
    ResetList,  // the first entry is selected (never while restoring)
    Uncheck,    // the box is cleared (never while restoring)
    Limit,      // an edit takes at most `limit` characters
    Tooltip,    // the tooltip becomes the string of `key` (the status line follows it)
    Text,       // the text becomes the string of `key`
};

struct Effect {
    ui::ControlId id;
    Act act;
    Choices when = kAnyChoice;
    int limit = 0;
    const char* key = "";
};

// Applies the effects in order for the choice (-1, no choice, matches none).
void ApplyEffects(ui::Dialog& form, framework::DecoratedControls& controls,
                  std::span<const Effect> effects, long choice, bool restoring);

}  // namespace masks::reissue
