// The host entry of the issuance form without transfer from plain values of the form and its
// three sub-dialogs: every piece with its conditions and variants. The complete form runs as a
// scenario under examples/.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "masks/skyfolio/skyfolio_entry.h"
#include "resources/resource.h"
#include "tests/support/map_values.h"

namespace {

using masks::skyfolio::ComposeSkyfolioEntry;

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

// One value: a text, a list's code or a ticked box.
struct Set {
    Where where;
    int id;
    std::string text;
    long code = -1;
};
Set T(Where w, int id, std::string text) {
    return {w, id, std::move(text)};
}
Set C(Where w, int id, long code) {
    return {w, id, "", code};
}
Set X(Where w, int id) {
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
    std::string entry = ComposeSkyfolioEntry({v[kForm], v[kFareBasis], v[kOthers], v[kDates]});
    for (std::size_t at; (at = entry.find("\\u00A5")) != std::string::npos;)
        entry.replace(at, 6, "|");
    return entry;
}

const std::vector<Set> kCard = {C(kForm, IDC_SKY_FOP1, 4),
                                T(kForm, IDC_SKY_CCTYPE1, "VI"),
                                T(kForm, IDC_SKY_CCNBR1, "4111111111111111"),
                                T(kForm, IDC_SKY_CCEXPDATE1, "1207"),
                                X(kForm, IDC_SKY_CCEXPYMT1),
                                T(kForm, IDC_SKY_PYMNT1, "6")};

std::vector<Set> With(std::vector<Set> sets, const std::vector<Set>& more) {
    sets.insert(sets.end(), more.begin(), more.end());
    return sets;
}

TEST(SkyfolioEntry, EveryPieceByItsConditions) {
    struct Case {
        std::vector<Set> sets;
        const char* entry;  // "|" stands for the item separator
    };
    const Case cases[] = {
        {{X(kForm, IDC_SKY_BAGALLOW), T(kForm, IDC_SKY_BAGALLOW_EDIT, "20K"),
          C(kForm, IDC_SKY_FOP1, 1)},
         "W|ASQ|BA*20K|FCASH"},
        {{X(kForm, IDC_SKY_FPLINES), X(kForm, IDC_SKY_BAGALLOW),
          T(kForm, IDC_SKY_BAGALLOW_EDIT, "20K"), C(kForm, IDC_SKY_FOP1, 1)},
         "FPASQ|BA*20K|FCASH"},
        {{T(kForm, IDC_SKY_BAGALLOW_EDIT, "20K")}, "W|ASQ"},
        {{T(kForm, IDC_SKY_TFR, "2"), T(kForm, IDC_SKY_PNS, "1.1")}, "W|T2N1.1|ASQ"},
        {{T(kForm, IDC_SKY_TFR, "2")}, "W|ASQ"},
        {{C(kForm, IDC_SKY_FOP1, 1), T(kForm, IDC_SKY_ALDATA1, "X1")}, "W|ASQ|FCASH X1"},
        {{C(kForm, IDC_SKY_FOP1, 1), T(kForm, IDC_SKY_ALDATA1, "X1"), C(kForm, IDC_SKY_FOP2, 3),
          T(kForm, IDC_SKY_CHQAMT2, "100.00")},
         "W|ASQ|FMPCASH*CHEQUE/100.00"},
        {With(kCard, {T(kForm, IDC_SKY_CCAPPRCODE1, "ABC123")}),
         "W|ASQ|F*VI4111111111111111/1207*E6*ZABC123"},
        {With(kCard, {T(kForm, IDC_SKY_CCAPPRCODE1, "ABCD1234")}),
         "W|ASQ|F*VI4111111111111111/1207*E6*Z00|DCABCD1234"},
        {With(kCard, {T(kForm, IDC_SKY_CCAPPRCODE1, "ABCD1234"), C(kForm, IDC_SKY_FOP2, 1),
                      T(kForm, IDC_SKY_ALAMT2, "50.00")}),
         "W|ASQ|FMP*VI4111111111111111/1207*E6*Z00*CASH/50.00|DCABCD1234"},
        {With(kCard, {C(kForm, IDC_SKY_FOP2, 1), T(kForm, IDC_SKY_ALDATA2, "AL"),
                      T(kForm, IDC_SKY_ALAMT2, "5")}),
         "W|ASQ|FMP*VI4111111111111111/1207*E6*XXAL/5"},
        {{C(kForm, IDC_SKY_FOP1, 5), T(kForm, IDC_SKY_GRNO1, "G1"), C(kForm, IDC_SKY_FOP2, 1),
          T(kForm, IDC_SKY_CASHAMT, "10")},
         "W|ASQ|FMPCASH*GRG1/10"},
        // A GGR copies its fields also when empty.
        {{C(kForm, IDC_SKY_FOP1, 3), C(kForm, IDC_SKY_FOP2, 6), C(kForm, IDC_SKY_GGR2, 1),
          T(kForm, IDC_SKY_GGR_AMT2, "10")},
         "W|ASQ|FMPCHEQUE*GGRATR--/10"},
        // Bag allowance per segment, only beside the ticked box and for rows with both cells.
        {{X(kForm, IDC_SKY_BAGALLOW), T(kFareBasis, IDC_FB_BAGSEG1, "1"),
          T(kFareBasis, IDC_FB_BAGALLOW1, "20K"), T(kFareBasis, IDC_FB_BAGSEG2, "2")},
         "W|ASQ|BA1*20K"},
        {{T(kFareBasis, IDC_FB_BAGSEG1, "1"), T(kFareBasis, IDC_FB_BAGALLOW1, "20K")}, "W|ASQ"},
        // Validity dates: an empty minimum keeps five blanks; a row needs its segment.
        {{T(kDates, IDC_VD_SEG1, "1"), T(kDates, IDC_VD_MINDATE1, "05MAR07")}, "W|ASQ|V1*05MAR07"},
        {{T(kDates, IDC_VD_SEG1, "1"), T(kDates, IDC_VD_MAXDATE1, "05APR07")},
         "W|ASQ|V1*     05APR07"},
        {{T(kDates, IDC_VD_SEG2, "2"), T(kDates, IDC_VD_MINDATE3, "05MAR07")}, "W|ASQ"},
        // Fare basis on a single line.
        {{T(kFareBasis, IDC_FB_FAREBASIS1, "YEE"), T(kFareBasis, IDC_FB_TKTDESIG1, "CH50")},
         "W|ASQ|QYEE/CH50"},
        {{T(kFareBasis, IDC_FB_FAREBASIS1, "YEE"), T(kFareBasis, IDC_FB_UFAREBASIS1, "Y1"),
          C(kFareBasis, IDC_FB_DISCTYPE1, 2), T(kFareBasis, IDC_FB_DISCVAL1, "10")},
         "W|ASQ|QYEE-Y1//DP10"},
        // A unique fare basis and a discount value alone do not make a fare basis piece.
        {{T(kFareBasis, IDC_FB_UFAREBASIS1, "Y1"), T(kFareBasis, IDC_FB_DISCVAL1, "10")}, "W|ASQ"},
        // Row by row; the amount discount goes on every row.
        {{T(kFareBasis, IDC_FB_SEG1, "1"), T(kFareBasis, IDC_FB_FAREBASIS1, "YEE"),
          T(kFareBasis, IDC_FB_SEG2, "2"), T(kFareBasis, IDC_FB_FAREBASIS2, "MEE")},
         "W|ASQ|S1*QYEE|S2*QMEE"},
        {{T(kFareBasis, IDC_FB_TKTDESIG1, "CH50"), T(kFareBasis, IDC_FB_TKTDESIG2, "IN90")},
         "W|ASQ|*Q/CH50|*Q/IN90"},
        {{T(kFareBasis, IDC_FB_FAREBASIS1, "YEE"), T(kFareBasis, IDC_FB_FAREBASIS2, "MEE"),
          C(kFareBasis, IDC_FB_DISCTYPE2, 1), T(kFareBasis, IDC_FB_DISCVAL2, "50")},
         "W|ASQ|*QYEE//DA50|*QMEE//DA50"},
        // Fare restrictions, electronic ticketing with its copies and option, split ticketing.
        {{C(kOthers, IDC_OTH_RESTR1, 2), T(kOthers, IDC_OTH_PERCENT1, "10"),
          C(kOthers, IDC_OTH_RESTR2, 1)},
         "W|ASQ|XP10/XA"},
        {{X(kOthers, IDC_OTH_ETKT), X(kOthers, IDC_OTH_OVERRIDE), T(kOthers, IDC_OTH_AGCOUPON, "1"),
          T(kOthers, IDC_OTH_PASSRECEIPT, "2"), T(kOthers, IDC_OTH_AUDITCOUPON, "3"),
          T(kOthers, IDC_OTH_CRCHARGEFORM, "4"), T(kOthers, IDC_OTH_EXCHG_AUTH, "5"),
          C(kOthers, IDC_OTH_PRNTOPTION, 5)},
         "W|ASQ|XETR|CT1/P2/A3/C4/R5|DPI"},
        {{T(kOthers, IDC_OTH_PASSRECEIPT, "2"), C(kOthers, IDC_OTH_PRNTOPTION, 1)}, "W|ASQ"},
        {{X(kForm, IDC_SKY_NRTKT), T(kForm, IDC_SKY_NRALTCRCY, "USD"),
          T(kForm, IDC_SKY_NRAMT, "100")},
         "W|ASQ|NET/USD100|MUSD"},
        {{X(kForm, IDC_SKY_NRTKT), T(kForm, IDC_SKY_NRAMT, "100"), T(kForm, IDC_SKY_NRDISCAMT, "5"),
          T(kForm, IDC_SKY_NRVALCODE, "V1"), T(kForm, IDC_SKY_NRCONTCODE, "C1"),
          T(kForm, IDC_SKY_NRCOMPERCENT, "3"), T(kForm, IDC_SKY_NRSELFARE, "200"),
          T(kForm, IDC_SKY_NRCRCARDAMT, "150"), T(kForm, IDC_SKY_NRCOMMN, "2")},
         "W|ASQ|NET/100/D5/V*V1/C*C1/|KP3/SF200/CC150|KPN2"},
        // Values that a Recall brought back without the box are written all the same.
        {{T(kForm, IDC_SKY_NRAMT, "100")}, "W|ASQ/100"},
        {{X(kForm, IDC_SKY_NRTKT), X(kForm, IDC_SKY_NRCOMMPERCENT),
          T(kForm, IDC_SKY_NRALTCRCY, "USD"), T(kForm, IDC_SKY_NRCOMPERCENT, "3")},
         "W|ASQ|NET/|KP3"},
        {{X(kForm, IDC_SKY_NRTKT), C(kForm, IDC_SKY_ITCODE, 1), T(kForm, IDC_SKY_TOURCODE, "TC")},
         "W|ASQ|NET/F*TC|UI*"},
        {{X(kForm, IDC_SKY_ADULT), T(kForm, IDC_SKY_ADULT_EDIT, "1"), X(kForm, IDC_SKY_CHILD),
          T(kForm, IDC_SKY_CHILD_EDIT, "2"), T(kForm, IDC_SKY_CHILD_EDIT_AGE, "5")},
         "W|ASQ|P1ADT/2C05"},
        {{X(kForm, IDC_SKY_CHILD), T(kForm, IDC_SKY_CHILD_EDIT, "2"), X(kForm, IDC_SKY_INFANT),
          X(kForm, IDC_SKY_SEAMAN), T(kForm, IDC_SKY_SMAN1, "1"), T(kForm, IDC_SKY_SMAN2, "SG"),
          X(kForm, IDC_SKY_OTHERS), T(kForm, IDC_SKY_OTHERS1, "2"),
          T(kForm, IDC_SKY_OTHERS2, "MIL")},
         "W|ASQ|P2CNN/INF/1SEA|SSG/2MIL"},
        {{T(kForm, IDC_SKY_SS, "1-2"), T(kForm, IDC_SKY_COMMNSN, "7"),
          T(kForm, IDC_SKY_COMMSNAMT, "10"), T(kForm, IDC_SKY_CONNECTION, "2"),
          T(kForm, IDC_SKY_STOPOVER, "3"), C(kForm, IDC_SKY_FARETYPE, 2)},
         "W|ASQ|S1-2|KP7|K10|X2|O3|T/IT"},
        {{C(kForm, IDC_SKY_ENDORSEMENT, 3), T(kForm, IDC_SKY_ENDORSE1, "L1"),
          T(kForm, IDC_SKY_ENDORSE2, "L2")},
         "W|ASQ|EO1/L1|EO2/L2"},
        {{C(kForm, IDC_SKY_TAXTYPE, 2), T(kForm, IDC_SKY_TCODE1, "XY"),
          T(kForm, IDC_SKY_TCODE3, "AB")},
         "W|ASQ|TE/XY/AB"},
        {{C(kForm, IDC_SKY_TAXTYPE, 3), T(kForm, IDC_SKY_TCODE1, "XY"),
          T(kForm, IDC_SKY_TAMT1, "10.00"), T(kForm, IDC_SKY_TCODE6, "AB"),
          T(kForm, IDC_SKY_TAMT6, "5.00")},
         "W|ASQ|TX10.00XY/5.00AB"},
        {{C(kForm, IDC_SKY_TAXTYPE, 3), T(kForm, IDC_SKY_TCODE1, "XY"),
          T(kForm, IDC_SKY_TAMT2, "5.00")},
         "W|ASQ|TXXY/5.00"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Compose(c.sets), c.entry);
}

}  // namespace
