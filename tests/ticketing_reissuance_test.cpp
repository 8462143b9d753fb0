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
    std::vector<int> shown() {
        std::vector<int> ids;
        for (int id : kDetails) {
            if (mask.form().isVisible(id))
                ids.push_back(id);
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
        IDC_REISS_FOP1_ALINE_DATA,
        IDC_REISS_FOP1_CC_TYPE,
        IDC_REISS_FOP1_GR_NBR,
        IDC_REISS_FOP1_GGR_CODE,
        IDC_REISS_FOP1_GGR_WRT_CDE,
        IDC_REISS_FOP1_GGR_DBTOR_CDE,
        IDC_REISS_FOP1_OTH,
        IDC_REISS_ADDPAYMENT_CSH_ALDATA,
        IDC_REISS_ADDPAYMENT_CSH_AMT,
        IDC_REISS_ADDPAYMENT_INVAGT_AMT,
        IDC_REISS_ADDPAYMENT_CHQ_AMT,
        IDC_REISS_ADDPAYMENT_CC_TYPE,
        IDC_REISS_ADDPAYMENT_CC_NBR,
        IDC_REISS_ADDPAYMENT_CC_EXPDATE,
        IDC_REISS_ADDPAYMENT_CC_APPR_CDE,
        IDC_REISS_ADDPAYMENT_CC_AMT,
        IDC_REISS_ADDPAYMENT_GR_NBR,
        IDC_REISS_ADDPAYMENT_GR_AMT,
        IDC_REISS_ADDPAYMENT_GGR_CODE,
        IDC_REISS_ADDPAYMENT_GGR_WRT_CDE,
        IDC_REISS_ADDPAYMENT_GGR_DBTOR_CDE,
        IDC_REISS_OBJECTCODE,
        IDC_REISS_ADDPAYMENT_GGR_AMT,
        IDC_REISS_ADDPAYMENT_OTH,
        IDC_REISS_ADDPAYMENT_OTH_AMT,
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
        {{Type(IDC_REISS_FOP1_ALINE_DATA, "X-1")},
         IDC_REISS_FOP1_ALINE_DATA,
         "ERR_TKTREISSUE_FOP1_ALINE_DATA_INVALID"},
        {With(FOP, 4, {}), IDC_REISS_FOP1_CC_TYPE, "ERR_TKTREISSUE_FOP1_CC_TYPE_MAN"},
        {With(FOP, 4, {Type(IDC_REISS_FOP1_CC_TYPE, "V")}), IDC_REISS_FOP1_CC_TYPE,
         "ERR_TKTREISSUE_FOP1_CC_TYPE_MIN"},
        {With(FOP, 4, {Type(IDC_REISS_FOP1_CC_TYPE, "V1")}), IDC_REISS_FOP1_CC_TYPE,
         "ERR_TKTREISSUE_FOP1_CC_TYPE_INVALID"},
        {With(FOP, 5, {}), IDC_REISS_FOP1_GR_NBR, "ERR_TKTREISSUE_FOP1_GR_NBR_MAN"},
        {With(FOP, 5, {Type(IDC_REISS_FOP1_GR_NBR, "G-1")}), IDC_REISS_FOP1_GR_NBR,
         "ERR_TKTREISSUE_FOP1_GR_NBR_INVALID"},
        {With(FOP, 6, {}), IDC_REISS_FOP1_GGR_WRT_CDE, "ERR_TKTREISSUE_FOP1_GGR_WRT_CDE_MAN"},
        {With(FOP, 6, {Type(IDC_REISS_FOP1_GGR_WRT_CDE, "W-")}), IDC_REISS_FOP1_GGR_WRT_CDE,
         "ERR_TKTREISSUE_FOP1_GGR_WRT_CDE_INVALID"},
        {With(FOP, 6, {Type(IDC_REISS_FOP1_GGR_WRT_CDE, "W")}), IDC_REISS_FOP1_GGR_DBTOR_CDE,
         "ERR_TKTREISSUE_FOP1_GGR_DBTOR_CDE_MAN"},
        {With(FOP, 6,
              {Type(IDC_REISS_FOP1_GGR_WRT_CDE, "W"), Type(IDC_REISS_FOP1_GGR_DBTOR_CDE, "D-")}),
         IDC_REISS_FOP1_GGR_DBTOR_CDE, "ERR_TKTREISSUE_FOP1_GGR_DBTOR_CDE_INVALID"},
        {With(FOP, 7, {}), IDC_REISS_FOP1_OTH, "ERR_TKTREISSUE_FOP1_OTH_MAN"},
        {With(FOP, 7, {Type(IDC_REISS_FOP1_OTH, "A*B")}), IDC_REISS_FOP1_OTH,
         "ERR_TKTREISSUE_FOP1_OTH_INVALID"},
        // The additional payment's details.
        {With(ADD, 1, {Type(IDC_REISS_ADDPAYMENT_CSH_ALDATA, "A-L")}),
         IDC_REISS_ADDPAYMENT_CSH_ALDATA, "ERR_TKTREISSUE_ADDPAYMENT_CSH_ALDATA_INVALID"},
        {With(ADD, 1, {}), IDC_REISS_ADDPAYMENT_CSH_AMT, "ERR_TKTREISSUE_ADDPAYMENT_CSH_AMT_MAN"},
        {With(ADD, 1, {Type(IDC_REISS_ADDPAYMENT_CSH_AMT, "10,00")}), IDC_REISS_ADDPAYMENT_CSH_AMT,
         "ERR_TKTREISSUE_ADDPAYMENT_AMT_INVALID"},
        {With(ADD, 2, {}), IDC_REISS_ADDPAYMENT_INVAGT_AMT,
         "ERR_TKTREISSUE_ADDPAYMENT_INVAGT_AMT_MAN"},
        {With(ADD, 2, {Type(IDC_REISS_ADDPAYMENT_INVAGT_AMT, "1/0")}),
         IDC_REISS_ADDPAYMENT_INVAGT_AMT, "ERR_TKTREISSUE_ADDPAYMENT_AMT_INVALID"},
        {With(ADD, 3, {}), IDC_REISS_ADDPAYMENT_CHQ_AMT, "ERR_TKTREISSUE_ADDPAYMENT_CHQ_AMT_MAN"},
        {With(ADD, 4, {}), IDC_REISS_ADDPAYMENT_CC_TYPE, "ERR_TKTREISSUE_ADDPAYMENT_CC_TYPE_MAN"},
        {With(ADD, 4, {Type(IDC_REISS_ADDPAYMENT_CC_TYPE, "V")}), IDC_REISS_ADDPAYMENT_CC_TYPE,
         "ERR_TKTREISSUE_ADDPAYMENT_CC_TYPE_MIN"},
        {With(ADD, 4, {Type(IDC_REISS_ADDPAYMENT_CC_TYPE, "V1")}), IDC_REISS_ADDPAYMENT_CC_TYPE,
         "ERR_TKTREISSUE_ADDPAYMENT_CC_TYPE_INVALID"},
        {With(ADD, 4, {Type(IDC_REISS_ADDPAYMENT_CC_TYPE, "VI")}), IDC_REISS_ADDPAYMENT_CC_NBR,
         "ERR_TKTREISSUE_ADDPAYMENT_CC_NBR_MAN"},
        {With(ADD, 4,
              {Type(IDC_REISS_ADDPAYMENT_CC_TYPE, "VI"),
               Type(IDC_REISS_ADDPAYMENT_CC_NBR, "411111111111")}),
         IDC_REISS_ADDPAYMENT_CC_NBR, "ERR_TKTREISSUE_ADDPAYMENT_CC_NBR_MIN"},
        {With(ADD, 4,
              {Type(IDC_REISS_ADDPAYMENT_CC_TYPE, "VI"),
               Type(IDC_REISS_ADDPAYMENT_CC_NBR, "411111111111X")}),
         IDC_REISS_ADDPAYMENT_CC_NBR, "ERR_TKTREISSUE_ADDPAYMENT_CC_NBR_INVALID"},
        {With(ADD, 4,
              {Type(IDC_REISS_ADDPAYMENT_CC_TYPE, "VI"),
               Type(IDC_REISS_ADDPAYMENT_CC_NBR, "4111111111111")}),
         IDC_REISS_ADDPAYMENT_CC_EXPDATE, "ERR_TKTREISSUE_ADDPAYMENT_CC_EXPDATE_MAN"},
        {With(ADD, 4,
              {Type(IDC_REISS_ADDPAYMENT_CC_TYPE, "VI"),
               Type(IDC_REISS_ADDPAYMENT_CC_NBR, "4111111111111"),
               Type(IDC_REISS_ADDPAYMENT_CC_EXPDATE, "125")}),
         IDC_REISS_ADDPAYMENT_CC_EXPDATE, "ERR_TKTREISSUE_ADDPAYMENT_CC_EXPDATE_MIN"},
        {With(ADD, 4,
              {Type(IDC_REISS_ADDPAYMENT_CC_TYPE, "VI"),
               Type(IDC_REISS_ADDPAYMENT_CC_NBR, "4111111111111"),
               Type(IDC_REISS_ADDPAYMENT_CC_EXPDATE, "1305")}),
         IDC_REISS_ADDPAYMENT_CC_EXPDATE, "ERR_TKTREISSUE_ADDPAYMENT_CC_EXPDATE_INVALID"},
        {With(ADD, 4,
              {Type(IDC_REISS_ADDPAYMENT_CC_TYPE, "VI"),
               Type(IDC_REISS_ADDPAYMENT_CC_NBR, "4111111111111"),
               Type(IDC_REISS_ADDPAYMENT_CC_EXPDATE, "1205"),
               Type(IDC_REISS_ADDPAYMENT_CC_APPR_CDE, "1-3")}),
         IDC_REISS_ADDPAYMENT_CC_APPR_CDE, "ERR_TKTREISSUE_ADDPAYMENT_CC_APPR_CDE_INVALID"},
        {With(ADD, 4,
              {Type(IDC_REISS_ADDPAYMENT_CC_TYPE, "VI"),
               Type(IDC_REISS_ADDPAYMENT_CC_NBR, "4111111111111"),
               Type(IDC_REISS_ADDPAYMENT_CC_EXPDATE, "1205"),
               Type(IDC_REISS_ADDPAYMENT_CC_APPR_CDE, "1234567"),
               Type(IDC_REISS_ADDPAYMENT_CC_AMT, "50")}),
         IDC_REISS_ADDPAYMENT_CC_APPR_CDE, "ERR_TKTREISSUE_ADDPAYMENT_CC_APPR_CDE_7"},
        {With(ADD, 4,
              {Type(IDC_REISS_ADDPAYMENT_CC_TYPE, "VI"),
               Type(IDC_REISS_ADDPAYMENT_CC_NBR, "4111111111111"),
               Type(IDC_REISS_ADDPAYMENT_CC_EXPDATE, "1205")}),
         IDC_REISS_ADDPAYMENT_CC_AMT, "ERR_TKTREISSUE_ADDPAYMENT_CC_AMT_MAN"},
        {With(ADD, 5, {}), IDC_REISS_ADDPAYMENT_GR_NBR, "ERR_TKTREISSUE_ADDPAYMENT_GR_NBR_MAN"},
        {With(ADD, 5, {Type(IDC_REISS_ADDPAYMENT_GR_NBR, "G-")}), IDC_REISS_ADDPAYMENT_GR_NBR,
         "ERR_TKTREISSUE_ADDPAYMENT_GR_NBR_INVALID"},
        {With(ADD, 5, {Type(IDC_REISS_ADDPAYMENT_GR_NBR, "G")}), IDC_REISS_ADDPAYMENT_GR_AMT,
         "ERR_TKTREISSUE_ADDPAYMENT_GR_AMT_MAN"},
        {With(ADD, 6, {}), IDC_REISS_ADDPAYMENT_GGR_WRT_CDE,
         "ERR_TKTREISSUE_ADDPAYMENT_GGR_WRT_CDE_MAN"},
        {With(ADD, 6, {Type(IDC_REISS_ADDPAYMENT_GGR_WRT_CDE, "-")}),
         IDC_REISS_ADDPAYMENT_GGR_WRT_CDE, "ERR_TKTREISSUE_ADDPAYMENT_GGR_WRT_CDE_INVALID"},
        {With(ADD, 6, {Type(IDC_REISS_ADDPAYMENT_GGR_WRT_CDE, "W")}),
         IDC_REISS_ADDPAYMENT_GGR_DBTOR_CDE, "ERR_TKTREISSUE_ADDPAYMENT_GGR_DBTOR_CDE_MAN"},
        {With(ADD, 6,
              {Type(IDC_REISS_ADDPAYMENT_GGR_WRT_CDE, "W"),
               Type(IDC_REISS_ADDPAYMENT_GGR_DBTOR_CDE, "-")}),
         IDC_REISS_ADDPAYMENT_GGR_DBTOR_CDE, "ERR_TKTREISSUE_ADDPAYMENT_GGR_DBTOR_CDE_INVALID"},
        {With(ADD, 6,
              {Type(IDC_REISS_ADDPAYMENT_GGR_WRT_CDE, "W"),
               Type(IDC_REISS_ADDPAYMENT_GGR_DBTOR_CDE, "D")}),
         IDC_REISS_OBJECTCODE, "ERR_TICKETISSUANCE_OBJECTCODE_EMPTY"},
        {With(ADD, 6,
              {Type(IDC_REISS_ADDPAYMENT_GGR_WRT_CDE, "W"),
               Type(IDC_REISS_ADDPAYMENT_GGR_DBTOR_CDE, "D"), Type(IDC_REISS_OBJECTCODE, "-")}),
         IDC_REISS_OBJECTCODE, "ERR_TICKETISSUANCE_OBJECTCODE_ALPHANUM"},
        {With(ADD, 6,
              {Type(IDC_REISS_ADDPAYMENT_GGR_WRT_CDE, "W"),
               Type(IDC_REISS_ADDPAYMENT_GGR_DBTOR_CDE, "D"), Type(IDC_REISS_OBJECTCODE, "O")}),
         IDC_REISS_ADDPAYMENT_GGR_AMT, "ERR_TKTREISSUE_ADDPAYMENT_GGR_AMT_MAN"},
        {With(ADD, 7, {Type(IDC_REISS_ADDPAYMENT_OTH, "MCO")}), IDC_REISS_ADDPAYMENT_OTH_AMT,
         "ERR_TKTREISSUE_ADDPAYMENT_OTH_AMT_MAN"},
        {With(ADD, 7, {Type(IDC_REISS_ADDPAYMENT_OTH_AMT, "10")}), IDC_REISS_ADDPAYMENT_OTH,
         "ERR_TKTREISSUE_ADDPAYMENT_OTH_MAN"},
        {With(ADD, 7,
              {Type(IDC_REISS_ADDPAYMENT_OTH_AMT, "10"), Type(IDC_REISS_ADDPAYMENT_OTH, "A*")}),
         IDC_REISS_ADDPAYMENT_OTH, "ERR_TKTREISSUE_ADDPAYMENT_OTH_INVALID"},
        {{Type(IDC_REISS_COMMISSION, "5,5")},
         IDC_REISS_COMMISSION,
         "ERR_TKTREISSUE_COMMISION_ALPHANUM_FIELD"},
        {{Type(IDC_REISS_COMMISSION, "5.55")},
         IDC_REISS_COMMISSION,
         "ERR_TKTREISSUE_COMMISSION_RANGE"},
        // Endorsements by type.
        {With(IDC_REISS_ENDORSE_TYPE, 2, {}), IDC_REISS_ENDORSE1, "ERR_TKTREISSUE_ENDORSE_MAN"},
        {With(IDC_REISS_ENDORSE_TYPE, 1, {Type(IDC_REISS_ENDORSE1, kNotAllowed)}),
         IDC_REISS_ENDORSE1, "ERR_TKTREISSUE_ENDORSE1_ALPHANUM_FIELD"},
        {With(IDC_REISS_ENDORSE_TYPE, 3, {Type(IDC_REISS_ENDORSE1, " ")}), IDC_REISS_ENDORSE1,
         "ERR_TKTREISSUE_ENDORSE_MAN12"},
        {With(IDC_REISS_ENDORSE_TYPE, 3, {Type(IDC_REISS_ENDORSE2, kNotAllowed)}),
         IDC_REISS_ENDORSE2, "ERR_TKTREISSUE_ENDORSE2_ALPHANUM_FIELD"},
        {With(IDC_REISS_ENDORSE_TYPE, 4,
              {Type(IDC_REISS_ENDORSE1, "A"), Type(IDC_REISS_ENDORSE2, "B")}),
         IDC_REISS_ENDORSE1, "ERR_TKTG_ENDORSE_PR_DOMESTIC_ONE"},
        {With(IDC_REISS_ITCODE_TYPE, 4, {}), IDC_REISS_ITCODE, "ERR_TKTREISSUE_TOURCODE_MAN"},
        {With(IDC_REISS_ITCODE_TYPE, 8, {Type(IDC_REISS_ITCODE, "A*")}), IDC_REISS_ITCODE,
         "ERR_TKTREISSUE_ITCODE_ALPHANUM_FIELD"},
        // The exchanged ticket and its issue.
        {{Type(IDC_REISS_EXTKT1, "")}, IDC_REISS_EXTKT1, "ERR_TKTREISSUE_EXTTKT1_MANDATORY_FIELD"},
        {{Type(IDC_REISS_EXTKT1, "61")}, IDC_REISS_EXTKT1, "ERR_TKTREISSUE_EXTTKT1_MINVAL_FIELD"},
        {{Type(IDC_REISS_EXTKT1, "61A")}, IDC_REISS_EXTKT1, "ERR_TKTREISSUE_EXTTKT1_NUM_FIELD"},
        {{Type(IDC_REISS_EXTKT2, "")}, IDC_REISS_EXTKT2, "ERR_TKTREISSUE_EXTTKT2_MANDATORY_FIELD"},
        {{Type(IDC_REISS_EXTKT2, "123456789")},
         IDC_REISS_EXTKT2,
         "ERR_TKTREISSUE_EXTTKT2_MINVAL_FIELD"},
        {{Type(IDC_REISS_EXTKT2, "123456789A")},
         IDC_REISS_EXTKT2,
         "ERR_TKTREISSUE_EXTTKT2_NUM_FIELD"},
        {{Type(IDC_REISS_CPN, "")}, IDC_REISS_CPN, "ERR_TKTREISSUE_CPN_MANDATORY_FIELD"},
        {{Type(IDC_REISS_CPN, "1A")}, IDC_REISS_CPN, "ERR_TKTREISSUE_CPN_INVALID"},
        {{Type(IDC_REISS_2TKTCPN, "2B")}, IDC_REISS_2TKTCPN, "ERR_TKTREISSUE_2TKTCPN_INVALID"},
        {{Type(IDC_REISS_3TKTCPN, "3 ")}, IDC_REISS_3TKTCPN, "ERR_TKTREISSUE_3TKTCPN_INVALID"},
        {{Type(IDC_REISS_IATA, "")}, IDC_REISS_IATA, "ERR_TKTREISSUE_IATA_MANDATORY_FIELD"},
        {{Type(IDC_REISS_IATA, "1234567")}, IDC_REISS_IATA, "ERR_TKTREISSUE_IATA_MINVAL_FIELD"},
        {{Type(IDC_REISS_IATA, "1234567A")}, IDC_REISS_IATA, "ERR_TKTREISSUE_IATA_NUM_FIELD"},
        {{Click(IDC_REISS_2TKTISSUE)}, IDC_REISS_ORGTKT1, "ERR_TKTREISSUE_ORGTKT1_MAN"},
        {{Click(IDC_REISS_2TKTISSUE), Type(IDC_REISS_ORGTKT1, "61")},
         IDC_REISS_ORGTKT1,
         "ERR_TKTREISSUE_ORGTKT1_MINVAL_FIELD"},
        {{Click(IDC_REISS_2TKTISSUE), Type(IDC_REISS_ORGTKT1, "61A")},
         IDC_REISS_ORGTKT1,
         "ERR_TKTREISSUE_ORGTKT1_NUM_FIELD"},
        {{Click(IDC_REISS_2TKTISSUE), Type(IDC_REISS_ORGTKT1, "618")},
         IDC_REISS_ORGTKT2,
         "ERR_TKTREISSUE_ORGTKT2_MAN"},
        {{Click(IDC_REISS_2TKTISSUE), Type(IDC_REISS_ORGTKT1, "618"), Type(IDC_REISS_ORGTKT2, "1")},
         IDC_REISS_ORGTKT2,
         "ERR_TKTREISSUE_ORGTKT2_MINVAL_FIELD"},
        {{Click(IDC_REISS_2TKTISSUE), Type(IDC_REISS_ORGTKT1, "618"),
          Type(IDC_REISS_ORGTKT2, "111111111A")},
         IDC_REISS_ORGTKT2,
         "ERR_TKTREISSUE_ORGTKT2_NUM_FIELD"},
        {{Type(IDC_REISS_DATEOFISSUE, "")},
         IDC_REISS_DATEOFISSUE,
         "ERR_TKTREISSUE_DATEOFISSUE_MANDATORY_FIELD"},
        {{Type(IDC_REISS_DATEOFISSUE, "12JAN5")},
         IDC_REISS_DATEOFISSUE,
         "ERR_TKTREISSUE_DATEOFISSUE_MINVAL_FIELD"},
        {{Type(IDC_REISS_DATEOFISSUE, "30FEB05")},
         IDC_REISS_DATEOFISSUE,
         "ERR_TKTREISSUE_DATEOFISSUE_DATE_FIELD"},
        {{Type(IDC_REISS_PLACEOFISSUE, "")},
         IDC_REISS_PLACEOFISSUE,
         "ERR_TKTREISSUE_PLACEOFISSUE_MANDATORY_FIELD"},
        {{Type(IDC_REISS_PLACEOFISSUE, "SI")},
         IDC_REISS_PLACEOFISSUE,
         "ERR_TKTREISSUE_PLACEOFISSUE_MINVAL_FIELD"},
        {{Type(IDC_REISS_PLACEOFISSUE, "S-N")},
         IDC_REISS_PLACEOFISSUE,
         "ERR_TKTREISSUE_PLACEOFISSUE_ALPHANUM_FIELD"},
        // Net remit: ticking it asks for a cash amount.
        {{Click(IDC_REISS_NETREMIT), Type(IDC_REISS_ADDPAYMENT_CSH_AMT, "100")},
         IDC_REISS_NETREMITAMT,
         "ERR_TKTREISSUE_NETREMITAMT_MAN"},
        {{Click(IDC_REISS_NETREMIT), Type(IDC_REISS_ADDPAYMENT_CSH_AMT, "100"),
          Type(IDC_REISS_NETREMITAMT, "1/0")},
         IDC_REISS_NETREMITAMT,
         "ERR_TKTREISSUE_NETREMITAMT_DOUBLENUM_FIELD"},
        {{Click(IDC_REISS_NETREMIT), Type(IDC_REISS_ADDPAYMENT_CSH_AMT, "100"),
          Type(IDC_REISS_NETREMITAMT, "100"), Type(IDC_REISS_NETCOMMISSION, "5,0")},
         IDC_REISS_NETCOMMISSION,
         "ERR_TKTREISSUE_NETCOMMISION_DOUBLENUM_FIELD"},
        {{Click(IDC_REISS_NETREMIT), Type(IDC_REISS_ADDPAYMENT_CSH_AMT, "100"),
          Type(IDC_REISS_NETREMITAMT, "100"), Type(IDC_REISS_NETCOMMISSION, "100")},
         IDC_REISS_NETCOMMISSION,
         "ERR_TKTREISSUE_NETCOMMISION_RANGE"},
        {{Click(IDC_REISS_NETREMIT), Type(IDC_REISS_ADDPAYMENT_CSH_AMT, "100"),
          Type(IDC_REISS_NETREMITAMT, "100"), Type(IDC_REISS_NETCOMMISSION, "5")},
         IDC_REISS_NETCOMMISSION,
         "ERR_TKTREISSUE_NETCOMMISION_N_COMMISION"},
        {{Type(IDC_REISS_ALTCURRENCY, "US")},
         IDC_REISS_ALTCURRENCY,
         "ERR_TKTREISSUE_ALTCURRENCY_MINVAL_FIELD"},
        {{Type(IDC_REISS_ALTCURRENCY, "US1")},
         IDC_REISS_ALTCURRENCY,
         "ERR_TKTREISSUE_ALTCURRENCY_ALPHA_FIELD"},
        {{Click(IDC_REISS_NETREMIT), Type(IDC_REISS_ADDPAYMENT_CSH_AMT, "100"),
          Type(IDC_REISS_NETREMITAMT, "100"), Type(IDC_REISS_VALUE_CODE, "V-1")},
         IDC_REISS_VALUE_CODE,
         "ERR_TKREISSUE_VALUE_CODE_ALPHANUM"},
        {{Click(IDC_REISS_NETREMIT), Type(IDC_REISS_ADDPAYMENT_CSH_AMT, "100"),
          Type(IDC_REISS_NETREMITAMT, "100"), Type(IDC_REISS_CONTRACT_CODE, "C-1")},
         IDC_REISS_CONTRACT_CODE,
         "ERR_TKREISSUE_CONTRACT_CODE_ALPHANUM"},
        {With(IDC_REISS_ITCODE_TYPE, 4,
              {Type(IDC_REISS_ITCODE, "IT"), Type(IDC_REISS_TRIPARTITE, "TP")}),
         IDC_REISS_TRIPARTITE, "ERR_TKTREISSUE_TRIPARTITE_TOUR"},
        {{Type(IDC_REISS_TRIPARTITE, kNotAllowed)},
         IDC_REISS_TRIPARTITE,
         "ERR_TKTREISSUE_TRIPARTITE_CODE_ALPHANUM"},
        // Copies, with electronic ticketing ticked.
        {{Click(IDC_REISS_ETKT), Type(IDC_REISS_AGENTCOUPON, "A")},
         IDC_REISS_AGENTCOUPON,
         "ERR_TKTREISSUE_AGENTCOUPON_NUM_FIELD"},
        {{Click(IDC_REISS_ETKT), Type(IDC_REISS_AGENTCOUPON, "6")},
         IDC_REISS_AGENTCOUPON,
         "ERR_TICKETISSUANCE_COPIES_RANGE"},
        {{Click(IDC_REISS_ETKT), Type(IDC_REISS_PASSRECEIPT, "A")},
         IDC_REISS_PASSRECEIPT,
         "ERR_TKTREISSUE_PASSRECEIPT_NUM_FIELD"},
        {{Click(IDC_REISS_ETKT), Type(IDC_REISS_AUDITCOUPON, "0")},
         IDC_REISS_AUDITCOUPON,
         "ERR_TICKETISSUANCE_COPIES_RANGE"},
        {{Click(IDC_REISS_ETKT), Type(IDC_REISS_CCCHGFORM, "A")},
         IDC_REISS_CCCHGFORM,
         "ERR_TKTREISSUE_CCCHGFORM_NUM_FIELD"},
        {{Click(IDC_REISS_ETKT), Type(IDC_REISS_EXCHG_AUTH_FORM, "A")},
         IDC_REISS_EXCHG_AUTH_FORM,
         "ERR_TKTREISSUE_TKTEXCHGAUTHFORM_NUM"},
        // The additional amount held against the net remit amount.
        {{Click(IDC_REISS_NETREMIT), Type(IDC_REISS_ADDPAYMENT_CSH_AMT, "SGD50"),
          Type(IDC_REISS_NETREMITAMT, "100")},
         IDC_REISS_ADDPAYMENT_CSH_AMT,
         "ERR_TKTREISSUE_ADDPAY_AMT"},
        {{Click(IDC_REISS_NETREMIT), Type(IDC_REISS_ADDPAYMENT_CSH_AMT, "SGD99.99"),
          Type(IDC_REISS_NETREMITAMT, "100")},
         IDC_REISS_ADDPAYMENT_CSH_AMT,
         "ERR_TKTREISSUE_ADDPAY_AMT"},
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
        {Type(IDC_REISS_COMMISSION, "99.9"), Type(IDC_REISS_CPN, "AB"),
         Type(IDC_REISS_2TKTCPN, "2"), Type(IDC_REISS_3TKTCPN, "CD")},
        {Select(IDC_REISS_ADDPAYMENT, 4), Type(IDC_REISS_ADDPAYMENT_CC_TYPE, "VI"),
         Type(IDC_REISS_ADDPAYMENT_CC_NBR, "4111111111111"),
         Type(IDC_REISS_ADDPAYMENT_CC_EXPDATE, "1205"),
         Type(IDC_REISS_ADDPAYMENT_CC_APPR_CDE, "123456"), Type(IDC_REISS_ADDPAYMENT_CC_AMT, "50")},
        {Select(IDC_REISS_ADDPAYMENT, 4), Type(IDC_REISS_ADDPAYMENT_CC_TYPE, "VI"),
         Type(IDC_REISS_ADDPAYMENT_CC_NBR, "4111111111111"),
         Type(IDC_REISS_ADDPAYMENT_CC_EXPDATE, "1205"),
         Type(IDC_REISS_ADDPAYMENT_CC_APPR_CDE, "12345678"),
         Type(IDC_REISS_ADDPAYMENT_CC_AMT, "50")},
        {Select(IDC_REISS_ENDORSE_TYPE, 4), Type(IDC_REISS_ENDORSE2, "NON-REF/\"QUOTED\" `X`")},
        {Type(IDC_REISS_TRIPARTITE, "TP ~!@#$%^&*()_-+=;:\"'[]{}\\|<>?,./")},
        {Click(IDC_REISS_NETREMIT), Type(IDC_REISS_ADDPAYMENT_CSH_AMT, "SGD150"),
         Type(IDC_REISS_NETREMITAMT, "100"), Type(IDC_REISS_COMMISSION, "")},
        {Click(IDC_REISS_NETREMIT), Type(IDC_REISS_ADDPAYMENT_CSH_AMT, "100"),
         Type(IDC_REISS_NETREMITAMT, "100"), Type(IDC_REISS_COMMISSION, ""),
         Type(IDC_REISS_NETCOMMISSION, "7.5"), Type(IDC_REISS_VALUE_CODE, "V1"),
         Type(IDC_REISS_CONTRACT_CODE, "C1")},
        {Click(IDC_REISS_ETKT), Type(IDC_REISS_AGENTCOUPON, "1"), Type(IDC_REISS_PASSRECEIPT, "5"),
         Type(IDC_REISS_EXCHG_AUTH_FORM, "3")},
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
        std::vector<int> shown;
    };
    const Case cases[] = {
        {1, 0, {IDC_REISS_FOP1_ALINE_DATA}},
        {4, 0, {IDC_REISS_FOP1_CC_TYPE}},
        {4,
         1,
         {IDC_REISS_FOP1_CC_TYPE, IDC_REISS_ADDPAYMENT_CSH_ALDATA, IDC_REISS_ADDPAYMENT_CSH_AMT}},
        {6,
         6,
         {IDC_REISS_FOP1_GGR_CODE, IDC_REISS_FOP1_GGR_WRT_CDE, IDC_REISS_FOP1_GGR_DBTOR_CDE,
          IDC_REISS_ADDPAYMENT_GGR_CODE, IDC_REISS_ADDPAYMENT_GGR_WRT_CDE,
          IDC_REISS_ADDPAYMENT_GGR_DBTOR_CDE, IDC_REISS_OBJECTCODE, IDC_REISS_ADDPAYMENT_GGR_AMT}},
        {3,
         4,
         {IDC_REISS_ADDPAYMENT_CC_TYPE, IDC_REISS_ADDPAYMENT_CC_NBR,
          IDC_REISS_ADDPAYMENT_CC_EXPDATE, IDC_REISS_ADDPAYMENT_CC_APPR_CDE,
          IDC_REISS_ADDPAYMENT_CC_AMT}},
        {2, 7, {IDC_REISS_ADDPAYMENT_OTH, IDC_REISS_ADDPAYMENT_OTH_AMT}},
        {5, 2, {IDC_REISS_FOP1_GR_NBR, IDC_REISS_ADDPAYMENT_INVAGT_AMT}},
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
    f.run({Type(IDC_REISS_FOP1_GGR_WRT_CDE, "W1"), Type(IDC_REISS_FOP1_GGR_DBTOR_CDE, "D1"),
           Select(IDC_REISS_FOP1_GGR_CODE, 1), Select(IDC_REISS_ADDPAYMENT, 1),
           Type(IDC_REISS_ADDPAYMENT_CSH_AMT, "10"), Select(IDC_REISS_ADDPAYMENT, 3)});
    EXPECT_EQ(f.mask.form().text(IDC_REISS_FOP1_GGR_WRT_CDE), "W1");
    EXPECT_EQ(f.mask.form().text(IDC_REISS_FOP1_GGR_DBTOR_CDE), "D1");
    EXPECT_EQ(f.mask.form().selection(IDC_REISS_FOP1_GGR_CODE), 1);
    f.mask.select(IDC_REISS_ADDPAYMENT, 1);
    EXPECT_EQ(f.mask.form().text(IDC_REISS_ADDPAYMENT_CSH_AMT), "")
        << "the additional details show empty";
    // A new original payment empties the additional payment.
    f.mask.select(IDC_REISS_FOP, 6);
    EXPECT_EQ(f.mask.form().selection(IDC_REISS_ADDPAYMENT), 0);
    EXPECT_EQ(f.mask.form().text(IDC_REISS_FOP1_GGR_WRT_CDE), "");
}

std::vector<long> Codes(MaskHarness& m, int list) {
    std::vector<long> codes;
    for (int i = 0; i < m.form().itemCount(list); ++i)
        codes.push_back(m.form().itemData(list, i));
    return codes;
}

TEST(ReissueForm, NetRemitSwapsTheEmptyAdditionalPaymentAndTheItCodes) {
    Reissue f;
    f.run({Select(IDC_REISS_ITCODE_TYPE, 5), Type(IDC_REISS_ITCODE, "IT1"),
           Click(IDC_REISS_NETREMIT)});
    MaskHarness& m = f.mask;
    EXPECT_EQ(Codes(m, IDC_REISS_ADDPAYMENT), (std::vector<long>{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(m.form().text(IDC_REISS_ADDPAYMENT), "DATA_TKTREISSUE_CASH");
    EXPECT_EQ(f.shown(),
              (std::vector<int>{IDC_REISS_FOP1_ALINE_DATA, IDC_REISS_ADDPAYMENT_CSH_ALDATA,
                                IDC_REISS_ADDPAYMENT_CSH_AMT}));
    EXPECT_EQ(Codes(m, IDC_REISS_ITCODE_TYPE), (std::vector<long>{0, 1, 2, 3}));
    EXPECT_EQ(m.form().selection(IDC_REISS_ITCODE_TYPE), 0);
    EXPECT_FALSE(m.form().isEnabled(IDC_REISS_ITCODE));
    EXPECT_EQ(m.form().text(IDC_REISS_ITCODE), "")
        << "a tour code of the old list does not stay behind";
    EXPECT_TRUE(m.form().isEnabled(IDC_REISS_NETREMITAMT));

    f.run({Type(IDC_REISS_NETREMITAMT, "100"), Type(IDC_REISS_VALUE_CODE, "V1"),
           Select(IDC_REISS_ADDPAYMENT, 3), Click(IDC_REISS_NETREMIT)});
    EXPECT_EQ(Codes(m, IDC_REISS_ADDPAYMENT), (std::vector<long>{0, 1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(m.form().text(IDC_REISS_ADDPAYMENT), "DATA_TKTREISSUE_CHEQUE") << "kept";
    for (int id : {IDC_REISS_NETREMITAMT, IDC_REISS_NETCOMMISSION, IDC_REISS_VALUE_CODE,
                   IDC_REISS_CONTRACT_CODE}) {
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
    EXPECT_FALSE(m.form().isVisible(IDC_REISS_ENDORSE1_LABEL));
    for (const Case& c : cases) {
        f.run({Type(IDC_REISS_ENDORSE1, "OLD"), Select(IDC_REISS_ENDORSE_TYPE, c.type)});
        EXPECT_EQ(m.form().isEnabled(IDC_REISS_ENDORSE1), c.type != 0) << c.type;
        EXPECT_EQ(m.form().isEnabled(IDC_REISS_ENDORSE2), c.second) << c.type;
        EXPECT_EQ(m.form().isVisible(IDC_REISS_ENDORSE1_LABEL), c.type != 0) << c.type;
        EXPECT_EQ(m.form().isVisible(IDC_REISS_ENDORSE2_LABEL), c.second) << c.type;
        EXPECT_EQ(m.form().text(IDC_REISS_ENDORSE1_LABEL), c.label1) << c.type;
        EXPECT_EQ(m.form().text(IDC_REISS_ENDORSE1), "") << c.type;
        EXPECT_EQ(m.form().dump(IDC_REISS_ENDORSE1)[3], "limit " + std::to_string(c.limit1))
            << c.type;
        EXPECT_EQ(m.form().dump(IDC_REISS_ENDORSE2)[3], "limit " + std::to_string(c.limit2))
            << c.type;
        if (c.second)
            m.type(IDC_REISS_ENDORSE2, "LINE2");
    }
}

TEST(ReissueForm, ElectronicTicketingOpensTheCopiesAndUntickingResetsThem) {
    Reissue f;
    MaskHarness& m = f.mask;
    f.run({Click(IDC_REISS_ETKT), Click(IDC_REISS_OVERRIDE_ETKT), Select(IDC_REISS_PRINTOPTION, 2),
           Type(IDC_REISS_AGENTCOUPON, "1"), Type(IDC_REISS_EXCHG_AUTH_FORM, "2"),
           Click(IDC_REISS_ETKT)});
    EXPECT_FALSE(m.form().isChecked(IDC_REISS_OVERRIDE_ETKT));
    EXPECT_FALSE(m.form().isEnabled(IDC_REISS_OVERRIDE_ETKT));
    EXPECT_EQ(m.form().selection(IDC_REISS_PRINTOPTION), 0);
    EXPECT_FALSE(m.form().isEnabled(IDC_REISS_PRINTOPTION));
    for (int id : {IDC_REISS_AGENTCOUPON, IDC_REISS_PASSRECEIPT, IDC_REISS_AUDITCOUPON,
                   IDC_REISS_CCCHGFORM, IDC_REISS_EXCHG_AUTH_FORM}) {
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
         Select(IDC_REISS_FOP1_GGR_CODE, 1),
         Type(IDC_REISS_FOP1_GGR_WRT_CDE, "W1"),
         Type(IDC_REISS_FOP1_GGR_DBTOR_CDE, "D1"),
         Click(IDC_REISS_NETREMIT),
         Type(IDC_REISS_ADDPAYMENT_CSH_AMT, "SGD600"),
         Type(IDC_REISS_NETREMITAMT, "500"),
         Type(IDC_REISS_VALUE_CODE, "V1"),
         Type(IDC_REISS_CONTRACT_CODE, "C1"),
         Type(IDC_REISS_COMMISSION, ""),
         Type(IDC_REISS_NETCOMMISSION, "3"),
         Select(IDC_REISS_ITCODE_TYPE, 2),
         Type(IDC_REISS_ITCODE, "IT1"),
         Select(IDC_REISS_ENDORSE_TYPE, 3),
         Type(IDC_REISS_ENDORSE1, "AB"),
         Type(IDC_REISS_ENDORSE2, "CD"),
         Click(IDC_REISS_2TKTISSUE),
         Type(IDC_REISS_ORGTKT1, "618"),
         Type(IDC_REISS_ORGTKT2, "1111111111"),
         Type(IDC_REISS_2TKTCPN, "2"),
         Click(IDC_REISS_ETKT),
         Click(IDC_REISS_OVERRIDE_ETKT),
         Select(IDC_REISS_PRINTOPTION, 2),
         Type(IDC_REISS_AGENTCOUPON, "1"),
         Type(IDC_REISS_EXCHG_AUTH_FORM, "4"),
         Select(IDC_REISS_SPLIT, 2),
         Type(IDC_REISS_ALTCURRENCY, "USD")},
        {Select(IDC_REISS_FOP, 4), Type(IDC_REISS_FOP1_CC_TYPE, "AX"),
         Select(IDC_REISS_ADDPAYMENT, 6), Select(IDC_REISS_ADDPAYMENT_GGR_CODE, 1),
         Type(IDC_REISS_ADDPAYMENT_GGR_WRT_CDE, "W2"),
         Type(IDC_REISS_ADDPAYMENT_GGR_DBTOR_CDE, "D2"), Type(IDC_REISS_OBJECTCODE, "OB"),
         Type(IDC_REISS_ADDPAYMENT_GGR_AMT, "75"), Select(IDC_REISS_ITCODE_TYPE, 8),
         Type(IDC_REISS_ITCODE, "TOUR"), Select(IDC_REISS_ENDORSE_TYPE, 4),
         Type(IDC_REISS_ENDORSE2, "DOMESTIC ONLY")},
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
    f.run({Click(IDC_REISS_NETREMIT), Click(IDC_REISS_ETKT), Select(IDC_REISS_ENDORSE_TYPE, 1)});
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
