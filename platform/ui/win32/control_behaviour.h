// What the masks' edits and link labels do beyond their window classes: F1 and double-clicks
// in an edit reach its dialog, and a link label takes clicks, Enter and Space and shows the
// hand while the pointer rests over it.
#pragma once

#include <windows.h>

namespace ui::win32 {

class Win32Dialog;

// Every edit of a dialog, once, when the dialog is created.
void attachEditBehaviour(Win32Dialog& dialog, HWND edit);
void attachLinkBehaviour(Win32Dialog& dialog, HWND link);

}  // namespace ui::win32
