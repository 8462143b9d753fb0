// The reissue mask end to end: every check with its key and focus, the rules of the form,
// Recall of what a Send saved, and the amount held against the net remit amount.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "framework/class_ids.h"
#include "masks/catalog.h"
#include "masks/reissuance/reissue_checks.h"
#include "masks/reissuance/reissue_form.h"
#include "platform/ui/dialog_template.h"
#include "platform/zenkor/arch.h"
#include "resources/resource.h"
#include "tests/support/mask_harness.h"

namespace {

using testing_support::MaskHarness;

// Agent actions, run in order on a mask.
using Step = std::function<void(MaskHarness&)>;

Step Type(int id, std::string text) {
    return [id, text](MaskHarness& m) { m.type(id, text); };
}
Step Select(int list, long code) {
    return [list, code](MaskHarness& m) { m.select(list, code); };
}
Step Click(int id) {
    return [id](MaskHarness& m) { m.click(id); };
}

// A cash reissue that passes every check.
const std::vector<Step> kValid = {
    Type(IDC_REISS_CARRIER, "SQ"),
    Type(IDC_REISS_TFR, "1"),
    Type(IDC_REISS_NAMESELECT, "1.1"),
    Type(IDC_REISS_COMMISSION, "5"),
    Type(IDC_REISS_EXTKT1, "618"),
    Type(IDC_REISS_EXTKT2, "1234567890"),
    Type(IDC_REISS_CPN, "1"),
    Type(IDC_REISS_DATEOFISSUE, "12JAN05"),
    Type(IDC_REISS_PLACEOFISSUE, "SIN"),
    Type(IDC_REISS_IATA, "12345678"),
};

// A mask whose language has no strings, so that every message is its key.
struct Reissue {
    Reissue() {
        mask.home().write("Quorvex.ini", "[User]\nLANG=XX9\n");
        mask.activate();
    }
    void run(const std::vector<Step>& steps) {
        for (const Step& step : steps)
            step(mask);
    }
    // Send, with what the steps logged before it forgotten (a language without strings logs
    // every list entry it fills).
    void send() {
        mask.recorder().lines.clear();
        mask.key(IDC_REISS_CARRIER, ui::Key::Enter);
    }
    std::vector<std::string> shown() {
        std::vector<std::string> ids;
        for (int id : kDetails) {
            if (mask.form().isVisible(id))
                ids.push_back(std::to_string(id));
        }
        return ids;
    }
    // Every property of every control of the form, as dumps show them.
    std::vector<std::string> snapshot() {
        std::vector<std::string> lines;
        for (const ui::ControlTemplate& c : ui::findTemplate(IDD_TICKETINGREISSUANCE)->controls) {
            if (c.id == IDC_STATUS_LINE)
                continue;  // it follows the focus
            for (const std::string& line : mask.form().dump(c.id))
                lines.push_back(std::to_string(c.id) + " " + line);
        }
        return lines;
    }

