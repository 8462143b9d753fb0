// The reissue mask end to end: every check with its key and focus, the rules of the form,
// Recall of what a Send saved, and the amount held against the net remit amount.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "framework/class_ids.h"
#include "framework/decorated_controls.h"
#include "masks/catalog.h"
#include "masks/reissuance/reissue_checks.h"
#include "masks/reissuance/reissue_form.h"
#include "platform/ui/dialog_template.h"
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

// A mask whose language has no strings, so that every message is its key.
struct Reissue {
    Reissue() {
        mask.home().write("Quorvex.ini", "[User]\nLANG=XX9\n");
        mask.activate();
        opened = testing_support::VisibleControls(mask, IDD_TICKETINGREISSUANCE);
    }
    void run(const Steps& steps) { testing_support::Run(mask, steps); }
    // Send, with what the steps logged before it forgotten (a language without strings logs
    // every list entry it fills).
    void send() {
        mask.recorder().lines.clear();
        mask.key(IDC_REISS_CARRIER, ui::Key::Enter);
    }
    // The controls whose visibility differs from that of the form as it opened.
    std::set<int> changed() {
        std::set<int> ids;
        std::ranges::set_symmetric_difference(
            testing_support::VisibleControls(mask, IDD_TICKETINGREISSUANCE), opened,
            std::inserter(ids, ids.end()));
        return ids;
    }
    // Every property of every control of the form (but the status line, which follows the
    // focus), as dumps show them.
    std::vector<std::string> snapshot() {
        return testing_support::Snapshot(mask, IDD_TICKETINGREISSUANCE, {IDC_STATUS_LINE});
    }

    MaskHarness mask{masks::CreateTicketingReIssuance, ids::DIID__ITicketingReIssuanceEvents,
                     IDD_TICKETINGREISSUANCE};
    std::set<int> opened;  // the controls visible when the form opened
};

// Forms that pass every check: a cash reissue, and the same with one choice made and its
// fields filled.
const Steps kCash = {Type(IDC_REISS_CARRIER, "SQ"),
                     Type(IDC_REISS_TFR, "1"),
                     Type(IDC_REISS_NAMESELECT, "1.1"),
                     Type(IDC_REISS_COMMISSION, "5"),
                     Type(IDC_REISS_EXTKT1, "618"),
                     Type(IDC_REISS_EXTKT2, "1234567890"),
                     Type(IDC_REISS_CPN, "1"),
                     Type(IDC_REISS_DATEOFISSUE, "12JAN05"),
                     Type(IDC_REISS_PLACEOFISSUE, "SIN"),
                     Type(IDC_REISS_IATA, "12345678")};

const Steps kPlain = {};
const Steps kCard = {Select(IDC_REISS_FOP, 4), Type(IDC_REISS_FOP1_CC_TYPE, "VI")};
const Steps kGr = {Select(IDC_REISS_FOP, 5), Type(IDC_REISS_FOP1_GR_NBR, "G1")};
const Steps kGgr = {Select(IDC_REISS_FOP, 6), Type(IDC_REISS_FOP1_GGR_WRT_CDE, "W1"),
                    Type(IDC_REISS_FOP1_GGR_DBTOR_CDE, "D1")};
const Steps kOther = {Select(IDC_REISS_FOP, 7), Type(IDC_REISS_FOP1_OTH, "MS")};
const Steps kAddCash = {Select(IDC_REISS_ADDPAYMENT, 1), Type(IDC_REISS_ADDPAYMENT_CSH_AMT, "10")};
const Steps kAddInvoice = {Select(IDC_REISS_ADDPAYMENT, 2),
                           Type(IDC_REISS_ADDPAYMENT_INVAGT_AMT, "10")};
const Steps kAddCheque = {Select(IDC_REISS_ADDPAYMENT, 3),
                          Type(IDC_REISS_ADDPAYMENT_CHQ_AMT, "10")};
const Steps kAddCard = {Select(IDC_REISS_ADDPAYMENT, 4), Type(IDC_REISS_ADDPAYMENT_CC_TYPE, "VI"),
                        Type(IDC_REISS_ADDPAYMENT_CC_NBR, "4111111111111"),
                        Type(IDC_REISS_ADDPAYMENT_CC_EXPDATE, "1205"),
                        Type(IDC_REISS_ADDPAYMENT_CC_AMT, "50")};
