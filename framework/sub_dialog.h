// A sub-dialog of a mask: a form of its own (its own Send, Back, Recall, Clear, Cancel and Help
// buttons, status line, decorated controls and profile section) created hidden over the mask's
// form, shown modally over it while the disabled form waits. Its Send, Back, Recall and Cancel
// are requests posted to the mask's form; Clear and Help act inside the sub-dialog.
#pragma once

#include <string>

#include "framework/form_host.h"

namespace framework {

class ProfilePass;

// The requests a sub-dialog posts to the form of its mask.
enum SubDialogRequest : unsigned {
    kRequestBack = 3075,
    kRequestSend = 3076,
    kRequestRecall = 3077,
    kRequestCancel = 3079,
};

struct SubDialogInfo {
    const char* component;       // first argument of its log calls
    const char* helpSection;     // section of "ZenkorMain.ini" holding its help addresses
    const char* profileSection;  // its section of "Quorvex.ini"
    FormInfo form;
};

class SubDialog : public FormHost {
  public:
    const SubDialogInfo& info() const { return info_; }
    // Set by Send, Back and Cancel; cleared each time the sub-dialog is shown.
    bool dismissed() const { return dismissed_; }
    bool isShown() { return hasForm() && form().isWindowVisible(); }

    // The language of its Help, stored and logged as the mask's own put of Lang.
    void SetLanguage(std::string language);

    // Its part of a save pass after a successful Send, and of Recall's restore pass (the
    // pass's section is already its own).
    virtual void SaveProfile(ProfilePass& pass) = 0;
    virtual void RestoreProfile(ProfilePass& pass) = 0;

  protected:
    SubDialog(FormOwner& owner, const SubDialogInfo& info);

    // Each time it is about to be shown over the mask's form, still hidden.
    virtual void BeforeShow() {}
    // The mask's form, whose fields a sub-dialog may follow (null before it is created).
    ui::Dialog* maskForm() { return maskForm_; }
    void OnButton(Button button) override;

  private:
    friend class MaskBase;

    // Created hidden over the mask's form, to which it posts its requests.
    bool create(ui::Dialog& maskForm);
    void destroy();
    // Shows it over the mask's form (its modal run follows).
    void show();
    // Runs its modal loop over the disabled mask form until it is dismissed or hidden (or the
    // agent's input ends), then hides it.
    void runModal();
    void hide();
    void dismiss();
    void focusFirstTabStop();
    void request(SubDialogRequest request);

    const SubDialogInfo& info_;
    std::string language_ = "EN1";
    ui::Dialog* maskForm_ = nullptr;
    bool dismissed_ = false;
    bool running_ = false;
};

}  // namespace framework
