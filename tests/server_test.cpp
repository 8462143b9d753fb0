// The component server: class objects, instance creation, unloading and registration.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "framework/class_ids.h"
#include "framework/mask_interface.h"
#include "framework/object_count.h"
#include "platform/com/com_ptr.h"
#include "server/class_objects.h"
#include "server/class_table.h"
#include "server/create_by_name.h"
#include "server/entry_points.h"
#include "tests/support/com_fakes.h"
#include "tests/support/mask_harness.h"

namespace {

using testing_support::CountedUnknown;

// {3E9C1D20-7A44-4B5B-8C61-0F2A9D7E5B31}
constexpr CLSID kStandInClass = {
    0x3E9C1D20, 0x7A44, 0x4B5B, {0x8C, 0x61, 0x0F, 0x2A, 0x9D, 0x7E, 0x5B, 0x31}};
// {3E9C1D21-7A44-4B5B-8C61-0F2A9D7E5B31}
constexpr CLSID kUnbuiltClass = {
    0x3E9C1D21, 0x7A44, 0x4B5B, {0x8C, 0x61, 0x0F, 0x2A, 0x9D, 0x7E, 0x5B, 0x31}};

int g_created = 0;

template <class T>
void** slot(com::Ptr<T>& p) {
    return reinterpret_cast<void**>(p.out());
}

// An object that keeps the module loaded while it lives, as every mask does.
class LockingObject final : public testing_support::Counted<com::Implements<IUnknown>> {
    framework::ModuleLock lock_;
};

HRESULT createLockingObject(REFIID riid, void** ppv) {
    ++g_created;
    auto* object = new LockingObject;
    const HRESULT hr = object->QueryInterface(riid, ppv);
    object->Release();
    return hr;
}

const server::ClassEntry kStandInTable[] = {
    {"StandIn", kStandInClass, IID_IUnknown, IID_IDispatch, 1, 2, createLockingObject},
    {"Unbuilt", kUnbuiltClass, IID_IUnknown, IID_IDispatch, 3, 4, nullptr},
};

TEST(ServerClassObjects, OneFactoryPerClassRefusalsClearTheOutPointerAndUnloadWaits) {
    ASSERT_EQ(DllCanUnloadNow(), S_OK);
    com::Ptr<IClassFactory> first, second;
    ASSERT_EQ(DllGetClassObject(ids::CLSID_IssManualVoidTkt, IID_IClassFactory, slot(first)), S_OK);
    ASSERT_EQ(DllGetClassObject(ids::CLSID_IssManualVoidTkt, IID_IUnknown, slot(second)), S_OK);
    EXPECT_EQ(static_cast<IUnknown*>(first.get()), static_cast<IUnknown*>(second.get()));

    server::ClassObjects objects(kStandInTable);
    com::Ptr<IClassFactory> factory, again;
    ASSERT_EQ(objects.get(kStandInClass, IID_IClassFactory, slot(factory)), S_OK);
    ASSERT_EQ(objects.get(kStandInClass, IID_IClassFactory, slot(again)), S_OK);
    EXPECT_EQ(factory.get(), again.get());

    const int before = g_created;
    auto* outer = new CountedUnknown;
    const struct {
        const char* what;
        std::function<HRESULT(void**)> request;
        HRESULT hr;
    } cases[] = {
        {"unknown class",
         [](void** out) { return DllGetClassObject(kStandInClass, IID_IClassFactory, out); },
         CLASS_E_CLASSNOTAVAILABLE},
        {"not a factory interface",
         [](void** out) {
             return DllGetClassObject(ids::CLSID_IssManualVoidTkt, IID_IDispatch, out);
         },
         E_NOINTERFACE},
        {"class without a creator",
         [&](void** out) { return objects.get(kUnbuiltClass, IID_IClassFactory, out); },
         CLASS_E_CLASSNOTAVAILABLE},
        {"aggregation",
         [&](void** out) { return factory->CreateInstance(outer, IID_IUnknown, out); },
         CLASS_E_NOAGGREGATION},
        {"interface the object lacks",
         [&](void** out) { return factory->CreateInstance(nullptr, IID_IDispatch, out); },
         E_NOINTERFACE},
        {"mask name in another case",
         [](void** out) { return server::CreateMaskByName("issmanualvoidtkt", IID_IUnknown, out); },
         CLASS_E_CLASSNOTAVAILABLE},
    };
    for (const auto& c : cases) {
        void* out = &g_created;  // anything but null
        EXPECT_EQ(c.request(&out), c.hr) << c.what;
        EXPECT_EQ(out, nullptr) << c.what;
    }
    EXPECT_EQ(g_created, before + 1) << "nothing is created for an aggregate";
    EXPECT_EQ(outer->refs(), 1u);
    outer->Release();
    EXPECT_EQ(DllGetClassObject(ids::CLSID_IssManualVoidTkt, IID_IClassFactory, nullptr),
              E_POINTER);
    EXPECT_EQ(factory->CreateInstance(nullptr, IID_IUnknown, nullptr), E_POINTER);
    EXPECT_EQ(DllCanUnloadNow(), S_OK) << "a cached factory does not hold the module";

    com::Ptr<IUnknown> object;
    ASSERT_EQ(factory->CreateInstance(nullptr, IID_IUnknown, slot(object)), S_OK);
    EXPECT_EQ(DllCanUnloadNow(), S_FALSE);
    object.reset();
    EXPECT_EQ(DllCanUnloadNow(), S_OK);
    testing_support::TempHome home;
    com::Ptr<framework::IZenkorMask> mask;
    ASSERT_EQ(server::CreateMaskByName("IssManualVoidTkt", ids::IID_IIssManualVoidTkt, slot(mask)),
              S_OK);
    EXPECT_EQ(DllCanUnloadNow(), S_FALSE) << "a mask made by name holds the module";
    mask.reset();
    EXPECT_EQ(DllCanUnloadNow(), S_OK);

    EXPECT_EQ(factory->LockServer(TRUE), S_OK);
    EXPECT_EQ(DllCanUnloadNow(), S_FALSE);
    EXPECT_EQ(factory->LockServer(FALSE), S_OK);
    EXPECT_EQ(DllCanUnloadNow(), S_OK);

    // An unlock without a lock must not hide a live object from the count.
    ASSERT_EQ(factory->CreateInstance(nullptr, IID_IUnknown, slot(object)), S_OK);
    EXPECT_EQ(factory->LockServer(FALSE), E_UNEXPECTED);
    EXPECT_EQ(DllCanUnloadNow(), S_FALSE);
    object.reset();
    EXPECT_EQ(DllCanUnloadNow(), S_OK);
}

TEST(ServerRegistration, WritesEveryClassAndRemovesOnlyItsOwn) {
#if defined(_WIN32)
    GTEST_SKIP() << "Linux only: on Windows the classes go to the system's registry, which "
                    "tools/windows-check.sh registers and holds against the registry scripts";
#endif
    testing_support::TempHome home;
    const std::string foreign = "[HKEY_CLASSES_ROOT\\Other.Thing.1]\n@=Other Thing\n";
    home.write("registry.ini", foreign);

    ASSERT_EQ(DllRegisterServer(), S_OK);
    const std::string registered = home.read("registry.ini");
    const std::string root = "[HKEY_CLASSES_ROOT\\", progId = "Farewright.IssManualVoidTkt";
    const std::string clsid = root + "CLSID\\{1CC0FCE1-1BF5-4695-81AC-9510E354F468}\\";
    const std::string expectedLines[] = {
        root + progId + ".1]\n@=IssManualVoidTkt Class\n",
        root + progId + "\\CurVer]\n@=" + progId + ".1\n",
        clsid + "VersionIndependentProgID]\n@=" + progId + "\n",
        clsid + "MiscStatus\\1]\n@=131473\n",
        clsid + "TypeLib]\n@={9F16BFD3-B5C8-4C10-BD72-A83EF17C118B}\n",
        clsid + "Programmable]\n",
        root + "Farewright.IssBSPDamagedTkt.1]\n@=IssBSPDamagedTkt Class\n",
        root + "Farewright.Skyfolio]\n@=Skyfolio Class\n",
        ", 117\n",
        foreign,
    };
    for (const std::string& line : expectedLines) {
        EXPECT_NE(registered.find(line), std::string::npos) << "missing:\n" << line;
    }

    ASSERT_EQ(DllRegisterServer(), S_OK);
    EXPECT_EQ(home.read("registry.ini"), registered) << "registering again changes nothing";

    ASSERT_EQ(DllUnregisterServer(), S_OK);
    EXPECT_EQ(home.read("registry.ini"), foreign);
    EXPECT_EQ(DllUnregisterServer(), S_OK) << "nothing left to remove";
}

}  // namespace
