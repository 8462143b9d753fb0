// Automation strings and variants of the COM-compatible layer, and the IUnknown protocol of
// every kind of object the module hands out.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "framework/mask_interface.h"
#include "framework/object_count.h"
#include "host/event_sink.h"
#include "platform/com/bstr.h"
#include "platform/com/com.h"
#include "server/class_table.h"
#include "server/create_by_name.h"
#include "server/entry_points.h"
#include "tests/support/com_fakes.h"
#include "tests/support/mask_harness.h"
#include "widgets/event_sink.h"

namespace {

std::uint32_t bytePrefix(BSTR s) {
    std::uint32_t prefix = 0;
    std::memcpy(&prefix, reinterpret_cast<const unsigned char*>(s) - sizeof prefix, sizeof prefix);
    return prefix;
}

TEST(AutomationString, LengthPrefixTerminatorNullsAndAbsurdLengths) {
    const std::u16string embeddedNul(u"AB\0CD", 5);
    struct Case {
        const char* what;
        com::Bstr s;
        std::u16string text;
    };
    const Case cases[] = {
        {"empty", com::Bstr(u""), u""},
        {"embedded NUL", com::Bstr(embeddedNul), embeddedNul},
        {"non-ASCII", com::Bstr(u"\u00A5\u20AC"), u"\u00A5\u20AC"},
        {"a C string stops at the first NUL", com::Bstr::attach(SysAllocString(OLESTR("AB\0CD"))),
         u"AB"},
        {"a null source with a length reserves that many zeroed characters",
         com::Bstr::attach(SysAllocStringLen(nullptr, 4)), std::u16string(4, u'\0')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_NE(c.s.get(), nullptr);
        EXPECT_EQ(SysStringLen(c.s.get()), c.text.size());
        EXPECT_EQ(bytePrefix(c.s.get()), c.text.size() * 2);
        EXPECT_EQ(c.s.get()[c.text.size()], 0) << "terminating NUL";
        EXPECT_EQ(c.s.view(), c.text);
    }

    EXPECT_EQ(SysAllocString(nullptr), nullptr);
    EXPECT_EQ(SysStringLen(nullptr), 0u);
    SysFreeString(nullptr);  // no effect, no crash
    EXPECT_TRUE(com::Bstr::view(nullptr).empty());
    EXPECT_EQ(SysAllocStringLen(OLESTR("x"), (1u << 30) + 1), nullptr);
    EXPECT_EQ(SysAllocStringLen(nullptr, 0xFFFFFFFFu), nullptr);
}

TEST(Variant, ClearFreesWhatItOwnsAndEmpties) {
    VARIANT v;
    VariantInit(&v);
    EXPECT_EQ(v.vt, VT_EMPTY);

    v.vt = VT_BSTR;
    v.bstrVal = SysAllocString(OLESTR("TEXT"));  // leaks under the sanitizer unless cleared
    EXPECT_EQ(VariantClear(&v), S_OK);
    EXPECT_EQ(v.vt, VT_EMPTY);

    bool destroyed = false;
    auto* unknown = new testing_support::CountedUnknown(&destroyed);
    v.vt = VT_UNKNOWN;
    v.punkVal = unknown;
    EXPECT_EQ(VariantClear(&v), S_OK);
    EXPECT_TRUE(destroyed) << "the variant's reference is released";
    EXPECT_EQ(v.vt, VT_EMPTY);
    v.vt = VT_DISPATCH;
    v.pdispVal = nullptr;
    EXPECT_EQ(VariantClear(&v), S_OK) << "a null interface is fine";

    // A reference belongs to its owner.
    com::Bstr owned(u"MINE");
    BSTR raw = owned.get();
    v.vt = VT_BSTR | VT_BYREF;
    v.pbstrVal = &raw;
    EXPECT_EQ(VariantClear(&v), S_OK);
    EXPECT_EQ(v.vt, VT_EMPTY);
    EXPECT_EQ(owned.view(), u"MINE");
#if !defined(_WIN32)  // the system's own VariantClear takes no null
    EXPECT_EQ(VariantClear(nullptr), E_INVALIDARG);
#endif
}

// ---- the IUnknown protocol ----

// How a test tells that a pointer really is the interface it was asked for: a call beyond
// IUnknown with a known answer.
enum class Speaks { Dispatch, Container, View, Factory, ConnectionPoint, ClassInfo, Enumeration };

bool speaks(Speaks how, void* itf) {
    switch (how) {
        case Speaks::Dispatch: {
            UINT count = 7;
            return static_cast<IDispatch*>(itf)->GetTypeInfoCount(&count) == S_OK && count == 0;
        }
        case Speaks::Container: {
            IConnectionPoint* point = nullptr;
            return static_cast<IConnectionPointContainer*>(itf)->FindConnectionPoint(
                       IID_NULL, &point) == CONNECT_E_NOCONNECTION;
        }
        case Speaks::View:  // a mask without a form
            return static_cast<framework::IZenkorMaskView*>(itf)->Deactivate() == S_OK;
        case Speaks::Factory:  // an unlock without a lock
            return static_cast<IClassFactory*>(itf)->LockServer(FALSE) == E_UNEXPECTED;
        case Speaks::ClassInfo: {
            GUID source = GUID_NULL;
            return static_cast<IProvideClassInfo2*>(itf)->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID,
                                                                  &source) == S_OK &&
                   !(source == GUID_NULL);
        }
        case Speaks::Enumeration:
            return static_cast<IEnumConnectionPoints*>(itf)->Skip(0) == S_OK;
        case Speaks::ConnectionPoint: {
            IID iid = IID_NULL;
            return static_cast<IConnectionPoint*>(itf)->GetConnectionInterface(&iid) == S_OK &&
                   !(iid == IID_NULL);
        }
    }
    return false;
}

struct Answer {
    IID iid;
    Speaks how;
};

// One object under test: an interface pointer of it, and the object whose count its
// references raise (itself, or the mask a connection point lives in).
struct Made {
    com::Ptr<IUnknown> object;
    com::Ptr<IUnknown> counter;
};

struct ObjectKind {
    std::string name;
    std::function<Made()> make;
    std::vector<Answer> answers;  // besides IID_IUnknown
};

ULONG count(IUnknown* object) {
    object->AddRef();
    return object->Release();
}

com::Ptr<IUnknown> mask(const server::ClassEntry& entry) {
    com::Ptr<IUnknown> object;
    EXPECT_EQ(
        server::CreateMaskByName(entry.name, IID_IUnknown, reinterpret_cast<void**>(object.out())),
        S_OK);
    return object;
}

class Silent final : public widgets::EventTarget {
  public:
    HRESULT onEvent(DISPID, const DISPPARAMS&) override { return S_OK; }
};

// An object whose references raise its own count.
Made itself(com::Ptr<IUnknown> object) {
    return Made{object, object};
}

com::Ptr<IConnectionPointContainer> points(const server::ClassEntry& entry) {
    return mask(entry).as<IConnectionPointContainer>(IID_IConnectionPointContainer);
}

std::vector<ObjectKind> objectKinds() {
    std::vector<ObjectKind> kinds;
    for (const server::ClassEntry& e : server::classTable()) {
        if (e.create == nullptr)
            continue;
        const std::string name(e.name);
        kinds.push_back({"mask " + name,
                         [&e] { return itself(mask(e)); },
                         {{IID_IDispatch, Speaks::Dispatch},
                          {e.iid, Speaks::Dispatch},
                          {IID_IConnectionPointContainer, Speaks::Container},
                          {IID_IProvideClassInfo, Speaks::ClassInfo},
                          {IID_IProvideClassInfo2, Speaks::ClassInfo},
                          {framework::IID_IZenkorMaskView, Speaks::View}}});
        kinds.push_back({"connection points of " + name,
                         [&e] {
                             // The enumeration keeps the mask while it lives.
                             com::Ptr<IEnumConnectionPoints> all;
                             points(e)->EnumConnectionPoints(all.out());
                             return itself(all.get());
                         },
                         {{IID_IEnumConnectionPoints, Speaks::Enumeration}}});
        kinds.push_back({"connection point of " + name,
                         [&e] {
                             const com::Ptr<IConnectionPointContainer> container = points(e);
                             com::Ptr<IConnectionPoint> point;
                             container->FindConnectionPoint(e.diid, point.out());
                             return Made{point.get(), container.get()};
                         },
                         {{IID_IConnectionPoint, Speaks::ConnectionPoint}}});
        kinds.push_back({"class factory of " + name,
                         [&e] {
                             com::Ptr<IUnknown> factory;
                             DllGetClassObject(e.clsid, IID_IUnknown,
                                               reinterpret_cast<void**>(factory.out()));
                             return itself(factory);
                         },
                         {{IID_IClassFactory, Speaks::Factory}}});
        kinds.push_back(
            {"terminal's sink for " + name,
             [&e] {
                 return itself(static_cast<IDispatch*>(
                     host::EventSink::create(e.diid, host::eventsOf(e.name), {}).get()));
             },
             {{IID_IDispatch, Speaks::Dispatch}, {e.diid, Speaks::Dispatch}}});
    }
    kinds.push_back({"chooser's sink",
                     [] {
                         static Silent target;
                         return itself(
                             static_cast<IDispatch*>(widgets::EventSink::create(target).get()));
                     },
                     {{IID_IDispatch, Speaks::Dispatch}}});
    return kinds;
}

// Every IID the module knows (every answer of every kind, each class's own and IID_NULL), to
// be refused by the objects that do not answer it.
std::vector<IID> knownIids(const std::vector<ObjectKind>& kinds) {
    std::vector<IID> iids = {IID_NULL};
    for (const ObjectKind& kind : kinds) {
        for (const Answer& a : kind.answers)
            iids.push_back(a.iid);
    }
    for (const server::ClassEntry& e : server::classTable())
        iids.push_back(e.clsid);
    return iids;
}

TEST(UnknownProtocol, EveryObjectKind) {
    testing_support::TempHome home;
    const long modulesBefore = framework::moduleLockCount();
    const std::vector<ObjectKind> kinds = objectKinds();
    const std::vector<IID> known = knownIids(kinds);
    for (const ObjectKind& kind : kinds) {
        SCOPED_TRACE(kind.name);
        {
            Made made = kind.make();
            ASSERT_TRUE(made.object && made.counter);
            IUnknown* object = made.object.get();
            const ULONG start = count(made.counter.get());
            EXPECT_EQ(object->QueryInterface(IID_IUnknown, nullptr), E_POINTER);

            for (const IID& iid : known) {
                if (std::ranges::any_of(kind.answers,
                                        [&](const Answer& a) { return a.iid == iid; }))
                    continue;
                void* out = &home;
                EXPECT_EQ(object->QueryInterface(iid, &out), E_NOINTERFACE)
                    << "IID " << std::hex << iid.Data1;
                EXPECT_EQ(out, nullptr);
            }
            EXPECT_EQ(count(made.counter.get()), start) << "a refusal adds no reference";

            com::Ptr<IUnknown> identity;
            ASSERT_EQ(
                object->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(identity.out())),
                S_OK);
            EXPECT_EQ(count(made.counter.get()), start + 1);
            for (const Answer& a : kind.answers) {
                void* itf = nullptr;
                ASSERT_EQ(object->QueryInterface(a.iid, &itf), S_OK) << std::hex << a.iid.Data1;
                com::Ptr<IUnknown> held = com::Ptr<IUnknown>::attach(static_cast<IUnknown*>(itf));
                EXPECT_EQ(count(made.counter.get()), start + 2) << "one reference per answer";
                EXPECT_TRUE(speaks(a.how, itf)) << std::hex << a.iid.Data1;
                // From every interface the others and the same identity are reached.
                EXPECT_EQ(held.as<IUnknown>(IID_IUnknown).get(), identity.get());
                for (const Answer& other : kind.answers)
                    EXPECT_TRUE(held.as<IUnknown>(other.iid)) << std::hex << other.iid.Data1;
            }
            identity.reset();
            EXPECT_EQ(count(made.counter.get()), start) << "every reference given back";
        }
        EXPECT_EQ(framework::moduleLockCount(), modulesBefore) << "the object has gone";
    }
}

