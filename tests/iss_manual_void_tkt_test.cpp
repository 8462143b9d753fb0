// The manual void mask end to end: the form, its 22 checks, the entry, the profile.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "framework/class_ids.h"
#include "framework/persistence.h"
#include "masks/catalog.h"
#include "platform/com/bstr.h"
#include "platform/shell/open_address.h"
#include "resources/resource.h"
#include "tests/support/mask_harness.h"

namespace {

using testing_support::MaskHarness;

constexpr int kAirline = 848, kTicket = 855, kCurrency = 849, kFare = 857, kLocator = 851,
              kDate = 838, kPayment = 853, kIndicator = 840;
constexpr int kSend = 842, kRecall = 843, kClear = 844, kCancel = 845, kHelp = 846;
constexpr const char* kTitle = "BSP Manual Void Ticket (Manual Void)";

struct Fields {
    std::string airline = "125", ticket = "1234567890", currency = "GBP", fare = "250",
                locator = "ABCDEF", date = "5JAN", payment = "CA", indicator = "X";
};

class ManualVoid : public ::testing::Test {
  protected:
    // Without a language table every message is its key, so the checks can be told apart.
    ManualVoid() {
        mask.home().write("Quorvex.ini", "[User]\nLANG=XX9\n");
        mask.activate();
    }

    void fill(const Fields& f) {
        for (const auto& [id, text] : {std::pair{kAirline, &f.airline},
                                       {kTicket, &f.ticket},
                                       {kCurrency, &f.currency},
                                       {kFare, &f.fare},
                                       {kLocator, &f.locator},
                                       {kDate, &f.date},
                                       {kPayment, &f.payment},
                                       {kIndicator, &f.indicator}})
            mask.type(id, *text);
    }

    std::string profile() { return mask.home().read("Quorvex.ini"); }

