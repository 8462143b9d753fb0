// The form side shared by a mask and its sub-dialogs: the form's window and its decorated
// controls, captions, status line, colours, command buttons, keys, choice rules and private
// messages, every message handled under the guard of the mask that owns the form.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "framework/choice_rules.h"
#include "framework/choosers.h"
#include "framework/decorated_controls.h"
#include "framework/form_info.h"
#include "platform/ui/dialog.h"
#include "platform/zenkor/log.h"

namespace framework {

// What the forms of one mask share with it: the choosers, the log, the restoring scope, and
// a bracket around every message of any of its forms, which keeps the mask alive meanwhile and
// lets forms that the host closes during the message go only once the outermost one is done.
class FormOwner {
  public:
    virtual Choosers& choosers() = 0;
    virtual CZenkorLog& log() = 0;
    virtual RestoreFlag& restoreFlag() = 0;
    virtual void enterMessage() = 0;
    virtual void leaveMessage() noexcept = 0;

  protected:
    ~FormOwner() = default;
};

class FormHost : protected ui::DialogProc {
  public:
    FormHost(const FormHost&) = delete;
    FormHost& operator=(const FormHost&) = delete;

    bool hasForm() const { return window_ != nullptr; }
    ui::Dialog& form() { return *window_; }
    const ui::Dialog& form() const { return *window_; }
    const FormInfo& formInfo() const { return info_; }

    // Applies every choice rule of the form, in order (activation, Clear, Recall).
    void ApplyChoiceRules();
    void ApplyChoiceRule(const ChoiceRule& rule);
    // Whether a Recall is restoring the mask's forms.
    bool restoring() { return owner_.restoreFlag().on(); }

  protected:
    FormHost(FormOwner& owner, const FormInfo& info, const char* component);
    ~FormHost() override;

    // Creates the form's window, owned by `owner` (the host's window when null); activation
    // runs meanwhile. False when the template is unknown.
    bool CreateForm(ui::Dialog* owner);
    // Destroys the window: messages it sends while it goes find no form.
    void DestroyForm();

    // Activation, before the decorated controls exist (the mask loads its language here).
    virtual void BeforeSetup() {}
    // Activation: labels, edits, link labels and lists of the form.
    virtual void SetupForm() = 0;
    // Activation, after the shared steps (initial states, type rules).
    virtual void AfterActivation() {}
    // A command button was clicked (or a key stood for it).
    virtual void OnButton(Button button) = 0;
    // Commands of the form that are not its buttons, after the rules they change have run.
    virtual void OnFormCommand(ui::ControlId id, ui::Notify code) { (void)id, (void)code; }
    // A private message posted to the form.
    virtual void OnPrivateMessage(unsigned message) { (void)message; }
    // Clear: by default every edit of the form becomes empty.
    virtual void ClearForm();

    // The first control the Tab key reaches: enabled, visible and a tab stop.
    std::optional<ui::ControlId> FirstTabStop();

    DecoratedControls& controls() { return *controls_; }
    FormOwner& owner() { return owner_; }
    const char* component() const { return component_; }

    // ui::DialogProc
    void onInitDialog(ui::Dialog& dialog) override;
    void onCommand(ui::ControlId id, ui::Notify code) override;
    bool preTranslateKey(ui::ControlId focus, ui::Key key) override;
    void onControlKey(ui::ControlId id, ui::Key key) override;
    void onPrivateMessage(unsigned message) override;
    void onSetText(std::optional<std::string_view> text) override;
    std::optional<ui::Paint> onCtlColor(ui::ControlId id) override;

  private:
    // Runs a window message of the form under the owner's bracket, nothing thrown escaping.
    template <class Body>
    void handleMessage(const char* function, Body&& body) noexcept;
    void activate(ui::Dialog& dialog);
    std::optional<Button> buttonOf(ui::ControlId id) const;

    FormOwner& owner_;
    const FormInfo& info_;
    const char* component_;
    std::unique_ptr<ui::Dialog> form_;
    ui::Dialog* window_ = nullptr;  // the form while it exists (also during its creation)
    std::unique_ptr<DecoratedControls> controls_;
};

// Opens the help address of a section of "ZenkorMain.ini" for a language.
void OpenHelp(const char* section, const std::string& language);

}  // namespace framework