const Steps kAddGr = {Select(IDC_REISS_ADDPAYMENT, 5), Type(IDC_REISS_ADDPAYMENT_GR_NBR, "G2"),
                      Type(IDC_REISS_ADDPAYMENT_GR_AMT, "10")};
const Steps kAddGgr = {Select(IDC_REISS_ADDPAYMENT, 6),
                       Type(IDC_REISS_ADDPAYMENT_GGR_WRT_CDE, "W2"),
                       Type(IDC_REISS_ADDPAYMENT_GGR_DBTOR_CDE, "D2"),
                       Type(IDC_REISS_OBJECTCODE, "OB"), Type(IDC_REISS_ADDPAYMENT_GGR_AMT, "10")};
const Steps kAddOther = {Select(IDC_REISS_ADDPAYMENT, 7), Type(IDC_REISS_ADDPAYMENT_OTH, "MCO"),
                         Type(IDC_REISS_ADDPAYMENT_OTH_AMT, "10")};
const Steps kEd = {Select(IDC_REISS_ENDORSE_TYPE, 1), Type(IDC_REISS_ENDORSE1, "NONREF")};
const Steps kEo = {Select(IDC_REISS_ENDORSE_TYPE, 2), Type(IDC_REISS_ENDORSE1, "NONREF")};
const Steps kEo1 = {Select(IDC_REISS_ENDORSE_TYPE, 3), Type(IDC_REISS_ENDORSE1, "NONREF")};
const Steps kDomestic = {Select(IDC_REISS_ENDORSE_TYPE, 4), Type(IDC_REISS_ENDORSE1, "NONREF")};
const Steps kTourCode = {Select(IDC_REISS_ITCODE_TYPE, 4), Type(IDC_REISS_ITCODE, "IT1")};
const Steps kSecondTicket = {Click(IDC_REISS_2TKTISSUE), Type(IDC_REISS_ORGTKT1, "618"),
                             Type(IDC_REISS_ORGTKT2, "1111111111")};
const Steps kNetRemit = {Click(IDC_REISS_NETREMIT), Type(IDC_REISS_ADDPAYMENT_CSH_AMT, "100"),
                         Type(IDC_REISS_NETREMITAMT, "100")};
const Steps kNetCommission =
    With<Step>(kNetRemit, {Type(IDC_REISS_COMMISSION, ""), Type(IDC_REISS_NETCOMMISSION, "7.5")});
const Steps kElectronic = {Click(IDC_REISS_ETKT)};
// Each of them, for the checks that every one passes.
const Steps* const kSituations[] = {&kPlain,     &kCard,         &kGr,         &kGgr,
                                    &kOther,     &kAddCash,      &kAddInvoice, &kAddCheque,
                                    &kAddCard,   &kAddGr,        &kAddGgr,     &kAddOther,
                                    &kEd,        &kEo,           &kEo1,        &kDomestic,
                                    &kTourCode,  &kSecondTicket, &kNetRemit,   &kNetCommission,
                                    &kElectronic};

