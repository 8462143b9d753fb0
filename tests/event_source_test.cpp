// Connection and firing of mask events.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "framework/event_source.h"
#include "tests/support/com_fakes.h"

namespace {

using testing_support::FakeContainer;
using testing_support::InvokeCall;
using testing_support::RecordingSink;

// {0B4F3A52-6C1D-4E88-9F0A-5D2E7C3B9A11}
constexpr IID kEvents = {
    0x0B4F3A52, 0x6C1D, 0x4E88, {0x9F, 0x0A, 0x5D, 0x2E, 0x7C, 0x3B, 0x9A, 0x11}};

DWORD advise(FakeContainer* c, RecordingSink* sink) {
    DWORD cookie = 0;
    EXPECT_EQ(c->events.Advise(static_cast<IDispatch*>(sink), &cookie), S_OK);
    return cookie;
}

TEST(EventSource, FiresToEverySinkInConnectionOrderWithArgumentsLastFirst) {
    auto container = FakeContainer::create(kEvents);
    std::vector<InvokeCall> calls;
    auto first = RecordingSink::create("first", calls);
    auto second = RecordingSink::create("second", calls);
    const DWORD c1 = advise(container.get(), first.get());
    EXPECT_NE(c1, 0u);
    EXPECT_LT(c1, advise(container.get(), second.get()));

    container->events.fire(1);
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].sink + " " + calls[1].sink, "first second");
    for (const InvokeCall& c : calls) {
        EXPECT_TRUE(c.id == 1 && c.nullIid && c.lcid == 1024u && c.flags == DISPATCH_METHOD &&
                    c.args.empty() && c.namedArgs == 0u)
            << c.sink << ": DISPID " << c.id << " lcid " << c.lcid << " flags " << c.flags;
    }

    // Strings come from the system code page.
    const std::array<std::string, 2> args = {"PARAM1 \xA3", std::string("X\0Y", 3)};
    container->events.fire(3, args);
    ASSERT_EQ(calls.size(), 4u);
    const std::vector<std::u16string> expected = {std::u16string(u"X\0Y", 3), u"PARAM1 \u00A3"};
    EXPECT_EQ(calls[2].args, expected);
    // Both sinks are handed the same strings, freed once after the last (the sanitizer
    // would report a double free or a leak).
    EXPECT_EQ(calls[2].raw, calls[3].raw);
}

TEST(EventSource, SinksThatDisconnectOrReleaseTheMaskDuringAnEvent) {
    bool destroyed = false;
    auto container = FakeContainer::create(kEvents, &destroyed);
    std::vector<InvokeCall> calls;
    auto leaving = RecordingSink::create("leaving", calls);
    auto closer = RecordingSink::create("closer", calls);
    const DWORD cookie = advise(container.get(), leaving.get());
    advise(container.get(), closer.get());
    leaving->onInvoke = [&] { EXPECT_EQ(container->events.Unadvise(cookie), S_OK); };
    leaving.reset();  // the connection holds the only reference now

    container->events.fire(1);
    EXPECT_EQ(container->events.connectionCount(), 1u);

    auto later = RecordingSink::create("later", calls);
    advise(container.get(), later.get());
    FakeContainer* raw = container.get();
    closer->onInvoke = [&] { container.reset(); };  // the host's last reference
    later->onInvoke = [&] { EXPECT_FALSE(destroyed) << "the mask lives until the event ends"; };
    raw->events.fire(2, std::string("AGAIN"));
    std::string order;
    for (const InvokeCall& c : calls)
        order += c.sink + " ";
    EXPECT_EQ(order, "leaving closer closer later ")
        << "all connected when the event began hear it";
    EXPECT_TRUE(destroyed) << "the mask goes once the event has ended";
}

TEST(EventSource, ConnectionsThatAreRefused) {
    auto container = FakeContainer::create(kEvents);
    std::vector<InvokeCall> calls;
    auto mute = RecordingSink::create("mute", calls, /*answersDispatch=*/false);
    DWORD cookie = 77;
    EXPECT_EQ(container->events.Advise(static_cast<IDispatch*>(mute.get()), &cookie),
              CONNECT_E_CANNOTCONNECT);
    EXPECT_EQ(cookie, 0u);
    EXPECT_EQ(mute->refs(), 1u) << "a refused sink is not kept";
    // A sink whose failed query leaves an answer behind is refused all the same.
    struct CarelessSink final : IUnknown {
        HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** out) override {
            *out = this;
            return E_NOINTERFACE;
        }
        ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
        ULONG STDMETHODCALLTYPE Release() override { return --refs; }
        ULONG refs = 1;
    } careless;
    EXPECT_EQ(container->events.Advise(&careless, &cookie), CONNECT_E_CANNOTCONNECT);
    EXPECT_EQ(careless.refs, 1u);
    EXPECT_EQ(container->events.Advise(nullptr, &cookie), E_POINTER);
    auto sink = RecordingSink::create("sink", calls);
    EXPECT_EQ(container->events.Advise(static_cast<IDispatch*>(sink.get()), nullptr), E_POINTER);

    const DWORD good = advise(container.get(), sink.get());
    EXPECT_EQ(container->events.Unadvise(good + 1), CONNECT_E_NOCONNECTION);
    EXPECT_EQ(container->events.Unadvise(0), CONNECT_E_NOCONNECTION);
    EXPECT_EQ(container->events.Unadvise(good), S_OK);
    EXPECT_EQ(container->events.Unadvise(good), CONNECT_E_NOCONNECTION) << "only once";
    EXPECT_EQ(sink->refs(), 1u);
    container->events.fire(1);
    EXPECT_TRUE(calls.empty());

    // The point leads back to its container, which finds only its own events.
    com::Ptr<IConnectionPointContainer> back;
    EXPECT_EQ(container->events.GetConnectionPointContainer(back.out()), S_OK);
    EXPECT_EQ(back.get(), static_cast<IConnectionPointContainer*>(container.get()));
    back.reset();
    IConnectionPoint* none = &container->events;
    EXPECT_EQ(container->FindConnectionPoint(IID_IDispatch, &none), CONNECT_E_NOCONNECTION);
    EXPECT_EQ(none, nullptr);
    EXPECT_EQ(container->refs(), 1u) << "every reference taken was given back";
}

}  // namespace
