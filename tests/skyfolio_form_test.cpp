// The issuance form without transfer: its state at start-up and after Clear, the payment
// details each pair of payments shows, the rules of the passenger types, net remit and taxes,
// and Recall, which brings back what a Send saved and empties nothing. The second payments each
// first payment offers are in the scenario transcripts.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/class_ids.h"
#include "masks/catalog.h"
#include "masks/skyfolio/skyfolio_form.h"
#include "platform/zenkor/arch.h"
#include "resources/resource.h"
#include "tests/support/mask_harness.h"
#include "tests/support/mask_steps.h"

namespace {

using testing_support::Click;
using testing_support::MaskHarness;
using testing_support::Select;
using testing_support::Steps;
using testing_support::Type;
using testing_support::With;

constexpr int kDetails[] = {
    IDC_SKY_ALDATA1,     IDC_SKY_AGCODE,      IDC_SKY_CCTYPE1,   IDC_SKY_CCNBR1,
    IDC_SKY_CCEXPDATE1,  IDC_SKY_CCAPPRCODE1, IDC_SKY_CCEXPYMT1, IDC_SKY_PYMNT1,
    IDC_SKY_GRNO1,       IDC_SKY_GGR1,        IDC_SKY_WRR1,      IDC_SKY_DBTR1,
    IDC_SKY_OBJECTCODE1, IDC_SKY_OTHERS_FOP1, IDC_SKY_CASHAMT,   IDC_SKY_ALDATA2,
    IDC_SKY_ALAMT2,      IDC_SKY_CHQAMT2,     IDC_SKY_GRNO2,     IDC_SKY_GRAMT2,
    IDC_SKY_GGR2,        IDC_SKY_WRR2,        IDC_SKY_DBTR2,     IDC_SKY_GGR_AMT2,
    IDC_SKY_OBJECTCODE2, IDC_SKY_OTHERS_FOP2, IDC_SKY_FOP2_AMT};

struct Skyfolio {
    explicit Skyfolio(const char* startup = nullptr) {
        if (startup != nullptr)
            Q_pushString("QUORVEX", "ID_TICKETING_VANTREL", startup);
        mask.activate();
    }
    ui::headless::HeadlessDialog& form() { return mask.form(); }
    // The payment details shown, each with "-" when it is shown but closed.
    std::vector<std::string> shown() {
        std::vector<std::string> ids;
        for (int id : kDetails) {
            if (form().isVisible(id))
                ids.push_back(std::to_string(id) + (form().isEnabled(id) ? "" : "-"));
        }
        return ids;
    }
    std::vector<long> codes(int list) {
        std::vector<long> all;
        for (int i = 0; i < form().itemCount(list); ++i)
            all.push_back(form().itemData(list, i));
        return all;
    }
    // Those of ids that are enabled, or with on false those that are not.
    std::vector<int> enabled(const std::vector<int>& ids, bool on = true) {
        std::vector<int> found;
        for (int id : ids) {
            if (form().isEnabled(id) == on)
                found.push_back(id);
        }
        return found;
    }
    std::string state(int id) {
        return std::string(form().isEnabled(id) ? "on" : "off") + " '" + form().text(id) + "'";
    }

    MaskHarness mask{masks::CreateSkyfolio, ids::DIID__ISkyfolioEvents, IDD_SKYFOLIO};
};

std::string Id(int id, bool open = true) {
    return std::to_string(id) + (open ? "" : "-");
}

// The state of every control as the form opens is in the scenario transcripts.
TEST(SkyfolioForm, StartsWithBagAllowanceOrTheTransferGivenListsOnTheirFirstEntry) {
    struct Case {
        const char* startup;
        bool bagAllowance;
        std::string tfr;      // state of the transfer field
        std::string allowed;  // state of the common bag allowance
    };
    const Case cases[] = {
        {nullptr, true, "off ''", "on ''"},
        {"TFR=2", false, "on '2'", "off ''"},
        {"TFR=&X=1", true, "off ''", "on ''"},  // an empty transfer changes nothing
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.startup ? c.startup : "no start-up data");
        Skyfolio s(c.startup);
        EXPECT_EQ(s.form().isChecked(IDC_SKY_BAGALLOW), c.bagAllowance);
        EXPECT_EQ(s.state(IDC_SKY_TFR), c.tfr);
        EXPECT_EQ(s.state(IDC_SKY_BAGALLOW_EDIT), c.allowed);
        for (int list : {IDC_SKY_FOP1, IDC_SKY_FOP2, IDC_SKY_FARETYPE, IDC_SKY_TAXTYPE,
                         IDC_SKY_ENDORSEMENT, IDC_SKY_ITCODE})
            EXPECT_EQ(s.form().selection(list), 0) << list;
        // Bag Allow and the transfer take turns: the box empties and closes one, opens the other.
        s.mask.type(c.bagAllowance ? IDC_SKY_BAGALLOW_EDIT : IDC_SKY_TFR, "2");
        s.mask.click(IDC_SKY_BAGALLOW);
        EXPECT_EQ(s.state(IDC_SKY_TFR), c.bagAllowance ? "on ''" : "off ''");
        EXPECT_EQ(s.state(IDC_SKY_BAGALLOW_EDIT), c.bagAllowance ? "off ''" : "on ''");
    }
}

