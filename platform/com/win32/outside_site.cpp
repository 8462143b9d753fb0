#include "platform/com/win32/outside_site.h"

#include <utility>

#include "platform/com/bstr.h"
#include "platform/com/com_ptr.h"
#include "platform/com/dispatch_receiver.h"
#include "platform/com/object.h"

namespace com {
namespace {

// The site an outside control lives in: the chooser's dialog window, the placeholder's
// rectangle, and no frame tools, menus or undo.
class Site final
    : public Object<Implements<IOleClientSite, IID_IOleClientSite>,
                    Implements<IOleInPlaceSite, IID_IOleWindow, IID_IOleInPlaceSite>,
                    Implements<IOleInPlaceFrame, IID_IOleInPlaceUIWindow, IID_IOleInPlaceFrame>> {
  public:
    Site(HWND dialog, RECT place) : dialog_(dialog), place_(place) {}

    // IOleClientSite
    HRESULT STDMETHODCALLTYPE SaveObject() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE GetMoniker(DWORD, DWORD, IMoniker** moniker) override {
        if (moniker != nullptr)
            *moniker = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetContainer(IOleContainer** container) override {
        if (container != nullptr)
            *container = nullptr;
        return E_NOINTERFACE;
    }
    HRESULT STDMETHODCALLTYPE ShowObject() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnShowWindow(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE RequestNewObjectLayout() override { return E_NOTIMPL; }

    // IOleWindow
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override {
        if (window == nullptr)
            return E_POINTER;
        *window = dialog_;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

    // IOleInPlaceSite
    HRESULT STDMETHODCALLTYPE CanInPlaceActivate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnInPlaceActivate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnUIActivate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** doc,
                                               LPRECT position, LPRECT clip,
                                               LPOLEINPLACEFRAMEINFO info) override {
        if (frame == nullptr || doc == nullptr || position == nullptr || clip == nullptr)
            return E_POINTER;
        *frame = Ptr<IOleInPlaceFrame>(this).detach();
        *doc = nullptr;
        *position = place_;
        *clip = place_;
        if (info != nullptr) {
            info->fMDIApp = FALSE;
            info->hwndFrame = GetAncestor(dialog_, GA_ROOT);
            info->haccel = nullptr;
            info->cAccelEntries = 0;
        }
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Scroll(SIZE) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE OnUIDeactivate(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnInPlaceDeactivate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE DiscardUndoState() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE DeactivateAndUndo() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnPosRectChange(LPCRECT) override { return S_OK; }

    // IOleInPlaceFrame
    HRESULT STDMETHODCALLTYPE GetBorder(LPRECT) override { return INPLACE_E_NOTOOLSPACE; }
    HRESULT STDMETHODCALLTYPE RequestBorderSpace(LPCBORDERWIDTHS) override {
        return INPLACE_E_NOTOOLSPACE;
    }
    HRESULT STDMETHODCALLTYPE SetBorderSpace(LPCBORDERWIDTHS) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) override {
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE RemoveMenus(HMENU) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetStatusText(LPCOLESTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE EnableModeless(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG, WORD) override { return S_FALSE; }

  private:
    ~Site() override = default;

    HWND dialog_;
    RECT place_;
};

// The chooser's sink as the control's source interface: the control may ask its sink for the
// interface it fires.
class SourceSink final : public DispatchReceiver {
  public:
    SourceSink(const IID& source, IDispatch& target) : DispatchReceiver(source), target_(&target) {}
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID lcid, WORD flags,
                                     DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                     UINT* argError) override {
        return target_->Invoke(id, riid, lcid, flags, params, result, exception, argError);
    }

  private:
    ~SourceSink() override = default;
    Ptr<IDispatch> target_;
};

// One outside control, created, activated in its site, reached by name and advised.
class Hosted {
  public:
    // Null when the control is not registered, cannot be created or is no automation object.
    static std::unique_ptr<Hosted> create(const wchar_t* progId, HWND placeholder) {
        CLSID clsid{};
        HWND dialog = placeholder != nullptr ? GetParent(placeholder) : nullptr;
        if (dialog == nullptr || FAILED(CLSIDFromProgID(progId, &clsid)))
            return nullptr;
        auto hosted = std::unique_ptr<Hosted>(new Hosted());
        if (FAILED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                                    reinterpret_cast<void**>(hosted->dispatch_.out())))) {
            return nullptr;
        }
        RECT place{};
        GetWindowRect(placeholder, &place);
        MapWindowPoints(HWND_DESKTOP, dialog, reinterpret_cast<POINT*>(&place), 2);
        hosted->object_ = hosted->dispatch_.as<IOleObject>(IID_IOleObject);
        if (hosted->object_) {
            ShowWindow(placeholder, SW_HIDE);
            hosted->site_ = Ptr<Site>::attach(new Site(dialog, place));
            hosted->object_->SetClientSite(hosted->site_.get());
            if (auto persist = hosted->dispatch_.as<IPersistStreamInit>(IID_IPersistStreamInit))
                persist->InitNew();
            if (FAILED(hosted->object_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr,
                                               hosted->site_.get(), 0, dialog, &place))) {
                return nullptr;
            }
        }
        return hosted;
    }

    ~Hosted() {
        unadvise();
        if (object_) {
            object_->Close(OLECLOSE_NOSAVE);
            object_->SetClientSite(nullptr);
        }
    }
    Hosted(const Hosted&) = delete;
    Hosted& operator=(const Hosted&) = delete;

    // Calls a method by name with at most one argument; its [out, retval] in `result`.
    HRESULT call(const wchar_t* name, VARIANT* argument, VARIANT* result) {
        DISPID id = DISPID_UNKNOWN;
        LPOLESTR names = const_cast<LPOLESTR>(name);
        HRESULT hr = dispatch_->GetIDsOfNames(IID_NULL, &names, 1, LOCALE_USER_DEFAULT, &id);
        if (FAILED(hr))
            return hr;
        DISPPARAMS params{argument, nullptr, argument != nullptr ? 1u : 0u, 0};
        return dispatch_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params,
                                 result, nullptr, nullptr);
    }
    HRESULT callWithText(const wchar_t* name, BSTR text) {
        VARIANT argument;
        VariantInit(&argument);
        argument.vt = VT_BSTR;
        argument.bstrVal = text;  // borrowed: not cleared
        return call(name, &argument, nullptr);
    }
    // A method answering a value of type `type`.
    HRESULT callFor(const wchar_t* name, VARTYPE type, VARIANT& result) {
        VariantInit(&result);
        HRESULT hr = call(name, nullptr, &result);
        if (SUCCEEDED(hr))
            hr = VariantChangeType(&result, &result, 0, type);
        return hr;
    }

    // Advises the sink on the control's default source (or its first connection point).
    HRESULT advise(IDispatch* sink) {
        if (sink == nullptr)
            return E_POINTER;
        unadvise();
        auto container = dispatch_.as<IConnectionPointContainer>(IID_IConnectionPointContainer);
        if (!container)
            return CONNECT_E_NOCONNECTION;
        IID source = IID_IDispatch;
        if (auto info = dispatch_.as<IProvideClassInfo2>(IID_IProvideClassInfo2);
            info && SUCCEEDED(info->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &source))) {
            container->FindConnectionPoint(source, point_.out());
        } else {
            Ptr<IEnumConnectionPoints> points;
            if (SUCCEEDED(container->EnumConnectionPoints(points.out())) && points)
                points->Next(1, point_.out(), nullptr);
            if (point_)
                point_->GetConnectionInterface(&source);
        }
        if (!point_)
            return CONNECT_E_NOCONNECTION;
        const auto forwarder = Ptr<SourceSink>::attach(new SourceSink(source, *sink));
        const HRESULT hr = point_->Advise(forwarder.get(), &cookie_);
        if (FAILED(hr))
            point_.reset();
        return hr;
    }
    HRESULT unadvise() {
        if (!point_)
            return CONNECT_E_NOCONNECTION;
        const HRESULT hr = point_->Unadvise(std::exchange(cookie_, 0));
        point_.reset();
        return hr;
    }

