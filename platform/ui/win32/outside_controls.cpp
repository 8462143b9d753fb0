// The choosers' outside controls on real windows: created over their places in the template
// before the chooser starts, or, where the system has none registered, the stand-ins answer.
#include "platform/com/win32/outside_site.h"
#include "platform/debug/debug_output.h"
#include "platform/ui/win32/win32_dialog.h"
#include "resources/resource.h"

namespace ui::win32 {

namespace {

void tellStandIn(const wchar_t* progId) {
    std::string name;
    for (const wchar_t* c = progId; *c != 0; ++c)
        name += static_cast<char>(*c);
    debug::output("outside control " + name + " is not registered: the stand-in answers");
}

}  // namespace

void Win32Dialog::hostOutsideControls() {
    if (HWND place = encoder_ ? GetDlgItem(window_, IDC_ENCODER_CONTROL) : nullptr) {
        hostedEncoder_ = com::hostEncoder(place);
        if (!hostedEncoder_)
            tellStandIn(com::kEncoderProgId);
    }
    if (HWND place = calendar_ ? GetDlgItem(window_, IDC_CALENDAR_CONTROL) : nullptr) {
        hostedCalendar_ = com::hostCalendar(place);
        if (!hostedCalendar_)
            tellStandIn(com::kCalendarProgId);
    }
}

}  // namespace ui::win32
