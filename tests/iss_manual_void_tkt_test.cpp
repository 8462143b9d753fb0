// The manual void mask end to end: the form, its 22 checks, the entry, the profile.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "framework/class_ids.h"
#include "masks/catalog.h"
#include "platform/com/bstr.h"
#include "platform/shell/open_address.h"
#include "resources/resource.h"
#include "tests/support/mask_harness.h"
#include "tests/support/mask_steps.h"

namespace {

using testing_support::MaskHarness;

constexpr const char* kTitle = "BSP Manual Void Ticket (Manual Void)";

struct Fields {
    std::string airline = "125", ticket = "1234567890", currency = "GBP", fare = "250",
                locator = "ABCDEF", date = "5JAN", payment = "CA", indicator = "X";
};

// Each field by its symbol.
constexpr std::pair<ui::ControlId, std::string Fields::*> kFields[] = {
    {IDC_MANVOID_AIRLINE, &Fields::airline},   {IDC_MANVOID_TICKET, &Fields::ticket},
    {IDC_MANVOID_CURRENCY, &Fields::currency}, {IDC_MANVOID_FARE, &Fields::fare},
    {IDC_MANVOID_LOCATOR, &Fields::locator},   {IDC_MANVOID_DATE, &Fields::date},
    {IDC_MANVOID_PAYMENT, &Fields::payment},   {IDC_MANVOID_ITINERARY, &Fields::indicator},
};

class ManualVoid : public ::testing::Test {
  protected:
    // Without a language table every message is its key, so the checks can be told apart.
    ManualVoid() {
        mask.home().write("Quorvex.ini", "[User]\nLANG=XX9\n");
        mask.activate();
    }

    void fill(const Fields& f) {
        for (const auto& [id, field] : kFields)
            mask.type(id, f.*field);
    }