    static constexpr int kDetails[] = {
        760, 761, 762, 763, 764, 765, 766, 767, 768, 785, 786, 769, 770,
        771, 772, 773, 774, 775, 776, 777, 778, 886, 779, 784, 780,
    };
    MaskHarness mask{masks::CreateTicketingReIssuance, ids::DIID__ITicketingReIssuanceEvents,
                     IDD_TICKETINGREISSUANCE};
};

struct Refusal {
    std::vector<Step> steps;  // after the valid form
    int focus;
    const char* key;
};

std::vector<Step> With(int list, long code, std::vector<Step> steps) {
    steps.insert(steps.begin(), Select(list, code));
    return steps;
}

TEST(ReissueChecks, EachRefusesWithItsKeyAndFocusAndNothingIsSent) {
    const int ADD = IDC_REISS_ADDPAYMENT, FOP = IDC_REISS_FOP;
    const std::string kNotAllowed = "A\xC9";  // a letter outside A to Z
    const Refusal refusals[] = {
        {{Type(IDC_REISS_CARRIER, "")},
         IDC_REISS_CARRIER,
         "ERR_TKTREISSUE_CARRIER_MANDATORY_FIELD"},
        {{Type(IDC_REISS_CARRIER, "S")}, IDC_REISS_CARRIER, "ERR_TKTREISSUE_CARRIER_MINVAL_FIELD"},
        {{Type(IDC_REISS_CARRIER, "S-")},
         IDC_REISS_CARRIER,
         "ERR_TKTREISSUE_CARRIER_ALPHANUM_FIELD"},
        {{Type(IDC_REISS_TFR, "A")}, IDC_REISS_TFR, "ERR_TKTREISSUE_TFR_INVALID"},
        {{Type(IDC_REISS_TFR, "8")}, IDC_REISS_TFR, "ERR_TKTREISSUE_TFR_RANGE"},
        {{Type(IDC_REISS_TFR, "0")}, IDC_REISS_TFR, "ERR_TKTREISSUE_TFR_RANGE"},
        {{Type(IDC_REISS_NAMESELECT, "")},
         IDC_REISS_NAMESELECT,
         "ERR_TKTREISSUE_TFR_MANDATORY_FIELD"},
        {{Type(IDC_REISS_NAMESELECT, "1A")},
         IDC_REISS_NAMESELECT,
         "ERR_TKTREISSUE_NAMESELECT_INVALID"},
        {{Type(IDC_REISS_TFR, " ")}, IDC_REISS_TFR, "ERR_TKTREISSUE_NAMESELECT_MANDATORY_FIELD"},
        // The original payment's details.
        {{Type(760, "X-1")}, 760, "ERR_TKTREISSUE_FOP1_ALINE_DATA_INVALID"},
        {With(FOP, 4, {}), 761, "ERR_TKTREISSUE_FOP1_CC_TYPE_MAN"},
        {With(FOP, 4, {Type(761, "V")}), 761, "ERR_TKTREISSUE_FOP1_CC_TYPE_MIN"},
        {With(FOP, 4, {Type(761, "V1")}), 761, "ERR_TKTREISSUE_FOP1_CC_TYPE_INVALID"},
        {With(FOP, 5, {}), 762, "ERR_TKTREISSUE_FOP1_GR_NBR_MAN"},
        {With(FOP, 5, {Type(762, "G-1")}), 762, "ERR_TKTREISSUE_FOP1_GR_NBR_INVALID"},
        {With(FOP, 6, {}), 764, "ERR_TKTREISSUE_FOP1_GGR_WRT_CDE_MAN"},
        {With(FOP, 6, {Type(764, "W-")}), 764, "ERR_TKTREISSUE_FOP1_GGR_WRT_CDE_INVALID"},
        {With(FOP, 6, {Type(764, "W")}), 765, "ERR_TKTREISSUE_FOP1_GGR_DBTOR_CDE_MAN"},
        {With(FOP, 6, {Type(764, "W"), Type(765, "D-")}), 765,
         "ERR_TKTREISSUE_FOP1_GGR_DBTOR_CDE_INVALID"},
        {With(FOP, 7, {}), 766, "ERR_TKTREISSUE_FOP1_OTH_MAN"},
        {With(FOP, 7, {Type(766, "A*B")}), 766, "ERR_TKTREISSUE_FOP1_OTH_INVALID"},
        // The additional payment's details.
        {With(ADD, 1, {Type(767, "A-L")}), 767, "ERR_TKTREISSUE_ADDPAYMENT_CSH_ALDATA_INVALID"},
        {With(ADD, 1, {}), 768, "ERR_TKTREISSUE_ADDPAYMENT_CSH_AMT_MAN"},
        {With(ADD, 1, {Type(768, "10,00")}), 768, "ERR_TKTREISSUE_ADDPAYMENT_AMT_INVALID"},
        {With(ADD, 2, {}), 785, "ERR_TKTREISSUE_ADDPAYMENT_INVAGT_AMT_MAN"},
        {With(ADD, 2, {Type(785, "1/0")}), 785, "ERR_TKTREISSUE_ADDPAYMENT_AMT_INVALID"},
        {With(ADD, 3, {}), 786, "ERR_TKTREISSUE_ADDPAYMENT_CHQ_AMT_MAN"},
        {With(ADD, 4, {}), 769, "ERR_TKTREISSUE_ADDPAYMENT_CC_TYPE_MAN"},
        {With(ADD, 4, {Type(769, "V")}), 769, "ERR_TKTREISSUE_ADDPAYMENT_CC_TYPE_MIN"},
        {With(ADD, 4, {Type(769, "V1")}), 769, "ERR_TKTREISSUE_ADDPAYMENT_CC_TYPE_INVALID"},
        {With(ADD, 4, {Type(769, "VI")}), 770, "ERR_TKTREISSUE_ADDPAYMENT_CC_NBR_MAN"},
        {With(ADD, 4, {Type(769, "VI"), Type(770, "411111111111")}), 770,
         "ERR_TKTREISSUE_ADDPAYMENT_CC_NBR_MIN"},
        {With(ADD, 4, {Type(769, "VI"), Type(770, "411111111111X")}), 770,
         "ERR_TKTREISSUE_ADDPAYMENT_CC_NBR_INVALID"},
        {With(ADD, 4, {Type(769, "VI"), Type(770, "4111111111111")}), 771,
         "ERR_TKTREISSUE_ADDPAYMENT_CC_EXPDATE_MAN"},
        {With(ADD, 4, {Type(769, "VI"), Type(770, "4111111111111"), Type(771, "125")}), 771,
         "ERR_TKTREISSUE_ADDPAYMENT_CC_EXPDATE_MIN"},
        {With(ADD, 4, {Type(769, "VI"), Type(770, "4111111111111"), Type(771, "1305")}), 771,
         "ERR_TKTREISSUE_ADDPAYMENT_CC_EXPDATE_INVALID"},
        {With(ADD, 4,
              {Type(769, "VI"), Type(770, "4111111111111"), Type(771, "1205"), Type(772, "1-3")}),
         772, "ERR_TKTREISSUE_ADDPAYMENT_CC_APPR_CDE_INVALID"},
        {With(ADD, 4,
              {Type(769, "VI"), Type(770, "4111111111111"), Type(771, "1205"), Type(772, "1234567"),
               Type(773, "50")}),
         772, "ERR_TKTREISSUE_ADDPAYMENT_CC_APPR_CDE_7"},
        {With(ADD, 4, {Type(769, "VI"), Type(770, "4111111111111"), Type(771, "1205")}), 773,
         "ERR_TKTREISSUE_ADDPAYMENT_CC_AMT_MAN"},
        {With(ADD, 5, {}), 774, "ERR_TKTREISSUE_ADDPAYMENT_GR_NBR_MAN"},
        {With(ADD, 5, {Type(774, "G-")}), 774, "ERR_TKTREISSUE_ADDPAYMENT_GR_NBR_INVALID"},
        {With(ADD, 5, {Type(774, "G")}), 775, "ERR_TKTREISSUE_ADDPAYMENT_GR_AMT_MAN"},
        {With(ADD, 6, {}), 777, "ERR_TKTREISSUE_ADDPAYMENT_GGR_WRT_CDE_MAN"},
        {With(ADD, 6, {Type(777, "-")}), 777, "ERR_TKTREISSUE_ADDPAYMENT_GGR_WRT_CDE_INVALID"},
        {With(ADD, 6, {Type(777, "W")}), 778, "ERR_TKTREISSUE_ADDPAYMENT_GGR_DBTOR_CDE_MAN"},
        {With(ADD, 6, {Type(777, "W"), Type(778, "-")}), 778,
         "ERR_TKTREISSUE_ADDPAYMENT_GGR_DBTOR_CDE_INVALID"},
        {With(ADD, 6, {Type(777, "W"), Type(778, "D")}), 886,
         "ERR_TICKETISSUANCE_OBJECTCODE_EMPTY"},
        {With(ADD, 6, {Type(777, "W"), Type(778, "D"), Type(886, "-")}), 886,
         "ERR_TICKETISSUANCE_OBJECTCODE_ALPHANUM"},
        {With(ADD, 6, {Type(777, "W"), Type(778, "D"), Type(886, "O")}), 779,
         "ERR_TKTREISSUE_ADDPAYMENT_GGR_AMT_MAN"},
        {With(ADD, 7, {Type(784, "MCO")}), 780, "ERR_TKTREISSUE_ADDPAYMENT_OTH_AMT_MAN"},
        {With(ADD, 7, {Type(780, "10")}), 784, "ERR_TKTREISSUE_ADDPAYMENT_OTH_MAN"},
        {With(ADD, 7, {Type(780, "10"), Type(784, "A*")}), 784,
         "ERR_TKTREISSUE_ADDPAYMENT_OTH_INVALID"},
        {{Type(IDC_REISS_COMMISSION, "5,5")},
         IDC_REISS_COMMISSION,
         "ERR_TKTREISSUE_COMMISION_ALPHANUM_FIELD"},
        {{Type(IDC_REISS_COMMISSION, "5.55")},
         IDC_REISS_COMMISSION,
         "ERR_TKTREISSUE_COMMISSION_RANGE"},
        // Endorsements by type.
        {With(IDC_REISS_ENDORSE_TYPE, 2, {}), 688, "ERR_TKTREISSUE_ENDORSE_MAN"},
        {With(IDC_REISS_ENDORSE_TYPE, 1, {Type(688, kNotAllowed)}), 688,
         "ERR_TKTREISSUE_ENDORSE1_ALPHANUM_FIELD"},
        {With(IDC_REISS_ENDORSE_TYPE, 3, {Type(688, " ")}), 688, "ERR_TKTREISSUE_ENDORSE_MAN12"},
        {With(IDC_REISS_ENDORSE_TYPE, 3, {Type(690, kNotAllowed)}), 690,
         "ERR_TKTREISSUE_ENDORSE2_ALPHANUM_FIELD"},
        {With(IDC_REISS_ENDORSE_TYPE, 4, {Type(688, "A"), Type(690, "B")}), 688,
         "ERR_TKTG_ENDORSE_PR_DOMESTIC_ONE"},
        {With(IDC_REISS_ITCODE_TYPE, 4, {}), 694, "ERR_TKTREISSUE_TOURCODE_MAN"},
        {With(IDC_REISS_ITCODE_TYPE, 8, {Type(694, "A*")}), 694,
         "ERR_TKTREISSUE_ITCODE_ALPHANUM_FIELD"},
        // The exchanged ticket and its issue.
        {{Type(696, "")}, 696, "ERR_TKTREISSUE_EXTTKT1_MANDATORY_FIELD"},
        {{Type(696, "61")}, 696, "ERR_TKTREISSUE_EXTTKT1_MINVAL_FIELD"},
        {{Type(696, "61A")}, 696, "ERR_TKTREISSUE_EXTTKT1_NUM_FIELD"},
        {{Type(698, "")}, 698, "ERR_TKTREISSUE_EXTTKT2_MANDATORY_FIELD"},
        {{Type(698, "123456789")}, 698, "ERR_TKTREISSUE_EXTTKT2_MINVAL_FIELD"},
        {{Type(698, "123456789A")}, 698, "ERR_TKTREISSUE_EXTTKT2_NUM_FIELD"},
        {{Type(700, "")}, 700, "ERR_TKTREISSUE_CPN_MANDATORY_FIELD"},
        {{Type(700, "1A")}, 700, "ERR_TKTREISSUE_CPN_INVALID"},
        {{Type(702, "2B")}, 702, "ERR_TKTREISSUE_2TKTCPN_INVALID"},
        {{Type(703, "3 ")}, 703, "ERR_TKTREISSUE_3TKTCPN_INVALID"},
        {{Type(704, "")}, 704, "ERR_TKTREISSUE_IATA_MANDATORY_FIELD"},
        {{Type(704, "1234567")}, 704, "ERR_TKTREISSUE_IATA_MINVAL_FIELD"},
        {{Type(704, "1234567A")}, 704, "ERR_TKTREISSUE_IATA_NUM_FIELD"},
        {{Click(705)}, 706, "ERR_TKTREISSUE_ORGTKT1_MAN"},
        {{Click(705), Type(706, "61")}, 706, "ERR_TKTREISSUE_ORGTKT1_MINVAL_FIELD"},
        {{Click(705), Type(706, "61A")}, 706, "ERR_TKTREISSUE_ORGTKT1_NUM_FIELD"},
        {{Click(705), Type(706, "618")}, 707, "ERR_TKTREISSUE_ORGTKT2_MAN"},
        {{Click(705), Type(706, "618"), Type(707, "1")},
         707,
         "ERR_TKTREISSUE_ORGTKT2_MINVAL_FIELD"},
        {{Click(705), Type(706, "618"), Type(707, "111111111A")},
         707,
         "ERR_TKTREISSUE_ORGTKT2_NUM_FIELD"},
        {{Type(709, "")}, 709, "ERR_TKTREISSUE_DATEOFISSUE_MANDATORY_FIELD"},
        {{Type(709, "12JAN5")}, 709, "ERR_TKTREISSUE_DATEOFISSUE_MINVAL_FIELD"},
        {{Type(709, "30FEB05")}, 709, "ERR_TKTREISSUE_DATEOFISSUE_DATE_FIELD"},
        {{Type(710, "")}, 710, "ERR_TKTREISSUE_PLACEOFISSUE_MANDATORY_FIELD"},
        {{Type(710, "SI")}, 710, "ERR_TKTREISSUE_PLACEOFISSUE_MINVAL_FIELD"},
        {{Type(710, "S-N")}, 710, "ERR_TKTREISSUE_PLACEOFISSUE_ALPHANUM_FIELD"},
        // Net remit: ticking it asks for a cash amount.
        {{Click(711), Type(768, "100")}, 712, "ERR_TKTREISSUE_NETREMITAMT_MAN"},
        {{Click(711), Type(768, "100"), Type(712, "1/0")},
         712,
         "ERR_TKTREISSUE_NETREMITAMT_DOUBLENUM_FIELD"},
        {{Click(711), Type(768, "100"), Type(712, "100"), Type(713, "5,0")},
         713,
         "ERR_TKTREISSUE_NETCOMMISION_DOUBLENUM_FIELD"},
        {{Click(711), Type(768, "100"), Type(712, "100"), Type(713, "100")},
         713,
         "ERR_TKTREISSUE_NETCOMMISION_RANGE"},
        {{Click(711), Type(768, "100"), Type(712, "100"), Type(713, "5")},
         713,
         "ERR_TKTREISSUE_NETCOMMISION_N_COMMISION"},
        {{Type(714, "US")}, 714, "ERR_TKTREISSUE_ALTCURRENCY_MINVAL_FIELD"},
        {{Type(714, "US1")}, 714, "ERR_TKTREISSUE_ALTCURRENCY_ALPHA_FIELD"},
        {{Click(711), Type(768, "100"), Type(712, "100"), Type(814, "V-1")},
         814,
         "ERR_TKREISSUE_VALUE_CODE_ALPHANUM"},
        {{Click(711), Type(768, "100"), Type(712, "100"), Type(815, "C-1")},
         815,
         "ERR_TKREISSUE_CONTRACT_CODE_ALPHANUM"},
        {With(IDC_REISS_ITCODE_TYPE, 4, {Type(694, "IT"), Type(819, "TP")}), 819,
         "ERR_TKTREISSUE_TRIPARTITE_TOUR"},
        {{Type(819, kNotAllowed)}, 819, "ERR_TKTREISSUE_TRIPARTITE_CODE_ALPHANUM"},
        // Copies, with electronic ticketing ticked.
        {{Click(800), Type(718, "A")}, 718, "ERR_TKTREISSUE_AGENTCOUPON_NUM_FIELD"},
        {{Click(800), Type(718, "6")}, 718, "ERR_TICKETISSUANCE_COPIES_RANGE"},
        {{Click(800), Type(719, "A")}, 719, "ERR_TKTREISSUE_PASSRECEIPT_NUM_FIELD"},
        {{Click(800), Type(720, "0")}, 720, "ERR_TICKETISSUANCE_COPIES_RANGE"},
        {{Click(800), Type(721, "A")}, 721, "ERR_TKTREISSUE_CCCHGFORM_NUM_FIELD"},
        {{Click(800), Type(813, "A")}, 813, "ERR_TKTREISSUE_TKTEXCHGAUTHFORM_NUM"},
        // The additional amount held against the net remit amount.
        {{Click(711), Type(768, "SGD50"), Type(712, "100")}, 768, "ERR_TKTREISSUE_ADDPAY_AMT"},
        {{Click(711), Type(768, "SGD99.99"), Type(712, "100")}, 768, "ERR_TKTREISSUE_ADDPAY_AMT"},
    };
    for (const Refusal& r : refusals) {
        SCOPED_TRACE(r.key);
        Reissue f;
        f.run(kValid);
        f.run(r.steps);
        f.send();
        EXPECT_EQ(f.mask.recorder().lines,
                  std::vector<std::string>{std::string("msgbox [Ticketing ReIssuance] ") + r.key});
        EXPECT_EQ(f.mask.form().focus(), r.focus);
        EXPECT_TRUE(f.mask.events().empty());
        EXPECT_EQ(f.mask.home().read("Quorvex.ini").find("TKT_REISS_SECTION"), std::string::npos);
    }
}

TEST(ReissueChecks, BordersThatPass) {
    const std::vector<Step> accepted[] = {
        {Type(IDC_REISS_TFR, "7")},
        {Type(IDC_REISS_TFR, ""), Type(IDC_REISS_NAMESELECT, "")},
        {Type(IDC_REISS_COMMISSION, "99.9"), Type(700, "AB"), Type(702, "2"), Type(703, "CD")},
        {Select(IDC_REISS_ADDPAYMENT, 4), Type(769, "VI"), Type(770, "4111111111111"),
         Type(771, "1205"), Type(772, "123456"), Type(773, "50")},
        {Select(IDC_REISS_ADDPAYMENT, 4), Type(769, "VI"), Type(770, "4111111111111"),
         Type(771, "1205"), Type(772, "12345678"), Type(773, "50")},
        {Select(IDC_REISS_ENDORSE_TYPE, 4), Type(690, "NON-REF/\"QUOTED\" `X`")},
        {Type(819, "TP ~!@#$%^&*()_-+=;:\"'[]{}\\|<>?,./")},
        {Click(711), Type(768, "SGD150"), Type(712, "100"), Type(IDC_REISS_COMMISSION, "")},
        {Click(711), Type(768, "100"), Type(712, "100"), Type(IDC_REISS_COMMISSION, ""),
         Type(713, "7.5"), Type(814, "V1"), Type(815, "C1")},
        {Click(800), Type(718, "1"), Type(719, "5"), Type(813, "3")},
    };
    for (const auto& steps : accepted) {
        Reissue f;
        f.run(kValid);
        f.run(steps);
        f.send();
        EXPECT_EQ(f.mask.events().size(), 1u) << testing::PrintToString(f.mask.recorder().lines);
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
        {"SGD50", "100", true},   {"SGD150", "100", false}, {"100", "100", false},
        {"100.00", "100", false}, {"99.99", "100", true},   {"90", "100", true},
        {"SGD90", "100", true},   {"050", "100", true},     {"0100", "100", false},
        {"SGDX50", "100", false}, {"AB50", "100", false},   {"SG", "100", false},
        {"1E5", "100", true},     {"50", "", false},        {"50", "50.01", true},
        {"50.5.9", "50.6", true}, {"SGD", "1", false},      {"sgd9", "10", true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(masks::reissue::NetRemitExceedsAmount(c.amount, c.netRemit), c.refused)
            << c.amount << " against " << c.netRemit;
    }
}

TEST(ReissueForm, PaymentDetailsFollowBothPayments) {
    struct Case {
        long original, additional;
        std::vector<std::string> shown;
    };
    const Case cases[] = {
        {1, 0, {"760"}},
        {4, 0, {"761"}},
        {4, 1, {"761", "767", "768"}},
        {6, 6, {"763", "764", "765", "776", "777", "778", "886", "779"}},
        {3, 4, {"769", "770", "771", "772", "773"}},
        {2, 7, {"784", "780"}},
        {5, 2, {"762", "785"}},
    };
    for (const Case& c : cases) {
        Reissue f;
        f.mask.select(IDC_REISS_FOP, c.original);
        if (c.additional != 0)
            f.mask.select(IDC_REISS_ADDPAYMENT, c.additional);
        EXPECT_EQ(f.shown(), c.shown) << c.original << "/" << c.additional;
    }
}

TEST(ReissueForm, OriginalDetailsOutliveAChangeOfTheAdditionalPayment) {
    Reissue f;
    f.mask.select(IDC_REISS_FOP, 6);
    f.run({Type(764, "W1"), Type(765, "D1"), Select(763, 1), Select(IDC_REISS_ADDPAYMENT, 1),
           Type(768, "10"), Select(IDC_REISS_ADDPAYMENT, 3)});
    EXPECT_EQ(f.mask.form().text(764), "W1");
    EXPECT_EQ(f.mask.form().text(765), "D1");
    EXPECT_EQ(f.mask.form().selection(763), 1);
    f.mask.select(IDC_REISS_ADDPAYMENT, 1);
    EXPECT_EQ(f.mask.form().text(768), "") << "the additional details show empty";
    // A new original payment empties the additional payment.
    f.mask.select(IDC_REISS_FOP, 6);
    EXPECT_EQ(f.mask.form().selection(IDC_REISS_ADDPAYMENT), 0);
    EXPECT_EQ(f.mask.form().text(764), "");
}

std::vector<long> Codes(MaskHarness& m, int list) {
    std::vector<long> codes;
    for (int i = 0; i < m.form().itemCount(list); ++i)
        codes.push_back(m.form().itemData(list, i));
    return codes;
}

TEST(ReissueForm, NetRemitSwapsTheEmptyAdditionalPaymentAndTheItCodes) {
    Reissue f;
    f.run({Select(IDC_REISS_ITCODE_TYPE, 5), Type(694, "IT1"), Click(711)});
    MaskHarness& m = f.mask;
    EXPECT_EQ(Codes(m, IDC_REISS_ADDPAYMENT), (std::vector<long>{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(m.form().text(IDC_REISS_ADDPAYMENT), "DATA_TKTREISSUE_CASH");
    EXPECT_EQ(f.shown(), (std::vector<std::string>{"760", "767", "768"}));
    EXPECT_EQ(Codes(m, IDC_REISS_ITCODE_TYPE), (std::vector<long>{0, 1, 2, 3}));
    EXPECT_EQ(m.form().selection(IDC_REISS_ITCODE_TYPE), 0);
    EXPECT_FALSE(m.form().isEnabled(694));
    EXPECT_EQ(m.form().text(694), "") << "a tour code of the old list does not stay behind";
    EXPECT_TRUE(m.form().isEnabled(712));

    f.run({Type(712, "100"), Type(814, "V1"), Select(IDC_REISS_ADDPAYMENT, 3), Click(711)});
    EXPECT_EQ(Codes(m, IDC_REISS_ADDPAYMENT), (std::vector<long>{0, 1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(m.form().text(IDC_REISS_ADDPAYMENT), "DATA_TKTREISSUE_CHEQUE") << "kept";
    for (int id : {712, 713, 814, 815}) {
        EXPECT_FALSE(m.form().isEnabled(id)) << id;
        EXPECT_EQ(m.form().text(id), "") << id;
    }
    EXPECT_EQ(Codes(m, IDC_REISS_ITCODE_TYPE), (std::vector<long>{0, 4, 5, 6, 7, 8}));
}

TEST(ReissueForm, EndorsementTypeSetsTheLines) {
    struct Case {
        long type;
        bool second;
        int limit1, limit2;
        const char* label1;
    };
    const Case cases[] = {
        {1, false, 60, 29, "DATA_TKTREISSUE_ED"},  {2, false, 58, 29, "DATA_TKTREISSUE_EO"},
        {3, true, 29, 29, "LAB_TKTG_ENDORSE_EO1"}, {4, true, 83, 83, "DATA_TKTREISSUE_EO"},
        {0, false, 83, 83, "DATA_TKTREISSUE_EO"},
    };
    Reissue f;
    MaskHarness& m = f.mask;
    EXPECT_FALSE(m.form().isVisible(875));
    for (const Case& c : cases) {
        f.run({Type(688, "OLD"), Select(IDC_REISS_ENDORSE_TYPE, c.type)});
        EXPECT_EQ(m.form().isEnabled(688), c.type != 0) << c.type;
        EXPECT_EQ(m.form().isEnabled(690), c.second) << c.type;
        EXPECT_EQ(m.form().isVisible(875), c.type != 0) << c.type;
        EXPECT_EQ(m.form().isVisible(876), c.second) << c.type;
        EXPECT_EQ(m.form().text(875), c.label1) << c.type;
        EXPECT_EQ(m.form().text(688), "") << c.type;
        EXPECT_EQ(m.form().dump(688)[3], "limit " + std::to_string(c.limit1)) << c.type;
        EXPECT_EQ(m.form().dump(690)[3], "limit " + std::to_string(c.limit2)) << c.type;
        if (c.second)
            m.type(690, "LINE2");
    }
}

TEST(ReissueForm, ElectronicTicketingOpensTheCopiesAndUntickingResetsThem) {
    Reissue f;
    MaskHarness& m = f.mask;
    f.run({Click(800), Click(802), Select(722, 2), Type(718, "1"), Type(813, "2"), Click(800)});
    EXPECT_FALSE(m.form().isChecked(802));
    EXPECT_FALSE(m.form().isEnabled(802));
    EXPECT_EQ(m.form().selection(722), 0);
    EXPECT_FALSE(m.form().isEnabled(722));
    for (int id : {718, 719, 720, 721, 813}) {
        EXPECT_FALSE(m.form().isEnabled(id)) << id;
        EXPECT_EQ(m.form().text(id), "") << id;
    }
}

TEST(ReissueForm, StartUpTakesTheTransferNumberFromTheQueue) {
    for (const char* data : {"TFR=3&X=1", "X=1", ""}) {
        MaskHarness m(masks::CreateTicketingReIssuance, ids::DIID__ITicketingReIssuanceEvents,
                      IDD_TICKETINGREISSUANCE);
        if (*data != '\0')
            Q_pushString("QUORVEX", "ID_TICKETING_REISSUANCE", data);
        m.activate();
        EXPECT_EQ(m.form().text(IDC_REISS_TFR), data == std::string("TFR=3&X=1") ? "3" : "")
            << data;
    }
}

// Two forms that use most fields: Recall brings each back exactly as it was sent, lists,
// boxes, enabled and shown states included, after a Clear in between.
TEST(ReissueRecall, BringsBackTheSentFormWithoutUndoingAnyOfIt) {
    const std::vector<Step> forms[] = {
        {Select(IDC_REISS_FOP, 6),
         Select(763, 1),
         Type(764, "W1"),
         Type(765, "D1"),
         Click(711),
         Type(768, "SGD600"),
         Type(712, "500"),
         Type(814, "V1"),
         Type(815, "C1"),
         Type(IDC_REISS_COMMISSION, ""),
         Type(713, "3"),
         Select(IDC_REISS_ITCODE_TYPE, 2),
         Type(694, "IT1"),
         Select(IDC_REISS_ENDORSE_TYPE, 3),
         Type(688, "AB"),
         Type(690, "CD"),
         Click(705),
         Type(706, "618"),
         Type(707, "1111111111"),
         Type(702, "2"),
         Click(800),
         Click(802),
         Select(722, 2),
         Type(718, "1"),
         Type(813, "4"),
         Select(811, 2),
         Type(714, "USD")},
        {Select(IDC_REISS_FOP, 4), Type(761, "AX"), Select(IDC_REISS_ADDPAYMENT, 6), Select(776, 1),
         Type(777, "W2"), Type(778, "D2"), Type(886, "OB"), Type(779, "75"),
         Select(IDC_REISS_ITCODE_TYPE, 8), Type(694, "TOUR"), Select(IDC_REISS_ENDORSE_TYPE, 4),
         Type(690, "DOMESTIC ONLY")},
    };
    for (const auto& steps : forms) {
        Reissue f;
        f.run(kValid);
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
    f.run(kValid);
    f.run({Click(711), Click(800), Select(IDC_REISS_ENDORSE_TYPE, 1)});
    f.mask.click(IDC_REISS_CLEAR);
    const std::vector<std::string> cleared = f.snapshot();
    f.mask.click(IDC_REISS_RECALL);
    EXPECT_EQ(f.snapshot(), cleared);
}

// Every field is saved once and restored once, under the same key.
TEST(ReissueProfile, EveryFieldIsSavedAndRestoredOnce) {
    using masks::reissue::Fields;
    std::set<std::string> saved, restored;
    for (const auto& f : masks::reissue::SavedFields())
        EXPECT_TRUE(saved.insert(f.key).second) << f.key;
    for (auto part : {masks::reissue::RestoredFirst(), masks::reissue::RestoredAfterNetRemit()}) {
        for (const auto& f : part)
            EXPECT_TRUE(restored.insert(f.key).second) << f.key;
    }
    EXPECT_EQ(saved.size(), Fields().size());
    EXPECT_EQ(restored, saved);
}

TEST(ReissueCancel, FiresCancelThenLogsIt) {
    Reissue f;
    f.mask.recorder().lines.clear();
    f.mask.click(IDC_REISS_CANCEL);
    EXPECT_EQ(f.mask.events(), std::vector<std::string>{"event 1"});
    EXPECT_EQ(
        f.mask.recorder().lines,
        std::vector<std::string>{"log diagnostic TicketingReIssuance OnCancel 10 Fired OnCancel"});
}

}  // namespace
