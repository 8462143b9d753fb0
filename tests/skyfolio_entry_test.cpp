// The host entry of the issuance form without transfer from plain values of the form and its
// three sub-dialogs: every piece with its conditions and variants. The complete form runs as a
// scenario under examples/.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "masks/skyfolio/skyfolio_entry.h"
#include "resources/resource.h"
#include "tests/support/map_values.h"
#include "tests/support/mask_steps.h"
#include "tests/support/value_settings.h"

namespace {

using masks::skyfolio::ComposeSkyfolioEntry;
using testing_support::With;

// The GGR lists show their codes.
struct Values final : testing_support::MapValues {
    std::string choiceText(int id) const override {
        if (id == IDC_SKY_GGR1 || id == IDC_SKY_GGR2)
            return choice(id) == 0 ? "GOM" : "ATR";
        return MapValues::choiceText(id);
    }
};

// Where a value is set: the form or one of its sub-dialogs.
enum Where { kForm, kFareBasis, kOthers, kDates };

// One value: a text, a list's code or a ticked box, on the form unless a sub-dialog is named.
struct Set {
    Where where;
    int id;
    std::string text;
    long code = -1;
};
Set T(int id, std::string text, Where w = kForm) {
    return {w, id, std::move(text)};
}
Set C(int id, long code, Where w = kForm) {
    return {w, id, "", code};
}
Set X(int id, Where w = kForm) {
    return {w, id, "", -2};
}

std::string Compose(const std::vector<Set>& sets) {
    Values v[4];
    v[kForm].texts[IDC_SKY_CARRIER] = "SQ";
    for (const Set& s : sets) {
        if (s.code == -2)
            v[s.where].boxes.insert(s.id);
        else if (s.code >= 0)
            v[s.where].choices[s.id] = s.code;
        else
            v[s.where].texts[s.id] = s.text;
    }
    return ComposeSkyfolioEntry({v[kForm], v[kFareBasis], v[kOthers], v[kDates]});
}

const std::vector<Set> kCard = {C(IDC_SKY_FOP1, 4),
                                T(IDC_SKY_CCTYPE1, "VI"),
                                T(IDC_SKY_CCNBR1, "4111111111111111"),
                                T(IDC_SKY_CCEXPDATE1, "1207"),
                                X(IDC_SKY_CCEXPYMT1),
                                T(IDC_SKY_PYMNT1, "6")};

TEST(SkyfolioEntry, EveryPieceByItsConditions) {
    struct Case {
        std::vector<Set> sets;
        const char* entry;  // "|" stands for the item separator
    };
    const Case cases[] = {
        {{X(IDC_SKY_BAGALLOW), T(IDC_SKY_BAGALLOW_EDIT, "20K"), C(IDC_SKY_FOP1, 1)},
         "W|ASQ|BA*20K|FCASH"},
        {{X(IDC_SKY_FPLINES), X(IDC_SKY_BAGALLOW), T(IDC_SKY_BAGALLOW_EDIT, "20K"),
          C(IDC_SKY_FOP1, 1)},
         "FPASQ|BA*20K|FCASH"},
        {{T(IDC_SKY_BAGALLOW_EDIT, "20K")}, "W|ASQ"},
        {{T(IDC_SKY_TFR, "2"), T(IDC_SKY_PNS, "1.1")}, "W|T2N1.1|ASQ"},
        {{T(IDC_SKY_TFR, "2")}, "W|ASQ"},
        {{C(IDC_SKY_FOP1, 1), T(IDC_SKY_ALDATA1, "X1")}, "W|ASQ|FCASH X1"},
        {{C(IDC_SKY_FOP1, 1), T(IDC_SKY_ALDATA1, "X1"), C(IDC_SKY_FOP2, 3),
          T(IDC_SKY_CHQAMT2, "100.00")},
         "W|ASQ|FMPCASH*CHEQUE/100.00"},
        {With(kCard, {T(IDC_SKY_CCAPPRCODE1, "ABC123")}),
         "W|ASQ|F*VI4111111111111111/1207*E6*ZABC123"},
        {With(kCard, {T(IDC_SKY_CCAPPRCODE1, "ABCD1234")}),
         "W|ASQ|F*VI4111111111111111/1207*E6*Z00|DCABCD1234"},
        {With(kCard,
              {T(IDC_SKY_CCAPPRCODE1, "ABCD1234"), C(IDC_SKY_FOP2, 1), T(IDC_SKY_ALAMT2, "50.00")}),
         "W|ASQ|FMP*VI4111111111111111/1207*E6*Z00*CASH/50.00|DCABCD1234"},
        {With(kCard, {C(IDC_SKY_FOP2, 1), T(IDC_SKY_ALDATA2, "AL"), T(IDC_SKY_ALAMT2, "5")}),
         "W|ASQ|FMP*VI4111111111111111/1207*E6*XXAL/5"},
        {{C(IDC_SKY_FOP1, 5), T(IDC_SKY_GRNO1, "G1"), C(IDC_SKY_FOP2, 1), T(IDC_SKY_CASHAMT, "10")},
         "W|ASQ|FMPCASH*GRG1/10"},
        // A GGR copies its fields also when empty.
        {{C(IDC_SKY_FOP1, 3), C(IDC_SKY_FOP2, 6), C(IDC_SKY_GGR2, 1), T(IDC_SKY_GGR_AMT2, "10")},
         "W|ASQ|FMPCHEQUE*GGRATR--/10"},
        // Bag allowance per segment, only beside the ticked box and for rows with both cells.
        {{X(IDC_SKY_BAGALLOW), T(IDC_FB_BAGSEG1, "1", kFareBasis),
          T(IDC_FB_BAGALLOW1, "20K", kFareBasis), T(IDC_FB_BAGSEG2, "2", kFareBasis)},
         "W|ASQ|BA1*20K"},
        {{T(IDC_FB_BAGSEG1, "1", kFareBasis), T(IDC_FB_BAGALLOW1, "20K", kFareBasis)}, "W|ASQ"},
        // Validity dates: an empty minimum keeps five blanks; a row needs its segment.
        {{T(IDC_VD_SEG1, "1", kDates), T(IDC_VD_MINDATE1, "05MAR07", kDates)}, "W|ASQ|V1*05MAR07"},
        {{T(IDC_VD_SEG1, "1", kDates), T(IDC_VD_MAXDATE1, "05APR07", kDates)},
         "W|ASQ|V1*     05APR07"},
        {{T(IDC_VD_SEG2, "2", kDates), T(IDC_VD_MINDATE3, "05MAR07", kDates)}, "W|ASQ"},
        // Fare basis on a single line.
        {{T(IDC_FB_FAREBASIS1, "YEE", kFareBasis), T(IDC_FB_TKTDESIG1, "CH50", kFareBasis)},
         "W|ASQ|QYEE/CH50"},
        {{T(IDC_FB_TKTDESIG1, "CH50", kFareBasis)}, "W|ASQ|Q/CH50"},
        {{T(IDC_FB_FAREBASIS1, "YEE", kFareBasis), T(IDC_FB_UFAREBASIS1, "Y1", kFareBasis),
          C(IDC_FB_DISCTYPE1, 2, kFareBasis), T(IDC_FB_DISCVAL1, "10", kFareBasis)},
         "W|ASQ|QYEE-Y1//DP10"},
        // A unique fare basis and a discount value alone do not make a fare basis piece.
        {{T(IDC_FB_UFAREBASIS1, "Y1", kFareBasis), T(IDC_FB_DISCVAL1, "10", kFareBasis)}, "W|ASQ"},
        // Row by row; the amount discount goes on every row.
        {{T(IDC_FB_SEG1, "1", kFareBasis), T(IDC_FB_FAREBASIS1, "YEE", kFareBasis),
          T(IDC_FB_SEG2, "2", kFareBasis), T(IDC_FB_FAREBASIS2, "MEE", kFareBasis)},
         "W|ASQ|S1*QYEE|S2*QMEE"},
        {{T(IDC_FB_TKTDESIG1, "CH50", kFareBasis), T(IDC_FB_TKTDESIG2, "IN90", kFareBasis)},
         "W|ASQ|*Q/CH50|*Q/IN90"},
        {{T(IDC_FB_FAREBASIS1, "YEE", kFareBasis), T(IDC_FB_FAREBASIS2, "MEE", kFareBasis),
          C(IDC_FB_DISCTYPE2, 1, kFareBasis), T(IDC_FB_DISCVAL2, "50", kFareBasis)},
         "W|ASQ|*QYEE//DA50|*QMEE//DA50"},
        // Fare restrictions, electronic ticketing with its copies and option, split ticketing.
        {{C(IDC_OTH_RESTR1, 2, kOthers), T(IDC_OTH_PERCENT1, "10", kOthers),
          C(IDC_OTH_RESTR2, 1, kOthers)},
         "W|ASQ|XP10/XA"},
        {{X(IDC_OTH_ETKT, kOthers), X(IDC_OTH_OVERRIDE, kOthers), T(IDC_OTH_AGCOUPON, "1", kOthers),
          T(IDC_OTH_PASSRECEIPT, "2", kOthers), T(IDC_OTH_AUDITCOUPON, "3", kOthers),
          T(IDC_OTH_CRCHARGEFORM, "4", kOthers), T(IDC_OTH_EXCHG_AUTH, "5", kOthers),
          C(IDC_OTH_PRNTOPTION, 5, kOthers)},
         "W|ASQ|XETR|CT1/P2/A3/C4/R5|DPI"},
        {{T(IDC_OTH_PASSRECEIPT, "2", kOthers), C(IDC_OTH_PRNTOPTION, 1, kOthers)}, "W|ASQ"},
        {{X(IDC_SKY_NRTKT), T(IDC_SKY_NRALTCRCY, "USD"), T(IDC_SKY_NRAMT, "100")},
         "W|ASQ|NET/USD100|MUSD"},
        {{X(IDC_SKY_NRTKT), T(IDC_SKY_NRAMT, "100"), T(IDC_SKY_NRDISCAMT, "5"),
          T(IDC_SKY_NRVALCODE, "V1"), T(IDC_SKY_NRCONTCODE, "C1"), T(IDC_SKY_NRCOMPERCENT, "3"),
          T(IDC_SKY_NRSELFARE, "200"), T(IDC_SKY_NRCRCARDAMT, "150"), T(IDC_SKY_NRCOMMN, "2")},
         "W|ASQ|NET/100/D5/V*V1/C*C1/|KP3/SF200/CC150|KPN2"},
        // Values that a Recall brought back without the box are written all the same.
        {{T(IDC_SKY_NRAMT, "100")}, "W|ASQ/100"},
        {{X(IDC_SKY_NRTKT), X(IDC_SKY_NRCOMMPERCENT), T(IDC_SKY_NRALTCRCY, "USD"),
          T(IDC_SKY_NRCOMPERCENT, "3")},
         "W|ASQ|NET/|KP3"},
        {{X(IDC_SKY_NRTKT), C(IDC_SKY_ITCODE, 1), T(IDC_SKY_TOURCODE, "TC")}, "W|ASQ|NET/F*TC|UI*"},
        {{X(IDC_SKY_ADULT), T(IDC_SKY_ADULT_EDIT, "1"), X(IDC_SKY_CHILD),
          T(IDC_SKY_CHILD_EDIT, "2"), T(IDC_SKY_CHILD_EDIT_AGE, "5")},
         "W|ASQ|P1ADT/2C05"},
        {{X(IDC_SKY_CHILD), T(IDC_SKY_CHILD_EDIT, "2"), X(IDC_SKY_INFANT), X(IDC_SKY_SEAMAN),
          T(IDC_SKY_SMAN1, "1"), T(IDC_SKY_SMAN2, "SG"), X(IDC_SKY_OTHERS), T(IDC_SKY_OTHERS1, "2"),
          T(IDC_SKY_OTHERS2, "MIL")},
         "W|ASQ|P2CNN/INF/1SEA|SSG/2MIL"},
        {{T(IDC_SKY_SS, "1-2"), T(IDC_SKY_COMMNSN, "7"), T(IDC_SKY_COMMSNAMT, "10"),
          T(IDC_SKY_CONNECTION, "2"), T(IDC_SKY_STOPOVER, "3"), C(IDC_SKY_FARETYPE, 2)},
         "W|ASQ|S1-2|KP7|K10|X2|O3|T/IT"},
        {{C(IDC_SKY_ENDORSEMENT, 3), T(IDC_SKY_ENDORSE1, "L1"), T(IDC_SKY_ENDORSE2, "L2")},
         "W|ASQ|EO1/L1|EO2/L2"},
        {{C(IDC_SKY_TAXTYPE, 2), T(IDC_SKY_TCODE1, "XY"), T(IDC_SKY_TCODE3, "AB")},
         "W|ASQ|TE/XY/AB"},
        {{C(IDC_SKY_TAXTYPE, 3), T(IDC_SKY_TCODE1, "XY"), T(IDC_SKY_TAMT1, "10.00"),
          T(IDC_SKY_TCODE6, "AB"), T(IDC_SKY_TAMT6, "5.00")},
         "W|ASQ|TX10.00XY/5.00AB"},
        {{C(IDC_SKY_TAXTYPE, 3), T(IDC_SKY_TCODE1, "XY"), T(IDC_SKY_TAMT2, "5.00")},
         "W|ASQ|TXXY/5.00"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Compose(c.sets), testing_support::Sep(c.entry));
}

}  // namespace
