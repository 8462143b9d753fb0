#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

#include "platform/zenkor/log.h"
#include "resources/resource.h"
#include "tests/support/fake_outside_controls.h"
#include "tests/support/mock_dialog.h"
#include "widgets/event_sink.h"
#include "widgets/standard_choosers.h"

namespace {

using fakes::MockCalendarControl;
using fakes::MockDialog;
using fakes::MockEncoderControl;
using fakes::MockToolkit;
using testing::_;
using testing::InSequence;
using testing::NiceMock;
using testing::Return;

class MockLogObserver : public zenkor::LogObserver {
  public:
    MOCK_METHOD(void, diagnostic,
                (std::string_view component, std::string_view function, int category,
                 std::string_view text),
                (override));
    MOCK_METHOD(void, error,
                (std::string_view component, std::string_view function, int code,
                 std::string_view text),
                (override));
};

std::string both(const framework::CodeChoice& c) {
    return c.first + "|" + c.second;
}

// A chooser run over a form: the toolkit hands out `dialog` (hosting the two fake controls)
// for the chooser's template, and the dialog's modal loop runs `agent`.
class ChooserTest : public testing::Test {
  protected:
    ChooserTest() {
        zenkor::setLogObserver(&log);
        ON_CALL(dialog, encoderControl(IDC_ENCODER_CONTROL)).WillByDefault(Return(&encoder));
        ON_CALL(dialog, calendarControl(IDC_CALENDAR_CONTROL)).WillByDefault(Return(&calendar));
    }
    ~ChooserTest() override { zenkor::setLogObserver(nullptr); }

    void expectDialog(ui::DialogId templateId) {
        EXPECT_CALL(toolkit, createDialog(templateId, _, &over))
            .WillOnce(fakes::createsDialog(owned));
    }
    template <class Agent>
    void agent(Agent act) {
        ON_CALL(dialog, runModal()).WillByDefault(act);
    }

