// The reissue host entry from plain form values: every piece, its conditions and its
// variants. The four worked entries run as scenarios under examples/.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>
#include <string>

#include "masks/reissuance/reissue_entry.h"
#include "resources/resource.h"

namespace {

using masks::reissue::ComposeEntry;

struct Values final : masks::reissue::FormValues {
    std::map<int, std::string> texts;
    std::set<int> boxes;
    std::map<int, long> choices;

    std::string text(int id) const override {
        auto it = texts.find(id);
        return it == texts.end() ? "" : it->second;
    }
    bool checked(int id) const override { return boxes.count(id) != 0; }
    long choice(int id) const override {
        auto it = choices.find(id);
        return it == choices.end() ? 0 : it->second;
    }
};

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
        const char* what;
        std::function<void(Values&)> set;
        const char* tail;  // after the issue data
    };
    const Case cases[] = {
        {"cash", [](Values&) {}, "|FEFCASH"},
        {"cash with A-line data", [](Values& v) { v.texts[IDC_REISS_FOP1_ALINE_DATA] = "X1"; },
         "|FEFCASH X1"},
        {"blank A-line data", [](Values& v) { v.texts[IDC_REISS_FOP1_ALINE_DATA] = "  "; },
         "|FEFCASH"},
        {"invoice", [](Values& v) { v.choices[IDC_REISS_FOP] = 2; }, "|FEFXXINVAGT"},
        {"card",
         [](Values& v) {
             v.choices[IDC_REISS_FOP] = 4;
             v.texts[IDC_REISS_FOP1_CC_TYPE] = "VI";
         },
         "|FEFCCVI"},
        {"GGR shows ATR",
         [](Values& v) {
             v.choices[IDC_REISS_FOP] = 6;
             v.choices[IDC_REISS_FOP1_GGR_CODE] = 1;
             v.texts[IDC_REISS_FOP1_GGR_WRT_CDE] = "W1";
             v.texts[IDC_REISS_FOP1_GGR_DBTOR_CDE] = "D1";
         },
         "|FEFGGRATRW1-D1"},
        {"GGR list showing neither code",
         [](Values& v) {
             v.choices[IDC_REISS_FOP] = 6;
             v.choices[IDC_REISS_FOP1_GGR_CODE] = -1;
             v.texts[IDC_REISS_FOP1_GGR_WRT_CDE] = "W1";
             v.texts[IDC_REISS_FOP1_GGR_DBTOR_CDE] = "D1";
         },
         "|FEFGGRW1-D1"},
        {"other",
         [](Values& v) {
             v.choices[IDC_REISS_FOP] = 7;
             v.texts[IDC_REISS_FOP1_OTH] = "MS/VOUCHER";
         },
         "|FEFMS/VOUCHER"},
        {"additional cash with A-line data",
         [](Values& v) {
             v.choices[IDC_REISS_ADDPAYMENT] = 1;
             v.texts[IDC_REISS_ADDPAYMENT_CSH_ALDATA] = "AL";
             v.texts[IDC_REISS_ADDPAYMENT_CSH_AMT] = "10";
         },
         "|FA/CXXCASH AL/10*EFCASH"},
        {"additional invoice against GR",
         [](Values& v) {
             v.choices[IDC_REISS_FOP] = 5;
             v.texts[IDC_REISS_FOP1_GR_NBR] = "G1";
             v.choices[IDC_REISS_ADDPAYMENT] = 2;
             v.texts[IDC_REISS_ADDPAYMENT_INVAGT_AMT] = "10";
         },
         "|FA/CXXINVAGT/10*EFGRG1"},
        {"additional GR against other",
         [](Values& v) {
             v.choices[IDC_REISS_FOP] = 7;
             v.texts[IDC_REISS_FOP1_OTH] = "MS";
             v.choices[IDC_REISS_ADDPAYMENT] = 5;
             v.texts[IDC_REISS_ADDPAYMENT_GR_NBR] = "G2";
             v.texts[IDC_REISS_ADDPAYMENT_GR_AMT] = "10";
         },
         "|FA/CGRG2/10*EFMS"},
        {"additional GGR",
         [](Values& v) {
             v.choices[IDC_REISS_ADDPAYMENT] = 6;
             v.texts[IDC_REISS_ADDPAYMENT_GGR_WRT_CDE] = "W2";
             v.texts[IDC_REISS_ADDPAYMENT_GGR_DBTOR_CDE] = "D2";
             v.texts[IDC_REISS_OBJECTCODE] = "OB";
             v.texts[IDC_REISS_ADDPAYMENT_GGR_AMT] = "10";
         },
         "|FA/CGGRGOMW2-D2-OB/10*EFCASH"},
        {"additional other against cheque",
         [](Values& v) {
             v.choices[IDC_REISS_FOP] = 3;
             v.choices[IDC_REISS_ADDPAYMENT] = 7;
             v.texts[IDC_REISS_ADDPAYMENT_OTH] = "MCO";
             v.texts[IDC_REISS_ADDPAYMENT_OTH_AMT] = "10";
         },
         "|FA/CXXMCO/10*EFCHEQUE"},
        {"net remit amount empty: only the tripartite code",
         [](Values& v) {
             v.boxes.insert(IDC_REISS_NETREMIT);
             v.texts[IDC_REISS_TRIPARTITE] = "TP";
         },
         "|FEFCASH/F*TP"},
        {"tripartite code without net remit",
         [](Values& v) { v.texts[IDC_REISS_TRIPARTITE] = "TP"; }, "|FEFCASH|UN*TP"},
        {"net remit with its codes and currency",
         [](Values& v) {
             v.boxes.insert(IDC_REISS_NETREMIT);
             v.texts[IDC_REISS_NETREMITAMT] = "500";
             v.texts[IDC_REISS_ALTCURRENCY] = "USD";
             v.texts[IDC_REISS_VALUE_CODE] = "V1";
             v.texts[IDC_REISS_CONTRACT_CODE] = "C1";
             v.texts[IDC_REISS_NETCOMMISSION] = "3";
         },
         "|FEFCASH|NET/USD500/V*V1/C*C1|MUSD|KPN3"},
        {"net remit amount while unticked",
         [](Values& v) { v.texts[IDC_REISS_NETREMITAMT] = "500"; }, "|FEFCASH"},
        {"override and all copies",
         [](Values& v) {
             v.boxes = {IDC_REISS_ETKT, IDC_REISS_OVERRIDE_ETKT};
             v.texts[IDC_REISS_AGENTCOUPON] = "1";
             v.texts[IDC_REISS_PASSRECEIPT] = "2";
             v.texts[IDC_REISS_AUDITCOUPON] = "3";
             v.texts[IDC_REISS_CCCHGFORM] = "4";
             v.texts[IDC_REISS_EXCHG_AUTH_FORM] = "5";
             v.choices[IDC_REISS_PRINTOPTION] = 3;
         },
         "|FEFCASH|XETR|C1T/2P/3A/4C/5R|DP"},
        {"copies without electronic ticketing",
         [](Values& v) {
             v.texts[IDC_REISS_PASSRECEIPT] = "2";
             v.choices[IDC_REISS_PRINTOPTION] = 5;
         },
         "|FEFCASH"},
        {"split ticketing", [](Values& v) { v.choices[IDC_REISS_SPLIT] = 4; }, "|FEFCASH|RE"},
    };
    for (const Case& c : cases) {
        Values v = Base();
        c.set(v);
        EXPECT_EQ(ComposeEntry(v), kHead + Sep(c.tail)) << c.what;
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

TEST(ReissueEntry, TourCodeAndEndorsementByType) {
    const std::pair<long, const char*> tourCodes[] = {
        {0, ""},      {1, "/F*IT9|UI*"}, {2, "/F*IT9|UB*"}, {3, "/F*IT9"},  {4, "|UN*IT9"},
        {5, "|UIT9"}, {6, "|UI*IT9"},    {7, "|UB*IT9"},    {8, "|UX*IT9"}, {9, ""},
    };
    for (const auto& [type, piece] : tourCodes) {
        Values v = Base();
        v.choices[IDC_REISS_ITCODE_TYPE] = type;
        v.texts[IDC_REISS_ITCODE] = "IT9";
        EXPECT_EQ(ComposeEntry(v), kHead + Sep(std::string("|FEFCASH") + piece)) << type;
    }
    struct Endorsement {
        long type;
        const char* first;
        const char* second;
        const char* piece;
    };
    const Endorsement endorsements[] = {
        {0, "AB", "CD", ""},
        {1, "AB", "CD", "|EDAB"},
        {1, "", "", "|ED"},
        {2, "AB", "", "|EO/AB"},
        {3, "AB", "CD", "|EO1/AB|EO2/CD"},
        {3, " ", "CD", "|EO2/CD"},
        {4, "AB", "", "|EO/AB"},
        {4, "", "CD", "|EDCD"},
    };
    for (const Endorsement& e : endorsements) {
        Values v = Base();
        v.choices[IDC_REISS_ENDORSE_TYPE] = e.type;
        v.texts[IDC_REISS_ENDORSE1] = e.first;
        v.texts[IDC_REISS_ENDORSE2] = e.second;
        EXPECT_EQ(ComposeEntry(v), kHead + Sep(std::string("|FEFCASH") + e.piece)) << e.type;
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
