// The dialog templates of the module that holds this code (Farewright.dll, or the program it
// is linked into), as the resource compiler wrote them.
#pragma once

#include <windows.h>

#include <optional>
#include <vector>

#include "platform/ui/types.h"

namespace ui::win32 {

// The module whose resources hold the templates.
HINSTANCE thisModule();

// Where a dialog's window goes.
enum class Placement {
    AsWritten,  // as the template says (a form inside a dialog of the mask)
    Child,      // a child window without a frame of its own (a form in a container's window)
    TopLevel,   // a window of its own with a caption, also for a form written as a child
};

// A copy of the template of id, its window style made for placement, or nothing when the
// module has none.
std::optional<std::vector<BYTE>> loadDialogTemplate(DialogId id, Placement placement);

}  // namespace ui::win32