    NiceMock<MockLogObserver> log;
    NiceMock<MockToolkit> toolkit;
    NiceMock<MockDialog> over;
    NiceMock<MockEncoderControl> encoder;
    NiceMock<MockCalendarControl> calendar;
    std::unique_ptr<ui::Dialog> owned = std::make_unique<NiceMock<MockDialog>>();
    // Valid until the run destroys the dialog: set expectations before running.
    MockDialog& dialog = static_cast<MockDialog&>(*owned);
    widgets::StandardChoosers choosers{toolkit};
};

using EncoderChooserTest = ChooserTest;

// The sink is connected before the list and disconnected before the dialog goes; the agent sees
// the chooser while it runs.
TEST_F(EncoderChooserTest, ChosenCodeGivesBothTextsInTheSystemCodePageWhileTheSinkIsConnected) {
    expectDialog(IDD_CODER);
    encoder.secondText = u"Pound sterling \u00A3";
    agent([this] { EXPECT_EQ(encoder.fire(2, {u"GBP\u00A3"}), S_OK); });
    {
        InSequence order;
        EXPECT_CALL(encoder, Advise(_));
        EXPECT_CALL(encoder, SetCodeList(_));
        EXPECT_CALL(dialog, showWindow(true));
        EXPECT_CALL(dialog, runModal());
        EXPECT_CALL(dialog, endModal());
        EXPECT_CALL(encoder, Unadvise());
        EXPECT_CALL(dialog, destroyed());
    }

    EXPECT_EQ(both(choosers.chooseCode(over, "LIST \xA3")), "GBP\xA3|Pound sterling \xA3");
    EXPECT_EQ(encoder.lastList, u"LIST \u00A3");
    EXPECT_FALSE(encoder.advised());
}

TEST_F(EncoderChooserTest, StatusIsLoggedLiterallyAndClosingLeavesBothTextsEmpty) {
    expectDialog(IDD_CODER);
    agent([this] {
        encoder.fire(3, {u"100%s done %d %n"});
        encoder.fire(3, {u""});
        encoder.fire(4);
    });
    EXPECT_CALL(log, error("EncDialog", "OnStatus", 200, "100%s done %d %n"));
    EXPECT_CALL(log, error("EncDialog", "OnStatus", 200, ""));
    EXPECT_CALL(encoder, GetSecondText(_)).Times(0);
    EXPECT_CALL(dialog, endModal()).Times(1);  // by the close event alone

    EXPECT_EQ(both(choosers.chooseCode(over, "CUR")), "|");
}

TEST_F(EncoderChooserTest, ListAndResultsAreKeptTo1023Bytes) {
    expectDialog(IDD_CODER);
    encoder.secondText = std::u16string(1500, u'S');
    agent([this] { encoder.fire(2, {std::u16string(2000, u'C')}); });

    EXPECT_EQ(both(choosers.chooseCode(over, std::string(4000, 'L'))),
              std::string(1023, 'C') + "|" + std::string(1023, 'S'));
    EXPECT_EQ(encoder.lastList, std::u16string(1023, u'L'));
}

TEST_F(EncoderChooserTest, MalformedAndLateEventsChangeNothingAndOnlyTheFirstEndingCounts) {
    expectDialog(IDD_CODER);
    encoder.secondText = u"FIRST";
    agent([this] {
        EXPECT_EQ(encoder.fire(2), DISP_E_BADPARAMCOUNT);
        EXPECT_EQ(encoder.fire(3), DISP_E_BADPARAMCOUNT);
        EXPECT_EQ(encoder.fire(99, {u"X"}), DISP_E_MEMBERNOTFOUND);
        EXPECT_EQ(encoder.fire(1), DISP_E_MEMBERNOTFOUND);
        encoder.fire(2, {u"USD"});
        encoder.secondText = u"SECOND";
        encoder.fire(2, {u"EUR"});
        encoder.fire(4);
    });
    EXPECT_CALL(log, error(_, _, _, _)).Times(0);
    EXPECT_CALL(dialog, endModal()).Times(1);

    EXPECT_EQ(both(choosers.chooseCode(over, "CUR")), "USD|FIRST");

    // A control that kept the sink past Unadvise: the chooser has gone, the sink stays safe.
    EXPECT_EQ(encoder.fireLate(2, {u"GBP"}), S_OK);
    EXPECT_EQ(encoder.fireLate(3, {u"late"}), S_OK);
}

TEST_F(EncoderChooserTest, FailedSecondTextStillGivesTheCode) {
    expectDialog(IDD_CODER);
    EXPECT_CALL(encoder, GetSecondText(_)).WillOnce(Return(E_FAIL));
    agent([this] { encoder.fire(2, {u"LON"}); });
    EXPECT_CALL(log, error("EncDialog", _, _, _));
    EXPECT_EQ(both(choosers.chooseCode(over, "CITY")), "LON|");
}

using MonthPickerTest = ChooserTest;

TEST_F(MonthPickerTest, ChosenDateIsReadInOrderAndWrittenInTheFieldsLayout) {
    expectDialog(IDD_MONTH);
    calendar.day = 5;
    calendar.month = 3;
    calendar.year = 2009;
    {
        InSequence order;
        EXPECT_CALL(calendar, Advise(_));
        EXPECT_CALL(calendar, SetDateFormat(3));
        EXPECT_CALL(calendar, Start());
        EXPECT_CALL(calendar, GetDay(_));
        EXPECT_CALL(calendar, GetMonth(_));
        EXPECT_CALL(calendar, GetYear(_));
        EXPECT_CALL(dialog, endModal());
        EXPECT_CALL(calendar, Unadvise());
        EXPECT_CALL(dialog, destroyed());
    }
    agent([this] { EXPECT_EQ(calendar.fire(2), S_OK); });

    EXPECT_EQ(choosers.chooseDate(over, 3), "05MAR09");
    EXPECT_FALSE(calendar.advised());
}

TEST_F(MonthPickerTest, ClosingWithoutADateAnswersNothing) {
    expectDialog(IDD_MONTH);
    EXPECT_CALL(calendar, SetDateFormat(0));  // an unlisted kind asks for day and month
    EXPECT_CALL(calendar, GetDay(_)).Times(0);
    EXPECT_CALL(dialog, endModal()).Times(1);
    EXPECT_CALL(calendar, Unadvise());
    agent([this] {
        EXPECT_EQ(calendar.fire(3), DISP_E_MEMBERNOTFOUND);
        calendar.fire(1);
        calendar.fire(2);  // too late: the picker has closed
    });

    EXPECT_EQ(choosers.chooseDate(over, 42), std::nullopt);
}

TEST_F(MonthPickerTest, DateThatCannotBeReadIsNoDate) {
    expectDialog(IDD_MONTH);
    {
        InSequence order;
        EXPECT_CALL(calendar, GetDay(_));
        EXPECT_CALL(calendar, GetMonth(_)).WillOnce(Return(E_FAIL));
    }
    EXPECT_CALL(calendar, GetYear(_)).Times(0);
    EXPECT_CALL(log, error("MthView", _, _, _));
    EXPECT_CALL(dialog, endModal()).Times(1);
    agent([this] { calendar.fire(2); });

    EXPECT_EQ(choosers.chooseDate(over, 0), std::nullopt);
}

// ---- either chooser failing to start ----

// When a chooser cannot start, it answers no result at once and never waits in a loop that no
// event could end.
struct StartFailure {
    const char* name;
    bool encoder;  // else the month picker
    bool noTemplate;
    bool noControl;
    HRESULT advise;
    HRESULT secondStep;  // SetCodeList or Start
};

class StartFailureTest : public ChooserTest, public testing::WithParamInterface<StartFailure> {};

TEST_P(StartFailureTest, AnswersNothingAndLogs) {
    const StartFailure& f = GetParam();
    SCOPED_TRACE(f.name);
    if (f.noControl) {
        ON_CALL(dialog, encoderControl(_)).WillByDefault(Return(nullptr));
        ON_CALL(dialog, calendarControl(_)).WillByDefault(Return(nullptr));
    }
    ON_CALL(encoder, Advise(_)).WillByDefault(Return(f.advise));
    ON_CALL(calendar, Advise(_)).WillByDefault(Return(f.advise));
    ON_CALL(encoder, SetCodeList(_)).WillByDefault(Return(f.secondStep));
    ON_CALL(calendar, Start()).WillByDefault(Return(f.secondStep));
    EXPECT_CALL(dialog, runModal()).Times(0);
    EXPECT_CALL(toolkit, createDialog(f.encoder ? IDD_CODER : IDD_MONTH, _, _))
        .WillOnce([&](ui::DialogId id, ui::DialogProc& proc, ui::Dialog* owner) {
            return f.noTemplate ? nullptr : fakes::createsDialog(owned)(id, proc, owner);
        });
    EXPECT_CALL(log, error(f.encoder ? "EncDialog" : "MthView", _, 201, _)).Times(1);

    if (f.encoder) {
        EXPECT_EQ(both(choosers.chooseCode(over, "X")), "|");
    } else {
        EXPECT_EQ(choosers.chooseDate(over, 0), std::nullopt);
    }
    EXPECT_FALSE(encoder.advised());
    EXPECT_FALSE(calendar.advised());
}

INSTANTIATE_TEST_SUITE_P(
    EitherChooser, StartFailureTest,
    testing::Values(
        StartFailure{"encoder: template missing", true, true, false, S_OK, S_OK},
        StartFailure{"encoder: control missing", true, false, true, S_OK, S_OK},
        StartFailure{"encoder: Advise refused", true, false, false, CONNECT_E_CANNOTCONNECT, S_OK},
        StartFailure{"encoder: list refused", true, false, false, S_OK, E_INVALIDARG},
        StartFailure{"month: template missing", false, true, false, S_OK, S_OK},
        StartFailure{"month: control missing", false, false, true, S_OK, S_OK},
        StartFailure{"month: Advise refused", false, false, false, CONNECT_E_CANNOTCONNECT, S_OK},
        StartFailure{"month: Start refused", false, false, false, S_OK, E_FAIL}));

// ---- the sink itself ----

class NoTarget : public widgets::EventTarget {
  public:
    HRESULT onEvent(DISPID, const DISPPARAMS&) override { return S_OK; }
};

TEST(EventSink, AnswersOnlyCallsWithANullIid) {
    NoTarget target;
    com::Ptr<widgets::EventSink> sink = widgets::EventSink::create(target);
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    EXPECT_EQ(sink->Invoke(1, IID_IDispatch, 0, DISPATCH_METHOD, &none, nullptr, nullptr, nullptr),
              DISP_E_UNKNOWNINTERFACE);
    EXPECT_EQ(sink->Invoke(1, IID_NULL, 0, DISPATCH_METHOD, nullptr, nullptr, nullptr, nullptr),
              S_OK);
}

}  // namespace
