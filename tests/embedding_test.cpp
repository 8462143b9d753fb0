// The control interfaces a container drives, on every class of the module: one identity
// behind them all, the status the registry announces, the conversation of in-place and UI
// activation with the site, and the keys the container passes first. (tests/windows/ embeds
// the registered masks in real windows and types into them.)
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "platform/com/com.h"
#include "platform/com/com_ptr.h"
#include "server/class_table.h"
#include "tests/windows/container.h"

namespace {

com::Ptr<IUnknown> create(const server::ClassEntry& entry) {
    // The log-ticket form reads the installation's market configuration as it opens.
    static const bool homeReady = [] {
        const wchar_t* home = _wgetenv(L"QUORVEX_HOME");
        if (home != nullptr)
            container::prepareHome(home);
        return true;
    }();
    (void)homeReady;
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

TEST(Embedding, EveryControlInterfaceLeadsBackToTheObjectThatAnnouncesTheRegistrysStatus) {
    const IID control[] = {IID_IOleObject,         IID_IOleWindow,
                           IID_IOleInPlaceObject,  IID_IOleInPlaceActiveObject,
                           IID_IOleControl,        IID_IViewObject,
                           IID_IViewObject2,       IID_IPersist,
                           IID_IPersistStreamInit, IID_IProvideClassInfo2};
    const DWORD announced = announcedMiscStatus();
    ASSERT_NE(announced, 0u);
    for (const server::ClassEntry& entry : server::classTable()) {
        SCOPED_TRACE(std::string(entry.name));
        const com::Ptr<IUnknown> object = create(entry);
        for (const IID& iid : control) {
            com::Ptr<IUnknown> itf = object.as<IUnknown>(iid);
            ASSERT_TRUE(itf);
            EXPECT_EQ(itf.as<IUnknown>(IID_IUnknown).get(), object.get());
            EXPECT_TRUE(itf.as<IUnknown>(entry.iid)) << "back to the automation interface";
        }
        const auto ole = as<IOleObject>(object, IID_IOleObject);
        DWORD status = 1;
        EXPECT_EQ(ole->GetMiscStatus(DVASPECT_CONTENT, &status), S_OK);
        EXPECT_EQ(status, announced);
        EXPECT_EQ(ole->GetMiscStatus(DVASPECT_ICON, &status), S_OK);
        EXPECT_EQ(status, 0u) << "the registry's default for the other aspects";
        CLSID clsid{};
        EXPECT_EQ(as<IPersistStreamInit>(object, IID_IPersistStreamInit)->GetClassID(&clsid), S_OK);
        EXPECT_TRUE(clsid == entry.clsid);
    }
}

TEST(Embedding, ActivationTalksToTheSiteInOrderAndCloseUndoesIt) {
    for (const server::ClassEntry& entry : server::classTable()) {
        SCOPED_TRACE(std::string(entry.name));
        const com::Ptr<IUnknown> mask = create(entry);
        const auto object = as<IOleObject>(mask, IID_IOleObject);
        container::Site site(L"container", false);
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
        container::Site site(L"container", false);
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

}  // namespace