// Every mask: the enumeration of its connection points walks its one point, then nothing (Skip,
// Reset and Clone move over the same list, each clone on its own); it names its default source,
// and with no type library on the system it has no class description to give. Every mask but
// the Skyfolio form answers initParam by name.
TEST(MaskObjects, ConnectionPointsAndClassInfo) {
    testing_support::TempHome home;
    for (const server::ClassEntry& e : server::classTable()) {
        if (e.create == nullptr)
            continue;
        SCOPED_TRACE(e.name);
        com::Ptr<IEnumConnectionPoints> all;
        ASSERT_EQ(points(e)->EnumConnectionPoints(all.out()), S_OK);
        // Next(n) from where the enumeration stands: its answer and the point it handed out.
        ULONG fetched = 9;
        auto next = [&fetched](IEnumConnectionPoints& from, ULONG n, bool counted) {
            IConnectionPoint* out[2] = {};
            const HRESULT hr = from.Next(n, out, counted ? &fetched : nullptr);
            IID iid = IID_NULL;
            for (IConnectionPoint* point : out) {
                if (point != nullptr) {
                    point->GetConnectionInterface(&iid);
                    point->Release();
                }
            }
            return std::make_pair(hr, iid);
        };
        EXPECT_EQ(next(*all, 1, false), std::make_pair(S_OK, e.diid)) << "the events' point first";
        EXPECT_EQ(next(*all, 1, true).first, S_FALSE) << "then none";
        com::Ptr<IEnumConnectionPoints> clone;
        ASSERT_EQ(all->Clone(clone.out()), S_OK);
        EXPECT_EQ(next(*clone, 1, true).first, S_FALSE) << "a clone at the end is at the end";
        all->Reset();
        EXPECT_EQ(next(*all, 2, true), std::make_pair(S_FALSE, e.diid)) << "two asked, one given";
        EXPECT_EQ(fetched, 1u);
        EXPECT_EQ(next(*all, 2, false).first, E_POINTER) << "two asked with nowhere to count them";
        all->Reset();
        EXPECT_EQ(all->Skip(2), S_FALSE) << "Skip past the end";
        all->Reset();
        EXPECT_EQ(all->Skip(1), S_OK) << "Skip over the one point";

        const auto provider = mask(e).as<IProvideClassInfo2>(IID_IProvideClassInfo2);
        ASSERT_TRUE(provider);
        auto guidOf = [&](DWORD kind) {
            GUID guid = e.clsid;
            return std::make_pair(provider->GetGUID(kind, &guid), guid);
        };
        EXPECT_EQ(guidOf(GUIDKIND_DEFAULT_SOURCE_DISP_IID), std::make_pair(S_OK, e.diid));
        EXPECT_EQ(guidOf(0), std::make_pair(E_INVALIDARG, GUID_NULL));
        EXPECT_EQ(guidOf(2), std::make_pair(E_INVALIDARG, GUID_NULL));
        EXPECT_EQ(provider->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, nullptr), E_POINTER);
        ITypeInfo* info = reinterpret_cast<ITypeInfo*>(&home);
        EXPECT_EQ(provider->GetClassInfo(&info), TYPE_E_ELEMENTNOTFOUND);
        EXPECT_EQ(info, nullptr);
        OLECHAR name[] = OLESTR("initParam");
        LPOLESTR names[] = {name};
        DISPID id = DISPID_UNKNOWN;
        EXPECT_EQ(mask(e).as<IDispatch>(IID_IDispatch)->GetIDsOfNames(IID_NULL, names, 1, 0, &id),
                  std::string_view(e.name) == "Skyfolio" ? DISP_E_UNKNOWNNAME : S_OK);
    }
}

}  // namespace
