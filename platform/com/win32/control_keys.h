// The keys that a container passes to the active control before the focused control sees
// them, as window messages.
#pragma once

#include <optional>

#include "platform/com/com.h"
#include "platform/ui/types.h"

namespace com {

// The key a key message stands for: Enter, F1, Tab and Space as key-downs, Alt+Up as the
// system key-down of the Up arrow; nullopt for every other message.
std::optional<ui::Key> controlKey(UINT message, WPARAM key);

}  // namespace com
