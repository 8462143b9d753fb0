// The checks of a Send of the issuance form without transfer: each refusal with its key and
// the field that gets the focus, in the form or in the sub-dialog that it shows, with nothing
// sent and nothing saved; and the borders that pass.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "framework/class_ids.h"
#include "framework/list_entries.h"
#include "masks/catalog.h"
#include "resources/resource.h"
#include "tests/support/agent.h"
#include "tests/support/mask_harness.h"
#include "tests/support/mask_steps.h"

namespace {

using testing_support::Agent;
using testing_support::Click;
using testing_support::MaskHarness;
using testing_support::Select;
using testing_support::Step;
using testing_support::Steps;
using testing_support::Type;
using testing_support::With;
using ui::headless::HeadlessDialog;
using ui::headless::headlessToolkit;

constexpr int FB = IDD_SKY_FAREBASIS, OT = IDD_SKY_OTHERS, VD = IDD_SKY_VALIDDATES;

HeadlessDialog& Dialog(int id) {
    return *headlessToolkit().findDialog(id);
}

// A sub-dialog's fields, set as a Recall would.
Step Put(int d, int id, std::string text) {
    return [d, id, text](MaskHarness&) { Dialog(d).setText(id, text); };
}
Step Choose(int d, int id, long code) {
    return [d, id, code](MaskHarness&) { framework::SelectCode(Dialog(d), id, code); };
}
Step Tick(int d, int id) {
    return [d, id](MaskHarness&) { Dialog(d).setChecked(id, true); };
}

// Carrier and the common bag allowance: a form that passes.
const Steps kBase = {Type(IDC_SKY_CARRIER, "SQ"), Type(IDC_SKY_BAGALLOW_EDIT, "20K")};

struct Skyfolio {
    // In a language without strings, so that every message is its key; kBase and then steps.
    explicit Skyfolio(const Steps& steps) {
        mask.home().write("Quorvex.ini", "[User]\nLANG=XX9\n");
        mask.activate();
        testing_support::Run(mask, With(kBase, steps));
    }

    // Sends from the form's button; answers the dialog and field that have the focus after a
    // refusal, in the sub-dialog shown for it or in the form. The lines recorded are the Send's
    // (not the lists' missing texts).
    std::pair<int, int> send() {
        mask.recorder().lines.clear();
        std::pair<int, int> focus = {0, 0};
        agent.then([&focus] {
            for (int d : {FB, OT, VD}) {
                if (Dialog(d).isWindowVisible())
                    focus = {d, Dialog(d).focus().value_or(0)};
            }
        });
        mask.click(IDC_SKY_SEND);
        if (focus.first == 0) {
            for (int d : {FB, OT, VD})
                EXPECT_FALSE(Dialog(d).isWindowVisible()) << d;
            focus = {IDD_SKYFOLIO, mask.form().focus().value_or(0)};
        }
        agent.actions.clear();
        return focus;
    }

