// The outside controls of the choosers, hosted on real windows: each is created by its ProgID
// and activated in place, through a minimal control site of ours, over the placeholder window
// that the dialog template puts where it goes. The choosers reach it through the same
// interfaces as the headless stand-ins: its methods by name, late-bound, and its events through
// its default source.
#pragma once

#include <memory>

#include "platform/com/com.h"
#include "platform/ui/outside_controls.h"

namespace com {

inline constexpr const wchar_t* kEncoderProgId = L"Zenkor.Encoder";
inline constexpr const wchar_t* kCalendarProgId = L"Zenkor.Calendar";

// The outside control over `placeholder` (a child window of the chooser's dialog, hidden while
// the control lives); null when the control is not registered or cannot be created or
// activated. The result goes before the dialog window does.
std::unique_ptr<ui::EncoderControl> hostEncoder(HWND placeholder,
                                                const wchar_t* progId = kEncoderProgId);
std::unique_ptr<ui::CalendarControl> hostCalendar(HWND placeholder,
                                                  const wchar_t* progId = kCalendarProgId);

}  // namespace com
