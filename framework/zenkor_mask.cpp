#include "framework/zenkor_mask.h"

#include <array>
#include <new>

#include "framework/guard.h"
#include "framework/language.h"
#include "framework/persistence.h"
#include "framework/shared_settings.h"
#include "platform/com/bstr.h"
#include "platform/shell/open_address.h"
#include "platform/text/codepage.h"
#include "platform/ui/dialog_template.h"
#include "platform/ui/toolkit.h"
#include "platform/zenkor/arch.h"

namespace framework {
namespace {

constexpr ui::Colorref kStatusText = 0x000000;

struct Caption {
    ui::ControlId ButtonIds::*button;
    const char* key;
};

constexpr std::array<Caption, 5> kCaptions = {{
    {&ButtonIds::clear, "CAPTION_BUTTON_CLEAR"},
    {&ButtonIds::cancel, "CAPTION_BUTTON_CANCEL"},
    {&ButtonIds::help, "CAPTION_BUTTON_HELP"},
    {&ButtonIds::recall, "CAPTION_BUTTON_RECALL"},
    {&ButtonIds::send, "CAPTION_BUTTON_SEND"},
}};

std::string toAnsi(BSTR text) {
    return text::toAnsi(com::Bstr::view(text));
}

}  // namespace

template <class Body>
void MaskBase::guarded(const char* function, Body&& body) noexcept {
    Guarded(log_, info_.component, function, std::forward<Body>(body));
}

template <class Body>
void MaskBase::handleMessage(const char* function, Body&& body) noexcept {
    const com::Ptr<MaskBase> keepAlive(this);
    ++messageDepth_;
    guarded(function, std::forward<Body>(body));
    if (--messageDepth_ == 0 && closePending_)
        destroyForm();
}

void MaskBase::destroyForm() {
    // Messages the form sends while it goes find no form.
    closePending_ = false;
    window_ = nullptr;
    std::unique_ptr<ui::Dialog> form = std::move(form_);
    form.reset();
    controls_.reset();
}

MaskBase::MaskBase(const MaskInfo& info, Choosers& choosers)
    : info_(info), choosers_(choosers), events_(*this, *info.eventsIid) {
    guarded("Construct", [] { LoadSharedSettings(); });
}

MaskBase::~MaskBase() {
    guarded("Destroy", [this] { destroyForm(); });
    // Every load of this mask is matched by one unload, so the strings of other masks stay.
    for (; languageLoads_ > 0; --languageLoads_)
        LANG_unload();
}

// IUnknown

HRESULT MaskBase::QueryInterface(REFIID riid, void** ppvObject) {
    if (ppvObject == nullptr)
        return E_POINTER;
    *ppvObject = nullptr;
    if (riid == IID_IUnknown || riid == IID_IDispatch || riid == *info_.iid) {
        *ppvObject = static_cast<IZenkorMask*>(this);
    } else if (riid == IID_IConnectionPointContainer) {
        *ppvObject = static_cast<IConnectionPointContainer*>(this);
    } else if (riid == IID_IZenkorMaskView) {
        *ppvObject = static_cast<IZenkorMaskView*>(this);
    } else {
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

ULONG MaskBase::AddRef() {
    return ++references_;
}

ULONG MaskBase::Release() {
    const ULONG left = --references_;
    if (left == 0) {
        references_ = 1;  // references taken while the mask is destroyed do not destroy it again
        delete this;
    }
    return left;
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
    if (ppEnum != nullptr)
        *ppEnum = nullptr;
    return E_NOTIMPL;
}

HRESULT MaskBase::FindConnectionPoint(REFIID riid, IConnectionPoint** ppCP) {
    return events_.find(riid, ppCP);
}

// Activation

HRESULT MaskBase::Activate() {
    guarded("Activate", [this] {
        if (form_ && closePending_) {
            closePending_ = false;
            form_->showWindow(true);
        }
        if (form_)
            return;
        form_ = ui::toolkit().createDialog(info_.form, *this, nullptr);
        if (!form_) {
            window_ = nullptr;
            log_.error(info_.component, "Activate", 500, "no form template %d", info_.form);
            return;
        }
        form_->showWindow(true);
    });
    return S_OK;
}

HRESULT MaskBase::Deactivate() {
    guarded("Deactivate", [this] {
        if (messageDepth_ == 0) {
            destroyForm();
        } else if (form_) {
            // The form is handling a message: it goes when the message is done.
            form_->showWindow(false);
            closePending_ = true;
        }
    });
    return S_OK;
}

void MaskBase::onInitDialog(ui::Dialog& dialog) {
    guarded("OnInitDialog", [&] { activate(dialog); });
}

void MaskBase::activate(ui::Dialog& dialog) {
    window_ = &dialog;
    loadLanguage();
    controls_ = std::make_unique<DecoratedControls>(dialog, choosers_);
    SetupForm();
    controls_->activateLinks();
    dialog.show(kStatusLine, false);
    for (const Caption& caption : kCaptions) {
        if (auto text = FindString(caption.key))
            dialog.setText(info_.buttons.*caption.button, *text);
    }
    AfterActivation();
}

void MaskBase::loadLanguage() {
    language_ = ReadAgentLanguage();
    LANG_load(language_.c_str());
    ++languageLoads_;
}

// Window messages

bool MaskBase::isButton(ui::ControlId id) const {
    const ButtonIds& b = info_.buttons;
    return id == b.send || id == b.recall || id == b.clear || id == b.cancel || id == b.help;
}

void MaskBase::onCommand(ui::ControlId id, ui::Notify code) {
    handleMessage("OnCommand", [&] {
        if (!hasForm())
            return;
        if (code == ui::Notify::Clicked && isButton(id)) {
            const ButtonIds& b = info_.buttons;
            if (id == b.send)
                Send();
            if (id == b.recall)
                Recall();
            if (id == b.clear)
                Clear();
            if (id == b.cancel)
                Cancel();
            if (id == b.help)
                Help();
            return;
        }
        if (!controls_->onCommand(id, code))
            OnFormCommand(id, code);
    });
}

bool MaskBase::preTranslateKey(ui::ControlId, ui::Key key) {
    bool consumed = false;
    handleMessage("PreTranslateAccelerator", [&] {
        if (!hasForm())
            return;
        if (key == ui::Key::Enter) {
            Send();
            consumed = true;
        } else if (key == ui::Key::AltUp) {
            Recall();
            consumed = true;
        }
    });
    return consumed;
}

void MaskBase::onControlKey(ui::ControlId id, ui::Key key) {
    handleMessage("OnKeyDown", [&] {
        if (hasForm())
            controls_->onControlKey(id, key);
    });
}

void MaskBase::onSetText(std::optional<std::string_view> text) {
    handleMessage("OnSetText", [&] {
        if (!hasForm())
            return;
        if (text)
            form().setText(kStatusLine, *text);
        form().show(kStatusLine, text.has_value());
    });
}

std::optional<ui::Paint> MaskBase::onCtlColor(ui::ControlId id) {
    if (id == ui::kUnnamed)
        return ui::Paint{std::nullopt, kBackground};
    if (id == kStatusLine)
        return ui::Paint{kStatusText, std::nullopt};
    if (controls_)
        return controls_->paint(id);
    return std::nullopt;
}

// Button operations

void MaskBase::Send() {
    const com::Ptr<MaskBase> keepAlive(this);
    SendEntry();  // the save pass is written as it goes, after every sink has returned
}

std::unique_ptr<ProfilePass> MaskBase::SendEntry() {
    if (!hasForm() || !RunChecks())
        return nullptr;
    const std::string entry = BuildEntry();
    // The values are taken before the event, so that a host that closes the mask on Send
    // still finds them saved; they reach the profile after every sink has returned.
    auto pass = std::make_unique<ProfilePass>(info_.profileSection);
    SaveProfile(*pass);
    const com::Ptr<MaskBase> keepAlive(this);
    events_.fire(kEventSend, entry);
    log_.diagnostic(info_.component, "OnSend", 0, 100, __LINE__, "Host Command %s", entry.c_str());
    return pass;
}

void MaskBase::Recall() {
    if (hasForm())
        RestoreProfile();
}

void MaskBase::Clear() {
    if (hasForm())
        ClearForm();
}

void MaskBase::ClearForm() {
    const ui::DialogTemplate* t = ui::findTemplate(info_.form);
    if (t == nullptr)
        return;
    for (const ui::ControlTemplate& c : t->controls) {
        if (c.kind == ui::ControlKind::Edit)
            form().setText(c.id, "");
    }
}

void MaskBase::Cancel() {
    const com::Ptr<MaskBase> keepAlive(this);
    events_.fire(kEventCancel);
    AfterCancel();
}

void MaskBase::Help() {
    const std::string address = ReadZenkorMain(info_.helpSection, HelpKey(language_).c_str());
    shell::openAddress(address);
}

}  // namespace framework
