// The choosers' outside controls on real windows: a control that is not registered is no
// control (the chooser then logs and closes), and a registered one is activated in place over
// its placeholder, reached by name and advised on its default source. A mask of ours stands in
// for a registered outside control: it has the control interfaces and a source, and none of the
// outside controls' methods.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/com/bstr.h"
#include "platform/com/win32/outside_site.h"
#include "server/class_factory.h"
#include "server/class_table.h"
#include "tests/support/com_fakes.h"

namespace {

constexpr const wchar_t* kTestProgId = L"Farewright.Test.OutsideControl";

class OutsideSite : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
        dialog_ = CreateWindowExW(0, L"STATIC", L"chooser", WS_OVERLAPPEDWINDOW, 0, 0, 600, 500,
                                  nullptr, nullptr, nullptr, nullptr);
        placeholder_ = CreateWindowExW(0, L"STATIC", L"Encoder", WS_CHILD | WS_VISIBLE, 6, 6, 436,
                                       427, dialog_, nullptr, nullptr, nullptr);
        if (placeholder_ == nullptr)
            GTEST_SKIP() << "no display to make windows on";
    }
    void TearDown() override {
        DestroyWindow(dialog_);
        OleUninitialize();
    }

    // Registers a mask class under the test ProgID: the name in the registry while the test
    // runs, the class object in this process only.
    void registerStandIn() {
        const server::ClassEntry& entry = server::classTable().back();
        factory_ = server::ClassFactory::create(entry.create);
        ASSERT_EQ(CoRegisterClassObject(entry.clsid, factory_.get(), CLSCTX_INPROC_SERVER,
                                        REGCLS_MULTIPLEUSE, &cookie_),
                  S_OK);
        wchar_t clsid[64];
        StringFromGUID2(entry.clsid, clsid, 64);
        const std::wstring key = std::wstring(kTestProgId) + L"\\CLSID";
        ASSERT_EQ(RegSetKeyValueW(HKEY_CLASSES_ROOT, key.c_str(), nullptr, REG_SZ, clsid,
                                  static_cast<DWORD>((wcslen(clsid) + 1) * sizeof(wchar_t))),
                  ERROR_SUCCESS);
        registered_ = true;
    }
    ~OutsideSite() override {
        if (registered_) {
            RegDeleteTreeW(HKEY_CLASSES_ROOT, kTestProgId);
            CoRevokeClassObject(cookie_);
        }
    }

    HWND dialog_ = nullptr;
    HWND placeholder_ = nullptr;

  private:
    com::Ptr<IClassFactory> factory_;
    DWORD cookie_ = 0;
    bool registered_ = false;
};

TEST_F(OutsideSite, AControlThatIsNotRegisteredIsNoControl) {
    struct Case {
        const char* what;
        const wchar_t* progId;
        bool placeholder;
    };
    const Case cases[] = {
        {"the encoder on a clean system", com::kEncoderProgId, true},
        {"the calendar on a clean system", com::kCalendarProgId, true},
        {"a name that is no ProgID", L"no such control", true},
        {"no placeholder to go over", com::kEncoderProgId, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        HWND placeholder = c.placeholder ? placeholder_ : nullptr;
        EXPECT_EQ(com::hostEncoder(placeholder, c.progId), nullptr);
        EXPECT_EQ(com::hostCalendar(placeholder, c.progId), nullptr);
        EXPECT_TRUE(IsWindowVisible(placeholder_) || !IsWindowVisible(dialog_));
    }
}

TEST_F(OutsideSite, ARegisteredControlIsActivatedOverItsPlaceholderAndAdvised) {
    registerStandIn();
    ShowWindow(dialog_, SW_SHOW);
    auto encoder = com::hostEncoder(placeholder_, kTestProgId);
    ASSERT_NE(encoder, nullptr);
    EXPECT_FALSE(IsWindowVisible(placeholder_)) << "the control shows in its place";

    // Methods the control lacks fail, and say so; nothing half-filled comes back.
    const com::Bstr list(u"USD EUR");
    EXPECT_EQ(encoder->SetCodeList(list.get()), DISP_E_UNKNOWNNAME);
    BSTR second = SysAllocString(L"stale");
    SysFreeString(second);
    EXPECT_EQ(encoder->GetSecondText(&second), DISP_E_UNKNOWNNAME);
    EXPECT_EQ(second, nullptr);
    EXPECT_EQ(encoder->GetSecondText(nullptr), E_POINTER);

    // The sink is advised on the control's source once at a time.
    std::vector<testing_support::InvokeCall> calls;
    const auto sink = testing_support::RecordingSink::create("chooser", calls);
    EXPECT_EQ(encoder->Advise(nullptr), E_POINTER);
    EXPECT_EQ(encoder->Advise(sink.get()), S_OK);
    EXPECT_EQ(encoder->Advise(sink.get()), S_OK) << "a second Advise replaces the first";
    EXPECT_EQ(encoder->Unadvise(), S_OK);
    EXPECT_EQ(encoder->Unadvise(), CONNECT_E_NOCONNECTION);

    auto calendar = com::hostCalendar(placeholder_, kTestProgId);
    ASSERT_NE(calendar, nullptr);
    SHORT day = 7;
    EXPECT_EQ(calendar->GetDay(&day), DISP_E_UNKNOWNNAME);
    EXPECT_EQ(day, 0);
    EXPECT_EQ(calendar->Start(), DISP_E_UNKNOWNNAME);
    EXPECT_EQ(calendar->Advise(sink.get()), S_OK);
    calendar.reset();  // unadvises and closes the control with the chooser
    encoder.reset();
}

}  // namespace
