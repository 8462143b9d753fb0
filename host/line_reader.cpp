// The prompt where the system has no editline library: lines as typed, without editing.
#include <iostream>

#include "host/line_editor.h"

namespace host {

std::unique_ptr<LineInput> makeLineEditor(std::function<int()> /*mainForm*/) {
    return std::make_unique<StreamInput>(std::cin, &std::cout);
}

}  // namespace host
