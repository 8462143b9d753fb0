// The stand-in terminal's event lines.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "framework/class_ids.h"
#include "host/event_sink.h"
#include "platform/com/bstr.h"
#include "tests/support/com_fakes.h"

namespace {

using testing_support::FakeContainer;

struct LineCase {
    const char* coclass;
    DISPID id;
    std::vector<std::string> args;  // 8-bit text of the system code page
    std::string line;               // "" for no line
};

TEST(HostEventSink, OneLinePerEventOfTheCoclass) {
    const LineCase cases[] = {
        {"IssManualVoidTkt", 1, {}, "event Cancel"},
        {"IssManualVoidTkt", 2, {"WV\\u00A5125/GBP250"}, "event Send WV\\u00A5125/GBP250"},
        {"Skyfolio", 3, {"P1", "P2"}, "event OnEvent P1 P2"},
        {"Skyfolio", 4, {"\xA5VLD"}, "event OnSendCommand \xC2\xA5VLD"},
        {"TicketingIssuance", 3, {"%%%A%N*FEEBASE"}, "event SendCommand %%%A%N*FEEBASE"},
        {"TicketingIssuance", 4, {"A", ""}, "event OnEvent A "},
        {"TicketingReIssuance", 4, {"A"}, ""},
        {"IssLogTkt", 2, {}, ""},  // Send without its text is not an event of the interface
    };
    for (const LineCase& c : cases) {
        auto container = FakeContainer::create(IID_IDispatch);
        std::vector<std::string> lines;
        auto sink = host::EventSink::create(IID_IDispatch, host::eventsOf(c.coclass),
                                            [&](std::string line) { lines.push_back(line); });
        DWORD cookie = 0;
        ASSERT_EQ(container->events.Advise(static_cast<IDispatch*>(sink.get()), &cookie), S_OK);
        container->events.fire(c.id, c.args);
        const std::vector<std::string> expected =
            c.line.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.line};
        EXPECT_EQ(lines, expected) << c.coclass << " DISPID " << c.id;
    }
}

TEST(HostEventSink, RefusesWhatIsNotAnEventCall) {
    std::vector<std::string> lines;
    auto sink = host::EventSink::create(ids::DIID__IIssLogTktEvents, host::eventsOf("IssLogTkt"),
                                        [&](std::string line) { lines.push_back(line); });
    VARIANTARG number;
    VariantInit(&number);
    number.vt = VT_I4;
    DISPPARAMS params{&number, nullptr, 1, 0};
    UINT argErr = 9;
    EXPECT_EQ(sink->Invoke(2, IID_NULL, 1024, DISPATCH_METHOD, &params, nullptr, nullptr, &argErr),
              DISP_E_TYPEMISMATCH);
    EXPECT_EQ(argErr, 0u);
    EXPECT_EQ(sink->Invoke(9, IID_NULL, 1024, DISPATCH_METHOD, nullptr, nullptr, nullptr, nullptr),
              DISP_E_MEMBERNOTFOUND);
    EXPECT_TRUE(lines.empty());
    EXPECT_TRUE(host::eventsOf("NoSuchMask").empty());
}

TEST(HostEventSink, ConnectionLastsAsLongAsItsObject) {
    auto container = FakeContainer::create(ids::DIID__IIssManualVoidTktEvents);
    std::vector<std::string> lines;
    {
        host::EventSinkConnection connection(
            static_cast<IConnectionPointContainer*>(container.get()), "IssManualVoidTkt",
            [&](std::string line) { lines.push_back(line); });
        ASSERT_EQ(connection.status(), S_OK);
        EXPECT_EQ(container->events.connectionCount(), 1u);
        container->events.fire(1);
    }
    EXPECT_EQ(container->events.connectionCount(), 0u) << "unadvised on destruction";
    container->events.fire(1);
    EXPECT_EQ(lines, std::vector<std::string>{"event Cancel"});

    host::EventSinkConnection wrongClass(static_cast<IConnectionPointContainer*>(container.get()),
                                         "Skyfolio", [](std::string) {});
    EXPECT_EQ(wrongClass.status(), CONNECT_E_NOCONNECTION);
    host::EventSinkConnection unknown(static_cast<IConnectionPointContainer*>(container.get()),
                                      "Nothing", [](std::string) {});
    EXPECT_TRUE(FAILED(unknown.status()));
    EXPECT_EQ(container->refs(), 1u) << "no reference is left behind";
}

}  // namespace
