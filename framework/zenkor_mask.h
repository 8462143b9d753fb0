// The mask template: the framework part of every mask. It answers the host's automation
// interface, fires the events, runs the lifecycle (construction, activation, destruction),
// handles the form's buttons, keys and window messages, and leaves each mask its form set-up,
// checks, entry and profile section as hooks.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "framework/choosers.h"
#include "framework/decorated_controls.h"
#include "framework/event_source.h"
#include "framework/mask_dispatch.h"
#include "framework/mask_info.h"
#include "framework/mask_interface.h"
#include "framework/object_count.h"
#include "platform/com/com_ptr.h"
#include "platform/ui/dialog.h"
#include "platform/zenkor/log.h"

namespace framework {

class ProfilePass;

// DISPIDs of the events every mask fires.
enum EventDispid : DISPID { kEventCancel = 1, kEventSend = 2 };

class MaskBase : public MaskDispatch<IZenkorMask>,
                 public IConnectionPointContainer,
                 public IZenkorMaskView,
                 protected ui::DialogProc {
  public:
    MaskBase(const MaskBase&) = delete;
    MaskBase& operator=(const MaskBase&) = delete;

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppvObject) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    // The automation members: every one answers S_OK, whatever it is given.
    HRESULT STDMETHODCALLTYPE get_Lang(BSTR* pVal) override;
    HRESULT STDMETHODCALLTYPE put_Lang(BSTR newVal) override;
    HRESULT STDMETHODCALLTYPE SetResponse(BSTR bstrResponse) override;
    HRESULT STDMETHODCALLTYPE initField(BSTR bstrFields) override;
    HRESULT STDMETHODCALLTYPE initParam(BSTR bstrParams) override;

    // IConnectionPointContainer
    HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints** ppEnum) override;
    HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID riid, IConnectionPoint** ppCP) override;

    // IZenkorMaskView
    HRESULT STDMETHODCALLTYPE Activate() override;
    HRESULT STDMETHODCALLTYPE Deactivate() override;

    // The button operations (also reached by keys).
    void Send();
    // Send up to its log line: the checks, the entry, the Send event and the log. Answers the
    // save pass, filled but not yet written (it is written when it goes), or null when a
    // check refused.
    std::unique_ptr<ProfilePass> SendEntry();
    void Recall();
    void Clear();
    void Cancel();
    void Help();

    const std::string& language() const { return language_; }
    const std::string& hostFields() const { return hostFields_; }

  protected:
    MaskBase(const MaskInfo& info, Choosers& choosers);
    virtual ~MaskBase();

    bool HasInitParam() const override { return info_.hasInitParam; }

    // Activation: labels, edits, link labels and lists of the form.
    virtual void SetupForm() = 0;
    // Activation, after the shared steps (initial states, type rules).
    virtual void AfterActivation() {}
    // Send: the checks in order; false at the first failure (which has reported itself).
    virtual bool RunChecks() = 0;
    virtual std::string BuildEntry() = 0;
    // The save pass after a successful Send, and Recall's restore pass.
    virtual void SaveProfile(ProfilePass& pass) = 0;
    virtual void RestoreProfile() = 0;
    // Clear: by default every edit of the form becomes empty.
    virtual void ClearForm();
    // Cancel, after the Cancel event has reached every sink.
    virtual void AfterCancel() {}
    // Commands of the form that are not the five buttons (radio buttons, lists, ...).
    virtual void OnFormCommand(ui::ControlId id, ui::Notify code) { (void)id, (void)code; }
    // One host response screen (SetResponse), as UTF-16.
    virtual void OnResponse(std::u16string_view response) { (void)response; }

    ui::Dialog& form() { return *window_; }
    bool hasForm() const { return window_ != nullptr; }
    DecoratedControls& controls() { return *controls_; }
    const MaskInfo& info() const { return info_; }
    CZenkorLog& log() { return log_; }
    EventSource& events() { return events_; }

    // ui::DialogProc
    void onInitDialog(ui::Dialog& dialog) override;
    void onCommand(ui::ControlId id, ui::Notify code) override;
    bool preTranslateKey(ui::ControlId focus, ui::Key key) override;
    void onControlKey(ui::ControlId id, ui::Key key) override;
    void onSetText(std::optional<std::string_view> text) override;
    std::optional<ui::Paint> onCtlColor(ui::ControlId id) override;

  private:
    template <class Body>
    void guarded(const char* function, Body&& body) noexcept;
    // Runs a window message of the form: the mask stays alive meanwhile, and a form that the
    // host closes during the message is destroyed once the message has been handled.
    template <class Body>
    void handleMessage(const char* function, Body&& body) noexcept;
    void destroyForm();
    void activate(ui::Dialog& dialog);
    void loadLanguage();
    bool isButton(ui::ControlId id) const;

    const MaskInfo& info_;
    Choosers& choosers_;
    ModuleLock moduleLock_;
    ULONG references_ = 1;
    std::string language_ = "EN1";
    std::string hostFields_;
    CZenkorLog log_;
    EventSource events_;
    int languageLoads_ = 0;
    std::unique_ptr<ui::Dialog> form_;
    ui::Dialog* window_ = nullptr;  // the form while it exists (also during its creation)
    std::unique_ptr<DecoratedControls> controls_;
    int messageDepth_ = 0;
    bool closePending_ = false;
};

// The mask class template: Derived names its MaskInfo (kInfo) and implements the hooks.
template <class Derived>
class ZenkorMaskT : public MaskBase {
  public:
    // Creates a mask object and answers riid of it.
    static HRESULT Create(REFIID riid, void** ppv) {
        if (ppv == nullptr)
            return E_POINTER;
        *ppv = nullptr;
        Derived* raw = new (std::nothrow) Derived();
        if (raw == nullptr)
            return E_OUTOFMEMORY;
        auto mask = com::Ptr<Derived>::attach(raw);  // the object owns itself from here on
        return mask->QueryInterface(riid, ppv);
    }

  protected:
    explicit ZenkorMaskT(Choosers& choosers) : MaskBase(Derived::kInfo, choosers) {}
};

}  // namespace framework