    MaskHarness mask{masks::CreateIssManualVoidTkt, ids::DIID__IIssManualVoidTktEvents,
                     IDD_ISSMANUALVOIDTKT};
};

// Enter anywhere sends; every field lands in its place of the entry, a one-digit day with its
// leading zero. Recall brings back every field of the last Send (before any Send, empty fields).
TEST_F(ManualVoid, SendFiresTheVoidEntryAndRecallTakesTheLastSend) {
    mask.key(IDC_MANVOID_AIRLINE, ui::Key::AltUp);
    EXPECT_EQ(mask.form().text(IDC_MANVOID_AIRLINE), "");
    fill(Fields{.date = "5JAN"});
    mask.click(IDC_MANVOID_SEND);
    fill(Fields{.ticket = "123-456-7890", .currency = "gbp", .date = "15jan"});
    mask.key(IDC_MANVOID_PAYMENT, ui::Key::Enter);
    ASSERT_EQ(mask.events(), (std::vector<std::string>{
                                 "event 2 WV\\u00A51251234567890/GBP250/ABCDEF/05JAN/CA/X",
                                 "event 2 WV\\u00A5125123-456-7890/GBP250/ABCDEF/15JAN/CA/X"}));

    mask.click(IDC_MANVOID_CLEAR);
    for (const auto& [id, field] : kFields)
        EXPECT_EQ(mask.form().text(id), "") << "cleared " << id;
    mask.key(IDC_MANVOID_FARE, ui::Key::AltUp);
    const Fields recalled{.ticket = "123-456-7890", .date = "15JAN"};
    for (const auto& [id, field] : kFields)
        EXPECT_EQ(mask.form().text(id), recalled.*field) << "recalled " << id;
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
        {&Fields::airline, "  ", IDC_MANVOID_AIRLINE, "ERR_TKTREISSUE_EXTTKT1_MANDATORY_FIELD"},
        {&Fields::airline, "12", IDC_MANVOID_AIRLINE, "ERR_TKTREISSUE_EXTTKT1_MINVAL_FIELD"},
        {&Fields::airline, "1A5", IDC_MANVOID_AIRLINE, "ERR_TKTREISSUE_EXTTKT1_NUM_FIELD"},
        {&Fields::ticket, "", IDC_MANVOID_TICKET, "ERR_MAN_VOID_TKT_TKTNO_MANDATORY"},
        {&Fields::ticket, "123456789", IDC_MANVOID_TICKET, "ERR_MAN_VOID_TKT_TKT_NO_MINLEN"},
        {&Fields::ticket, "12345678X0", IDC_MANVOID_TICKET, "ERR_MAN_VOID_TKT_TKTNO_NUM"},
        {&Fields::currency, "", IDC_MANVOID_CURRENCY, "ERR_SITACC_CURR_CODE_MANDATORY"},
        {&Fields::currency, "GB", IDC_MANVOID_CURRENCY, "ERR_SAPBAS_CURRENCYCODE_MINVAL"},
        {&Fields::currency, "G1P", IDC_MANVOID_CURRENCY, "ERR_CARQUOTE_CURRCODE_ALPHA"},
        {&Fields::fare, "", IDC_MANVOID_FARE, "ERR_MAN_VOID_TKT_TOTAL_FARE_MANDATORY"},
        {&Fields::fare, "5", IDC_MANVOID_FARE, "ERR_MAN_VOID_TKT_TOTAL_FARE_MINLEN"},
        {&Fields::fare, "2.5", IDC_MANVOID_FARE, "ERR_MAN_VOID_TKT_TOTAL_FARE_NUM"},
        {&Fields::locator, "", IDC_MANVOID_LOCATOR, "ERR_RETPNR_LOCATOR_MANDATORY_FIELD"},
        {&Fields::locator, "ABCDE", IDC_MANVOID_LOCATOR, "ERR_RETPNR_LOCATOR_MINVAL_FIELD1"},
        {&Fields::locator, "ABC1EF", IDC_MANVOID_LOCATOR, "ERR_MAN_VOID_TKT_PNR_LOCATOR_ALPHA"},
        {&Fields::date, "", IDC_MANVOID_DATE, "ERR_TKTREISSUE_DATEOFISSUE_MANDATORY_FIELD"},
        {&Fields::date, "31FEB", IDC_MANVOID_DATE, "ERR_SITAMILEAGE_DEPDATE_INVALID"},
        {&Fields::payment, "", IDC_MANVOID_PAYMENT, "ERR_MAN_VOID_TKT_FOP_MANDATORY"},
        {&Fields::payment, "C", IDC_MANVOID_PAYMENT, "ERR_FOP_MINLEN"},
        {&Fields::payment, "C1", IDC_MANVOID_PAYMENT, "ERR_MAN_VOID_TKT_FOP_ALPHA"},
        {&Fields::indicator, " ", IDC_MANVOID_ITINERARY, "ERR_MAN_VOID_TKT_ITNR_INDCTR_MANDATORY"},
        {&Fields::indicator, "1", IDC_MANVOID_ITINERARY, "ERR_MAN_VOID_TKT_ITNR_INDCTR_ALPHA"},
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
        mask.key(IDC_MANVOID_AIRLINE, ui::Key::Enter);
        testing_support::ExpectRefused(mask, kTitle, r.key, r.focus, "TKT_ISSMANUALVOID_SECTION");
    }
}

TEST_F(ManualVoid, CancelFiresCancelAndHelpOpensTheLanguagesAddress) {
    mask.home().write(
        "ZenkorMain.ini",
        "[CIssManualVoidTkt]\nHELP_EN_URL=http://help/en\nHELP_FR1_URL=http://help/fr\n");
    mask.click(IDC_MANVOID_CANCEL);
    EXPECT_EQ(mask.events(), std::vector<std::string>{"event 1"});

    std::vector<std::string> opened;
    shell::setOpener([&](std::string_view a) { opened.emplace_back(a); });
    mask.click(IDC_MANVOID_HELP);  // the language of the profile (XX9) has no address: "" is opened
    mask.mask().put_Lang(com::Bstr(u"EN1").get());
    mask.click(IDC_MANVOID_HELP);
    mask.mask().put_Lang(com::Bstr(u"fr1").get());
    mask.click(IDC_MANVOID_HELP);
    shell::setOpener({});
    EXPECT_EQ(opened, (std::vector<std::string>{"", "http://help/en", "http://help/fr"}));
}

}  // namespace