TEST(SkyfolioForm, EachPairOfPaymentsShowsItsOwnDetails) {
    struct Case {
        long first, second;
        std::vector<std::string> shown;
    };
    const std::vector<std::string> card = {Id(IDC_SKY_CCTYPE1),    Id(IDC_SKY_CCNBR1),
                                           Id(IDC_SKY_CCEXPDATE1), Id(IDC_SKY_CCAPPRCODE1),
                                           Id(IDC_SKY_CCEXPYMT1),  Id(IDC_SKY_PYMNT1, false)};
    const Case cases[] = {
        {1, 0, {Id(IDC_SKY_ALDATA1)}},
        {2, 0, {Id(IDC_SKY_AGCODE)}},
        {3, 0, {}},
        {4, 0, card},
        {5, 0, {Id(IDC_SKY_GRNO1)}},
        {6, 0, {Id(IDC_SKY_GGR1), Id(IDC_SKY_WRR1), Id(IDC_SKY_DBTR1), Id(IDC_SKY_OBJECTCODE1)}},
        {7, 0, {Id(IDC_SKY_OTHERS_FOP1)}},
        {1, 3, {Id(IDC_SKY_ALDATA1, false), Id(IDC_SKY_CHQAMT2)}},
        {3, 1, {Id(IDC_SKY_CASHAMT)}},
        {4, 1, With(card, {Id(IDC_SKY_ALDATA2), Id(IDC_SKY_ALAMT2)})},
        {4, 3, With(card, {Id(IDC_SKY_CHQAMT2)})},
        {4, 7, With(card, {Id(IDC_SKY_OTHERS_FOP2), Id(IDC_SKY_FOP2_AMT)})},
        {5, 5, {Id(IDC_SKY_GRNO1), Id(IDC_SKY_GRNO2), Id(IDC_SKY_GRAMT2)}},
        {3,
         6,
         {Id(IDC_SKY_GGR2), Id(IDC_SKY_WRR2), Id(IDC_SKY_DBTR2), Id(IDC_SKY_GGR_AMT2),
          Id(IDC_SKY_OBJECTCODE2)}},
    };
    Skyfolio s;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.first) + "+" + std::to_string(c.second));
        s.mask.select(IDC_SKY_FOP1, c.first);
        s.mask.select(IDC_SKY_FOP2, c.second);
        EXPECT_THAT(s.shown(), testing::UnorderedElementsAreArray(c.shown));
    }
}

TEST(SkyfolioForm, AChangeOfPaymentEmptiesTheDetailsAndResetsTheShownGgrList) {
    Skyfolio s;
    s.mask.select(IDC_SKY_FOP1, masks::kGovernmentRequestOther);
    s.mask.select(IDC_SKY_GGR1, 1);
    s.mask.type(IDC_SKY_WRR1, "w1");
    s.mask.select(IDC_SKY_FOP2, masks::kCash);
    EXPECT_EQ(s.form().selection(IDC_SKY_GGR1), 0);
    EXPECT_EQ(s.form().text(IDC_SKY_WRR1), "");

    s.mask.select(IDC_SKY_FOP1, masks::kCreditCard);
    s.mask.click(IDC_SKY_CCEXPYMT1);
    s.mask.type(IDC_SKY_PYMNT1, "6");
    EXPECT_EQ(s.state(IDC_SKY_PYMNT1), "on '6'");
    s.mask.click(IDC_SKY_CCEXPYMT1);
    EXPECT_EQ(s.state(IDC_SKY_PYMNT1), "off ''");
}

