// The control interfaces a container drives, for one windowed object: the object and its
// client site, in-place and UI activation in the container's window, the keys the container
// passes first to the active object, drawing and the extent, and persistence (there is nothing
// to persist: the forms keep what they save in the profile).
#include "platform/com/embedding.h"

#include <optional>

#include "platform/com/com_ptr.h"
#include "platform/ui/dialog_template.h"
#include "platform/ui/toolkit.h"

namespace com {
namespace {

// What the object's registry script announces under MiscStatus for the content aspect.
constexpr DWORD kMiscStatus = OLEMISC_RECOMPOSEONRESIZE | OLEMISC_CANTLINKINSIDE |
                              OLEMISC_INSIDEOUT | OLEMISC_ACTIVATEWHENVISIBLE |
                              OLEMISC_SETCLIENTSITEFIRST;
static_assert(kMiscStatus == 131473);

// The key a key message stands for, of those the container passes to the active control
// first: Enter, F1, Tab and Space as key-downs, Alt+Up as the system key-down of the Up arrow.
std::optional<ui::Key> controlKey(UINT message, WPARAM key) {
    if (message == WM_SYSKEYDOWN)
        return key == VK_UP ? std::optional(ui::Key::AltUp) : std::nullopt;
    if (message != WM_KEYDOWN)
        return std::nullopt;
    switch (key) {
        case VK_RETURN:
            return ui::Key::Enter;
        case VK_F1:
            return ui::Key::F1;
        case VK_TAB:
            return ui::Key::Tab;
        case VK_SPACE:
            return ui::Key::Space;
        default:
            return std::nullopt;
    }
}

HWND handle(ui::NativeWindow window) {
    return reinterpret_cast<HWND>(window);
}

// The size of a dialog template in pixels of the screen, by the base units of its font as the
// dialog manager measures them.
SIZE templatePixels(ui::DialogId id) {
    const ui::DialogTemplate* tmpl = ui::findTemplate(id);
    if (tmpl == nullptr)
        return {0, 0};
    HDC screen = GetDC(nullptr);
    wchar_t face[LF_FACESIZE] = {};
    MultiByteToWideChar(CP_UTF8, 0, tmpl->fontFace, -1, face, LF_FACESIZE - 1);
    HFONT font = CreateFontW(-MulDiv(tmpl->fontSize, GetDeviceCaps(screen, LOGPIXELSY), 72), 0, 0,
                             0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0, face);
    HGDIOBJ old = SelectObject(screen, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(screen, &metrics);
    static const wchar_t kAlphabet[] = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    SIZE letters{};
    GetTextExtentPoint32W(screen, kAlphabet, 52, &letters);
    SelectObject(screen, old);
    DeleteObject(font);
    ReleaseDC(nullptr, screen);
    const int baseX = (letters.cx / 26 + 1) / 2;
    const int baseY = metrics.tmHeight;
    return {MulDiv(tmpl->width, baseX, 4), MulDiv(tmpl->height, baseY, 8)};
}

// Pixels of the screen to HIMETRIC (hundredths of a millimetre), the unit of extents.
SIZEL toHimetric(SIZE pixels) {
    HDC screen = GetDC(nullptr);
    const SIZEL size{MulDiv(pixels.cx, 2540, GetDeviceCaps(screen, LOGPIXELSX)),
                     MulDiv(pixels.cy, 2540, GetDeviceCaps(screen, LOGPIXELSY))};
    ReleaseDC(nullptr, screen);
    return size;
}

// Dialogs created meanwhile become children of the container's window.
class HostWindowScope {
  public:
    explicit HostWindowScope(HWND parent) {
        ui::toolkit().setHostWindow(reinterpret_cast<ui::NativeWindow>(parent));
    }
    ~HostWindowScope() { ui::toolkit().setHostWindow(0); }
    HostWindowScope(const HostWindowScope&) = delete;
    HostWindowScope& operator=(const HostWindowScope&) = delete;
};

class Control final : public Embedding,
                      public IOleObject,
                      public IOleInPlaceObject,
                      public IOleInPlaceActiveObject,
                      public IOleControl,
                      public IViewObject2,
                      public IPersistStreamInit {
  public:
    explicit Control(Embeddable& object) : object_(object) {}
    ~Control() override = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    void* find(REFIID riid) override {
        if (riid == IID_IOleObject)
            return static_cast<IOleObject*>(this);
        if (riid == IID_IOleWindow || riid == IID_IOleInPlaceObject)
            return static_cast<IOleInPlaceObject*>(this);
        if (riid == IID_IOleInPlaceActiveObject)
            return static_cast<IOleInPlaceActiveObject*>(this);
        if (riid == IID_IOleControl)
            return static_cast<IOleControl*>(this);
        if (riid == IID_IViewObject || riid == IID_IViewObject2)
            return static_cast<IViewObject2*>(this);
        if (riid == IID_IPersist || riid == IID_IPersistStreamInit)
            return static_cast<IPersistStreamInit*>(this);
        return nullptr;
    }

    // IUnknown, for every interface: the object's own.
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
        return object_.outer().QueryInterface(riid, ppv);
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return object_.outer().AddRef(); }
    ULONG STDMETHODCALLTYPE Release() override { return object_.outer().Release(); }

    // IOleObject
    HRESULT STDMETHODCALLTYPE SetClientSite(IOleClientSite* site) override {
        site_ = site;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetClientSite(IOleClientSite** site) override {
        if (site == nullptr)
            return E_POINTER;
        *site = Ptr<IOleClientSite>(site_).detach();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE SetHostNames(LPCOLESTR, LPCOLESTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE Close(DWORD) override {
        const Ptr<IUnknown> keepAlive(&object_.outer());
        InPlaceDeactivate();
        if (adviseHolder_)
            adviseHolder_->SendOnClose();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE SetMoniker(DWORD, IMoniker*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetMoniker(DWORD, DWORD, IMoniker** moniker) override {
        if (moniker != nullptr)
            *moniker = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE InitFromData(IDataObject*, BOOL, DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetClipboardData(DWORD, IDataObject** data) override {
        if (data != nullptr)
            *data = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE DoVerb(LONG verb, LPMSG, IOleClientSite* activeSite, LONG, HWND,
                                     LPCRECT) override {
        const Ptr<IUnknown> keepAlive(&object_.outer());
        if (!site_ && activeSite != nullptr)
            site_ = activeSite;
        switch (verb) {
            case OLEIVERB_PRIMARY:
            case OLEIVERB_SHOW:
            case OLEIVERB_UIACTIVATE:
                return activate(true);
            case OLEIVERB_INPLACEACTIVATE:
                return activate(false);
            case OLEIVERB_HIDE:
                UIDeactivate();
                if (HWND window = handle(object_.window()))
                    ShowWindow(window, SW_HIDE);
                return S_OK;
            default:
                return verb < 0 ? E_NOTIMPL : OLEOBJ_S_INVALIDVERB;
        }
    }
    HRESULT STDMETHODCALLTYPE EnumVerbs(IEnumOLEVERB** verbs) override {
        return OleRegEnumVerbs(object_.classId(), verbs);
    }
    HRESULT STDMETHODCALLTYPE Update() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE IsUpToDate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE GetUserClassID(CLSID* clsid) override {
        if (clsid == nullptr)
            return E_POINTER;
        *clsid = object_.classId();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetUserType(DWORD form, LPOLESTR* name) override {
        return OleRegGetUserType(object_.classId(), form, name);
    }
    HRESULT STDMETHODCALLTYPE SetExtent(DWORD aspect, SIZEL* size) override {
        if (size == nullptr)
            return E_POINTER;
        if (aspect != DVASPECT_CONTENT)
            return DV_E_DVASPECT;
        extent_ = *size;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetExtent(DWORD aspect, SIZEL* size) override {
        if (size == nullptr)
            return E_POINTER;
        if (aspect != DVASPECT_CONTENT)
            return DV_E_DVASPECT;
        if (!extent_)
            extent_ = toHimetric(templatePixels(object_.windowTemplate()));
        *size = *extent_;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Advise(IAdviseSink* sink, DWORD* cookie) override {
        if (!adviseHolder_ && FAILED(CreateOleAdviseHolder(adviseHolder_.out())))
            return E_OUTOFMEMORY;
        return adviseHolder_->Advise(sink, cookie);
    }
    HRESULT STDMETHODCALLTYPE Unadvise(DWORD cookie) override {
        return adviseHolder_ ? adviseHolder_->Unadvise(cookie) : OLE_E_NOCONNECTION;
    }
    HRESULT STDMETHODCALLTYPE EnumAdvise(IEnumSTATDATA** advises) override {
        if (advises == nullptr)
            return E_POINTER;
        *advises = nullptr;
        return adviseHolder_ ? adviseHolder_->EnumAdvise(advises) : E_FAIL;
    }
    HRESULT STDMETHODCALLTYPE GetMiscStatus(DWORD aspect, DWORD* status) override {
        if (status == nullptr)
            return E_POINTER;
        *status = aspect == DVASPECT_CONTENT ? kMiscStatus : 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE SetColorScheme(LOGPALETTE*) override { return E_NOTIMPL; }

    // IOleWindow (of both in-place interfaces)
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override {
        if (window == nullptr)
            return E_POINTER;
        *window = handle(object_.window());
        return *window != nullptr ? S_OK : E_FAIL;
    }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

    // IOleInPlaceObject
    HRESULT STDMETHODCALLTYPE InPlaceDeactivate() override {
        if (!inPlace_)
            return S_OK;
        const Ptr<IUnknown> keepAlive(&object_.outer());
        UIDeactivate();
        inPlace_ = false;
        object_.closeWindow();
        if (inPlaceSite_)
            inPlaceSite_->OnInPlaceDeactivate();
        frame_.reset();
        document_.reset();
        inPlaceSite_.reset();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE UIDeactivate() override {
        if (!uiActive_)
            return S_OK;
        uiActive_ = false;
        if (document_)
            document_->SetActiveObject(nullptr, nullptr);
        if (frame_)
            frame_->SetActiveObject(nullptr, nullptr);
        if (inPlaceSite_)
            inPlaceSite_->OnUIDeactivate(FALSE);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE SetObjectRects(LPCRECT position, LPCRECT) override {
        if (position == nullptr)
            return E_POINTER;
        place(*position);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE ReactivateAndUndo() override { return INPLACE_E_NOTUNDOABLE; }

    // IOleInPlaceActiveObject
    HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG message) override {
        if (message == nullptr)
            return E_INVALIDARG;
        const std::optional<ui::Key> key = controlKey(message->message, message->wParam);
        if (!key)
            return S_FALSE;
        HWND window = handle(object_.window());
        if (window != nullptr && message->hwnd != window && !IsChild(window, message->hwnd))
            return S_FALSE;
        if (object_.translateKey(*key))
            return S_OK;
        // Tab moves through the dialog that holds the focused control, as in any dialog; the
        // other keys go on to the focused control itself.
        if (*key == ui::Key::Tab && window != nullptr) {
            HWND dialog = message->hwnd == window ? window : GetParent(message->hwnd);
            if (IsDialogMessageW(dialog, message))
                return S_OK;
        }
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE OnFrameWindowActivate(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnDocWindowActivate(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) override {
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE EnableModeless(BOOL) override { return S_OK; }

    // IOleControl: no mnemonics; the events fire whatever the container froze.
    HRESULT STDMETHODCALLTYPE GetControlInfo(CONTROLINFO* info) override {
        if (info == nullptr)
            return E_POINTER;
        info->hAccel = nullptr;
        info->cAccel = 0;
        info->dwFlags = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE OnMnemonic(MSG*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE OnAmbientPropertyChange(DISPID) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE FreezeEvents(BOOL) override { return S_OK; }

    // IViewObject2
    HRESULT STDMETHODCALLTYPE Draw(DWORD aspect, LONG, void*, DVTARGETDEVICE*, HDC, HDC dc,
                                   LPCRECTL bounds, LPCRECTL, BOOL(STDMETHODCALLTYPE*)(ULONG_PTR),
                                   ULONG_PTR) override {
        if (aspect != DVASPECT_CONTENT)
            return DV_E_DVASPECT;
        if (dc == nullptr || bounds == nullptr)
            return E_INVALIDARG;
        const RECT area{bounds->left, bounds->top, bounds->right, bounds->bottom};
        if (HWND window = handle(object_.window())) {
            // The window paints itself, children and all, onto the container's surface.
            const int saved = SaveDC(dc);
            SetViewportOrgEx(dc, area.left, area.top, nullptr);
            SendMessageW(window, WM_PRINT, reinterpret_cast<WPARAM>(dc),
                         PRF_NONCLIENT | PRF_CLIENT | PRF_CHILDREN | PRF_ERASEBKGND);
            RestoreDC(dc, saved);
        } else {
            // Not active (a container's design view): the form's background.
            HBRUSH brush = CreateSolidBrush(object_.background());
            FillRect(dc, &area, brush);
            DeleteObject(brush);
        }
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetColorSet(DWORD, LONG, void*, DVTARGETDEVICE*, HDC,
                                          LOGPALETTE** colours) override {
        if (colours != nullptr)
            *colours = nullptr;
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE Freeze(DWORD, LONG, void*, DWORD* freeze) override {
        if (freeze != nullptr)
            *freeze = 0;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Unfreeze(DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetAdvise(DWORD aspects, DWORD flags, IAdviseSink* sink) override {
        viewAspects_ = aspects;
        viewFlags_ = flags;
        viewSink_ = sink;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetAdvise(DWORD* aspects, DWORD* flags, IAdviseSink** sink) override {
        if (aspects != nullptr)
            *aspects = viewAspects_;
        if (flags != nullptr)
            *flags = viewFlags_;
        if (sink != nullptr)
            *sink = Ptr<IAdviseSink>(viewSink_).detach();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetExtent(DWORD aspect, LONG, DVTARGETDEVICE*,
                                        LPSIZEL size) override {
        return GetExtent(aspect, size);
    }

    // IPersistStreamInit: nothing kept in the container's stream.
    HRESULT STDMETHODCALLTYPE GetClassID(CLSID* clsid) override { return GetUserClassID(clsid); }
    HRESULT STDMETHODCALLTYPE IsDirty() override { return S_FALSE; }
    HRESULT STDMETHODCALLTYPE Load(LPSTREAM stream) override {
        return stream != nullptr ? S_OK : E_POINTER;
    }
    HRESULT STDMETHODCALLTYPE Save(LPSTREAM stream, BOOL) override {
        return stream != nullptr ? S_OK : E_POINTER;
    }
    HRESULT STDMETHODCALLTYPE GetSizeMax(ULARGE_INTEGER* size) override {
        if (size == nullptr)
            return E_POINTER;
        size->QuadPart = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE InitNew() override { return S_OK; }

  private:
    // In-place activation in the site's window, then UI activation when asked.
    HRESULT activate(bool uiActivate) {
        if (!site_)
            return E_UNEXPECTED;
        if (!inPlace_) {
            inPlaceSite_ = site_.as<IOleInPlaceSite>(IID_IOleInPlaceSite);
            if (!inPlaceSite_)
                return E_NOINTERFACE;
            if (inPlaceSite_->CanInPlaceActivate() != S_OK) {
                inPlaceSite_.reset();
                return E_FAIL;
            }
            inPlace_ = true;
            inPlaceSite_->OnInPlaceActivate();
            HWND parent = nullptr;
            inPlaceSite_->GetWindow(&parent);
            RECT position{};
            RECT clip{};
            OLEINPLACEFRAMEINFO frameInfo{};
            frameInfo.cb = sizeof frameInfo;
            inPlaceSite_->GetWindowContext(frame_.out(), document_.out(), &position, &clip,
                                           &frameInfo);
            {
                const HostWindowScope scope(parent);
                object_.openWindow();
            }
            place(position);
        }
        if (uiActivate && !uiActive_ && inPlaceSite_) {
            uiActive_ = true;
            inPlaceSite_->OnUIActivate();
            auto* active = static_cast<IOleInPlaceActiveObject*>(this);
            if (frame_)
                frame_->SetActiveObject(active, nullptr);
            if (document_)
                document_->SetActiveObject(active, nullptr);
            HWND window = handle(object_.window());
            HWND focus = GetFocus();
            if (window != nullptr && focus != window && !IsChild(window, focus))
                SetFocus(window);
        }
        return S_OK;
    }

    void place(const RECT& position) {
        if (HWND window = handle(object_.window())) {
            SetWindowPos(window, nullptr, position.left, position.top,
                         position.right - position.left, position.bottom - position.top,
                         SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }

    Embeddable& object_;
    Ptr<IOleClientSite> site_;
    Ptr<IOleInPlaceSite> inPlaceSite_;
    Ptr<IOleInPlaceFrame> frame_;
    Ptr<IOleInPlaceUIWindow> document_;
    Ptr<IOleAdviseHolder> adviseHolder_;
    Ptr<IAdviseSink> viewSink_;
    DWORD viewAspects_ = 0;
    DWORD viewFlags_ = 0;
    std::optional<SIZEL> extent_;
    bool inPlace_ = false;
    bool uiActive_ = false;
};

}  // namespace

std::unique_ptr<Embedding> embed(Embeddable& object) {
    return std::make_unique<Control>(object);
}

}  // namespace com