    MaskHarness mask{masks::CreateIssManualVoidTkt, ids::DIID__IIssManualVoidTktEvents, 119};
};

// Enter anywhere sends; the entry keeps two-digit days and upper-cases the typed text.
TEST_F(ManualVoid, SendFiresTheVoidEntryLogsItAndSavesTheEightFields) {
    Fields f;
    f.date = "15jan";
    f.currency = "gbp";
    f.ticket = "123-456-7890";
    fill(f);
    mask.key(kPayment, ui::Key::Enter);
    const std::string entry = "WV\\u00A5125123-456-7890/GBP250/ABCDEF/15JAN/CA/X";
    ASSERT_EQ(mask.events(), std::vector<std::string>{"event 2 " + entry});
    EXPECT_EQ(mask.recorder().lines.back(),
              "log diagnostic IssManualVoidTkt OnSend 0 Host Command " + entry);
    const std::string saved = profile();
    for (const char* line : {"AIRLINE_CODE=125", "TICKET_NO=123-456-7890", "CURRENCY_CODE=GBP",
                             "TOTAL_FARE=250", "PNR_LOCATOR=ABCDEF", "DATE_OF_ISSUE=15",
                             "FORM_OR_PAYMENT=CA", "ITINERARY_INDICATOR=X"}) {
        EXPECT_NE(saved.find(line), std::string::npos) << line << " missing from\n" << saved;
    }
    EXPECT_EQ(mask.form().text(kTicket), "123-456-7890") << "the form stays filled";
}

Fields with(std::string Fields::*field, const char* value) {
    Fields f;
    f.*field = value;
    return f;
}

// A one-digit day gets its leading zero in the entry; the profile keeps the date as typed.
TEST_F(ManualVoid, TheEntryWritesTheDayWithTwoDigits) {
    for (const char* date : {"5JAN", "15JAN"}) {
        fill(with(&Fields::date, date));
        mask.click(IDC_MANVOID_SEND);
    }
    EXPECT_EQ(mask.events(), (std::vector<std::string>{
                                 "event 2 WV\\u00A51251234567890/GBP250/ABCDEF/05JAN/CA/X",
                                 "event 2 WV\\u00A51251234567890/GBP250/ABCDEF/15JAN/CA/X"}));
}

// Each edit takes as many characters as its field holds, and no more.
TEST_F(ManualVoid, EveryEditTakesAtMostItsLength) {
    const std::pair<int, std::size_t> edits[] = {
        {IDC_MANVOID_AIRLINE, 3}, {IDC_MANVOID_TICKET, 13},   {IDC_MANVOID_CURRENCY, 3},
        {IDC_MANVOID_FARE, 8},    {IDC_MANVOID_LOCATOR, 6},   {IDC_MANVOID_DATE, 5},
        {IDC_MANVOID_PAYMENT, 2}, {IDC_MANVOID_ITINERARY, 1},
    };
    for (const auto& [edit, length] : edits) {
        mask.type(edit, "ABCDEFGHIJKLMNOPQRST");
        EXPECT_EQ(mask.form().text(edit).size(), length) << edit;
    }
}

// In the order of the checks. Each row's fault is made together with the next row's on
// another field, so that a check run out of its order shows.
TEST_F(ManualVoid, EveryCheckRefusesInItsOrderWithItsOwnKeyAndFocus) {
    const struct {
        std::string Fields::*field;
        const char* text;
        int focus;
        const char* key;
    } refusals[] = {
        {&Fields::airline, "  ", kAirline, "ERR_TKTREISSUE_EXTTKT1_MANDATORY_FIELD"},
        {&Fields::airline, "12", kAirline, "ERR_TKTREISSUE_EXTTKT1_MINVAL_FIELD"},
        {&Fields::airline, "1A5", kAirline, "ERR_TKTREISSUE_EXTTKT1_NUM_FIELD"},
        {&Fields::ticket, "", kTicket, "ERR_MAN_VOID_TKT_TKTNO_MANDATORY"},
        {&Fields::ticket, "123456789", kTicket, "ERR_MAN_VOID_TKT_TKT_NO_MINLEN"},
        {&Fields::ticket, "12345678X0", kTicket, "ERR_MAN_VOID_TKT_TKTNO_NUM"},
        {&Fields::currency, "", kCurrency, "ERR_SITACC_CURR_CODE_MANDATORY"},
        {&Fields::currency, "GB", kCurrency, "ERR_SAPBAS_CURRENCYCODE_MINVAL"},
        {&Fields::currency, "G1P", kCurrency, "ERR_CARQUOTE_CURRCODE_ALPHA"},
        {&Fields::fare, "", kFare, "ERR_MAN_VOID_TKT_TOTAL_FARE_MANDATORY"},
        {&Fields::fare, "5", kFare, "ERR_MAN_VOID_TKT_TOTAL_FARE_MINLEN"},
        {&Fields::fare, "2.5", kFare, "ERR_MAN_VOID_TKT_TOTAL_FARE_NUM"},
        {&Fields::locator, "", kLocator, "ERR_RETPNR_LOCATOR_MANDATORY_FIELD"},
        {&Fields::locator, "ABCDE", kLocator, "ERR_RETPNR_LOCATOR_MINVAL_FIELD1"},
        {&Fields::locator, "ABC1EF", kLocator, "ERR_MAN_VOID_TKT_PNR_LOCATOR_ALPHA"},
        {&Fields::date, "", kDate, "ERR_TKTREISSUE_DATEOFISSUE_MANDATORY_FIELD"},
        {&Fields::date, "31FEB", kDate, "ERR_SITAMILEAGE_DEPDATE_INVALID"},
        {&Fields::payment, "", kPayment, "ERR_MAN_VOID_TKT_FOP_MANDATORY"},
        {&Fields::payment, "C", kPayment, "ERR_FOP_MINLEN"},
        {&Fields::payment, "C1", kPayment, "ERR_MAN_VOID_TKT_FOP_ALPHA"},
        {&Fields::indicator, " ", kIndicator, "ERR_MAN_VOID_TKT_ITNR_INDCTR_MANDATORY"},
        {&Fields::indicator, "1", kIndicator, "ERR_MAN_VOID_TKT_ITNR_INDCTR_ALPHA"},
    };
    for (std::size_t i = 0; i < std::size(refusals); ++i) {
        const auto& r = refusals[i];
        SCOPED_TRACE(r.key);
        Fields f;
        f.*r.field = r.text;
        if (i + 1 < std::size(refusals) && refusals[i + 1].field != r.field)
            f.*refusals[i + 1].field = refusals[i + 1].text;
        mask.recorder().lines.clear();
        fill(f);
        mask.key(kAirline, ui::Key::Enter);
        EXPECT_EQ(mask.recorder().lines,
                  std::vector<std::string>{std::string("msgbox [") + kTitle + "] " + r.key});
        EXPECT_EQ(mask.form().focus(), r.focus);
        EXPECT_TRUE(mask.events().empty());
        EXPECT_EQ(profile().find("AIRLINE_CODE"), std::string::npos) << "saved after a refusal";
    }
}

TEST_F(ManualVoid, RecallBringsBackTheLastSendAndClearEmptiesTheForm) {
    mask.key(kAirline, ui::Key::AltUp);  // nothing saved yet: empty fields
    EXPECT_EQ(mask.form().text(kAirline), "");
    fill({});
    mask.click(kSend);
    fill(with(&Fields::locator, "QWERTY"));
    mask.click(kSend);
    ASSERT_EQ(mask.events().size(), 2u);
    mask.click(kClear);
    for (int id : {kAirline, kTicket, kCurrency, kFare, kLocator, kDate, kPayment, kIndicator})
        EXPECT_EQ(mask.form().text(id), "") << id;
    mask.key(kFare, ui::Key::AltUp);
    EXPECT_EQ(mask.form().text(kLocator), "QWERTY");
    EXPECT_EQ(mask.form().text(kDate), "5JAN");
}

TEST_F(ManualVoid, ValuesWithBlanksQuotesAndSeparatorsReadBackByteForByte) {
    for (const char* value : {"  AB", "AB  ", "\"AB\"", "A;B", "A=B", "'Q'", " \" "}) {
        mask.form().setText(kLocator, value);
        {
            framework::ProfilePass pass("TKT_ISSMANUALVOID_SECTION");
            framework::SaveEditText(pass.profile(), mask.form(), kLocator, "PNR_LOCATOR");
        }
        mask.form().setText(kLocator, "");
        mask.click(kRecall);
        EXPECT_EQ(mask.form().text(kLocator), value);
    }
}

TEST_F(ManualVoid, CancelFiresCancelAndHelpOpensTheLanguagesAddress) {
    mask.home().write(
        "ZenkorMain.ini",
        "[CIssManualVoidTkt]\nHELP_EN_URL=http://help/en\nHELP_FR1_URL=http://help/fr\n");
    mask.click(kCancel);
    EXPECT_EQ(mask.events(), std::vector<std::string>{"event 1"});

    std::vector<std::string> opened;
    shell::setOpener([&](std::string_view a) { opened.emplace_back(a); });
    mask.click(kHelp);  // the language of the profile (XX9) has no address: "" is opened
    mask.mask().put_Lang(com::Bstr(u"EN1").get());
    mask.click(kHelp);
    mask.mask().put_Lang(com::Bstr(u"fr1").get());
    mask.click(kHelp);
    shell::setOpener({});
    EXPECT_EQ(opened, (std::vector<std::string>{"", "http://help/en", "http://help/fr"}));
}

}  // namespace