TEST(SkyfolioForm, AtMostFourPassengerTypesAndEachBoxOpensItsCounts) {
    Skyfolio s;
    const std::vector<int> boxes = {IDC_SKY_ADULT,  IDC_SKY_CHILD,  IDC_SKY_INFANT,
                                    IDC_SKY_SEAMAN, IDC_SKY_OTHERS, IDC_SKY_CHILD_EDIT_AGE};
    for (int id : {IDC_SKY_ADULT, IDC_SKY_INFANT, IDC_SKY_SEAMAN, IDC_SKY_OTHERS})
        s.mask.click(id);
    EXPECT_EQ(s.enabled(boxes, false), (std::vector<int>{IDC_SKY_CHILD, IDC_SKY_CHILD_EDIT_AGE}));
    EXPECT_EQ(s.state(IDC_SKY_SMAN2), "on ''");
    s.mask.type(IDC_SKY_SMAN1, "2");
    s.mask.click(IDC_SKY_SEAMAN);
    EXPECT_EQ(s.enabled(boxes, false), (std::vector<int>{IDC_SKY_CHILD_EDIT_AGE}));
    EXPECT_EQ(s.state(IDC_SKY_SMAN1), "off ''");
    s.mask.click(IDC_SKY_CHILD);
    EXPECT_EQ(s.enabled(boxes, false), (std::vector<int>{IDC_SKY_SEAMAN}));
}

// Any IT code of either list opens the tour code.
TEST(SkyfolioForm, NetRemitBoxesDecideTheValuesAndTheItCodes) {
    struct Case {
        int click;
        bool netRemit;
        bool commission;
        std::vector<long> itCodes;
        std::vector<int> open;  // among the net remit edits and the currency
    };
    const std::vector<long> plain = {0, 4, 5, 6, 7, 8};
    const std::vector<long> netRemitCodes = {0, 1, 2, 3};
    const std::vector<int> all = {IDC_SKY_NRCOMPERCENT, IDC_SKY_NRAMT,     IDC_SKY_NRSELFARE,
                                  IDC_SKY_NRVALCODE,    IDC_SKY_NRDISCAMT, IDC_SKY_NRCRCARDAMT,
                                  IDC_SKY_NRCONTCODE,   IDC_SKY_NRCOMMN,   IDC_SKY_NRALTCRCY};
    const Case cases[] = {
        {IDC_SKY_NRCOMMPERCENT, true, true, netRemitCodes, {IDC_SKY_NRCOMPERCENT}},
        {IDC_SKY_NRTKT, true, true, netRemitCodes, {IDC_SKY_NRCOMPERCENT}},  // stays ticked
        {IDC_SKY_NRCOMMPERCENT, false, false, plain, {IDC_SKY_NRALTCRCY}},
        {IDC_SKY_NRTKT, true, false, netRemitCodes, all},
        {IDC_SKY_NRTKT, false, false, plain, {IDC_SKY_NRALTCRCY}},
    };
    Skyfolio s;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.click);
        s.mask.select(IDC_SKY_ITCODE, s.form().itemData(IDC_SKY_ITCODE, 1));
        s.mask.type(IDC_SKY_TOURCODE, "t1");
        s.mask.click(c.click);
        EXPECT_EQ(s.form().isChecked(IDC_SKY_NRTKT), c.netRemit);
        EXPECT_EQ(s.form().isChecked(IDC_SKY_NRCOMMPERCENT), c.commission);
        EXPECT_EQ(s.codes(IDC_SKY_ITCODE), c.itCodes);
        EXPECT_EQ(s.state(IDC_SKY_TOURCODE), "off ''");
        EXPECT_EQ(s.enabled(all), c.open);
        for (long code : c.itCodes) {
            s.mask.select(IDC_SKY_ITCODE, code);
            EXPECT_EQ(s.form().isEnabled(IDC_SKY_TOURCODE), code != 0) << code;
        }
    }
}

// The endorsement lines by their type are in the rules example under examples/.
TEST(SkyfolioForm, TaxTypesOpenTheTaxCodesAndAmounts) {
    Skyfolio s;
    const std::pair<long, std::pair<bool, bool>> taxes[] = {
        {1, {false, false}}, {2, {true, false}}, {3, {true, true}}, {0, {false, false}}};
    for (const auto& [type, open] : taxes) {
        s.mask.select(IDC_SKY_TAXTYPE, type);
        for (std::size_t i = 0; i < 10; ++i) {
            EXPECT_EQ(s.form().isEnabled(masks::skyfolio::kTaxCodes[i]), open.first) << type;
            EXPECT_EQ(s.form().isEnabled(masks::skyfolio::kTaxAmounts[i]), open.second) << type;
        }
    }
}

