// The process works on the headless toolkit.
#include "platform/ui/headless/headless_toolkit.h"
#include "platform/ui/toolkit.h"

namespace ui {

Toolkit& toolkit() {
    return headless::headlessToolkit();
}

AgentDesk& agentDesk() {
    return headless::headlessToolkit();
}

}  // namespace ui
