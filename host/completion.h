// Completion at the prompt: what may follow the text before the cursor.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace host {

// The words that complete the last word of lineBeforeCursor (all of them when it is empty):
// commands first, then by command: classes after `create`, commands after `help`, the control
// symbols of the form (mainForm, or the dialog before a ":") where a control goes, keys after
// `key CONTROL`, dialog symbols after `controls` and `draw`, the profile files after `ini`.
std::vector<std::string> completionsFor(std::string_view lineBeforeCursor, int mainForm);

}  // namespace host
