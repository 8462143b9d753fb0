// The issuance host command from plain form values: the pieces with conditions of their own,
// the card's approval code, the pricing by type and the fee-base remarks. The three worked
// commands run as scenarios under examples/.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "masks/issuance/issuance_entry.h"
#include "resources/resource.h"
#include "tests/support/map_values.h"

namespace {

using masks::issuance::ComposeHostCommand;

// The GGR lists show their codes.
struct Values final : testing_support::MapValues {
    std::string choiceText(int id) const override {
        if (id == IDC_ISS_FOP1_GGR_CODE || id == IDC_ISS_FOP2_GGR_CODE)
            return choice(id) == 0 ? "GOM" : "ATR";
        return MapValues::choiceText(id);
    }
};

// "|" stands for the item separator, "!" for the "|" between entries.
std::string Sep(std::string text) {
    for (std::size_t at; (at = text.find('|')) != std::string::npos;)
        text.replace(at, 1, "\\u00A5");
    for (std::size_t at; (at = text.find('!')) != std::string::npos;)
        text.replace(at, 1, "|");
    return text;
}

struct Case {
    std::map<int, std::string> texts;
    std::map<int, long> choices;
    std::set<int> boxes;
    std::string command;
    std::vector<std::string> remarks = {};
};

TEST(IssuanceEntry, EachPieceByItsConditions) {
    const Case cases[] = {
        // No fare record: no names; nothing but the head.
        {{{IDC_ISS_PAX, "1.1"}, {IDC_ISS_CARRIER, "SQ"}}, {}, {}, "W|T|ASQ"},
        {{}, {}, {}, "W|T"},
        // Remarks, in list order, before the ticketing entry.
        {{}, {}, {}, "5|A!5|B!W|T", {"A", "B"}},
        // Cash airline data only without a second payment.
        {{{IDC_ISS_FOP1_ALINE_DATA, "AL 1"}}, {{IDC_ISS_FOP1, 1}}, {}, "W|T|FCASH AL 1"},
        {{{IDC_ISS_FOP2_CHQAMT, "5"}, {IDC_ISS_FOP1_ALINE_DATA, "X"}},
         {{IDC_ISS_FOP1, 1}, {IDC_ISS_FOP2, 3}},
         {},
         "W|T|FMPCASH*CHEQUE/5"},
        {{{IDC_ISS_FOP1_AGT_CODE, ""}}, {{IDC_ISS_FOP1, 2}}, {}, "W|T|FINVAGT"},
        // The card's approval code: short, long alone, long beside a second payment.
        {{{IDC_ISS_FOP1_CC_TYPE, "VI"},
          {IDC_ISS_FOP1_CC_NBR, "4111"},
          {IDC_ISS_FOP1_CC_EXPDATE, "1209"},
          {IDC_ISS_FOP1_CC_APPR_CDE, "123456"}},
         {{IDC_ISS_FOP1, 4}},
         {},
         "W|T|F*VI4111/1209*Z123456"},
        {{{IDC_ISS_FOP1_CC_TYPE, "VI"}, {IDC_ISS_FOP1_CC_APPR_CDE, "12345678"}},
         {{IDC_ISS_FOP1, 4}},
         {},
         "W|T|F*VI/*Z00|DC12345678"},
        {{{IDC_ISS_FOP1_CC_APPR_CDE, "12345678"}, {IDC_ISS_FOP2_CHQAMT, "9"}},
         {{IDC_ISS_FOP1, 4}, {IDC_ISS_FOP2, 3}},
         {},
         "W|T|FMP*/*Z00*CHEQUE/9|DC12345678"},
        // Airline data ends the card with "/0" and the approval piece, or stands for cash.
        {{{IDC_ISS_FOP1_CC_ALINE_DATA, "AB12"}}, {{IDC_ISS_FOP1, 4}}, {}, "W|T|FMP*/*XXAB12/0"},
        {{{IDC_ISS_FOP1_CC_ALINE_DATA, "AB12"}, {IDC_ISS_FOP1_CC_APPR_CDE, "1234567X"}},
         {{IDC_ISS_FOP1, 4}},
         {},
         "W|T|FMP*/*Z00*XXAB12/0|DC1234567X"},
        {{{IDC_ISS_FOP1_CC_ALINE_DATA, "AB"}, {IDC_ISS_FOP2_CSHAMT, "3"}},
         {{IDC_ISS_FOP1, 4}, {IDC_ISS_FOP2, 1}},
         {},
         "W|T|FMP*/*XXAB/3"},
        {{{IDC_ISS_FOP1_CC_EXT_PAY_MONTHS, "06"}},
         {{IDC_ISS_FOP1, 4}},
         {IDC_ISS_FOP1_CC_EXT_PAY},
         "W|T|F*/*E06"},
        {{{IDC_ISS_FOP1_GR_NBR, "G123"}, {IDC_ISS_FOP2_CSHAMT, "50"}},
         {{IDC_ISS_FOP1, 5}, {IDC_ISS_FOP2, 1}},
         {},
         "W|T|FMPCASH*GRG123/50"},
        {{{IDC_ISS_FOP1_GR_NBR, "G1"}, {IDC_ISS_FOP2_GR_NBR, "G2"}, {IDC_ISS_FOP2_GR_AMT, "4"}},
         {{IDC_ISS_FOP1, 5}, {IDC_ISS_FOP2, 5}},
         {},
         "W|T|FMPGRG1*GRG2/4"},
        {{{IDC_ISS_FOP1_GGR_WRT_CDE, "W"},
          {IDC_ISS_FOP1_GGR_DBTOR_CDE, "D"},
          {IDC_ISS_FOP1_OBJECTCODE, "O"},
          {IDC_ISS_FOP2_GGR_WRT_CDE, "V"},
          {IDC_ISS_FOP2_GGR_DBTOR_CDE, "E"},
          {IDC_ISS_FOP2_OBJECTCODE, "P"},
          {IDC_ISS_FOP2_GGR_AMT, "8"}},
         {{IDC_ISS_FOP1, 6}, {IDC_ISS_FOP2, 6}, {IDC_ISS_FOP2_GGR_CODE, 1}},
         {},
         "W|T|FMPGGRGOMW-D-O*GGRATRV-E-P/8"},
        {{{IDC_ISS_FOP2_OTH, "MCO"}, {IDC_ISS_FOP2_OTH_AMT, "2"}},
         {{IDC_ISS_FOP1, 4}, {IDC_ISS_FOP2, 7}},
         {},
         "W|T|FMP*/*XXMCO/2"},
        // Pricing by type.
        {{{IDC_ISS_TRIPARTITE, "TP"}}, {}, {}, "W|T|UN*TP"},
        {{{IDC_ISS_ALTCURRENCY, "USD"}, {IDC_ISS_NET_REMIT_AMT, "500"}},
         {{IDC_ISS_TYPE, 1}},
         {},
         "W|T|NET/USD500|MUSD"},
        {{{IDC_ISS_DISCOUNT_AMT, "5"},
          {IDC_ISS_VALUE_CODE, "V"},
          {IDC_ISS_CONTRACT_CODE, "C"},
          {IDC_ISS_TRIPARTITE, "F"}},
         {{IDC_ISS_TYPE, 1}},
         {},
         "W|T|NET/D5/V*V/C*C/F*F"},
        {{}, {{IDC_ISS_TYPE, 2}}, {}, "W|T"},
        {{}, {{IDC_ISS_TYPE, 3}}, {}, "W|T|NET/"},
        {{{IDC_ISS_SELLING_FARE, "9"},
          {IDC_ISS_CARD_AMT, "1"},
          {IDC_ISS_TRIPARTITE, "T"},
          {IDC_ISS_VALUE_CODE, "V"},
          {IDC_ISS_CONTRACT_CODE, "C"}},
         {{IDC_ISS_TYPE, 3}},
         {},
         "W|T|NET/CC1/SF9/F*T/V*V/C*C"},
        // IT codes; 1 and 2 end the piece with the mark alone.
        {{{IDC_ISS_ITCODE, "IT"}},
         {{IDC_ISS_TYPE, 1}, {IDC_ISS_ITCODE_TYPE, 1}},
         {},
         "W|T|NET/F*IT|UI*"},
        {{{IDC_ISS_ITCODE, "IT"}},
         {{IDC_ISS_TYPE, 2}, {IDC_ISS_ITCODE_TYPE, 2}},
         {},
         "W|T/F*IT|UB*"},
        {{{IDC_ISS_ITCODE, "T"}}, {{IDC_ISS_ITCODE_TYPE, 5}}, {}, "W|T|UT"},
        {{{IDC_ISS_ITCODE, "T"}}, {{IDC_ISS_ITCODE_TYPE, 8}}, {}, "W|T|UX*T"},
        {{}, {{IDC_ISS_ITCODE_TYPE, 9}}, {}, "W|T|UI*"},
        // Commissions, endorsements, electronic ticketing with its copies, printing, split.
        {{{IDC_ISS_COMMISSION, "7"}, {IDC_ISS_NET_COMMISSION, "3"}}, {}, {}, "W|T|KPN3|KP7"},
        {{}, {{IDC_ISS_ENDORSE_TYPE, 2}}, {}, "W|T|EO/"},
        {{{IDC_ISS_ENDORSE2, "B"}}, {{IDC_ISS_ENDORSE_TYPE, 3}}, {}, "W|T|EO2/B"},
        {{{IDC_ISS_ENDORSE1, "A"}, {IDC_ISS_ENDORSE2, "B"}},
         {{IDC_ISS_ENDORSE_TYPE, 4}},
         {},
         "W|T|EO/A|EDB"},
        {{{IDC_ISS_AGENT_COUPON, "1"}, {IDC_ISS_AUDIT_COUPON, "2"}, {IDC_ISS_EXCHG_AUTH_FORM, "3"}},
         {{IDC_ISS_PRINTOPTION, 5}, {IDC_ISS_SPLIT, 4}},
         {IDC_ISS_ETKT, IDC_ISS_OVERRIDE_ETKT},
         "W|T|XETR|C2A/1T/3R|DPI|RE"},
        // The GBA box takes no part.
        {{}, {}, {IDC_ISS_GBA, IDC_ISS_FP_LINES}, "FPT"},
    };
    for (const Case& c : cases) {
        Values v;
        v.texts = c.texts;
        v.choices = c.choices;
        v.boxes = c.boxes;
        EXPECT_EQ(ComposeHostCommand(v, c.remarks), Sep(c.command)) << c.command;
    }
}

}  // namespace
