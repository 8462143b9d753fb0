// The reissue host entry from plain form values: every piece, its conditions and its
// variants. The four worked entries run as scenarios under examples/.
#include <gtest/gtest.h>

#include <string>

#include "masks/reissuance/reissue_entry.h"
#include "resources/resource.h"
#include "tests/support/value_settings.h"

namespace {

using masks::reissue::ComposeEntry;
using testing_support::Code;
using testing_support::Sep;
using testing_support::Settings;
using testing_support::Text;
using testing_support::Ticked;

using Values = testing_support::MapValues;

// A cash reissue with every other field empty or unset, and settings over it.
std::string Compose(const Settings& settings) {
    const Settings cash = {Text(IDC_REISS_CARRIER, "SQ"),
                           Text(IDC_REISS_TFR, "1"),
                           Text(IDC_REISS_NAMESELECT, "1.1"),
                           Text(IDC_REISS_COMMISSION, "5"),
                           Text(IDC_REISS_EXTKT1, "618"),
                           Text(IDC_REISS_EXTKT2, "1234567890"),
                           Text(IDC_REISS_CPN, "1"),
                           Text(IDC_REISS_DATEOFISSUE, "12JAN05"),
                           Text(IDC_REISS_PLACEOFISSUE, "SIN"),
                           Text(IDC_REISS_IATA, "12345678"),
                           Code(IDC_REISS_FOP, 1)};
    return ComposeEntry(testing_support::Set(testing_support::Set(Values{}, cash), settings));
}

const std::string kHead = Sep("W|T1N1.1|ASQ|KP5|ET6181234567890/1//12JAN05SIN/12345678");

TEST(ReissueEntry, PiecesAfterTheIssueData) {
    struct Case {
        Settings settings;
        const char* tail;  // after the issue data
    };
    const Case cases[] = {
        {{}, "|FEFCASH"},
        {{Text(IDC_REISS_FOP1_ALINE_DATA, "X1")}, "|FEFCASH X1"},
        {{Text(IDC_REISS_FOP1_ALINE_DATA, "  ")}, "|FEFCASH"},
        {{Code(IDC_REISS_FOP, 2)}, "|FEFXXINVAGT"},
        {{Text(IDC_REISS_FOP1_CC_TYPE, "VI"), Code(IDC_REISS_FOP, 4)}, "|FEFCCVI"},
        {{Text(IDC_REISS_FOP1_GGR_WRT_CDE, "W1"), Text(IDC_REISS_FOP1_GGR_DBTOR_CDE, "D1"),
          Code(IDC_REISS_FOP, 6), Code(IDC_REISS_FOP1_GGR_CODE, 1)},
         "|FEFGGRATRW1-D1"},
        // A GGR code list showing neither code.
        {{Text(IDC_REISS_FOP1_GGR_WRT_CDE, "W1"), Text(IDC_REISS_FOP1_GGR_DBTOR_CDE, "D1"),
          Code(IDC_REISS_FOP, 6), Code(IDC_REISS_FOP1_GGR_CODE, -1)},
         "|FEFGGRW1-D1"},
        {{Text(IDC_REISS_FOP1_OTH, "MS/VOUCHER"), Code(IDC_REISS_FOP, 7)}, "|FEFMS/VOUCHER"},
        {{Text(IDC_REISS_ADDPAYMENT_CSH_ALDATA, "AL"), Text(IDC_REISS_ADDPAYMENT_CSH_AMT, "10"),
          Code(IDC_REISS_ADDPAYMENT, 1)},
         "|FA/CXXCASH AL/10*EFCASH"},
        {{Text(IDC_REISS_FOP1_GR_NBR, "G1"), Text(IDC_REISS_ADDPAYMENT_INVAGT_AMT, "10"),
          Code(IDC_REISS_FOP, 5), Code(IDC_REISS_ADDPAYMENT, 2)},
         "|FA/CXXINVAGT/10*EFGRG1"},
        {{Text(IDC_REISS_FOP1_OTH, "MS"), Text(IDC_REISS_ADDPAYMENT_GR_NBR, "G2"),
          Text(IDC_REISS_ADDPAYMENT_GR_AMT, "10"), Code(IDC_REISS_FOP, 7),
          Code(IDC_REISS_ADDPAYMENT, 5)},
         "|FA/CGRG2/10*EFMS"},
        {{Text(IDC_REISS_ADDPAYMENT_GGR_WRT_CDE, "W2"),
          Text(IDC_REISS_ADDPAYMENT_GGR_DBTOR_CDE, "D2"), Text(IDC_REISS_OBJECTCODE, "OB"),
          Text(IDC_REISS_ADDPAYMENT_GGR_AMT, "10"), Code(IDC_REISS_ADDPAYMENT, 6)},
         "|FA/CGGRGOMW2-D2-OB/10*EFCASH"},
        {{Text(IDC_REISS_ADDPAYMENT_OTH, "MCO"), Text(IDC_REISS_ADDPAYMENT_OTH_AMT, "10"),
          Code(IDC_REISS_FOP, 3), Code(IDC_REISS_ADDPAYMENT, 7)},
         "|FA/CXXMCO/10*EFCHEQUE"},
        // Net remit without its amount: only the tripartite code, as its continuation.
        {{Text(IDC_REISS_TRIPARTITE, "TP"), Ticked(IDC_REISS_NETREMIT)}, "|FEFCASH/F*TP"},
        {{Text(IDC_REISS_TRIPARTITE, "TP")}, "|FEFCASH|UN*TP"},
        {{Text(IDC_REISS_NETREMITAMT, "500"), Text(IDC_REISS_ALTCURRENCY, "USD"),
          Text(IDC_REISS_VALUE_CODE, "V1"), Text(IDC_REISS_CONTRACT_CODE, "C1"),
          Text(IDC_REISS_NETCOMMISSION, "3"), Ticked(IDC_REISS_NETREMIT)},
         "|FEFCASH|NET/USD500/V*V1/C*C1|MUSD|KPN3"},
        {{Text(IDC_REISS_NETREMITAMT, "500")}, "|FEFCASH"},
        {{Text(IDC_REISS_AGENTCOUPON, "1"), Text(IDC_REISS_PASSRECEIPT, "2"),
          Text(IDC_REISS_AUDITCOUPON, "3"), Text(IDC_REISS_CCCHGFORM, "4"),
          Text(IDC_REISS_EXCHG_AUTH_FORM, "5"), Code(IDC_REISS_PRINTOPTION, 3),
          Ticked(IDC_REISS_ETKT), Ticked(IDC_REISS_OVERRIDE_ETKT)},
         "|FEFCASH|XETR|C1T/2P/3A/4C/5R|DP"},
        // Copies without electronic ticketing are not written.
        {{Text(IDC_REISS_PASSRECEIPT, "2"), Code(IDC_REISS_PRINTOPTION, 5)}, "|FEFCASH"},
        {{Code(IDC_REISS_SPLIT, 4)}, "|FEFCASH|RE"},
        // Tour codes by type, and endorsements by type.
        {{Text(IDC_REISS_ITCODE, "IT9"), Code(IDC_REISS_ITCODE_TYPE, 1)}, "|FEFCASH/F*IT9|UI*"},
        {{Text(IDC_REISS_ITCODE, "IT9"), Code(IDC_REISS_ITCODE_TYPE, 2)}, "|FEFCASH/F*IT9|UB*"},
        {{Text(IDC_REISS_ITCODE, "IT9"), Code(IDC_REISS_ITCODE_TYPE, 3)}, "|FEFCASH/F*IT9"},
        {{Text(IDC_REISS_ITCODE, "IT9"), Code(IDC_REISS_ITCODE_TYPE, 4)}, "|FEFCASH|UN*IT9"},
        {{Text(IDC_REISS_ITCODE, "IT9"), Code(IDC_REISS_ITCODE_TYPE, 5)}, "|FEFCASH|UIT9"},
        {{Text(IDC_REISS_ITCODE, "IT9"), Code(IDC_REISS_ITCODE_TYPE, 6)}, "|FEFCASH|UI*IT9"},
        {{Text(IDC_REISS_ITCODE, "IT9"), Code(IDC_REISS_ITCODE_TYPE, 7)}, "|FEFCASH|UB*IT9"},
        {{Text(IDC_REISS_ITCODE, "IT9"), Code(IDC_REISS_ITCODE_TYPE, 8)}, "|FEFCASH|UX*IT9"},
        {{Text(IDC_REISS_ITCODE, "IT9"), Code(IDC_REISS_ITCODE_TYPE, 9)}, "|FEFCASH"},
        {{Text(IDC_REISS_ENDORSE1, "AB"), Code(IDC_REISS_ENDORSE_TYPE, 1)}, "|FEFCASH|EDAB"},
        {{Code(IDC_REISS_ENDORSE_TYPE, 1)}, "|FEFCASH|ED"},
        {{Text(IDC_REISS_ENDORSE1, "AB"), Code(IDC_REISS_ENDORSE_TYPE, 2)}, "|FEFCASH|EO/AB"},
        {{Text(IDC_REISS_ENDORSE1, "AB"), Text(IDC_REISS_ENDORSE2, "CD"),
          Code(IDC_REISS_ENDORSE_TYPE, 3)},
         "|FEFCASH|EO1/AB|EO2/CD"},
        {{Text(IDC_REISS_ENDORSE1, " "), Text(IDC_REISS_ENDORSE2, "CD"),
          Code(IDC_REISS_ENDORSE_TYPE, 3)},
         "|FEFCASH|EO2/CD"},
        {{Text(IDC_REISS_ENDORSE1, "AB"), Code(IDC_REISS_ENDORSE_TYPE, 4)}, "|FEFCASH|EO/AB"},
        {{Text(IDC_REISS_ENDORSE2, "CD"), Code(IDC_REISS_ENDORSE_TYPE, 4)}, "|FEFCASH|EDCD"},
        {{Text(IDC_REISS_ENDORSE1, "AB"), Code(IDC_REISS_ENDORSE_TYPE, 0)}, "|FEFCASH"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Compose(c.settings), kHead + Sep(c.tail)) << c.tail;
}

// The approval code decides what follows a card's expiry date.
TEST(ReissueEntry, AdditionalCardByApprovalCode) {
    const std::pair<const char*, const char*> cases[] = {
        {"", "/50.00*EFCASH X1"}, {"123456", "*Z123456/50.00*EFCASH X1"},
        {"1234567", ""},          {"12345678", "*Z00/50.00*EFCASH X1|DC12345678"},
        {"123456789", ""},
    };
    for (const auto& [approval, after] : cases) {
        EXPECT_EQ(Compose({Text(IDC_REISS_FOP1_ALINE_DATA, "X1"), Code(IDC_REISS_ADDPAYMENT, 4),
                           Text(IDC_REISS_ADDPAYMENT_CC_TYPE, "VI"),
                           Text(IDC_REISS_ADDPAYMENT_CC_NBR, "4111111111111111"),
                           Text(IDC_REISS_ADDPAYMENT_CC_EXPDATE, "1205"),
                           Text(IDC_REISS_ADDPAYMENT_CC_APPR_CDE, approval),
                           Text(IDC_REISS_ADDPAYMENT_CC_AMT, "50.00")}),
                  kHead + Sep(std::string("|FA/CCCVI4111111111111111/1205") + after))
            << "approval code '" << approval << "'";
    }
}

TEST(ReissueEntry, HeaderAndDocumentTakeTextsAsTheyStand) {
    EXPECT_EQ(Compose({Text(IDC_REISS_TFR, " "), Text(IDC_REISS_COMMISSION, "\t"),
                       Text(IDC_REISS_2TKTCPN, " 2 "), Text(IDC_REISS_3TKTCPN, "34"),
                       Ticked(IDC_REISS_2TKTISSUE), Text(IDC_REISS_ORGTKT1, "618"),
                       Text(IDC_REISS_ORGTKT2, "1111111111")}),
              Sep("W|T|ASQ|ET6181234567890/1, 2 ,34/6181111111111/12JAN05SIN/12345678|FEFCASH"));
}

}  // namespace
