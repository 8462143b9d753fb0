// The issuance mask end to end: every check with its key and focus, the payment rules, the
// start-up lists, Recall of what a Send saved, and the fee-base list read from host answers.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>
#include <string>
#include <vector>

#include "framework/class_ids.h"
#include "masks/catalog.h"
#include "masks/issuance/issuance_form.h"
#include "platform/com/bstr.h"
#include "resources/resource.h"
#include "tests/support/mask_harness.h"
#include "tests/support/mask_steps.h"

namespace {

using testing_support::Click;
using testing_support::MaskHarness;
using testing_support::Select;
using testing_support::Step;
using testing_support::Steps;
using testing_support::Type;
using testing_support::Typed;
using testing_support::With;

// A host answer, taken whatever it holds.
Step Reply(std::u16string xml) {
    return [xml](MaskHarness& m) {
        com::Bstr reply(xml);
        EXPECT_EQ(m.mask().SetResponse(reply.get()), S_OK);
    };
}

// The lines of a fee-base answer: the flag that the lines follow, and the lines.
std::u16string FeeBaseAnswer(const std::u16string& flag, const std::u16string& body) {
    return u"<R><N_01PA>" + flag + u"</N_01PA>" + body + u"</R>";
}

// A mask whose language has no strings, so that every message is its key.
struct Issuance {
    Issuance() {
        mask.home().write("Quorvex.ini", "[User]\nLANG=XX9\n");
        mask.activate();
        opened = testing_support::VisibleControls(mask, IDD_TICKETINGISSUANCE);
    }
    void run(const Steps& steps) { testing_support::Run(mask, steps); }
    void send() {
        mask.recorder().lines.clear();
        mask.key(IDC_ISS_CARRIER, ui::Key::Enter);
    }
    // The controls shown that were hidden when the form opened, a read-only one as its
    // negative.
    std::set<int> shown() {
        std::set<int> ids;
        for (int id : testing_support::VisibleControls(mask, IDD_TICKETINGISSUANCE)) {
            if (!opened.contains(id))
                ids.insert(mask.form().isEnabled(id) ? id : -id);
        }
        return ids;
    }
    // Every property of every control of the form, as dumps show them.
    std::vector<std::string> snapshot() {
        return testing_support::Snapshot(mask, IDD_TICKETINGISSUANCE,
                                         {IDC_STATUS_LINE, IDC_ISS_FEEBASE_LIST});
    }
    std::vector<std::string> feeBase() {
        std::vector<std::string> texts;
        for (int i = 0; i < mask.form().itemCount(IDC_ISS_FEEBASE_LIST); ++i)
            texts.push_back(mask.form().itemText(IDC_ISS_FEEBASE_LIST, i));
        return texts;
    }

