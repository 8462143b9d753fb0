#include "framework/zenkor_mask.h"

#include <new>
#include <utility>

#include "framework/class_ids.h"
#include "framework/connection_point_enum.h"
#include "framework/guard.h"
#include "framework/language.h"
#include "framework/persistence.h"
#include "framework/shared_settings.h"
#include "platform/com/bstr.h"
#include "platform/com/type_library.h"
#include "platform/text/codepage.h"
#include "platform/ui/toolkit.h"

namespace framework {
namespace {

std::string toAnsi(BSTR text) {
    return text::toAnsi(com::Bstr::view(text));
}

}  // namespace

// The window that holds the form when the mask has a frame: no controls, the mask's background.
struct MaskBase::Frame final : ui::DialogProc {
    std::unique_ptr<ui::Dialog> window;

    void onInitDialog(ui::Dialog&) override {}
    std::optional<ui::Paint> onCtlColor(ui::ControlId id) override {
        if (id == ui::kUnnamed)
            return ui::Paint{std::nullopt, kBackground};
        return std::nullopt;
    }
};

template <class Body>
void MaskBase::guarded(const char* function, Body&& body) noexcept {
    Guarded(log_, info_.component, function, std::forward<Body>(body));
}

void MaskBase::enterMessage() {
    AddRef();
    ++messageDepth_;
}

void MaskBase::leaveMessage() noexcept {
    if (--messageDepth_ == 0 && closePending_)
        guarded("Destroy", [this] { destroyForms(); });
    Release();  // may destroy the mask
}

void MaskBase::destroyForms() {
    closePending_ = false;
    for (auto it = subDialogs_.rbegin(); it != subDialogs_.rend(); ++it)
        (*it)->destroy();
    DestroyForm();
    frame_.reset();
}

MaskBase::MaskBase(const MaskInfo& info, Choosers& choosers)
    : Object(*info.iid),
      FormHost(static_cast<FormOwner&>(*this), info.form, info.component),
      info_(info),
      choosers_(choosers),
      events_(*this, *info.eventsIid),
      embedding_(com::embed(static_cast<com::Embeddable&>(*this))) {
    guarded("Construct", [] { LoadSharedSettings(); });
}

MaskBase::~MaskBase() {
    // The sub-dialogs, members of the mask class, have gone already, each with its window.
    subDialogs_.clear();
    guarded("Destroy", [this] { destroyForms(); });
}

// The automation members

HRESULT MaskBase::get_Lang(BSTR* pVal) {
    guarded("get_Lang", [&] {
        if (pVal != nullptr)
            *pVal = com::Bstr(text::fromAnsi(language_)).release();
    });
    return S_OK;
}

HRESULT MaskBase::put_Lang(BSTR newVal) {
    guarded("put_Lang", [&] {
        language_ = toAnsi(newVal);
        if (info_.logsLangPut) {
            log_.diagnostic(info_.component, "put_Lang", 30, 100, __LINE__, "Lang %s",
                            language_.c_str());
        }
    });
    return S_OK;
}

HRESULT MaskBase::SetResponse(BSTR bstrResponse) {
    guarded("SetResponse", [&] {
        const com::Ptr<MaskBase> keepAlive(this);
        OnResponse(com::Bstr::view(bstrResponse));
    });
    return S_OK;
}

HRESULT MaskBase::initField(BSTR bstrFields) {
    guarded("initField", [&] {
        if (info_.keepsHostFields)
            hostFields_ = toAnsi(bstrFields);
    });
    return S_OK;
}

HRESULT MaskBase::initParam(BSTR) {
    return S_OK;
}

// IConnectionPointContainer

HRESULT MaskBase::EnumConnectionPoints(IEnumConnectionPoints** ppEnum) {
    try {
        return ConnectionPointEnum::Create({com::Ptr<IConnectionPoint>(&events_)}, 0, ppEnum);
    } catch (...) {
        if (ppEnum != nullptr)
            *ppEnum = nullptr;
        return E_OUTOFMEMORY;
    }
}

HRESULT MaskBase::FindConnectionPoint(REFIID riid, IConnectionPoint** ppCP) {
    return events_.find(riid, ppCP);
}

// IProvideClassInfo2

HRESULT MaskBase::GetClassInfo(ITypeInfo** ppTI) {
    if (ppTI == nullptr)
        return E_POINTER;
    *ppTI = com::classTypeInfo(ids::LIBID_FAREWRIGHTLib, *info_.iid).detach();
    return *ppTI != nullptr ? S_OK : TYPE_E_ELEMENTNOTFOUND;
}

HRESULT MaskBase::GetGUID(DWORD dwGuidKind, GUID* pGUID) {
    if (pGUID == nullptr)
        return E_POINTER;
    *pGUID = GUID_NULL;
    if (dwGuidKind != GUIDKIND_DEFAULT_SOURCE_DISP_IID)
        return E_INVALIDARG;
    *pGUID = *info_.eventsIid;
    return S_OK;
}

// Activation

HRESULT MaskBase::Activate() {
    guarded("Activate", [this] {
        if (hasForm() && closePending_) {
            closePending_ = false;
            if (frame_)
                frame_->window->showWindow(true);
            form().showWindow(true);
        }
        if (hasForm())
            return;
        ui::Dialog* holder = nullptr;
        if (info_.frame != 0) {
            frame_ = std::make_unique<Frame>();
            frame_->window = ui::toolkit().createDialog(info_.frame, *frame_, nullptr);
            holder = frame_->window.get();
            if (holder == nullptr) {
                frame_.reset();
                log_.error(info_.component, "Activate", 500, "no frame template %d", info_.frame);
                return;
            }
        }
        if (!CreateForm(holder)) {
            frame_.reset();
            log_.error(info_.component, "Activate", 500, "no form template %d", info_.form.form);
            return;
        }
        if (frame_)
            frame_->window->showWindow(true);
        form().showWindow(true);
    });
    return S_OK;
}

HRESULT MaskBase::Deactivate() {
    guarded("Deactivate", [this] {
        if (messageDepth_ == 0) {
            destroyForms();
        } else if (hasForm()) {
            // A form is handling a message: the forms go when the message is done. A running
            // sub-dialog loop ends as its sub-dialog hides.
            for (SubDialog* dialog : subDialogs_)
                dialog->hide();
            form().showWindow(false);
            if (frame_)
                frame_->window->showWindow(false);
            closePending_ = true;
        }
    });
    return S_OK;
}

// The control side

ui::DialogId MaskBase::windowTemplate() const {
    return info_.frame != 0 ? info_.frame : info_.form.form;
}

ui::NativeWindow MaskBase::window() const {
    if (frame_ && frame_->window)
        return frame_->window->nativeWindow();
    return hasForm() ? form().nativeWindow() : 0;
}

bool MaskBase::translateKey(ui::Key key) {
    if (!hasForm())
        return false;
    return preTranslateKey(form().focus().value_or(ui::kUnnamed), key);
}

void* MaskBase::moreInterfaces(REFIID riid) {
    return embedding_ ? embedding_->find(riid) : nullptr;
}

void MaskBase::BeforeSetup() {
    loadLanguage();
    for (SubDialog* dialog : subDialogs_)
        dialog->create(form());
}

void MaskBase::loadLanguage() {
    language_ = ReadAgentLanguage();
    loadedLanguage_.load(language_);
}

// Buttons and requests

void MaskBase::OnButton(Button button) {
    switch (button) {
        case Button::Send:
            Send();
            return;
        case Button::Recall:
            Recall();
            return;
        case Button::Clear:
            Clear();
            return;
        case Button::Cancel:
            Cancel();
            return;
        case Button::Help:
            Help();
            return;
        case Button::Back:
            return;
    }
}

void MaskBase::OnPrivateMessage(unsigned message) {
    switch (message) {
        case kRequestBack:
            if (running_ != nullptr)
                running_->hide();
            return;
        case kRequestSend:
            // Asked while a sub-dialog's loop runs, the Send waits for the loop to end.
            if (running_ == nullptr) {
                Send();
            } else {
                sendAfterLoop_ = true;
                running_->hide();
            }
            return;
        case kRequestRecall:
            Recall();
            return;
        case kRequestCancel:
            if (running_ != nullptr)
                running_->hide();
            Cancel();
            return;
        default:
            OnMaskMessage(message);
    }
}

// Sub-dialogs

void MaskBase::AddSubDialog(SubDialog& dialog) {
    subDialogs_.push_back(&dialog);
}

void MaskBase::ShowSubDialog(SubDialog& dialog) {
    if (!hasForm() || !dialog.hasForm())
        return;
    for (SubDialog* other : subDialogs_) {
        if (other != &dialog)
            other->hide();
    }
    dialog.show();
    runSubDialog(dialog);
}

void MaskBase::runSubDialog(SubDialog& dialog) {
    const com::Ptr<MaskBase> keepAlive(this);
    SubDialog* outer = std::exchange(running_, &dialog);
    dialog.runModal();
    running_ = outer;
    if (std::exchange(sendAfterLoop_, false) && !closePending_ && hasForm())
        Send();
}

ui::Dialog* MaskBase::MaskCheckForms::form(int which) {
    if (which == 0)
        return mask_.hasForm() ? &mask_.form() : nullptr;
    if (which < 0 || static_cast<std::size_t>(which) > mask_.subDialogs_.size())
        return nullptr;
    SubDialog& dialog = *mask_.subDialogs_[static_cast<std::size_t>(which) - 1];
    return dialog.hasForm() ? &dialog.form() : nullptr;
}

void MaskBase::MaskCheckForms::reveal(int which) {
    mask_.revealed_ = nullptr;
    for (std::size_t i = 0; i < mask_.subDialogs_.size(); ++i) {
        SubDialog& dialog = *mask_.subDialogs_[i];
        if (static_cast<int>(i) + 1 != which) {
            dialog.hide();
        } else if (!dialog.isShown()) {
            dialog.show();
            mask_.revealed_ = &dialog;
        }
    }
}

// Button operations

void MaskBase::Send() {
    const com::Ptr<MaskBase> keepAlive(this);
    std::unique_ptr<ProfilePass> pass = SendEntry();
    if (!pass) {
        // A refused field of a sub-dialog: the agent mends it there.
        if (SubDialog* revealed = std::exchange(revealed_, nullptr))
            runSubDialog(*revealed);
        return;
    }
    if (info_.saveTime == SaveTime::AfterSendEvent)
        writeProfile(*pass);  // after every sink has returned
}

std::unique_ptr<ProfilePass> MaskBase::SendEntry() {
    revealed_ = nullptr;
    if (!hasForm() || !RunChecks())
        return nullptr;
    // The values are taken before the event, so that a host that closes the mask on Send
    // still finds them saved.
    auto pass = std::make_unique<ProfilePass>();
    std::string entry;
    if (info_.saveTime == SaveTime::BeforeEntry) {
        saveForms(*pass);
        writeProfile(*pass);
        entry = BuildEntry();
    } else {
        entry = BuildEntry();
        saveForms(*pass);
    }
    const com::Ptr<MaskBase> keepAlive(this);
    events_.fire(kEventSend, entry);
    log_.diagnostic(info_.component, "OnSend", 0, 100, __LINE__, "Host Command %s", entry.c_str());
    return pass;
}

void MaskBase::saveForms(ProfilePass& pass) {
    SaveProfile(pass.section(info_.profileSection));
    for (SubDialog* dialog : subDialogs_) {
        if (dialog->hasForm())
            dialog->SaveProfile(pass.section(dialog->info().profileSection));
    }
}

void MaskBase::writeProfile(ProfilePass& pass) {
    pass.commit(log_, info_.component, "OnSend");
}

void MaskBase::Recall() {
    if (!hasForm())
        return;
    BeforeRecall();
    const Restoring scope(restoring_);
    ProfilePass pass;
    RestoreProfile(pass.section(info_.profileSection));
    for (SubDialog* dialog : subDialogs_) {
        if (dialog->hasForm())
            dialog->RestoreProfile(pass.section(dialog->info().profileSection));
    }
}

void MaskBase::Clear() {
    if (hasForm())
        ClearForm();
}

void MaskBase::Cancel() {
    const com::Ptr<MaskBase> keepAlive(this);
    events_.fire(kEventCancel);
    AfterCancel();
}

void MaskBase::Help() {
    OpenHelp(info_.helpSection, language_);
}

}  // namespace framework
