// The prompt of an interactive session. Where the system's editline library is present: line
// editing, history (kept in the home) and completion of commands, classes and control symbols.
// Without it, lines are read from standard input as typed, after the prompt.
#pragma once

#include <functional>
#include <memory>

#include "host/script.h"

namespace host {

// mainForm answers the form whose control symbols complete a control name.
std::unique_ptr<LineInput> makeLineEditor(std::function<int()> mainForm);

}  // namespace host