// Each check refuses with its key and focus, nothing sent and nothing saved; the borders beside
// them pass, as does each situation as it is.
TEST(ReissueChecks, EachRefusesWithItsKeyAndFocusAndItsBordersPass) {
    const std::string kNotAllowed = "A\xC9";  // a letter outside A to Z
    std::vector<Typed> rows = {
        {kPlain, IDC_REISS_CARRIER, "", "ERR_TKTREISSUE_CARRIER_MANDATORY_FIELD"},
        {kPlain, IDC_REISS_CARRIER, "S", "ERR_TKTREISSUE_CARRIER_MINVAL_FIELD"},
        {kPlain, IDC_REISS_CARRIER, "S-", "ERR_TKTREISSUE_CARRIER_ALPHANUM_FIELD"},
        {kPlain, IDC_REISS_TFR, "A", "ERR_TKTREISSUE_TFR_INVALID"},
        {kPlain, IDC_REISS_TFR, "8", "ERR_TKTREISSUE_TFR_RANGE"},
        {kPlain, IDC_REISS_TFR, "7"},
        {kPlain, IDC_REISS_TFR, "0", "ERR_TKTREISSUE_TFR_RANGE"},
        {kPlain, IDC_REISS_NAMESELECT, "", "ERR_TKTREISSUE_TFR_MANDATORY_FIELD"},
        {kPlain, IDC_REISS_NAMESELECT, "1A", "ERR_TKTREISSUE_NAMESELECT_INVALID"},
        {kPlain, IDC_REISS_TFR, " ", "ERR_TKTREISSUE_NAMESELECT_MANDATORY_FIELD"},
        {kPlain, IDC_REISS_FOP1_ALINE_DATA, "X-1", "ERR_TKTREISSUE_FOP1_ALINE_DATA_INVALID"},
        {kCard, IDC_REISS_FOP1_CC_TYPE, "", "ERR_TKTREISSUE_FOP1_CC_TYPE_MAN"},
        {kCard, IDC_REISS_FOP1_CC_TYPE, "V", "ERR_TKTREISSUE_FOP1_CC_TYPE_MIN"},
        {kCard, IDC_REISS_FOP1_CC_TYPE, "V1", "ERR_TKTREISSUE_FOP1_CC_TYPE_INVALID"},
        {kGr, IDC_REISS_FOP1_GR_NBR, "", "ERR_TKTREISSUE_FOP1_GR_NBR_MAN"},
        {kGr, IDC_REISS_FOP1_GR_NBR, "G-1", "ERR_TKTREISSUE_FOP1_GR_NBR_INVALID"},
        {kGgr, IDC_REISS_FOP1_GGR_WRT_CDE, "", "ERR_TKTREISSUE_FOP1_GGR_WRT_CDE_MAN"},
        {kGgr, IDC_REISS_FOP1_GGR_WRT_CDE, "W-", "ERR_TKTREISSUE_FOP1_GGR_WRT_CDE_INVALID"},
        {kGgr, IDC_REISS_FOP1_GGR_DBTOR_CDE, "", "ERR_TKTREISSUE_FOP1_GGR_DBTOR_CDE_MAN"},
        {kGgr, IDC_REISS_FOP1_GGR_DBTOR_CDE, "D-", "ERR_TKTREISSUE_FOP1_GGR_DBTOR_CDE_INVALID"},
        {kOther, IDC_REISS_FOP1_OTH, "", "ERR_TKTREISSUE_FOP1_OTH_MAN"},
        {kOther, IDC_REISS_FOP1_OTH, "A*B", "ERR_TKTREISSUE_FOP1_OTH_INVALID"},
        {kAddCash, IDC_REISS_ADDPAYMENT_CSH_ALDATA, "A-L",
         "ERR_TKTREISSUE_ADDPAYMENT_CSH_ALDATA_INVALID"},
        {kAddCash, IDC_REISS_ADDPAYMENT_CSH_AMT, "", "ERR_TKTREISSUE_ADDPAYMENT_CSH_AMT_MAN"},
        {kAddCash, IDC_REISS_ADDPAYMENT_CSH_AMT, "1,0", "ERR_TKTREISSUE_ADDPAYMENT_AMT_INVALID"},
        {kAddInvoice, IDC_REISS_ADDPAYMENT_INVAGT_AMT, "",
         "ERR_TKTREISSUE_ADDPAYMENT_INVAGT_AMT_MAN"},
        {kAddInvoice, IDC_REISS_ADDPAYMENT_INVAGT_AMT, "1/0",
         "ERR_TKTREISSUE_ADDPAYMENT_AMT_INVALID"},
        {kAddCheque, IDC_REISS_ADDPAYMENT_CHQ_AMT, "", "ERR_TKTREISSUE_ADDPAYMENT_CHQ_AMT_MAN"},
        {kAddCard, IDC_REISS_ADDPAYMENT_CC_TYPE, "", "ERR_TKTREISSUE_ADDPAYMENT_CC_TYPE_MAN"},
        {kAddCard, IDC_REISS_ADDPAYMENT_CC_TYPE, "V", "ERR_TKTREISSUE_ADDPAYMENT_CC_TYPE_MIN"},
        {kAddCard, IDC_REISS_ADDPAYMENT_CC_TYPE, "V1", "ERR_TKTREISSUE_ADDPAYMENT_CC_TYPE_INVALID"},
        {kAddCard, IDC_REISS_ADDPAYMENT_CC_NBR, "", "ERR_TKTREISSUE_ADDPAYMENT_CC_NBR_MAN"},
        {kAddCard, IDC_REISS_ADDPAYMENT_CC_NBR, "411111111111",
         "ERR_TKTREISSUE_ADDPAYMENT_CC_NBR_MIN"},
        {kAddCard, IDC_REISS_ADDPAYMENT_CC_NBR, "411111111111X",
         "ERR_TKTREISSUE_ADDPAYMENT_CC_NBR_INVALID"},
        {kAddCard, IDC_REISS_ADDPAYMENT_CC_EXPDATE, "", "ERR_TKTREISSUE_ADDPAYMENT_CC_EXPDATE_MAN"},
        {kAddCard, IDC_REISS_ADDPAYMENT_CC_EXPDATE, "125",
         "ERR_TKTREISSUE_ADDPAYMENT_CC_EXPDATE_MIN"},
        {kAddCard, IDC_REISS_ADDPAYMENT_CC_EXPDATE, "1305",
         "ERR_TKTREISSUE_ADDPAYMENT_CC_EXPDATE_INVALID"},
        {kAddCard, IDC_REISS_ADDPAYMENT_CC_APPR_CDE, "1-3",
         "ERR_TKTREISSUE_ADDPAYMENT_CC_APPR_CDE_INVALID"},
        {kAddCard, IDC_REISS_ADDPAYMENT_CC_APPR_CDE, "1234567",
         "ERR_TKTREISSUE_ADDPAYMENT_CC_APPR_CDE_7"},
        {kAddCard, IDC_REISS_ADDPAYMENT_CC_APPR_CDE, "123456"},
        {kAddCard, IDC_REISS_ADDPAYMENT_CC_APPR_CDE, "12345678"},
        {kAddCard, IDC_REISS_ADDPAYMENT_CC_AMT, "", "ERR_TKTREISSUE_ADDPAYMENT_CC_AMT_MAN"},
        {kAddGr, IDC_REISS_ADDPAYMENT_GR_NBR, "", "ERR_TKTREISSUE_ADDPAYMENT_GR_NBR_MAN"},
        {kAddGr, IDC_REISS_ADDPAYMENT_GR_NBR, "G-", "ERR_TKTREISSUE_ADDPAYMENT_GR_NBR_INVALID"},
        {kAddGr, IDC_REISS_ADDPAYMENT_GR_AMT, "", "ERR_TKTREISSUE_ADDPAYMENT_GR_AMT_MAN"},
        {kAddGgr, IDC_REISS_ADDPAYMENT_GGR_WRT_CDE, "",
         "ERR_TKTREISSUE_ADDPAYMENT_GGR_WRT_CDE_MAN"},
        {kAddGgr, IDC_REISS_ADDPAYMENT_GGR_WRT_CDE, "-",
         "ERR_TKTREISSUE_ADDPAYMENT_GGR_WRT_CDE_INVALID"},
        {kAddGgr, IDC_REISS_ADDPAYMENT_GGR_DBTOR_CDE, "",
         "ERR_TKTREISSUE_ADDPAYMENT_GGR_DBTOR_CDE_MAN"},
        {kAddGgr, IDC_REISS_ADDPAYMENT_GGR_DBTOR_CDE, "-",
         "ERR_TKTREISSUE_ADDPAYMENT_GGR_DBTOR_CDE_INVALID"},
        {kAddGgr, IDC_REISS_OBJECTCODE, "", "ERR_TICKETISSUANCE_OBJECTCODE_EMPTY"},
        {kAddGgr, IDC_REISS_OBJECTCODE, "-", "ERR_TICKETISSUANCE_OBJECTCODE_ALPHANUM"},
        {kAddGgr, IDC_REISS_ADDPAYMENT_GGR_AMT, "", "ERR_TKTREISSUE_ADDPAYMENT_GGR_AMT_MAN"},
        {kAddOther, IDC_REISS_ADDPAYMENT_OTH_AMT, "", "ERR_TKTREISSUE_ADDPAYMENT_OTH_AMT_MAN"},
        {kAddOther, IDC_REISS_ADDPAYMENT_OTH, "", "ERR_TKTREISSUE_ADDPAYMENT_OTH_MAN"},
        {kAddOther, IDC_REISS_ADDPAYMENT_OTH, "A*", "ERR_TKTREISSUE_ADDPAYMENT_OTH_INVALID"},
        {kPlain, IDC_REISS_COMMISSION, "5,5", "ERR_TKTREISSUE_COMMISION_ALPHANUM_FIELD"},
        {kPlain, IDC_REISS_COMMISSION, "5.55", "ERR_TKTREISSUE_COMMISSION_RANGE"},
        {kPlain, IDC_REISS_COMMISSION, "99.9"},
        {kPlain, IDC_REISS_COMMISSION, "0"},
        {kEo, IDC_REISS_ENDORSE1, "", "ERR_TKTREISSUE_ENDORSE_MAN"},
        {kEd, IDC_REISS_ENDORSE1, kNotAllowed, "ERR_TKTREISSUE_ENDORSE1_ALPHANUM_FIELD"},
        {kEo1, IDC_REISS_ENDORSE1, " ", "ERR_TKTREISSUE_ENDORSE_MAN12"},
        {kEo1, IDC_REISS_ENDORSE2, kNotAllowed, "ERR_TKTREISSUE_ENDORSE2_ALPHANUM_FIELD"},
        {kDomestic, IDC_REISS_ENDORSE2, "B", "ERR_TKTG_ENDORSE_PR_DOMESTIC_ONE",
         IDC_REISS_ENDORSE1},
        {kDomestic, IDC_REISS_ENDORSE1, "NON-REF/\"SQ\" `X` ~{}"},
        {kTourCode, IDC_REISS_ITCODE, "", "ERR_TKTREISSUE_TOURCODE_MAN"},
        {kTourCode, IDC_REISS_ITCODE, "A*", "ERR_TKTREISSUE_ITCODE_ALPHANUM_FIELD"},
        {kPlain, IDC_REISS_EXTKT1, "", "ERR_TKTREISSUE_EXTTKT1_MANDATORY_FIELD"},
        {kPlain, IDC_REISS_EXTKT1, "61", "ERR_TKTREISSUE_EXTTKT1_MINVAL_FIELD"},
        {kPlain, IDC_REISS_EXTKT1, "61A", "ERR_TKTREISSUE_EXTTKT1_NUM_FIELD"},
        {kPlain, IDC_REISS_EXTKT2, "", "ERR_TKTREISSUE_EXTTKT2_MANDATORY_FIELD"},
        {kPlain, IDC_REISS_EXTKT2, "123456789", "ERR_TKTREISSUE_EXTTKT2_MINVAL_FIELD"},
        {kPlain, IDC_REISS_EXTKT2, "123456789A", "ERR_TKTREISSUE_EXTTKT2_NUM_FIELD"},
        {kPlain, IDC_REISS_CPN, "", "ERR_TKTREISSUE_CPN_MANDATORY_FIELD"},
        {kPlain, IDC_REISS_CPN, "1A", "ERR_TKTREISSUE_CPN_INVALID"},
        {kPlain, IDC_REISS_CPN, "AB"},
        {kPlain, IDC_REISS_2TKTCPN, "2B", "ERR_TKTREISSUE_2TKTCPN_INVALID"},
        {kPlain, IDC_REISS_3TKTCPN, "3 ", "ERR_TKTREISSUE_3TKTCPN_INVALID"},
        {kPlain, IDC_REISS_IATA, "", "ERR_TKTREISSUE_IATA_MANDATORY_FIELD"},
        {kPlain, IDC_REISS_IATA, "1234567", "ERR_TKTREISSUE_IATA_MINVAL_FIELD"},
        {kPlain, IDC_REISS_IATA, "1234567A", "ERR_TKTREISSUE_IATA_NUM_FIELD"},
        {kSecondTicket, IDC_REISS_ORGTKT1, "", "ERR_TKTREISSUE_ORGTKT1_MAN"},
        {kSecondTicket, IDC_REISS_ORGTKT1, "61", "ERR_TKTREISSUE_ORGTKT1_MINVAL_FIELD"},
        {kSecondTicket, IDC_REISS_ORGTKT1, "61A", "ERR_TKTREISSUE_ORGTKT1_NUM_FIELD"},
        {kSecondTicket, IDC_REISS_ORGTKT2, "", "ERR_TKTREISSUE_ORGTKT2_MAN"},
        {kSecondTicket, IDC_REISS_ORGTKT2, "1", "ERR_TKTREISSUE_ORGTKT2_MINVAL_FIELD"},
        {kSecondTicket, IDC_REISS_ORGTKT2, "111111111A", "ERR_TKTREISSUE_ORGTKT2_NUM_FIELD"},
        {kPlain, IDC_REISS_DATEOFISSUE, "", "ERR_TKTREISSUE_DATEOFISSUE_MANDATORY_FIELD"},
        {kPlain, IDC_REISS_DATEOFISSUE, "12JAN5", "ERR_TKTREISSUE_DATEOFISSUE_MINVAL_FIELD"},
        {kPlain, IDC_REISS_DATEOFISSUE, "30FEB05", "ERR_TKTREISSUE_DATEOFISSUE_DATE_FIELD"},
        {kPlain, IDC_REISS_PLACEOFISSUE, "", "ERR_TKTREISSUE_PLACEOFISSUE_MANDATORY_FIELD"},
        {kPlain, IDC_REISS_PLACEOFISSUE, "SI", "ERR_TKTREISSUE_PLACEOFISSUE_MINVAL_FIELD"},
        {kPlain, IDC_REISS_PLACEOFISSUE, "S-N", "ERR_TKTREISSUE_PLACEOFISSUE_ALPHANUM_FIELD"},
        {kNetRemit, IDC_REISS_NETREMITAMT, "", "ERR_TKTREISSUE_NETREMITAMT_MAN"},
        {kNetRemit, IDC_REISS_NETREMITAMT, "1/0", "ERR_TKTREISSUE_NETREMITAMT_DOUBLENUM_FIELD"},
        {kNetCommission, IDC_REISS_NETCOMMISSION, "5,0",
         "ERR_TKTREISSUE_NETCOMMISION_DOUBLENUM_FIELD"},
        {kNetCommission, IDC_REISS_NETCOMMISSION, "100", "ERR_TKTREISSUE_NETCOMMISION_RANGE"},
        {kNetCommission, IDC_REISS_NETCOMMISSION, "0"},
        {kNetCommission, IDC_REISS_COMMISSION, "5", "ERR_TKTREISSUE_NETCOMMISION_N_COMMISION",
         IDC_REISS_NETCOMMISSION},
        {kPlain, IDC_REISS_ALTCURRENCY, "US", "ERR_TKTREISSUE_ALTCURRENCY_MINVAL_FIELD"},
        {kPlain, IDC_REISS_ALTCURRENCY, "US1", "ERR_TKTREISSUE_ALTCURRENCY_ALPHA_FIELD"},
        {kNetRemit, IDC_REISS_VALUE_CODE, "V-1", "ERR_TKREISSUE_VALUE_CODE_ALPHANUM"},
        {kNetCommission, IDC_REISS_VALUE_CODE, "V1"},
        {kNetRemit, IDC_REISS_CONTRACT_CODE, "C-1", "ERR_TKREISSUE_CONTRACT_CODE_ALPHANUM"},
        {kTourCode, IDC_REISS_TRIPARTITE, "TP", "ERR_TKTREISSUE_TRIPARTITE_TOUR"},
        {kPlain, IDC_REISS_TRIPARTITE, kNotAllowed, "ERR_TKTREISSUE_TRIPARTITE_CODE_ALPHANUM"},
        {kPlain, IDC_REISS_TRIPARTITE, "T ~!@#$%^&*()_-"},
        {kElectronic, IDC_REISS_AGENTCOUPON, "A", "ERR_TKTREISSUE_AGENTCOUPON_NUM_FIELD"},
        {kElectronic, IDC_REISS_AGENTCOUPON, "6", "ERR_TICKETISSUANCE_COPIES_RANGE"},
        {kElectronic, IDC_REISS_PASSRECEIPT, "A", "ERR_TKTREISSUE_PASSRECEIPT_NUM_FIELD"},
        {kElectronic, IDC_REISS_PASSRECEIPT, "5"},
        {kElectronic, IDC_REISS_AUDITCOUPON, "0", "ERR_TICKETISSUANCE_COPIES_RANGE"},
        {kElectronic, IDC_REISS_CCCHGFORM, "A", "ERR_TKTREISSUE_CCCHGFORM_NUM_FIELD"},
        {kElectronic, IDC_REISS_EXCHG_AUTH_FORM, "A", "ERR_TKTREISSUE_TKTEXCHGAUTHFORM_NUM"},
        {kNetRemit, IDC_REISS_ADDPAYMENT_CSH_AMT, "SGD50", "ERR_TKTREISSUE_ADDPAY_AMT"},
        {kNetRemit, IDC_REISS_ADDPAYMENT_CSH_AMT, "SGD150"},
        {kNetRemit, IDC_REISS_ADDPAYMENT_CSH_AMT, "99.99", "ERR_TKTREISSUE_ADDPAY_AMT"},
    };
    for (const Steps* situation : kSituations)
        rows.push_back({*situation, IDC_REISS_CARRIER, "SQ"});
    for (const Typed& r : rows) {
        SCOPED_TRACE(testing_support::Describe(r, kSituations));
        Reissue f;
        f.run(kCash);
        f.run(r.situation);
        f.mask.type(r.field, r.text);
        f.send();
        testing_support::ExpectOutcome(f.mask, r, "Ticketing ReIssuance", "TKT_REISS_SECTION");
    }
}

