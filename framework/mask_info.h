// What tells one mask from another in the shared machinery, each difference by its name.
#pragma once

#include "framework/form_info.h"
#include "platform/com/com.h"
#include "platform/ui/types.h"

namespace framework {

// When a successful Send writes the profile.
enum class SaveTime {
    AfterSendEvent,  // the entry is built and fired and logged first (the small masks)
    BeforeEntry,     // the fields are written before the entry is built (the large masks)
};

struct MaskInfo {
    const char* component;    // first argument of every log call
    const char* helpSection;  // section of "ZenkorMain.ini" holding the help addresses
    const char* title;        // message-box title
    FormInfo form;
    // A frame window that holds the form (0: the form is the mask's window itself).
    ui::DialogId frame = 0;
    const char* profileSection = "";  // section of "Quorvex.ini"
    const CLSID* clsid = nullptr;     // the class
    const IID* iid = nullptr;         // automation interface
    const IID* eventsIid = nullptr;   // event dispinterface
    bool hasInitParam = false;        // the interface has initParam
    bool logsLangPut = false;         // a put of Lang is logged
    bool keepsHostFields = false;     // initField's text is kept (never read by the form)
    SaveTime saveTime = SaveTime::AfterSendEvent;
};

}  // namespace framework