    Agent agent;
    MaskHarness mask{masks::CreateSkyfolio, ids::DIID__ISkyfolioEvents, IDD_SKYFOLIO};
};

const Steps kTransfer = {Click(IDC_SKY_BAGALLOW), Type(IDC_SKY_PNS, "1.1"), Type(IDC_SKY_TFR, "2")};
// A card, and a second form of payment chosen first (each choice empties the details).
Steps CardAnd(long second) {
    return {Select(IDC_SKY_FOP1, 4), Select(IDC_SKY_FOP2, second), Type(IDC_SKY_CCTYPE1, "VI"),
            Type(IDC_SKY_CCNBR1, "4111111111111"), Type(IDC_SKY_CCEXPDATE1, "1207")};
}
const Steps kCard = CardAnd(0);
const Steps kNetRemit = {Click(IDC_SKY_NRTKT), Type(IDC_SKY_NRAMT, "100")};
const Steps kNetRemitCode = {Click(IDC_SKY_NRTKT), Type(IDC_SKY_NRVALCODE, "V1")};
const Steps kNetRemitPercent = {Click(IDC_SKY_NRCOMMPERCENT), Type(IDC_SKY_NRCOMPERCENT, "3")};
const Steps kTaxes = {Select(IDC_SKY_TAXTYPE, 3), Type(IDC_SKY_TCODE1, "XY"),
                      Type(IDC_SKY_TAMT1, "10.00")};
const Steps kElectronic = {Tick(OT, IDC_OTH_ETKT)};

struct Refusal {
    const char* key;
    int focus;
    Steps steps;
    int dialog = IDD_SKYFOLIO;  // the one that holds the focus
};

TEST(SkyfolioChecks, EachRefusesWithItsKeyAndFocusAndNothingIsSentOrSaved) {
    const Refusal refusals[] = {
        {"ERR_SAPBAS_CARRIER_MANDATORY", IDC_SKY_CARRIER, {Type(IDC_SKY_CARRIER, " ")}},
        // Per-segment allowances do not stand for the common one.
        {"ERR_SAPBAS_BAGALLOW_TRF_NOTPRESENT",
         IDC_SKY_BAGALLOW_EDIT,
         {Type(IDC_SKY_BAGALLOW_EDIT, ""), Put(FB, IDC_FB_BAGSEG1, "1"),
          Put(FB, IDC_FB_BAGALLOW1, "20K")}},
        // A transfer that a profile brought back beside the ticked box.
        {"ERR_SAPBAS_BAGALLOW_TRF_PRESENT",
         IDC_SKY_TFR,
         {[](MaskHarness& m) { m.form().setText(IDC_SKY_TFR, "2"); }, Type(IDC_SKY_PNS, "1")}},
        {"ERR_SAPBAS_PAXNAMESEL_MANDATORY", IDC_SKY_PNS, With(kTransfer, {Type(IDC_SKY_PNS, "")})},
        {"ERR_SAPBAS_FOP1_CCTYPE", IDC_SKY_FOP1,
         With(kNetRemit, {Select(IDC_SKY_FOP1, 1), Type(IDC_SKY_NRCRCARDAMT, "5")})},
        {"ERR_TICKETISSUANCE_OBJECTCODE_EMPTY",
         IDC_SKY_OBJECTCODE1,
         {Select(IDC_SKY_FOP1, 6), Type(IDC_SKY_WRR1, "W1"), Type(IDC_SKY_DBTR1, "D1")}},
        {"_ERR_CREDITCRD_NUMBER_13DIGITS", IDC_SKY_CCNBR1,
         With(kCard, {Type(IDC_SKY_CCNBR1, "411111111111")})},
        {"ERR_SAPBAS_CCAPPROVALCODE_LEN", IDC_SKY_CCAPPRCODE1,
         With(kCard, {Type(IDC_SKY_CCAPPRCODE1, "1234567")})},
        {"ERR_SAPBAS_CCEXTPYMT_NUM", IDC_SKY_PYMNT1,
         With(kCard, {Click(IDC_SKY_CCEXPYMT1), Type(IDC_SKY_PYMNT1, "6A")})},
        {"ERR_TICKETISSUANCE_SECOND_FOP_AMT",
         IDC_SKY_CHQAMT2,
         {Select(IDC_SKY_FOP1, 1), Select(IDC_SKY_FOP2, 3)}},
        // Cash after a card is paid in its own amount field.
        {"ERR_TICKETISSUANCE_SECOND_FOP_AMT", IDC_SKY_ALAMT2, CardAnd(1)},
        {"ERR_RDPCREATETFR_PTCCHILD_NUM_FIELD",
         IDC_SKY_CHILD_EDIT_AGE,
         {Click(IDC_SKY_CHILD), Type(IDC_SKY_CHILD_EDIT, "2"), Type(IDC_SKY_CHILD_EDIT_AGE, "A")}},
        {"ERR_SAPBAS_SHIPREGISTRY_MINVAL",
         IDC_SKY_SMAN2,
         {Click(IDC_SKY_SEAMAN), Type(IDC_SKY_SMAN1, "1"), Type(IDC_SKY_SMAN2, "S")}},
        {"ERR_SAPBAS_COMMPER_COMMAMT_PRESENT",
         IDC_SKY_COMMNSN,
         {Type(IDC_SKY_COMMNSN, "5"), Type(IDC_SKY_COMMSNAMT, "10")}},
        {"ERR_SAPBAS_COMMPER_NRTCOMMPER_PRESENT", IDC_SKY_COMMNSN,
         With(kNetRemitPercent, {Type(IDC_SKY_COMMNSN, "5")})},
        {"ERR_SAPBAS_COMMAMT_NRTNETCOMMPER_PRESENT", IDC_SKY_COMMSNAMT,
         With(kNetRemit, {Type(IDC_SKY_NRCOMMN, "2"), Type(IDC_SKY_COMMSNAMT, "5")})},
        {"ERR_TICKETISSUANCE_COMMISSION_RANGE", IDC_SKY_COMMNSN, {Type(IDC_SKY_COMMNSN, "100")}},
        {"ERR_SAPBAS_TAXCODE_MANDATORY", IDC_SKY_TCODE1, {Select(IDC_SKY_TAXTYPE, 2)}},
        {"ERR_SAPBAS_TAXAMT_MANDATORY",
         IDC_SKY_TAMT1,
         {Select(IDC_SKY_TAXTYPE, 3), Type(IDC_SKY_TCODE4, "XY")}},
        {"ERR_SAPBAS_TAXAMT_MANDATORY", IDC_SKY_TAMT2, With(kTaxes, {Type(IDC_SKY_TCODE2, "AB")})},
        {"ERR_SAPBAS_TAXCODE_MANDATORY", IDC_SKY_TCODE2, With(kTaxes, {Type(IDC_SKY_TAMT2, "5")})},
        {"ERR_SAPBAS_ENDORSEMENT_EO1_2",
         IDC_SKY_ENDORSE1,
         {Select(IDC_SKY_ENDORSEMENT, 3), Type(IDC_SKY_ENDORSE2, " ")}},
        {"ERR_SAPBAS_NRT_NOTPRESENT", IDC_SKY_NRAMT, {Click(IDC_SKY_NRTKT)}},
        {"ERR_SAPBAS_NRTCOMMPER_NRTNETCOMMPER_PRESENT", IDC_SKY_NRCOMPERCENT,
         With(kNetRemitCode, {Type(IDC_SKY_NRCOMPERCENT, "3"), Type(IDC_SKY_NRCOMMN, "2")})},
        {"ERR_TICKETISSUANCE_AMT_TOGETHER", IDC_SKY_NRAMT,
         With(kNetRemit, {Type(IDC_SKY_NRDISCAMT, "5")})},
        {"ERR_SAPBAS_NRTAMT_NRTCODE_PRESENT", IDC_SKY_NRDISCAMT,
         With(kNetRemitCode, {Type(IDC_SKY_NRDISCAMT, "5")})},
        {"ERR_SAPBAS_NRTAMT_MANDATORY", IDC_SKY_NRAMT,
         With(kNetRemitCode, {Select(IDC_SKY_ITCODE, 1), Type(IDC_SKY_TOURCODE, "TC")})},
        {"ERR_SAPBAS_NRTAMT_MANDATORY4", IDC_SKY_NRAMT,
         With(kNetRemitCode, {Type(IDC_SKY_NRALTCRCY, "USD")})},
        {"_ERR_NETCOMM_PER_VALUE", IDC_SKY_NRCOMMN,
         With(kNetRemit, {Type(IDC_SKY_NRCOMMN, "100")})},
        // The sub-dialogs' fields: the refusal shows the one that holds the field.
        {"ERR_SAPBAS_BAGALLOW_MANDATORY", IDC_FB_BAGALLOW1, {Put(FB, IDC_FB_BAGSEG1, "1")}, FB},
        {"ERR_SAPBAS_SEGMENTNBR_MANDATORY",
         IDC_FB_SEG1,
         {Put(FB, IDC_FB_FAREBASIS1, "YEE"), Put(FB, IDC_FB_FAREBASIS2, "MEE")},
         FB},
        {"ERR_SAPBAS_FAREBASIS_NOTPRESENT", IDC_FB_FAREBASIS18, {Put(FB, IDC_FB_SEG18, "1")}, FB},
        {"ERR_SAPBAS_DISCOUNT_MANDATORY",
         IDC_FB_DISCTYPE1,
         {Put(FB, IDC_FB_FAREBASIS1, "YEE"), Put(FB, IDC_FB_UFAREBASIS1, "Y1")},
         FB},
        {"ERR_SAPBAS_DISCOUNTPER_RANGE",
         IDC_FB_DISCVAL1,
         {Choose(FB, IDC_FB_DISCTYPE1, 2), Put(FB, IDC_FB_DISCVAL1, "100")},
         FB},
        {"ERR_SAPBAS_NVBDATE_NVADATE_MANDATORY", IDC_VD_MINDATE1, {Put(VD, IDC_VD_SEG1, "1")}, VD},
        {"_ERR_DATE_INVALID",
         IDC_VD_MAXDATE1,
         {Put(VD, IDC_VD_SEG1, "1"), Put(VD, IDC_VD_MINDATE1, "05MAR07"),
          Put(VD, IDC_VD_MAXDATE1, "5MAR")},
         VD},
        {"ERR_SAPBAS_OTHERS_EXCRES_PRESENT",
         IDC_OTH_RESTR1,
         {Choose(OT, IDC_OTH_RESTR1, 1), Choose(OT, IDC_OTH_RESTR2, 1)},
         OT},
        {"ERR_TICKETISSUANCE_COPIES_RANGE", IDC_OTH_AGCOUPON,
         With(kElectronic, {Put(OT, IDC_OTH_AGCOUPON, "6")}), OT},
        {"ERR_TICKETISSUANCE_COPIES_RANGE", IDC_OTH_AGCOUPON,
         With(kElectronic, {Put(OT, IDC_OTH_AGCOUPON, "00")}), OT},
    };
    for (const Refusal& r : refusals) {
        SCOPED_TRACE(r.key);
        Skyfolio s(r.steps);
        EXPECT_EQ(s.send(), std::make_pair(r.dialog, r.focus));
        EXPECT_EQ(s.mask.recorder().lines,
                  std::vector<std::string>{
                      std::string("msgbox [Ticketing - Issuance (without TFR)] ") + r.key});
        EXPECT_TRUE(s.mask.events().empty());
        EXPECT_EQ(s.mask.home().read("Quorvex.ini").find("TKT_MAIN_SECTION"), std::string::npos);
    }
}

// A full form with the borders that pass sends once.
TEST(SkyfolioChecks, BordersThatPass) {
    const Steps passing[] = {
        With(kTransfer, {Type(IDC_SKY_TFR, "7"), Type(IDC_SKY_PNS, "1.1/2.1-3.1")}),
        With(kCard, {Type(IDC_SKY_CCAPPRCODE1, "123456")}),
        With(CardAnd(3), {Type(IDC_SKY_CCAPPRCODE1, "12345678"), Type(IDC_SKY_CHQAMT2, "0.50")}),
        {Type(IDC_SKY_COMMNSN, "99.9"), Type(IDC_SKY_CONNECTION, "00")},
        With(kTaxes, {Type(IDC_SKY_TCODE10, "AB"), Type(IDC_SKY_TAMT10, "5")}),
        With(kNetRemit, {Type(IDC_SKY_NRCOMMN, "99.9"), Type(IDC_SKY_NRALTCRCY, "USD")}),
        {Put(FB, IDC_FB_SEG1, "1"), Put(FB, IDC_FB_FAREBASIS1, "YEE"),
         Put(FB, IDC_FB_UFAREBASIS1, "Y1"), Choose(FB, IDC_FB_DISCTYPE1, 2),
         Put(FB, IDC_FB_DISCVAL1, "99.99"), Put(FB, IDC_FB_SEG2, "2-3"),
         Put(FB, IDC_FB_FAREBASIS2, "MEE")},
        // A unique fare basis needs no discount of its own beside an amount discount.
        {Put(FB, IDC_FB_FAREBASIS1, "YEE"), Put(FB, IDC_FB_UFAREBASIS1, "Y1"),
         Choose(FB, IDC_FB_DISCTYPE3, 1), Put(FB, IDC_FB_DISCVAL3, "999.99")},
        {Put(VD, IDC_VD_SEG19, "19"), Put(VD, IDC_VD_MAXDATE19, "31DEC07")},
        {Choose(OT, IDC_OTH_RESTR1, 2), Put(OT, IDC_OTH_PERCENT1, "100"),
         Choose(OT, IDC_OTH_RESTR2, 3)},
        With(kElectronic, {Put(OT, IDC_OTH_AGCOUPON, "5"), Put(OT, IDC_OTH_EXCHG_AUTH, "1")}),
        // Copies are not checked without electronic ticketing.
        {Put(OT, IDC_OTH_AGCOUPON, "9")},
    };
    for (const Steps& steps : passing) {
        Skyfolio s(steps);
        s.send();
        EXPECT_EQ(s.mask.events().size(), 1u)
            << &steps - passing << testing::PrintToString(s.mask.recorder().lines);
    }
}

}  // namespace