// Amounts beginning with 0 or 9 are compared like any other, with or without a currency code.
TEST(ReissueChecks, AmountAgainstNetRemit) {
    struct Case {
        const char* amount;
        const char* netRemit;
        bool refused;
    };
    const Case cases[] = {
        {"SGD50", "100", true},   {"SGD150", "100", false}, {"100.00", "100", false},
        {"90", "100", true},      {"SGD90", "100", true},   {"0100", "100", false},
        {"SGDX50", "100", false}, {"1E5", "100", true},     {"50", "", false},
        {"50.5.9", "50.6", true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(masks::reissue::NetRemitExceedsAmount(c.amount, c.netRemit), c.refused)
            << c.amount << " against " << c.netRemit;
    }
}

// At start only the labels of the mandatory fields are in the mandatory colour.
TEST(ReissueForm, OnlyTheLabelsOfMandatoryFieldsStartInTheirColour) {
    Reissue r;
    std::set<int> mandatory;
    for (const ui::ControlTemplate& c : ui::findTemplate(IDD_TICKETINGREISSUANCE)->controls) {
        const auto paint = r.mask.form().proc().onCtlColor(c.id);
        if (c.kind != ui::ControlKind::Edit && paint && paint->text == framework::kMandatoryText)
            mandatory.insert(c.id);
    }
    EXPECT_EQ(mandatory,
              (std::set<int>{IDC_REISS_CARRIER_LABEL, IDC_REISS_FOP_LABEL, IDC_REISS_EXTKT_LABEL,
                             IDC_REISS_CPN_LABEL, IDC_REISS_IATA_LABEL, IDC_REISS_DATEOFISSUE_LINK,
                             IDC_REISS_PLACEOFISSUE_LABEL}));
}

// Each payment shows its own details and hides the others (cash shows its airline data as the
// form opens).
TEST(ReissueForm, PaymentDetailsFollowBothPayments) {
    constexpr int kCash = IDC_REISS_FOP1_ALINE_DATA;
    const struct {
        long original, additional;
        std::set<int> changed;
    } cases[] = {
        {1, 0, {}},
        {4, 0, {kCash, IDC_REISS_FOP1_CC_TYPE}},
        {4,
         1,
         {kCash, IDC_REISS_FOP1_CC_TYPE, IDC_REISS_ADDPAYMENT_CSH_ALDATA,
          IDC_REISS_ADDPAYMENT_CSH_AMT}},
        {6,
         6,
         {kCash, IDC_REISS_FOP1_GGR_CODE, IDC_REISS_FOP1_GGR_WRT_CDE, IDC_REISS_FOP1_GGR_DBTOR_CDE,
          IDC_REISS_ADDPAYMENT_GGR_CODE, IDC_REISS_ADDPAYMENT_GGR_WRT_CDE,
          IDC_REISS_ADDPAYMENT_GGR_DBTOR_CDE, IDC_REISS_ADDPAYMENT_GGR_AMT, IDC_REISS_OBJECTCODE}},
        {3,
         4,
         {kCash, IDC_REISS_ADDPAYMENT_CC_TYPE, IDC_REISS_ADDPAYMENT_CC_NBR,
          IDC_REISS_ADDPAYMENT_CC_EXPDATE, IDC_REISS_ADDPAYMENT_CC_APPR_CDE,
          IDC_REISS_ADDPAYMENT_CC_AMT}},
        {2, 7, {kCash, IDC_REISS_ADDPAYMENT_OTH_AMT, IDC_REISS_ADDPAYMENT_OTH}},
        {5, 2, {kCash, IDC_REISS_FOP1_GR_NBR, IDC_REISS_ADDPAYMENT_INVAGT_AMT}},
    };
    for (const auto& c : cases) {
        Reissue f;
        f.mask.select(IDC_REISS_FOP, c.original);
        if (c.additional != 0)
            f.mask.select(IDC_REISS_ADDPAYMENT, c.additional);
        EXPECT_EQ(f.changed(), c.changed) << c.original << "/" << c.additional;
    }
}

// Recall brings each form back exactly as it was sent (lists, boxes, enabled and shown
// states included) after a Clear in between.
TEST(ReissueRecall, BringsBackTheSentFormWithoutUndoingAnyOfIt) {
    const Steps forms[] = {
        With<Step>(
            {Select(IDC_REISS_FOP, 6), Select(IDC_REISS_FOP1_GGR_CODE, 1),
             Type(IDC_REISS_FOP1_GGR_WRT_CDE, "W1"), Type(IDC_REISS_FOP1_GGR_DBTOR_CDE, "D1"),
             Click(IDC_REISS_NETREMIT), Type(IDC_REISS_ADDPAYMENT_CSH_AMT, "SGD600"),
             Type(IDC_REISS_NETREMITAMT, "500"), Type(IDC_REISS_VALUE_CODE, "V1"),
             Type(IDC_REISS_CONTRACT_CODE, "C1"), Type(IDC_REISS_COMMISSION, ""),
             Type(IDC_REISS_NETCOMMISSION, "3"), Select(IDC_REISS_ITCODE_TYPE, 2),
             Type(IDC_REISS_ITCODE, "IT1")},
            {Select(IDC_REISS_ENDORSE_TYPE, 3), Type(IDC_REISS_ENDORSE1, "AB"),
             Type(IDC_REISS_ENDORSE2, "CD"), Click(IDC_REISS_2TKTISSUE),
             Type(IDC_REISS_ORGTKT1, "618"), Type(IDC_REISS_ORGTKT2, "1111111111"),
             Type(IDC_REISS_2TKTCPN, "2"), Click(IDC_REISS_ETKT), Click(IDC_REISS_OVERRIDE_ETKT),
             Select(IDC_REISS_PRINTOPTION, 2), Type(IDC_REISS_AGENTCOUPON, "1"),
             Type(IDC_REISS_EXCHG_AUTH_FORM, "4"), Select(IDC_REISS_SPLIT, 2),
             Type(IDC_REISS_ALTCURRENCY, "USD")}),
        {Select(IDC_REISS_FOP, 4), Type(IDC_REISS_FOP1_CC_TYPE, "AX"),
         Select(IDC_REISS_ADDPAYMENT, 6), Select(IDC_REISS_ADDPAYMENT_GGR_CODE, 1),
         Type(IDC_REISS_ADDPAYMENT_GGR_WRT_CDE, "W2"),
         Type(IDC_REISS_ADDPAYMENT_GGR_DBTOR_CDE, "D2"), Type(IDC_REISS_OBJECTCODE, "OB"),
         Type(IDC_REISS_ADDPAYMENT_GGR_AMT, "75"), Select(IDC_REISS_ITCODE_TYPE, 8),
         Type(IDC_REISS_ITCODE, "TOUR"), Select(IDC_REISS_ENDORSE_TYPE, 4),
         Type(IDC_REISS_ENDORSE2, "DOMESTIC ONLY"), Select(IDC_REISS_SPLIT, 4)},
    };
    for (const Steps& steps : forms) {
        Reissue f;
        f.run(kCash);
        f.run(steps);
        const std::vector<std::string> sent = f.snapshot();
        f.send();
        ASSERT_EQ(f.mask.events().size(), 1u) << testing::PrintToString(f.mask.recorder().lines);
        f.mask.click(IDC_REISS_CLEAR);
        EXPECT_EQ(f.mask.form().text(IDC_REISS_CARRIER), "");
        f.mask.key(IDC_REISS_CARRIER, ui::Key::AltUp);
        EXPECT_EQ(f.snapshot(), sent);
    }
}

TEST(ReissueRecall, WithNothingSavedEqualsAClearedForm) {
    Reissue f;
    f.run(kCash);
    f.run({Click(IDC_REISS_NETREMIT), Click(IDC_REISS_ETKT), Select(IDC_REISS_ENDORSE_TYPE, 1)});
    f.mask.click(IDC_REISS_CLEAR);
    const std::vector<std::string> cleared = f.snapshot();
    f.mask.click(IDC_REISS_RECALL);
    EXPECT_EQ(f.snapshot(), cleared);
}

TEST(ReissueProfile, EveryFieldIsSavedAndRestoredOnce) {
    std::set<std::string> saved, restored;
    for (const auto& f : masks::reissue::SavedFields())
        EXPECT_TRUE(saved.insert(f.key).second) << f.key;
    for (auto part : {masks::reissue::RestoredFirst(), masks::reissue::RestoredAfterNetRemit()}) {
        for (const auto& f : part)
            EXPECT_TRUE(restored.insert(f.key).second) << f.key;
    }
    EXPECT_EQ(saved.size(), masks::reissue::Fields().size());
    EXPECT_EQ(restored, saved);
}

}  // namespace