    MaskHarness mask{masks::CreateTicketingIssuance, ids::DIID__ITicketingIssuanceEvents,
                     IDD_TICKETINGISSUANCE};
    std::set<int> opened;  // the controls visible when the form opened
};

const Steps kPlain = {Type(IDC_ISS_CARRIER, "SQ"), Type(IDC_ISS_TFR, "1"),
                      Type(IDC_ISS_PAX, "1.1")};
const Steps kCard = {Select(IDC_ISS_FOP1, 4), Type(IDC_ISS_FOP1_CC_TYPE, "VI"),
                     Type(IDC_ISS_FOP1_CC_NBR, "4111111111111"),
                     Type(IDC_ISS_FOP1_CC_EXPDATE, "1205")};

const Steps kNone = {};
const Steps kCash = {Select(IDC_ISS_FOP1, 1)};
const Steps kInvoice = {Select(IDC_ISS_FOP1, 2)};
const Steps kGr = {Select(IDC_ISS_FOP1, 5), Type(IDC_ISS_FOP1_GR_NBR, "G1")};
const Steps kGgr = {Select(IDC_ISS_FOP1, 6), Type(IDC_ISS_FOP1_GGR_WRT_CDE, "W1"),
                    Type(IDC_ISS_FOP1_GGR_DBTOR_CDE, "D1"), Type(IDC_ISS_FOP1_OBJECTCODE, "O1")};
const Steps kOther = {Select(IDC_ISS_FOP1, 7), Type(IDC_ISS_FOP1_OTH, "MS")};
const Steps kCashCheque = {Select(IDC_ISS_FOP1, 1), Select(IDC_ISS_FOP2, 3),
                           Type(IDC_ISS_FOP2_CHQAMT, "10")};
const Steps kCardGr = With<Step>(kCard, {Select(IDC_ISS_FOP2, 5), Type(IDC_ISS_FOP2_GR_NBR, "G2"),
                                         Type(IDC_ISS_FOP2_GR_AMT, "10")});
const Steps kCashGgr = {Select(IDC_ISS_FOP1, 1),
                        Select(IDC_ISS_FOP2, 6),
                        Type(IDC_ISS_FOP2_GGR_WRT_CDE, "W2"),
                        Type(IDC_ISS_FOP2_GGR_DBTOR_CDE, "D2"),
                        Type(IDC_ISS_FOP2_OBJECTCODE, "O2"),
                        Type(IDC_ISS_FOP2_GGR_AMT, "10")};
const Steps kCardOther = With<Step>(kCard, {Select(IDC_ISS_FOP2, 7), Type(IDC_ISS_FOP2_OTH, "MCO"),
                                            Type(IDC_ISS_FOP2_OTH_AMT, "10")});
const Steps kNetRemit = With<Step>(
    kCard,
    {Select(IDC_ISS_TYPE, 1), Type(IDC_ISS_NET_REMIT_AMT, "500"), Type(IDC_ISS_CARD_AMT, "450")});
const Steps kNetCommission =
    With<Step>(kCard, {Select(IDC_ISS_TYPE, 1), Type(IDC_ISS_DISCOUNT_AMT, "12.50"),
                       Type(IDC_ISS_CARD_AMT, "450"), Type(IDC_ISS_NET_COMMISSION, "3")});
const Steps kFarex = {Select(IDC_ISS_TYPE, 2)};
const Steps kEo1 = {Select(IDC_ISS_ENDORSE_TYPE, 3), Type(IDC_ISS_ENDORSE1, "A")};
const Steps kTourCode = {Select(IDC_ISS_ITCODE_TYPE, 4), Type(IDC_ISS_ITCODE, "IT1")};
const Steps kElectronic = {Click(IDC_ISS_ETKT)};
// The only situation that does not pass.
const Steps kWrongAuditCoupon = {Click(IDC_ISS_ETKT), Type(IDC_ISS_AUDIT_COUPON, "A")};
// Each that passes, for the checks that every one passes.
const Steps* const kSituations[] = {&kNone,      &kCash,      &kInvoice,       &kCard,   &kGr,
                                    &kGgr,       &kOther,     &kCashCheque,    &kCardGr, &kCashGgr,
                                    &kCardOther, &kNetRemit,  &kNetCommission, &kFarex,  &kEo1,
                                    &kTourCode,  &kElectronic};

// Each check refuses with its key and focus, nothing sent and nothing saved; the borders beside
// them pass, as does each situation as it is.
TEST(IssuanceChecks, EachRefusesWithItsKeyAndFocusAndItsBordersPass) {
    std::vector<Typed> rows = {
        {kNone, IDC_ISS_CARRIER, "", "ERR_TICKETISSUANCE_CARRIER_NO_DATA"},
        {kNone, IDC_ISS_CARRIER, "S", "ERR_SAPBAS_CARRIER_MINVAL"},
        {kNone, IDC_ISS_CARRIER, "S-", "ERR_SAPBAS_CARRIER_ALPHANUM"},
        {kNone, IDC_ISS_TFR, "", "ERR_TICKETISSUANCE_TFR_MANDATORY"},
        {kNone, IDC_ISS_TFR, "A", "ERR_SAPBAS_TFR_NUM"},
        {kNone, IDC_ISS_TFR, "0", "ERR_TICKETISSUANCE_RANGE"},
        {kNone, IDC_ISS_TFR, "8", "ERR_TICKETISSUANCE_RANGE"},
        {kNone, IDC_ISS_TFR, "7"},
        {kNone, IDC_ISS_PAX, "", "ERR_TICKETISSUANCE_NAME_MANDATORY"},
        {kNone, IDC_ISS_PAX, "1A", "ERR_SAPBAS_INVALID_DATA"},
        {kNone, IDC_ISS_PAX, "1.1/2.1-3.1"},
        {kFarex, IDC_ISS_CARD_AMT, "5", "ERR_TICKETISSUANCE_FIRST_PAY_NOT_CREDIT", IDC_ISS_FOP1},
        {kCash, IDC_ISS_FOP1_ALINE_DATA, "A-1", "ERR_SAPBAS_AIRLINEDATA_ALPHANUM"},
        {kInvoice, IDC_ISS_FOP1_AGT_CODE, "A-1", "ERR_SAPBAS_AGENTCODE_ALPHANUM"},
        {kCard, IDC_ISS_FOP1_CC_TYPE, "", "ERR_SAPBAS_CCTYPE_MANDATORY"},
        {kCard, IDC_ISS_FOP1_CC_TYPE, "V", "ERR_SAPBAS_CCTYPE_MINVAL"},
        {kCard, IDC_ISS_FOP1_CC_TYPE, "V1", "ERR_SAPBAS_CCTYPE_ALPHA"},
        {kCard, IDC_ISS_FOP1_CC_NBR, "", "ERR_TICKETISSUANCE_CARD_NODATA"},
        {kCard, IDC_ISS_FOP1_CC_NBR, "41111111111A", "_ERR_CREDITCRD_NUMBER_13DIGITS"},
        {kCard, IDC_ISS_FOP1_CC_NBR, "411111111111A", "ERR_TICKETISSUANCE_CARD_WRONG_DATA"},
        {kCard, IDC_ISS_FOP1_CC_EXPDATE, "", "ERR_TICKETISSUANCE_CARD_EXPIRY_NOVAL"},
        {kCard, IDC_ISS_FOP1_CC_EXPDATE, "1305", "ERR_SAPBAS_CCEXPIRYDATE_INVALID"},
        {kCard, IDC_ISS_FOP1_CC_APPR_CDE, "1-3", "ERR_TICKETISSUANCE_APPROVAL_CODE_VAL"},
        {kCard, IDC_ISS_FOP1_CC_APPR_CDE, "1234567", "ERR_TICKETISSUANCE_CARD_APP_7_DIGITS"},
        {kCard, IDC_ISS_FOP1_CC_APPR_CDE, "123456"},
        {kCard, IDC_ISS_FOP1_CC_APPR_CDE, "12345678"},
        {kCard, IDC_ISS_FOP1_CC_ALINE_DATA, "A-", "ERR_TICKETISSUANCE_AIRLLINE_DATA_VAL"},
        {kNetRemit, IDC_ISS_CARD_AMT, "", "ERR_TICKETISSUANCE_NET_REMIT_NO_NRCC"},
        {kGr, IDC_ISS_FOP1_GR_NBR, "", "ERR_TICKETISSUANCE_GR"},
        {kGr, IDC_ISS_FOP1_GR_NBR, "G-", "ERR_SAPBAS_GRNBR_ALPHANUM"},
        {kGgr, IDC_ISS_FOP1_GGR_WRT_CDE, "", "ERR_TICKETISSUANCE_GGR_WARRANT"},
        {kGgr, IDC_ISS_FOP1_GGR_DBTOR_CDE, "D-", "ERR_SAPBAS_GGR_DEBTOR_ALPHANUM"},
        {kGgr, IDC_ISS_FOP1_OBJECTCODE, "", "ERR_TICKETISSUANCE_OBJECTCODE_EMPTY"},
        {kOther, IDC_ISS_FOP1_OTH, "", "ERR_TICKETISSUANCE_OTHER_FOP"},
        {kOther, IDC_ISS_FOP1_OTH, "A*B", "ERR_SAPBAS_OTHER_FOP_ALPHANUM"},
        {kCashCheque, IDC_ISS_FOP2_CHQAMT, "", "ERR_TICKETISSUANCE_SECOND_FOP_AMT"},
        {kCashCheque, IDC_ISS_FOP2_CHQAMT, "0", "ERR_SAPBAS_SECOND_FOP_AMT_NUM"},
        {kCashCheque, IDC_ISS_FOP2_CHQAMT, "1.234", "ERR_SAPBAS_2DP_DECIMAL"},
        {kCashCheque, IDC_ISS_FOP2_CHQAMT, "0.50"},
        {kCardGr, IDC_ISS_FOP2_GR_NBR, "", "ERR_TICKETISSUANCE_GR"},
        {kCashGgr, IDC_ISS_FOP2_GGR_WRT_CDE, "W-", "ERR_SAPBAS_GGR_WARRANT_ALPHANUM"},
        {kCashGgr, IDC_ISS_FOP2_OBJECTCODE, "-", "ERR_TICKETISSUANCE_OBJECTCODE_ALPHANUM"},
        {kCardOther, IDC_ISS_FOP2_OTH, "", "ERR_TICKETISSUANCE_OTHER_FOP"},
        {kCardOther, IDC_ISS_FOP2_OTH_AMT, "X", "ERR_SAPBAS_SECOND_FOP_AMT_NUM"},
        {kNetCommission, IDC_ISS_COMMISSION, "5", "ERR_TICKETISSUANCE_COMM_TOGETHER"},
        {kNetCommission, IDC_ISS_NET_COMMISSION, "100", "_ERR_NETCOMM_PER_VALUE"},
        {kNone, IDC_ISS_COMMISSION, "1,5", "ERR_TICKETISSUANCE_COMMISSON_NON_NUM"},
        {kNone, IDC_ISS_COMMISSION, "1.55", "ERR_SAPBAS_1DP_DECIMAL"},
        {kNone, IDC_ISS_COMMISSION, "100", "ERR_TICKETISSUANCE_COMMISSION_RANGE"},
        {kNone, IDC_ISS_COMMISSION, "99.9"},
        {kNone, IDC_ISS_ALTCURRENCY, "US", "ERR_SAPBAS_CURRENCYCODE_MINVAL"},
        {kNone, IDC_ISS_ALTCURRENCY, "US1", "ERR_SAPBAS_CURRENCYCODE_ALPHA"},
        {kEo1, IDC_ISS_ENDORSE1, " ", "ERR_TICKETISSUANCE_ENDORSEMENT_EO1_2"},
        {kTourCode, IDC_ISS_ITCODE, "", "ERR_TICKETISSUANCE_TOUR_CODE"},
        {kTourCode, IDC_ISS_ITCODE, "A*", "ERR_SAPBAS_TOURCODE_ALPHANUM"},
        {kTourCode, IDC_ISS_ITCODE, "IT 1/2.3-\\"},
        {kNetRemit, IDC_ISS_NET_REMIT_AMT, "", "ERR_TICKETISSUANCE_NTREMIT_EMPTY"},
        {kNetRemit, IDC_ISS_DISCOUNT_AMT, "5", "ERR_TICKETISSUANCE_AMT_TOGETHER",
         IDC_ISS_NET_REMIT_AMT},
        {kNetRemit, IDC_ISS_NET_REMIT_AMT, "0", "ERR_SAPBAS_NRTREMAMT_NUM"},
        {kNetRemit, IDC_ISS_NET_REMIT_AMT, "1.234", "ERR_SAPBAS_2DP_DECIMAL"},
        {kNetRemit, IDC_ISS_VALUE_CODE, "V-", "ERR_SAPBAS_VALUECODE_ALPHANUM"},
        {kFarex, IDC_ISS_SELLING_FARE, "X", "ERR_TICKETISSUANCE_SELLING_FARE_NO_NUM"},
        {kFarex, IDC_ISS_CONTRACT_CODE, "C-", "ERR_SAPBAS_CONTRACTCODE_ALPHANUM"},
        {kTourCode, IDC_ISS_TRIPARTITE, "TP", "ERR_TICKETISSUANCE_TRIPARTITE_TOUR"},
        {kNone, IDC_ISS_TRIPARTITE, "A\xC9", "ERR_TICKETISSUANCE_TRIPARTITE_CODE_ALPHANUM"},
        {kNetRemit, IDC_ISS_TRIPARTITE, "T ~!@#$%^&*()_-"},
        {kElectronic, IDC_ISS_AGENT_COUPON, "A", "ERR_TICKETISSUANCE_AGENT_COUPON_NO_NUM"},
        {kElectronic, IDC_ISS_AGENT_COUPON, "6", "ERR_TICKETISSUANCE_COPIES_RANGE"},
        {kElectronic, IDC_ISS_AUDIT_COUPON, "0", "ERR_TICKETISSUANCE_COPIES_RANGE"},
        {kElectronic, IDC_ISS_CARD_CHARGE_FORM, "A", "ERR_SAPBAS_OTHERS_CCCHGFORM_NUM"},
        {kElectronic, IDC_ISS_PASSENGER_RECEIPT, "5"},
        {kWrongAuditCoupon, IDC_ISS_CARD_CHARGE_FORM, "A", "ERR_TICKETISSUANCE_AUDIT_COUPON_NO_NUM",
         IDC_ISS_AUDIT_COUPON},  // the copies in their order
        {kElectronic, IDC_ISS_EXCHG_AUTH_FORM, "0", "ERR_TICKETISSUANCE_COPIES_RANGE"},
        {kElectronic, IDC_ISS_EXCHG_AUTH_FORM, "A", "ERR_TICKETISSUANCE_TKTEXCHGAUTHFORM_NUM"},
        {kElectronic, IDC_ISS_EXCHG_AUTH_FORM, "1"},
    };
    for (const Steps* situation : kSituations)
        rows.push_back({*situation, IDC_ISS_CARRIER, "SQ"});
    for (const Typed& r : rows) {
        SCOPED_TRACE(testing_support::Describe(r, kSituations));
        Issuance f;
        f.run(kPlain);
        f.run(r.situation);
        f.mask.type(r.field, r.text);
        f.send();
        testing_support::ExpectOutcome(f.mask, r, "Ticketing Issuance", "TKT_ISS_SECTION");
    }
}

// Fare exchange asks for something, though not the carrier: a blank form is refused, one with a
// split choice or a fee-base line picked is sent.
TEST(IssuanceChecks, FareExchangeNeedsSomethingButNotTheCarrier) {
    Issuance blank;
    blank.run(kFarex);
    blank.send();
    testing_support::ExpectRefused(blank.mask, "Ticketing Issuance",
                                   "ERR_DATA_ATLEAST_ONE_FIELD_MANDATORY", IDC_ISS_CARRIER,
                                   "TKT_ISS_SECTION");
    const Steps forms[] = {
        {Select(IDC_ISS_TYPE, 2), Select(IDC_ISS_SPLIT, 1)},
        {Click(IDC_ISS_FEEBASE_SHOW), Reply(FeeBaseAnswer(u"1", u"<N_000T>A</N_000T>")),
         Select(IDC_ISS_TYPE, 2), [](MaskHarness& m) { m.form().pick(IDC_ISS_FEEBASE_LIST, {0}); }},
    };
    for (const Steps& steps : forms) {
        Issuance f;
        f.run(steps);
        f.send();
        EXPECT_EQ(
            std::ranges::count_if(f.mask.events(),
                                  [](const std::string& e) { return e.starts_with("event 2 "); }),
            1);
    }
}

// The detail fields shown (a read-only one as its negative) by the two payments.
TEST(IssuanceForm, PaymentDetailsFollowBothPayments) {
    struct Case {
        long first, second;
        std::vector<int> shown;
    };
    const std::vector<int> card = {IDC_ISS_FOP1_CC_TYPE,    IDC_ISS_FOP1_CC_NBR,
                                   IDC_ISS_FOP1_CC_EXPDATE, IDC_ISS_FOP1_CC_APPR_CDE,
                                   IDC_ISS_FOP1_CC_EXT_PAY, -IDC_ISS_FOP1_CC_EXT_PAY_MONTHS};
    const Case cases[] = {
        {1, 0, {IDC_ISS_FOP1_ALINE_DATA}},
        {1, 5, {-IDC_ISS_FOP1_ALINE_DATA, IDC_ISS_FOP2_GR_NBR, IDC_ISS_FOP2_GR_AMT}},
        {2, 0, {IDC_ISS_FOP1_AGT_CODE}},
        {3, 1, {IDC_ISS_FOP2_CSHAMT}},
        {4, 0, With<int>(card, {IDC_ISS_FOP1_CC_ALINE_DATA})},
        {4, 1, With<int>(card, {IDC_ISS_FOP1_CC_ALINE_DATA, IDC_ISS_FOP2_CSHAMT})},
        {4, 3, With<int>(card, {-IDC_ISS_FOP1_CC_ALINE_DATA, IDC_ISS_FOP2_CHQAMT})},
        {6,
         6,
         {IDC_ISS_FOP1_GGR_WRT_CDE, IDC_ISS_FOP1_GGR_DBTOR_CDE, IDC_ISS_FOP1_OBJECTCODE,
          IDC_ISS_FOP2_GGR_WRT_CDE, IDC_ISS_FOP2_GGR_DBTOR_CDE, IDC_ISS_FOP2_GGR_AMT,
          IDC_ISS_FOP2_OBJECTCODE, IDC_ISS_FOP1_GGR_CODE, IDC_ISS_FOP2_GGR_CODE}},
        {7, 0, {IDC_ISS_FOP1_OTH}},
    };
    for (const Case& c : cases) {
        Issuance f;
        f.mask.select(IDC_ISS_FOP1, c.first);
        if (c.second != 0)
            f.mask.select(IDC_ISS_FOP2, c.second);
        EXPECT_EQ(f.shown(), std::set<int>(c.shown.begin(), c.shown.end()))
            << c.first << "/" << c.second;
    }
}

// Each net type opens its fields; leaving it for a type that closes them empties them.
TEST(IssuanceForm, ATypeThatClosesTheNetFieldsEmptiesThem) {
    const int netFields[] = {IDC_ISS_NET_REMIT_AMT, IDC_ISS_DISCOUNT_AMT, IDC_ISS_NET_COMMISSION,
                             IDC_ISS_VALUE_CODE,    IDC_ISS_SELLING_FARE, IDC_ISS_CARD_AMT,
                             IDC_ISS_CONTRACT_CODE, IDC_ISS_COMMISSION};
    struct Case {
        long type;
        std::set<int> kept;  // filled under the net remit type, still open and filled after
    };
    const std::set<int> valueFields = {IDC_ISS_VALUE_CODE, IDC_ISS_SELLING_FARE, IDC_ISS_CARD_AMT,
                                       IDC_ISS_CONTRACT_CODE};
    const Case cases[] = {{0, {IDC_ISS_COMMISSION}}, {2, valueFields}, {3, valueFields}};
    for (const Case& c : cases) {
        Issuance f;
        f.mask.select(IDC_ISS_TYPE, 1);
        for (int id : netFields)
            f.mask.type(id, "1");
        f.mask.select(IDC_ISS_TYPE, c.type);
        for (int id : netFields) {
            const bool kept = c.kept.contains(id);
            EXPECT_EQ(f.mask.form().text(id), kept ? "1" : "") << c.type << " " << id;
            EXPECT_EQ(f.mask.form().isEnabled(id), kept) << c.type << " " << id;
        }
    }
}

// Each endorsement type opens its lines with their lengths and shows their labels; a line with
// no label here is closed and its label hidden.
TEST(IssuanceForm, EachEndorsementTypeOpensItsLinesWithTheirLengthsAndLabels) {
    struct Case {
        long type;
        const char* label1;
        int limit1;
        const char* label2;
        int limit2;
    };
    const Case cases[] = {
        {0, nullptr, 0, nullptr, 0},
        {1, "DATA_TICKETISSUANCE_ED", 60, nullptr, 0},
        {2, "DATA_TICKETISSUANCE_EO", 58, nullptr, 0},
        {3, "LAB_TKTG_ENDORSE_EO1", 29, "LAB_TKTG_ENDORSE_EO2", 29},
        {4, "DATA_TICKETISSUANCE_EO", 83, "DATA_TICKETISSUANCE_ED", 83},
    };
    for (const Case& c : cases) {
        Issuance f;
        f.mask.select(IDC_ISS_ENDORSE_TYPE, c.type);
        const auto& form = f.mask.form();
        const auto expectLine = [&](int line, int label, const char* text, int limit) {
            SCOPED_TRACE("type " + std::to_string(c.type) + ", line " + std::to_string(line));
            EXPECT_EQ(form.isVisible(label), text != nullptr);
            EXPECT_EQ(form.isEnabled(line), text != nullptr);
            if (text != nullptr) {
                EXPECT_EQ(form.text(label), text);
                EXPECT_EQ(
                    std::ranges::find(form.controls(), line, &ui::headless::Control::id)->limit,
                    limit);
            }
        };
        expectLine(IDC_ISS_ENDORSE1, IDC_ISS_ENDORSE1_LABEL, c.label1, c.limit1);
        expectLine(IDC_ISS_ENDORSE2, IDC_ISS_ENDORSE2_LABEL, c.label2, c.limit2);
    }
}

// Choosing the card again shows its details empty, and the government request its first code.
TEST(IssuanceForm, APaymentChosenAgainStartsAfresh) {
    Issuance f;
    f.run(kCard);
    f.run(
        {Type(IDC_ISS_FOP1_CC_ALINE_DATA, "AB"), Select(IDC_ISS_FOP1, 1), Select(IDC_ISS_FOP1, 4)});
    for (int id : {IDC_ISS_FOP1_CC_TYPE, IDC_ISS_FOP1_CC_NBR, IDC_ISS_FOP1_CC_ALINE_DATA})
        EXPECT_EQ(f.mask.form().text(id), "") << id;
    f.run({Select(IDC_ISS_FOP1, 6), Select(IDC_ISS_FOP1_GGR_CODE, 1), Select(IDC_ISS_FOP1, 1),
           Select(IDC_ISS_FOP1, 6)});
    EXPECT_EQ(f.mask.form().selection(IDC_ISS_FOP1_GGR_CODE), 0);
}

// A language without strings logs every entry of the lists it fills, under its operation;
// the first net type under a name of its own.
TEST(IssuanceForm, MissingListTextsAreLoggedByTheirLists) {
    Issuance f;
    const std::vector<std::string>& lines = f.mask.recorder().lines;
    const std::string prefix = "log error TicketingIssuance ";
    for (const char* line :
         {"populatePrintOption 501 Not able to load resource string DATA_TICKETISSUANCE_DPI",
          "populateFOP1 501 Not able to load resource string DATA_TICKETISSUANCE_OTHERS",
          "PopulateGGR 501 Not able to load resource string DATA_SAPBAS_GGR_ATR",
          "PopulateControls 501 Not able to load resource string "
          "DATA_TICKETISSUANCE_TYPE_NTREMIT_TKTG",
          "populateTourCode 501 Not able to load resource string "
          "DATA_TICKETISSUANCE_ITCODE_NO_TOURCODE"}) {
        EXPECT_NE(std::find(lines.begin(), lines.end(), prefix + line), lines.end()) << line;
    }
}

// The enabled, shown, checked and chosen states of a snapshot.
std::vector<std::string> states(std::vector<std::string> lines) {
    std::erase_if(lines, [](const std::string& line) {
        return !std::ranges::any_of(
            std::array{" enabled ", " visible ", " checked ", " item "},
            [&](const char* part) { return line.find(part) != std::string::npos; });
    });
    return lines;
}

// Clear brings back the states of the form as it opened. Recall brings each form back as it
// was sent, after a Clear in between; the card fields and
// the second payment and IT code lists too, which choosing them by hand would reset.
TEST(IssuanceRecall, BringsBackTheSentForm) {
    const Steps forms[] = {
        With<Step>(kCard, {Click(IDC_ISS_FOP1_CC_EXT_PAY),
                           Type(IDC_ISS_FOP1_CC_EXT_PAY_MONTHS, "6"), Select(IDC_ISS_FOP2, 1),
                           Type(IDC_ISS_FOP1_CC_ALINE_DATA, "AB"), Type(IDC_ISS_FOP2_CSHAMT, "10"),
                           Select(IDC_ISS_TYPE, 1), Type(IDC_ISS_NET_REMIT_AMT, "500"),
                           Type(IDC_ISS_CARD_AMT, "450"), Select(IDC_ISS_ITCODE_TYPE, 2),
                           Type(IDC_ISS_ITCODE, "IT9"), Select(IDC_ISS_ENDORSE_TYPE, 4),
                           Type(IDC_ISS_ENDORSE2, "B"), Click(IDC_ISS_ETKT),
                           Click(IDC_ISS_OVERRIDE_ETKT), Select(IDC_ISS_PRINTOPTION, 3),
                           Type(IDC_ISS_AUDIT_COUPON, "2"), Select(IDC_ISS_SPLIT, 3)}),
        {Select(IDC_ISS_FOP1, 6), Select(IDC_ISS_FOP1_GGR_CODE, 1),
         Type(IDC_ISS_FOP1_GGR_WRT_CDE, "W"), Type(IDC_ISS_FOP1_GGR_DBTOR_CDE, "D"),
         Type(IDC_ISS_FOP1_OBJECTCODE, "O"), Select(IDC_ISS_FOP2, 6),
         Select(IDC_ISS_FOP2_GGR_CODE, 1), Type(IDC_ISS_FOP2_GGR_WRT_CDE, "V"),
         Type(IDC_ISS_FOP2_GGR_DBTOR_CDE, "E"), Type(IDC_ISS_FOP2_OBJECTCODE, "P"),
         Type(IDC_ISS_FOP2_GGR_AMT, "7"), Click(IDC_ISS_GBA), Click(IDC_ISS_FP_LINES),
         Select(IDC_ISS_ITCODE_TYPE, 9)},
    };
    for (const Steps& steps : forms) {
        Issuance f;
        const std::vector<std::string> opened = f.snapshot();
        f.run(kPlain);
        f.run(steps);
        const std::vector<std::string> sent = f.snapshot();
        f.send();
        ASSERT_EQ(f.mask.events().size(), 1u) << testing::PrintToString(f.mask.recorder().lines);
        f.mask.click(IDC_ISS_CLEAR);
        EXPECT_EQ(f.mask.form().text(IDC_ISS_FOP1_CC_TYPE), "");
        EXPECT_EQ(states(f.snapshot()), states(opened)) << "Clear";
        f.mask.key(IDC_ISS_CARRIER, ui::Key::AltUp);
        EXPECT_EQ(f.snapshot(), sent);
    }
}

// An answer adds the lines after its flag to those before it, with the mark in front of a line
// taken off; the others add nothing, whatever they hold, and an answer beyond what a reply of
// the XML reader may hold is refused whole.
TEST(IssuanceFeeBase, AnAnswerAddsTheLinesAfterTheFlag) {
    std::u16string huge;
    for (int i = 0; i < 100000; ++i)
        huge += u"<N_000T>L</N_000T>";
    const std::u16string bomb =
        u"<!DOCTYPE r [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;\">]>"
        u"<R><N_01PA>1</N_01PA><N_000T>&b;</N_000T></R>";
    const struct {
        std::u16string answer;
        std::vector<std::string> added;
    } cases[] = {
        {FeeBaseAnswer(u"1", u"<N_000T>5\u00A5A 1</N_000T><N_000T>B</N_000T>"), {"A 1", "B"}},
        // The mark alone, or not after a 5, stays; other characters arrive as their bytes.
        {FeeBaseAnswer(u"1",
                       u"<N_000T>\u00A5C</N_000T><N_000T>5\u00A5</N_000T><N_000T>\u00E9</N_000T>"),
         {"\xA5"
          "C",
          "", "\xC3\xA9"}},
        {FeeBaseAnswer(u"0", u"<N_000T>A</N_000T>"), {}},
        {u"<R><N_000T>EARLY</N_000T><N_01PA>1</N_01PA><N_000T>LATE</N_000T></R>", {"LATE"}},
        {FeeBaseAnswer(u"1", u"<N_000T></N_000T><X><N_000T>&amp;<Y/>Z</N_000T></X>"), {"&"}},
        {u"not xml at all", {}},
        {FeeBaseAnswer(u"1", u"<N_000T>KEPT</N_000T><N_000T>broken"), {"KEPT"}},
        {bomb, {}},
        {u"<!DOCTYPE r SYSTEM \"file:///etc/passwd\"><R><N_01PA>1</N_01PA></R>", {}},
        {FeeBaseAnswer(u"1", huge), {}},
    };
    for (const auto& c : cases) {
        Issuance f;
        f.run({Reply(FeeBaseAnswer(u"1", u"<N_000T>FIRST</N_000T>")), Reply(c.answer)});
        EXPECT_EQ(f.feeBase(), With<std::string>({"FIRST"}, c.added)) << "answer " << &c - cases;
    }
}

// Recall starts from a cleared form, so that the list goes also without a Clear; asking for the
// list again empties it too.
TEST(IssuanceFeeBase, RecallOrAskingForTheListAgainEmptiesIt) {
    Issuance f;
    f.run({Reply(FeeBaseAnswer(u"1", u"<N_000T>A</N_000T>"))});
    ASSERT_EQ(f.feeBase(), std::vector<std::string>{"A"});
    f.mask.key(IDC_ISS_CARRIER, ui::Key::AltUp);
    EXPECT_TRUE(f.feeBase().empty());
    f.run({Reply(FeeBaseAnswer(u"1", u"<N_000T>B</N_000T>")), Click(IDC_ISS_FEEBASE_SHOW)});
    EXPECT_EQ(f.mask.events(), std::vector<std::string>{"event 3 %%%A%N*FEEBASE"});
    EXPECT_TRUE(f.feeBase().empty());
}

TEST(IssuanceProfile, EveryFieldIsSavedAndRestoredOnce) {
    using namespace masks::issuance;
    std::set<std::string> saved, restored;
    for (const auto& f : SavedFields())
        EXPECT_TRUE(saved.insert(f.key).second) << f.key;
    for (auto part : {RestoredBeforeFirstPayment(), RestoredFirstPayment(),
                      RestoredAfterFirstPayment(), RestoredItCode()}) {
        for (const auto& f : part)
            EXPECT_TRUE(restored.insert(f.key).second) << f.key;
    }
    EXPECT_EQ(saved.size(), Fields().size());
    EXPECT_EQ(restored, saved);
}

}  // namespace