// A form filled in every way the rules can close or empty, sent (which checks and saves it),
// changed and recalled: every value comes back, and every field is open as its choices say.
TEST(SkyfolioForm, RecallBringsBackWhatWasSentAndEmptiesNothing) {
    Skyfolio s;
    const Steps subjects[] = {
        {Click(IDC_SKY_BAGALLOW), Type(IDC_SKY_TFR, "3"), Type(IDC_SKY_PNS, "1.1"),
         Type(IDC_SKY_CARRIER, "sq")},
        {Select(IDC_SKY_FOP1, masks::kCreditCard),
         Select(IDC_SKY_FOP2, masks::kGovernmentRequestOther)},
        {Type(IDC_SKY_CCTYPE1, "vi"), Type(IDC_SKY_CCNBR1, "4111111111111"),
         Type(IDC_SKY_CCEXPDATE1, "1207"), Click(IDC_SKY_CCEXPYMT1), Type(IDC_SKY_PYMNT1, "6")},
        {Select(IDC_SKY_GGR2, 1), Type(IDC_SKY_WRR2, "w2"), Type(IDC_SKY_DBTR2, "d2"),
         Type(IDC_SKY_OBJECTCODE2, "o2"), Type(IDC_SKY_GGR_AMT2, "10")},
        {Click(IDC_SKY_CHILD), Type(IDC_SKY_CHILD_EDIT_AGE, "8")},
        {Select(IDC_SKY_TAXTYPE, 3), Type(IDC_SKY_TCODE4, "xy"), Type(IDC_SKY_TAMT4, "12")},
        {Select(IDC_SKY_ENDORSEMENT, 3), Type(IDC_SKY_ENDORSE2, "line two")},
        {Click(IDC_SKY_NRTKT), Select(IDC_SKY_ITCODE, 2), Type(IDC_SKY_TOURCODE, "ub1"),
         Type(IDC_SKY_NRALTCRCY, "eur"), Type(IDC_SKY_NRAMT, "100")},
    };
    for (const Steps& group : subjects)
        testing_support::Run(s.mask, group);
    s.mask.click(IDC_SKY_SEND);
    EXPECT_EQ(s.mask.home().section("TKT_MAIN_SECTION").substr(0, 40),
              "BAGALLOW=0 FPLINES=0 CCEXPYMT1=1 ADULT=0")
        << testing::PrintToString(s.mask.recorder().lines);
    const std::string sent = s.mask.home().section("TKT_MAIN_SECTION");

    s.mask.click(IDC_SKY_CLEAR);
    EXPECT_TRUE(s.form().isChecked(IDC_SKY_BAGALLOW));
    EXPECT_TRUE(s.shown().empty());
    s.mask.click(IDC_SKY_RECALL);
    const std::pair<int, std::string> restored[] = {
        {IDC_SKY_TFR, "on '3'"},        {IDC_SKY_BAGALLOW_EDIT, "off ''"},
        {IDC_SKY_CCTYPE1, "on 'VI'"},   {IDC_SKY_PYMNT1, "on '6'"},
        {IDC_SKY_WRR2, "on 'W2'"},      {IDC_SKY_CHILD_EDIT_AGE, "on '8'"},
        {IDC_SKY_TAMT4, "on '12'"},     {IDC_SKY_ENDORSE2, "on 'LINE TWO'"},
        {IDC_SKY_TOURCODE, "on 'UB1'"}, {IDC_SKY_NRALTCRCY, "on 'EUR'"},
    };
    for (const auto& [id, state] : restored)
        EXPECT_EQ(s.state(id), state) << id;
    EXPECT_EQ(s.form().itemData(IDC_SKY_FOP2, s.form().selection(IDC_SKY_FOP2)),
              masks::kGovernmentRequestOther);
    EXPECT_EQ(s.form().selection(IDC_SKY_GGR2), 1);
    EXPECT_EQ(s.codes(IDC_SKY_ITCODE), (std::vector<long>{0, 1, 2, 3}));
    EXPECT_EQ(s.form().itemData(IDC_SKY_ITCODE, s.form().selection(IDC_SKY_ITCODE)), 2);
    s.mask.click(IDC_SKY_SEND);
    EXPECT_EQ(s.mask.home().section("TKT_MAIN_SECTION"), sent) << "saved again unchanged";
}

}  // namespace
