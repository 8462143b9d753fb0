// The control interfaces a container drives, on every class of the module: one identity
// behind them all, the status the registry announces, the conversation of in-place and UI
// activation with the site, the keys the container passes first, the extent and persistence.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "platform/com/com.h"
#include "platform/com/com_ptr.h"
#include "platform/com/win32/control_keys.h"
#include "server/class_table.h"

namespace {

// A container's site that writes down what the control asks of it, in order.
class RecordingSite final : public IOleClientSite, public IOleInPlaceSite, public IOleInPlaceFrame {
  public:
    explicit RecordingSite(bool allowInPlace = true) : allowInPlace_(allowInPlace) {
        window_ = CreateWindowExW(0, L"STATIC", L"container", WS_OVERLAPPEDWINDOW, 0, 0, 800, 600,
                                  nullptr, nullptr, nullptr, nullptr);
    }
    ~RecordingSite() { DestroyWindow(window_); }

    std::vector<std::string> calls;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
        *out = nullptr;
        if (riid == IID_IUnknown || riid == IID_IOleClientSite)
            *out = static_cast<IOleClientSite*>(this);
        else if (riid == IID_IOleWindow || riid == IID_IOleInPlaceSite)
            *out = static_cast<IOleInPlaceSite*>(this);
        else if (riid == IID_IOleInPlaceUIWindow || riid == IID_IOleInPlaceFrame)
            *out = static_cast<IOleInPlaceFrame*>(this);
        return *out != nullptr ? S_OK : E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    // IOleClientSite
    HRESULT STDMETHODCALLTYPE SaveObject() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetMoniker(DWORD, DWORD, IMoniker**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetContainer(IOleContainer**) override { return E_NOINTERFACE; }
    HRESULT STDMETHODCALLTYPE ShowObject() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnShowWindow(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE RequestNewObjectLayout() override { return E_NOTIMPL; }

    // IOleWindow
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override {
        *window = window_;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

    // IOleInPlaceSite
    HRESULT STDMETHODCALLTYPE CanInPlaceActivate() override {
        calls.push_back("CanInPlaceActivate");
        return allowInPlace_ ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE OnInPlaceActivate() override {
        calls.push_back("OnInPlaceActivate");
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE OnUIActivate() override {
        calls.push_back("OnUIActivate");
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** doc,
                                               LPRECT position, LPRECT clip,
                                               LPOLEINPLACEFRAMEINFO) override {
        calls.push_back("GetWindowContext");
        AddRef();
        *frame = this;
        *doc = nullptr;
        *position = {10, 10, 410, 310};
        *clip = *position;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Scroll(SIZE) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE OnUIDeactivate(BOOL) override {
        calls.push_back("OnUIDeactivate");
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE OnInPlaceDeactivate() override {
        calls.push_back("OnInPlaceDeactivate");
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE DiscardUndoState() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE DeactivateAndUndo() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnPosRectChange(LPCRECT) override { return S_OK; }

    // IOleInPlaceFrame
    HRESULT STDMETHODCALLTYPE GetBorder(LPRECT) override { return INPLACE_E_NOTOOLSPACE; }
    HRESULT STDMETHODCALLTYPE RequestBorderSpace(LPCBORDERWIDTHS) override {
        return INPLACE_E_NOTOOLSPACE;
    }
    HRESULT STDMETHODCALLTYPE SetBorderSpace(LPCBORDERWIDTHS) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE SetActiveObject(IOleInPlaceActiveObject* object, LPCOLESTR) override {
        calls.push_back(object != nullptr ? "SetActiveObject" : "SetActiveObject(none)");
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
    bool allowInPlace_;
    HWND window_ = nullptr;
};

com::Ptr<IUnknown> create(const server::ClassEntry& entry) {
    com::Ptr<IUnknown> object;
    EXPECT_EQ(entry.create(IID_IUnknown, reinterpret_cast<void**>(object.out())), S_OK);
    return object;
}

template <class I>
com::Ptr<I> as(const com::Ptr<IUnknown>& object, REFIID iid) {
    com::Ptr<I> itf = object.as<I>(iid);
    EXPECT_TRUE(itf) << "an interface of the control is missing";
    return itf;
}

// The status the registry script announces under MiscStatus for the content aspect.
DWORD announcedMiscStatus() {
    std::ifstream in(FAREWRIGHT_SOURCE_DIR "/resources/registry.rgs.in");
    std::stringstream text;
    text << in.rdbuf();
    std::smatch match;
    const std::string script = text.str();
    if (!std::regex_search(script, match,
                           std::regex(R"('MiscStatus' = s '0'\s*\{\s*'1' = s '(\d+)')")))
        return 0;
    return static_cast<DWORD>(std::stoul(match[1]));
}

TEST(Embedding, EveryControlInterfaceLeadsBackToTheOneObject) {
    const IID control[] = {IID_IOleObject,         IID_IOleWindow,
                           IID_IOleInPlaceObject,  IID_IOleInPlaceActiveObject,
                           IID_IOleControl,        IID_IViewObject,
                           IID_IViewObject2,       IID_IPersist,
                           IID_IPersistStreamInit, IID_IProvideClassInfo2};
    for (const server::ClassEntry& entry : server::classTable()) {
        SCOPED_TRACE(std::string(entry.name));
        const com::Ptr<IUnknown> object = create(entry);
        for (const IID& iid : control) {
            com::Ptr<IUnknown> itf = object.as<IUnknown>(iid);
            ASSERT_TRUE(itf);
            EXPECT_EQ(itf.as<IUnknown>(IID_IUnknown).get(), object.get());
            EXPECT_TRUE(itf.as<IUnknown>(entry.iid)) << "back to the automation interface";
        }
    }
}

TEST(Embedding, MiscStatusIsWhatTheRegistryAnnounces) {
    const DWORD announced = announcedMiscStatus();
    ASSERT_NE(announced, 0u);
    for (const server::ClassEntry& entry : server::classTable()) {
        SCOPED_TRACE(std::string(entry.name));
        const auto object = as<IOleObject>(create(entry), IID_IOleObject);
        DWORD status = 1;
        EXPECT_EQ(object->GetMiscStatus(DVASPECT_CONTENT, &status), S_OK);
        EXPECT_EQ(status, announced);
        EXPECT_EQ(object->GetMiscStatus(DVASPECT_ICON, &status), S_OK);
        EXPECT_EQ(status, 0u) << "the registry's default for the other aspects";
        CLSID clsid{};
        EXPECT_EQ(object->GetUserClassID(&clsid), S_OK);
        EXPECT_TRUE(clsid == entry.clsid);
        const auto persist = as<IPersistStreamInit>(create(entry), IID_IPersistStreamInit);
        EXPECT_EQ(persist->GetClassID(&clsid), S_OK);
        EXPECT_TRUE(clsid == entry.clsid);
    }
}

TEST(Embedding, ActivationTalksToTheSiteInOrderAndCloseUndoesIt) {
    for (const server::ClassEntry& entry : server::classTable()) {
        SCOPED_TRACE(std::string(entry.name));
        const com::Ptr<IUnknown> mask = create(entry);
        const auto object = as<IOleObject>(mask, IID_IOleObject);
        RecordingSite site;
        EXPECT_EQ(object->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, nullptr, 0, nullptr, nullptr),
                  E_UNEXPECTED)
            << "no client site at all";
        ASSERT_EQ(object->SetClientSite(&site), S_OK);
        EXPECT_EQ(object->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, &site, 0, nullptr, nullptr),
                  S_OK);
        EXPECT_EQ(object->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, &site, 0, nullptr, nullptr),
                  S_OK)
            << "twice is once";
        EXPECT_EQ(object->DoVerb(OLEIVERB_UIACTIVATE, nullptr, &site, 0, nullptr, nullptr), S_OK);
        EXPECT_EQ(object->Close(OLECLOSE_NOSAVE), S_OK);
        EXPECT_EQ(object->Close(OLECLOSE_NOSAVE), S_OK) << "closing a closed control";
        const std::vector<std::string> expected = {"CanInPlaceActivate", "OnInPlaceActivate",
                                                   "GetWindowContext",   "OnUIActivate",
                                                   "SetActiveObject",    "SetActiveObject(none)",
                                                   "OnUIDeactivate",     "OnInPlaceDeactivate"};
        EXPECT_EQ(site.calls, expected);
        EXPECT_EQ(object->SetClientSite(nullptr), S_OK);
    }
}

TEST(Embedding, ASiteThatRefusesInPlaceActivationGetsNoWindow) {
    const com::Ptr<IUnknown> mask = create(server::classTable().front());
    const auto object = as<IOleObject>(mask, IID_IOleObject);
    RecordingSite site(false);
    object->SetClientSite(&site);
    EXPECT_EQ(object->DoVerb(OLEIVERB_SHOW, nullptr, &site, 0, nullptr, nullptr), E_FAIL);
    EXPECT_EQ(site.calls, std::vector<std::string>{"CanInPlaceActivate"});
    EXPECT_EQ(object->DoVerb(7, nullptr, &site, 0, nullptr, nullptr), OLEOBJ_S_INVALIDVERB);
    object->Close(OLECLOSE_NOSAVE);
    EXPECT_EQ(site.calls, std::vector<std::string>{"CanInPlaceActivate"}) << "nothing to undo";
    object->SetClientSite(nullptr);
}

TEST(Embedding, KeyMessagesStandForTheFiveControlKeys) {
    struct Case {
        UINT message;
        WPARAM key;
        std::optional<ui::Key> expected;
    };
    const Case cases[] = {
        {WM_KEYDOWN, VK_RETURN, ui::Key::Enter}, {WM_SYSKEYDOWN, VK_UP, ui::Key::AltUp},
        {WM_KEYDOWN, VK_F1, ui::Key::F1},        {WM_KEYDOWN, VK_TAB, ui::Key::Tab},
        {WM_KEYDOWN, VK_SPACE, ui::Key::Space},  {WM_KEYDOWN, VK_UP, std::nullopt},
        {WM_KEYUP, VK_RETURN, std::nullopt},     {WM_SYSKEYDOWN, VK_RETURN, std::nullopt},
        {WM_CHAR, L'\r', std::nullopt},          {WM_KEYDOWN, 'A', std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.message << " " << c.key);
        EXPECT_EQ(com::controlKey(c.message, c.key), c.expected);
    }
}

TEST(Embedding, TheActiveFormTakesEnterAndAltUpWhereItAnswersThem) {
    struct Case {
        const char* mask;
        UINT message;
        WPARAM key;
        HRESULT expected;
    };
    // Alt+Up runs Recall (with nothing saved, a Recall shows nothing); Enter would run a Send.
    const Case cases[] = {
        {"IssManualVoidTkt", WM_SYSKEYDOWN, VK_UP, S_OK},
        {"IssLogTkt", WM_SYSKEYDOWN, VK_UP, S_OK},
        {"TicketingReIssuance", WM_SYSKEYDOWN, VK_UP, S_OK},
        {"IssManualVoidTkt", WM_KEYDOWN, 'A', S_FALSE},
        {"IssManualVoidTkt", WM_KEYUP, VK_RETURN, S_FALSE},
        {"Skyfolio", WM_KEYDOWN, VK_RETURN, S_FALSE},
        {"Skyfolio", WM_SYSKEYDOWN, VK_UP, S_FALSE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.mask << " " << c.message << " " << c.key);
        const server::ClassEntry* entry = server::findClassByName(server::classTable(), c.mask);
        ASSERT_NE(entry, nullptr);
        const com::Ptr<IUnknown> mask = create(*entry);
        const auto object = as<IOleObject>(mask, IID_IOleObject);
        RecordingSite site;
        object->SetClientSite(&site);
        ASSERT_EQ(object->DoVerb(OLEIVERB_UIACTIVATE, nullptr, &site, 0, nullptr, nullptr), S_OK);
        const auto active = as<IOleInPlaceActiveObject>(mask, IID_IOleInPlaceActiveObject);
        HWND window = nullptr;
        active->GetWindow(&window);
        MSG message{window, c.message, c.key, 0, 0, {0, 0}};
        EXPECT_EQ(active->TranslateAccelerator(&message), c.expected);
        EXPECT_EQ(active->TranslateAccelerator(nullptr), E_INVALIDARG);
        object->Close(OLECLOSE_NOSAVE);
        object->SetClientSite(nullptr);
    }
}

TEST(Embedding, TheExtentIsTheFormsUntilTheContainerSetsOne) {
    for (const server::ClassEntry& entry : server::classTable()) {
        SCOPED_TRACE(std::string(entry.name));
        const com::Ptr<IUnknown> mask = create(entry);
        const auto object = as<IOleObject>(mask, IID_IOleObject);
        const auto view = as<IViewObject2>(mask, IID_IViewObject2);
        SIZEL natural{};
        ASSERT_EQ(object->GetExtent(DVASPECT_CONTENT, &natural), S_OK);
        EXPECT_GT(natural.cx, 1000) << "a form is more than a centimetre wide";
        EXPECT_GT(natural.cy, 1000);
        SIZEL seen{};
        EXPECT_EQ(view->GetExtent(DVASPECT_CONTENT, -1, nullptr, &seen), S_OK);
        EXPECT_EQ(seen.cx, natural.cx);
        SIZEL set{5000, 4000};
        EXPECT_EQ(object->SetExtent(DVASPECT_CONTENT, &set), S_OK);
        EXPECT_EQ(object->GetExtent(DVASPECT_CONTENT, &seen), S_OK);
        EXPECT_EQ(seen.cx, 5000);
        EXPECT_EQ(seen.cy, 4000);
        EXPECT_EQ(object->SetExtent(DVASPECT_ICON, &set), DV_E_DVASPECT);
        EXPECT_EQ(object->GetExtent(DVASPECT_ICON, &seen), DV_E_DVASPECT);
    }
}

}  // namespace
