// The reissue host entry from plain form values: every piece, its conditions and its
// variants. The four worked entries run as scenarios under examples/.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "masks/reissuance/reissue_entry.h"
#include "resources/resource.h"
#include "tests/support/map_values.h"

namespace {

using masks::reissue::ComposeEntry;

using Values = testing_support::MapValues;

// A cash reissue with every other field empty or unset.
Values Base() {
    Values v;
    v.texts = {{IDC_REISS_CARRIER, "SQ"},
               {IDC_REISS_TFR, "1"},
               {IDC_REISS_NAMESELECT, "1.1"},
               {IDC_REISS_COMMISSION, "5"},
               {IDC_REISS_EXTKT1, "618"},
               {IDC_REISS_EXTKT2, "1234567890"},
               {IDC_REISS_CPN, "1"},
               {IDC_REISS_DATEOFISSUE, "12JAN05"},
               {IDC_REISS_PLACEOFISSUE, "SIN"},
               {IDC_REISS_IATA, "12345678"}};
    v.choices = {{IDC_REISS_FOP, 1}};
    return v;
}

// "|" stands for the item separator.
std::string Sep(std::string text) {
    for (std::size_t at; (at = text.find('|')) != std::string::npos;)
        text.replace(at, 1, "\\u00A5");
    return text;
}

const std::string kHead = Sep("W|T1N1.1|ASQ|KP5|ET6181234567890/1//12JAN05SIN/12345678");

TEST(ReissueEntry, PiecesAfterTheIssueData) {
    struct Case {
        std::map<int, std::string> texts;
        std::map<int, long> choices;
        std::set<int> boxes;
        const char* tail;  // after the issue data
    };
    const Case cases[] = {
        {{}, {}, {}, "|FEFCASH"},
        {{{IDC_REISS_FOP1_ALINE_DATA, "X1"}}, {}, {}, "|FEFCASH X1"},
        {{{IDC_REISS_FOP1_ALINE_DATA, "  "}}, {}, {}, "|FEFCASH"},
        {{}, {{IDC_REISS_FOP, 2}}, {}, "|FEFXXINVAGT"},
        {{{IDC_REISS_FOP1_CC_TYPE, "VI"}}, {{IDC_REISS_FOP, 4}}, {}, "|FEFCCVI"},
        {{{IDC_REISS_FOP1_GGR_WRT_CDE, "W1"}, {IDC_REISS_FOP1_GGR_DBTOR_CDE, "D1"}},
         {{IDC_REISS_FOP, 6}, {IDC_REISS_FOP1_GGR_CODE, 1}},
         {},
         "|FEFGGRATRW1-D1"},
        // A GGR code list showing neither code.
        {{{IDC_REISS_FOP1_GGR_WRT_CDE, "W1"}, {IDC_REISS_FOP1_GGR_DBTOR_CDE, "D1"}},
         {{IDC_REISS_FOP, 6}, {IDC_REISS_FOP1_GGR_CODE, -1}},
         {},
         "|FEFGGRW1-D1"},
        {{{IDC_REISS_FOP1_OTH, "MS/VOUCHER"}}, {{IDC_REISS_FOP, 7}}, {}, "|FEFMS/VOUCHER"},
        {{{IDC_REISS_ADDPAYMENT_CSH_ALDATA, "AL"}, {IDC_REISS_ADDPAYMENT_CSH_AMT, "10"}},
         {{IDC_REISS_ADDPAYMENT, 1}},
         {},
         "|FA/CXXCASH AL/10*EFCASH"},
        {{{IDC_REISS_FOP1_GR_NBR, "G1"}, {IDC_REISS_ADDPAYMENT_INVAGT_AMT, "10"}},
         {{IDC_REISS_FOP, 5}, {IDC_REISS_ADDPAYMENT, 2}},
         {},
         "|FA/CXXINVAGT/10*EFGRG1"},
        {{{IDC_REISS_FOP1_OTH, "MS"},
          {IDC_REISS_ADDPAYMENT_GR_NBR, "G2"},
          {IDC_REISS_ADDPAYMENT_GR_AMT, "10"}},
         {{IDC_REISS_FOP, 7}, {IDC_REISS_ADDPAYMENT, 5}},
         {},
         "|FA/CGRG2/10*EFMS"},
        {{{IDC_REISS_ADDPAYMENT_GGR_WRT_CDE, "W2"},
          {IDC_REISS_ADDPAYMENT_GGR_DBTOR_CDE, "D2"},
          {IDC_REISS_OBJECTCODE, "OB"},
          {IDC_REISS_ADDPAYMENT_GGR_AMT, "10"}},
         {{IDC_REISS_ADDPAYMENT, 6}},
         {},
         "|FA/CGGRGOMW2-D2-OB/10*EFCASH"},
        {{{IDC_REISS_ADDPAYMENT_OTH, "MCO"}, {IDC_REISS_ADDPAYMENT_OTH_AMT, "10"}},
         {{IDC_REISS_FOP, 3}, {IDC_REISS_ADDPAYMENT, 7}},
         {},
         "|FA/CXXMCO/10*EFCHEQUE"},
        // Net remit without its amount: only the tripartite code, as its continuation.
        {{{IDC_REISS_TRIPARTITE, "TP"}}, {}, {IDC_REISS_NETREMIT}, "|FEFCASH/F*TP"},
        {{{IDC_REISS_TRIPARTITE, "TP"}}, {}, {}, "|FEFCASH|UN*TP"},
        {{{IDC_REISS_NETREMITAMT, "500"},
          {IDC_REISS_ALTCURRENCY, "USD"},
          {IDC_REISS_VALUE_CODE, "V1"},
          {IDC_REISS_CONTRACT_CODE, "C1"},
          {IDC_REISS_NETCOMMISSION, "3"}},
         {},
         {IDC_REISS_NETREMIT},
         "|FEFCASH|NET/USD500/V*V1/C*C1|MUSD|KPN3"},
        {{{IDC_REISS_NETREMITAMT, "500"}}, {}, {}, "|FEFCASH"},
        {{{IDC_REISS_AGENTCOUPON, "1"},
          {IDC_REISS_PASSRECEIPT, "2"},
          {IDC_REISS_AUDITCOUPON, "3"},
          {IDC_REISS_CCCHGFORM, "4"},
          {IDC_REISS_EXCHG_AUTH_FORM, "5"}},
         {{IDC_REISS_PRINTOPTION, 3}},
         {IDC_REISS_ETKT, IDC_REISS_OVERRIDE_ETKT},
         "|FEFCASH|XETR|C1T/2P/3A/4C/5R|DP"},
        // Copies without electronic ticketing are not written.
        {{{IDC_REISS_PASSRECEIPT, "2"}}, {{IDC_REISS_PRINTOPTION, 5}}, {}, "|FEFCASH"},
        {{}, {{IDC_REISS_SPLIT, 4}}, {}, "|FEFCASH|RE"},
        // Tour codes by type, and endorsements by type.
        {{{IDC_REISS_ITCODE, "IT9"}}, {{IDC_REISS_ITCODE_TYPE, 1}}, {}, "|FEFCASH/F*IT9|UI*"},
        {{{IDC_REISS_ITCODE, "IT9"}}, {{IDC_REISS_ITCODE_TYPE, 2}}, {}, "|FEFCASH/F*IT9|UB*"},
        {{{IDC_REISS_ITCODE, "IT9"}}, {{IDC_REISS_ITCODE_TYPE, 3}}, {}, "|FEFCASH/F*IT9"},
        {{{IDC_REISS_ITCODE, "IT9"}}, {{IDC_REISS_ITCODE_TYPE, 4}}, {}, "|FEFCASH|UN*IT9"},
        {{{IDC_REISS_ITCODE, "IT9"}}, {{IDC_REISS_ITCODE_TYPE, 5}}, {}, "|FEFCASH|UIT9"},
        {{{IDC_REISS_ITCODE, "IT9"}}, {{IDC_REISS_ITCODE_TYPE, 6}}, {}, "|FEFCASH|UI*IT9"},
        {{{IDC_REISS_ITCODE, "IT9"}}, {{IDC_REISS_ITCODE_TYPE, 7}}, {}, "|FEFCASH|UB*IT9"},
        {{{IDC_REISS_ITCODE, "IT9"}}, {{IDC_REISS_ITCODE_TYPE, 8}}, {}, "|FEFCASH|UX*IT9"},
        {{{IDC_REISS_ITCODE, "IT9"}}, {{IDC_REISS_ITCODE_TYPE, 9}}, {}, "|FEFCASH"},
        {{{IDC_REISS_ENDORSE1, "AB"}}, {{IDC_REISS_ENDORSE_TYPE, 1}}, {}, "|FEFCASH|EDAB"},
        {{}, {{IDC_REISS_ENDORSE_TYPE, 1}}, {}, "|FEFCASH|ED"},
        {{{IDC_REISS_ENDORSE1, "AB"}}, {{IDC_REISS_ENDORSE_TYPE, 2}}, {}, "|FEFCASH|EO/AB"},
        {{{IDC_REISS_ENDORSE1, "AB"}, {IDC_REISS_ENDORSE2, "CD"}},
         {{IDC_REISS_ENDORSE_TYPE, 3}},
         {},
         "|FEFCASH|EO1/AB|EO2/CD"},
        {{{IDC_REISS_ENDORSE1, " "}, {IDC_REISS_ENDORSE2, "CD"}},
         {{IDC_REISS_ENDORSE_TYPE, 3}},
         {},
         "|FEFCASH|EO2/CD"},
        {{{IDC_REISS_ENDORSE1, "AB"}}, {{IDC_REISS_ENDORSE_TYPE, 4}}, {}, "|FEFCASH|EO/AB"},
        {{{IDC_REISS_ENDORSE2, "CD"}}, {{IDC_REISS_ENDORSE_TYPE, 4}}, {}, "|FEFCASH|EDCD"},
        {{{IDC_REISS_ENDORSE1, "AB"}}, {{IDC_REISS_ENDORSE_TYPE, 0}}, {}, "|FEFCASH"},
    };
    for (const Case& c : cases) {
        Values v = Base();
        for (const auto& [id, text] : c.texts)
            v.texts[id] = text;
        for (const auto& [id, code] : c.choices)
            v.choices[id] = code;
        v.boxes = c.boxes;
        EXPECT_EQ(ComposeEntry(v), kHead + Sep(c.tail)) << c.tail;
    }
}

// The approval code decides what follows a card's expiry date.
TEST(ReissueEntry, AdditionalCardByApprovalCode) {
    const std::pair<const char*, const char*> cases[] = {
        {"", "/50.00*EFCASH X1"}, {"123456", "*Z123456/50.00*EFCASH X1"},
        {"1234567", ""},          {"12345678", "*Z00/50.00*EFCASH X1|DC12345678"},
        {"123456789", ""},
    };
    for (const auto& [approval, after] : cases) {
        Values v = Base();
        v.texts[IDC_REISS_FOP1_ALINE_DATA] = "X1";
        v.choices[IDC_REISS_ADDPAYMENT] = 4;
        v.texts[IDC_REISS_ADDPAYMENT_CC_TYPE] = "VI";
        v.texts[IDC_REISS_ADDPAYMENT_CC_NBR] = "4111111111111111";
        v.texts[IDC_REISS_ADDPAYMENT_CC_EXPDATE] = "1205";
        v.texts[IDC_REISS_ADDPAYMENT_CC_APPR_CDE] = approval;
        v.texts[IDC_REISS_ADDPAYMENT_CC_AMT] = "50.00";
        EXPECT_EQ(ComposeEntry(v),
                  kHead + Sep(std::string("|FA/CCCVI4111111111111111/1205") + after))
            << "approval code '" << approval << "'";
    }
}

TEST(ReissueEntry, HeaderAndDocumentTakeTextsAsTheyStand) {
    Values v = Base();
    v.texts[IDC_REISS_TFR] = " ";
    v.texts[IDC_REISS_COMMISSION] = "\t";
    v.texts[IDC_REISS_2TKTCPN] = " 2 ";
    v.texts[IDC_REISS_3TKTCPN] = "34";
    v.boxes.insert(IDC_REISS_2TKTISSUE);
    v.texts[IDC_REISS_ORGTKT1] = "618";
    v.texts[IDC_REISS_ORGTKT2] = "1111111111";
    EXPECT_EQ(ComposeEntry(v),
              Sep("W|T|ASQ|ET6181234567890/1, 2 ,34/6181111111111/12JAN05SIN/12345678|FEFCASH"));
}

}  // namespace
