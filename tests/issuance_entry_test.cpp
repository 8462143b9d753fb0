// The issuance host command from plain form values: the pieces with conditions of their own,
// the card's approval code, the pricing by type and the fee-base remarks. The three worked
// commands run as scenarios under examples/.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "masks/issuance/issuance_entry.h"
#include "resources/resource.h"
#include "tests/support/value_settings.h"

namespace {

using masks::issuance::ComposeHostCommand;
using testing_support::Code;
using testing_support::Sep;
using testing_support::Settings;
using testing_support::Text;
using testing_support::Ticked;

// The GGR lists show their codes.
struct Values final : testing_support::MapValues {
    std::string choiceText(int id) const override {
        if (id == IDC_ISS_FOP1_GGR_CODE || id == IDC_ISS_FOP2_GGR_CODE)
            return choice(id) == 0 ? "GOM" : "ATR";
        return MapValues::choiceText(id);
    }
};

struct Case {
    Settings settings;
    std::string command;
    std::vector<std::string> remarks = {};
};

TEST(IssuanceEntry, EachPieceByItsConditions) {
    const Case cases[] = {
        // No fare record: no names; nothing but the head.
        {{Text(IDC_ISS_PAX, "1.1"), Text(IDC_ISS_CARRIER, "SQ")}, "W|T|ASQ"},
        {{}, "W|T"},
        // Remarks, in list order, before the ticketing entry.
        {{}, "5|A!5|B!W|T", {"A", "B"}},
        // Cash airline data only without a second payment.
        {{Text(IDC_ISS_FOP1_ALINE_DATA, "AL 1"), Code(IDC_ISS_FOP1, 1)}, "W|T|FCASH AL 1"},
        {{Text(IDC_ISS_FOP2_CHQAMT, "5"), Text(IDC_ISS_FOP1_ALINE_DATA, "X"), Code(IDC_ISS_FOP1, 1),
          Code(IDC_ISS_FOP2, 3)},
         "W|T|FMPCASH*CHEQUE/5"},
        {{Text(IDC_ISS_FOP1_AGT_CODE, ""), Code(IDC_ISS_FOP1, 2)}, "W|T|FINVAGT"},
        // The card's approval code: short, long alone, long beside a second payment.
        {{Text(IDC_ISS_FOP1_CC_TYPE, "VI"), Text(IDC_ISS_FOP1_CC_NBR, "4111"),
          Text(IDC_ISS_FOP1_CC_EXPDATE, "1209"), Text(IDC_ISS_FOP1_CC_APPR_CDE, "123456"),
          Code(IDC_ISS_FOP1, 4)},
         "W|T|F*VI4111/1209*Z123456"},
        {{Text(IDC_ISS_FOP1_CC_TYPE, "VI"), Text(IDC_ISS_FOP1_CC_APPR_CDE, "12345678"),
          Code(IDC_ISS_FOP1, 4)},
         "W|T|F*VI/*Z00|DC12345678"},
        {{Text(IDC_ISS_FOP1_CC_APPR_CDE, "12345678"), Text(IDC_ISS_FOP2_CHQAMT, "9"),
          Code(IDC_ISS_FOP1, 4), Code(IDC_ISS_FOP2, 3)},
         "W|T|FMP*/*Z00*CHEQUE/9|DC12345678"},
        // Airline data ends the card with "/0" and the approval piece, or stands for cash.
        {{Text(IDC_ISS_FOP1_CC_ALINE_DATA, "AB12"), Code(IDC_ISS_FOP1, 4)}, "W|T|FMP*/*XXAB12/0"},
        {{Text(IDC_ISS_FOP1_CC_ALINE_DATA, "AB12"), Text(IDC_ISS_FOP1_CC_APPR_CDE, "1234567X"),
          Code(IDC_ISS_FOP1, 4)},
         "W|T|FMP*/*Z00*XXAB12/0|DC1234567X"},
        {{Text(IDC_ISS_FOP1_CC_ALINE_DATA, "AB"), Text(IDC_ISS_FOP2_CSHAMT, "3"),
          Code(IDC_ISS_FOP1, 4), Code(IDC_ISS_FOP2, 1)},
         "W|T|FMP*/*XXAB/3"},
        {{Text(IDC_ISS_FOP1_CC_EXT_PAY_MONTHS, "06"), Code(IDC_ISS_FOP1, 4),
          Ticked(IDC_ISS_FOP1_CC_EXT_PAY)},
         "W|T|F*/*E06"},
        {{Text(IDC_ISS_FOP1_GR_NBR, "G123"), Text(IDC_ISS_FOP2_CSHAMT, "50"), Code(IDC_ISS_FOP1, 5),
          Code(IDC_ISS_FOP2, 1)},
         "W|T|FMPCASH*GRG123/50"},
        {{Text(IDC_ISS_FOP1_GR_NBR, "G1"), Text(IDC_ISS_FOP2_GR_NBR, "G2"),
          Text(IDC_ISS_FOP2_GR_AMT, "4"), Code(IDC_ISS_FOP1, 5), Code(IDC_ISS_FOP2, 5)},
         "W|T|FMPGRG1*GRG2/4"},
        {{Text(IDC_ISS_FOP1_GGR_WRT_CDE, "W"), Text(IDC_ISS_FOP1_GGR_DBTOR_CDE, "D"),
          Text(IDC_ISS_FOP1_OBJECTCODE, "O"), Text(IDC_ISS_FOP2_GGR_WRT_CDE, "V"),
          Text(IDC_ISS_FOP2_GGR_DBTOR_CDE, "E"), Text(IDC_ISS_FOP2_OBJECTCODE, "P"),
          Text(IDC_ISS_FOP2_GGR_AMT, "8"), Code(IDC_ISS_FOP1, 6), Code(IDC_ISS_FOP2, 6),
          Code(IDC_ISS_FOP2_GGR_CODE, 1)},
         "W|T|FMPGGRGOMW-D-O*GGRATRV-E-P/8"},
        {{Text(IDC_ISS_FOP2_OTH, "MCO"), Text(IDC_ISS_FOP2_OTH_AMT, "2"), Code(IDC_ISS_FOP1, 4),
          Code(IDC_ISS_FOP2, 7)},
         "W|T|FMP*/*XXMCO/2"},
        // Pricing by type.
        {{Text(IDC_ISS_TRIPARTITE, "TP")}, "W|T|UN*TP"},
        {{Text(IDC_ISS_ALTCURRENCY, "USD"), Text(IDC_ISS_NET_REMIT_AMT, "500"),
          Code(IDC_ISS_TYPE, 1)},
         "W|T|NET/USD500|MUSD"},
        {{Text(IDC_ISS_DISCOUNT_AMT, "5"), Text(IDC_ISS_VALUE_CODE, "V"),
          Text(IDC_ISS_CONTRACT_CODE, "C"), Text(IDC_ISS_TRIPARTITE, "F"), Code(IDC_ISS_TYPE, 1)},
         "W|T|NET/D5/V*V/C*C/F*F"},
        {{Code(IDC_ISS_TYPE, 2)}, "W|T"},
        {{Code(IDC_ISS_TYPE, 3)}, "W|T|NET/"},
        {{Text(IDC_ISS_SELLING_FARE, "9"), Text(IDC_ISS_CARD_AMT, "1"),
          Text(IDC_ISS_TRIPARTITE, "T"), Text(IDC_ISS_VALUE_CODE, "V"),
          Text(IDC_ISS_CONTRACT_CODE, "C"), Code(IDC_ISS_TYPE, 3)},
         "W|T|NET/CC1/SF9/F*T/V*V/C*C"},
        // IT codes; 1 and 2 end the piece with the mark alone.
        {{Text(IDC_ISS_ITCODE, "IT"), Code(IDC_ISS_TYPE, 1), Code(IDC_ISS_ITCODE_TYPE, 1)},
         "W|T|NET/F*IT|UI*"},
        {{Text(IDC_ISS_ITCODE, "IT"), Code(IDC_ISS_TYPE, 2), Code(IDC_ISS_ITCODE_TYPE, 2)},
         "W|T/F*IT|UB*"},
        {{Text(IDC_ISS_ITCODE, "T"), Code(IDC_ISS_ITCODE_TYPE, 5)}, "W|T|UT"},
        {{Text(IDC_ISS_ITCODE, "T"), Code(IDC_ISS_ITCODE_TYPE, 8)}, "W|T|UX*T"},
        {{Code(IDC_ISS_ITCODE_TYPE, 9)}, "W|T|UI*"},
        // Commissions, endorsements, electronic ticketing with its copies, printing, split.
        {{Text(IDC_ISS_COMMISSION, "7"), Text(IDC_ISS_NET_COMMISSION, "3")}, "W|T|KPN3|KP7"},
        {{Code(IDC_ISS_ENDORSE_TYPE, 2)}, "W|T|EO/"},
        {{Text(IDC_ISS_ENDORSE2, "B"), Code(IDC_ISS_ENDORSE_TYPE, 3)}, "W|T|EO2/B"},
        {{Text(IDC_ISS_ENDORSE1, "A"), Text(IDC_ISS_ENDORSE2, "B"), Code(IDC_ISS_ENDORSE_TYPE, 4)},
         "W|T|EO/A|EDB"},
        {{Text(IDC_ISS_AGENT_COUPON, "1"), Text(IDC_ISS_AUDIT_COUPON, "2"),
          Text(IDC_ISS_EXCHG_AUTH_FORM, "3"), Code(IDC_ISS_PRINTOPTION, 5), Code(IDC_ISS_SPLIT, 4),
          Ticked(IDC_ISS_ETKT), Ticked(IDC_ISS_OVERRIDE_ETKT)},
         "W|T|XETR|C2A/1T/3R|DPI|RE"},
        // The GBA box takes no part.
        {{Ticked(IDC_ISS_GBA), Ticked(IDC_ISS_FP_LINES)}, "FPT"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ComposeHostCommand(testing_support::Set(Values{}, c.settings), c.remarks),
                  Sep(c.command))
            << c.command;
    }
}

}  // namespace
