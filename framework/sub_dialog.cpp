#include "framework/sub_dialog.h"

namespace framework {

SubDialog::SubDialog(FormOwner& owner, const SubDialogInfo& info)
    : FormHost(owner, info.form, info.component), info_(info) {}

void SubDialog::SetLanguage(std::string language) {
    language_ = std::move(language);
    owner().log().diagnostic(info_.component, "put_Lang", 30, 100, __LINE__, "Lang %s",
                             language_.c_str());
}

bool SubDialog::create(ui::Dialog& maskForm) {
    maskForm_ = &maskForm;
    if (CreateForm(&maskForm))
        return true;
    maskForm_ = nullptr;
    owner().log().error(info_.component, "Create", 500, "no form template %d", info_.form.form);
    return false;
}

void SubDialog::destroy() {
    hide();
    DestroyForm();
    maskForm_ = nullptr;
}

void SubDialog::show() {
    if (!hasForm())
        return;
    dismissed_ = false;
    BeforeShow();
    if (hasForm())
        form().showWindow(true);
}

void SubDialog::runModal() {
    if (!hasForm() || running_)
        return;
    if (!dismissed_ && form().isWindowVisible()) {
        // The mask's form waits, disabled, until the loop ends (it lives as long as the loop:
        // the loop runs inside one of its messages).
        const bool wasEnabled = maskForm_->isWindowEnabled();
        maskForm_->enableWindow(false);
        running_ = true;
        form().runModal();
        running_ = false;
        if (wasEnabled && maskForm_ != nullptr)
            maskForm_->enableWindow(true);
    }
    hide();
}

void SubDialog::hide() {
    if (!hasForm())
        return;
    form().showWindow(false);
    if (running_)
        form().endModal();
}

void SubDialog::dismiss() {
    dismissed_ = true;
    if (running_)
        form().endModal();
}

void SubDialog::focusFirstTabStop() {
    if (const std::optional<ui::ControlId> first = FirstTabStop())
        form().setFocus(*first);
}

void SubDialog::request(SubDialogRequest request) {
    if (maskForm_ != nullptr)
        maskForm_->post(request);
}

void SubDialog::OnButton(Button button) {
    switch (button) {
        case Button::Send:
            focusFirstTabStop();
            dismiss();
            request(kRequestSend);
            return;
        case Button::Back:
            focusFirstTabStop();
            dismiss();
            request(kRequestBack);
            return;
        case Button::Recall:
            request(kRequestRecall);
            return;
        case Button::Cancel:
            dismiss();
            request(kRequestCancel);
            return;
        case Button::Clear:
            ClearForm();
            return;
        case Button::Help:
            OpenHelp(info_.helpSection, language_);
            return;
    }
}

}  // namespace framework