  private:
    Hosted() = default;

    Ptr<IDispatch> dispatch_;
    Ptr<IOleObject> object_;
    Ptr<Site> site_;
    Ptr<IConnectionPoint> point_;
    DWORD cookie_ = 0;
};

class HostedEncoder final : public ui::EncoderControl {
  public:
    explicit HostedEncoder(std::unique_ptr<Hosted> control) : control_(std::move(control)) {}
    HRESULT SetCodeList(BSTR list) override { return control_->callWithText(L"SetCodeList", list); }
    HRESULT GetSecondText(BSTR* text) override {
        if (text == nullptr)
            return E_POINTER;
        *text = nullptr;
        VARIANT result;
        const HRESULT hr = control_->callFor(L"GetSecondText", VT_BSTR, result);
        if (SUCCEEDED(hr))
            *text = std::exchange(result.bstrVal, nullptr);
        VariantClear(&result);
        return hr;
    }
    HRESULT Advise(IDispatch* sink) override { return control_->advise(sink); }
    HRESULT Unadvise() override { return control_->unadvise(); }

  private:
    std::unique_ptr<Hosted> control_;
};

class HostedCalendar final : public ui::CalendarControl {
  public:
    explicit HostedCalendar(std::unique_ptr<Hosted> control) : control_(std::move(control)) {}
    HRESULT SetDateFormat(SHORT kind) override {
        VARIANT argument;
        VariantInit(&argument);
        argument.vt = VT_I2;
        argument.iVal = kind;
        return control_->call(L"SetDateFormat", &argument, nullptr);
    }
    HRESULT Start() override { return control_->call(L"Start", nullptr, nullptr); }
    HRESULT GetDay(SHORT* day) override { return number(L"GetDay", day); }
    HRESULT GetMonth(SHORT* month) override { return number(L"GetMonth", month); }
    HRESULT GetYear(SHORT* year) override { return number(L"GetYear", year); }
    HRESULT Advise(IDispatch* sink) override { return control_->advise(sink); }
    HRESULT Unadvise() override { return control_->unadvise(); }

  private:
    HRESULT number(const wchar_t* name, SHORT* value) {
        if (value == nullptr)
            return E_POINTER;
        VARIANT result;
        const HRESULT hr = control_->callFor(name, VT_I2, result);
        *value = SUCCEEDED(hr) ? result.iVal : 0;
        VariantClear(&result);
        return hr;
    }

    std::unique_ptr<Hosted> control_;
};

}  // namespace

std::unique_ptr<ui::EncoderControl> hostEncoder(HWND placeholder, const wchar_t* progId) {
    std::unique_ptr<Hosted> control = Hosted::create(progId, placeholder);
    if (!control)
        return nullptr;
    return std::make_unique<HostedEncoder>(std::move(control));
}

std::unique_ptr<ui::CalendarControl> hostCalendar(HWND placeholder, const wchar_t* progId) {
    std::unique_ptr<Hosted> control = Hosted::create(progId, placeholder);
    if (!control)
        return nullptr;
    return std::make_unique<HostedCalendar>(std::move(control));
}

}  // namespace com
