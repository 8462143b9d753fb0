// What tells one mask from another in the shared machinery: names, form, buttons, section.
#pragma once

#include "platform/com/com.h"
#include "platform/ui/types.h"

namespace framework {

struct ButtonIds {
    ui::ControlId send, recall, clear, cancel, help;
};

inline constexpr ui::ControlId kStatusLine = 599;

struct MaskInfo {
    const char* component;    // first argument of every log call
    const char* helpSection;  // section of "ZenkorMain.ini" holding the help addresses
    const char* title;        // message-box title
    ui::DialogId form;        // form template
    ButtonIds buttons;
    const char* profileSection;  // section of "Quorvex.ini"
    const IID* iid;              // automation interface
    const IID* eventsIid;        // event dispinterface
    bool hasInitParam;           // every mask but Skyfolio
    bool logsLangPut;            // every mask but Skyfolio
    bool keepsHostFields;        // the three small masks keep the initField text
};

}  // namespace framework
