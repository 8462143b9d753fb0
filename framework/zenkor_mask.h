// The mask template: the framework part of every mask. Its form side (FormHost) is what it
// shares with its sub-dialogs; the automation side answers the host's interface, fires the
// events, runs the lifecycle (construction, activation, destruction) and the button
// operations, and leaves each mask its form set-up, checks, entry and profile as hooks.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/checks.h"
#include "framework/choosers.h"
#include "framework/event_source.h"
#include "framework/form_host.h"
#include "framework/language.h"
#include "framework/mask_dispatch.h"
#include "framework/mask_info.h"
#include "framework/mask_interface.h"
#include "framework/object_count.h"
#include "framework/sub_dialog.h"
#include "platform/com/com_ptr.h"
#include "platform/com/embedding.h"
#include "platform/com/object.h"
#include "platform/ui/dialog.h"
#include "platform/zenkor/log.h"

namespace framework {

class ProfilePass;

// DISPIDs of the events every mask fires.
enum EventDispid : DISPID { kEventCancel = 1, kEventSend = 2 };

// A mask answers IUnknown, IDispatch and its own interface, IConnectionPointContainer,
// IProvideClassInfo2 and IZenkorMaskView, and where the system has containers the control
// interfaces they drive.
class MaskBase
    : public com::Object<
          com::Implements<MaskDispatch<IZenkorMask>, IID_IDispatch>,
          com::Implements<IConnectionPointContainer, IID_IConnectionPointContainer>,
          com::Implements<IProvideClassInfo2, IID_IProvideClassInfo, IID_IProvideClassInfo2>,
          com::Implements<IZenkorMaskView, IID_IZenkorMaskView>>,
      private FormOwner,
      private com::Embeddable,
      public FormHost {
  public:
    // The automation members: every one answers S_OK, whatever it is given.
    HRESULT STDMETHODCALLTYPE get_Lang(BSTR* pVal) override;
    HRESULT STDMETHODCALLTYPE put_Lang(BSTR newVal) override;
    HRESULT STDMETHODCALLTYPE SetResponse(BSTR bstrResponse) override;
    HRESULT STDMETHODCALLTYPE initField(BSTR bstrFields) override;
    HRESULT STDMETHODCALLTYPE initParam(BSTR bstrParams) override;

    // IConnectionPointContainer
    HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints** ppEnum) override;
    HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID riid, IConnectionPoint** ppCP) override;

    // IProvideClassInfo2: the class as the type library describes it (none where the system
    // has no type library), and its default source, the event interface.
    HRESULT STDMETHODCALLTYPE GetClassInfo(ITypeInfo** ppTI) override;
    HRESULT STDMETHODCALLTYPE GetGUID(DWORD dwGuidKind, GUID* pGUID) override;

    // IZenkorMaskView
    HRESULT STDMETHODCALLTYPE Activate() override;
    HRESULT STDMETHODCALLTYPE Deactivate() override;

    // The button operations (also reached by keys and by the sub-dialogs' requests).
    void Send();
    // Send up to its log line: the checks, the save pass, the entry, the Send event and the
    // log. Answers the save pass, filled but (unless the mask saves before its entry) not yet
    // written, or null when a check refused.
    std::unique_ptr<ProfilePass> SendEntry();
    void Recall();
    void Clear();
    void Cancel();
    void Help();

    const std::string& language() const { return language_; }
    const std::string& hostFields() const { return hostFields_; }

  protected:
    MaskBase(const MaskInfo& info, Choosers& choosers);
    ~MaskBase() override;

    bool HasInitParam() const override { return info_.hasInitParam; }
    const IID* DispatchIid() const override { return info_.iid; }

    // Hooks besides the form side's (SetupForm, AfterActivation, ClearForm, OnFormCommand).
    // Send: the checks in order; false at the first failure (which has reported itself).
    virtual bool RunChecks() = 0;
    virtual std::string BuildEntry() = 0;
    // The save pass after a successful Send and Recall's restore pass, the mask's own section
    // set (the sub-dialogs' sections follow, each with its own part).
    virtual void SaveProfile(ProfilePass& pass) = 0;
    virtual void RestoreProfile(ProfilePass& pass) = 0;
    // Recall, before the restoring scope opens.
    virtual void BeforeRecall() {}
    // Cancel, after the Cancel event has reached every sink.
    virtual void AfterCancel() {}
    // A private message to the form that is no sub-dialog request.
    virtual void OnMaskMessage(unsigned message) { (void)message; }
    // One host response screen (SetResponse), as UTF-16.
    virtual void OnResponse(std::u16string_view response) { (void)response; }

    // Sub-dialogs, added at construction; form k of the check rows is the k-th added. Their
    // windows are created hidden over the form at activation and go with it. They are made
    // with the mask's share of their forms.
    void AddSubDialog(SubDialog& dialog);
    FormOwner& subDialogOwner() { return *this; }
    // Shows a sub-dialog over the disabled form (the others hidden) and runs its modal loop
    // until it is dismissed or hidden. A Send asked from it runs, once, when the loop is over.
    void ShowSubDialog(SubDialog& dialog);
    // The forms the check rows read (for RunChecks and Refuse).
    CheckForms& checkForms() { return checkForms_; }

    const MaskInfo& info() const { return info_; }
    CZenkorLog& log() override { return log_; }
    EventSource& events() { return events_; }

    // FormHost
    void BeforeSetup() override;
    void OnButton(Button button) override;
    void OnPrivateMessage(unsigned message) final;

  private:
    class MaskCheckForms final : public CheckForms {
      public:
        explicit MaskCheckForms(MaskBase& mask) : mask_(mask) {}
        ui::Dialog* form(int which) override;
        void reveal(int which) override;

      private:
        MaskBase& mask_;
    };
    struct Frame;

    // FormOwner
    Choosers& choosers() override { return choosers_; }
    RestoreFlag& restoreFlag() override { return restoring_; }
    void enterMessage() override;
    void leaveMessage() noexcept override;

    // com::Embeddable
    IUnknown& outer() override { return *identity(); }
    const CLSID& classId() const override { return *info_.clsid; }
    ui::DialogId windowTemplate() const override;
    ui::Colorref background() const override { return kBackground; }
    void openWindow() override { Activate(); }
    void closeWindow() override { Deactivate(); }
    ui::NativeWindow window() const override;
    bool translateKey(ui::Key key) override;
    void* moreInterfaces(REFIID riid) override;

    template <class Body>
    void guarded(const char* function, Body&& body) noexcept;
    void destroyForms();
    void loadLanguage();
    void runSubDialog(SubDialog& dialog);
    void saveForms(ProfilePass& pass);
    // The one place where a save pass is written.
    void writeProfile(ProfilePass& pass);

    const MaskInfo& info_;
    Choosers& choosers_;
    ModuleLock moduleLock_;
    std::string language_ = "EN1";
    std::string hostFields_;
    CZenkorLog log_;
    EventSource events_;
    LoadedLanguage loadedLanguage_;
    std::unique_ptr<Frame> frame_;
    std::vector<SubDialog*> subDialogs_;
    SubDialog* running_ = nullptr;   // the sub-dialog whose modal loop runs
    SubDialog* revealed_ = nullptr;  // shown by a refusing check, its loop still to run
    bool sendAfterLoop_ = false;
    RestoreFlag restoring_;
    MaskCheckForms checkForms_{*this};
    int messageDepth_ = 0;
    bool closePending_ = false;
    // Last, so that it goes first: what it holds of a container is let go before the forms.
    std::unique_ptr<com::Embedding> embedding_;
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
