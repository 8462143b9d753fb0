// The process works on real windows.
#include "platform/ui/toolkit.h"
#include "platform/ui/win32/win32_toolkit.h"

namespace ui {

Toolkit& toolkit() {
    return win32::win32Toolkit();
}

AgentDesk& agentDesk() {
    return win32::win32Toolkit();
}

}  // namespace ui
