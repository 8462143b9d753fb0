#include "masks/skyfolio/skyfolio_entry.h"

#include <array>
#include <string_view>

#include "framework/host_entry.h"
#include "masks/common/entry_pieces.h"
#include "masks/common/payment_codes.h"
#include "masks/skyfolio/fare_basis_grid.h"
#include "masks/skyfolio/skyfolio_form.h"
#include "masks/skyfolio/ticketing_others.h"
#include "masks/skyfolio/valid_dates.h"
#include "resources/resource.h"

namespace masks::skyfolio {
namespace {

const std::string SEP(framework::kItemSeparator);

// The entry under construction, with the approval piece a card leaves for after the second
// form of payment.
struct Entry {
    std::string text;
    std::string pendingApproval;
};

using Builder = void (*)(const SkyfolioValues&, Entry&);

// The text of a field given, else "".
std::string IfGiven(const FormValues& v, ui::ControlId id) {
    return v.given(id) ? v.text(id) : std::string();
}

bool NoSecondPayment(const FormValues& f) {
    return f.choice(IDC_SKY_FOP2) <= kNoPayment;
}

// The alternate currency stands in for the net remit amount's separator and has a piece of
// its own, unless commission % is ticked.
bool AlternateCurrency(const FormValues& f) {
    return !f.checked(IDC_SKY_NRCOMMPERCENT) && f.given(IDC_SKY_NRALTCRCY);
}

void WriteHead(const SkyfolioValues& v, Entry& e) {
    e.text += v.form.checked(IDC_SKY_FPLINES) ? "FP" : "W" + SEP;
}

void WriteNames(const SkyfolioValues& v, Entry& e) {
    if (!v.form.given(IDC_SKY_PNS))
        return;
    if (v.form.given(IDC_SKY_TFR))
        e.text += "T" + v.form.text(IDC_SKY_TFR);
    e.text += "N" + v.form.text(IDC_SKY_PNS) + SEP;
}

void WriteCarrier(const SkyfolioValues& v, Entry& e) {
    e.text += "A" + v.form.text(IDC_SKY_CARRIER);
}

void WriteCommonBagAllowance(const SkyfolioValues& v, Entry& e) {
    if (v.form.checked(IDC_SKY_BAGALLOW) && v.form.given(IDC_SKY_BAGALLOW_EDIT))
        e.text += SEP + "BA*" + v.form.text(IDC_SKY_BAGALLOW_EDIT);
}

void WriteBagAllowancePerSegment(const SkyfolioValues& v, Entry& e) {
    const FormValues& g = v.fareBasis;
    if (!v.form.checked(IDC_SKY_BAGALLOW) || !ReadFareBasisGrid(g).anyBagCell)
        return;
    for (const FareBasisRow& row : kFareBasisRows) {
        if (g.given(row[kBagSegment]) && g.given(row[kBagAllowance]))
            e.text += SEP + "BA" + g.text(row[kBagSegment]) + "*" + g.text(row[kBagAllowance]);
    }
}

void WriteValidityDates(const SkyfolioValues& v, Entry& e) {
    const FormValues& d = v.validDates;
    for (const ValidityDatesRow& row : kValidityDatesRows) {
        const bool minimum = d.given(row[kMinimumDate]);
        const bool maximum = d.given(row[kMaximumDate]);
        if (!d.given(row[kSegment]) || (!minimum && !maximum))
            continue;
        // An empty minimum keeps its place as five blanks.
        e.text += SEP + "V" + d.text(row[kSegment]) + "*" +
                  (minimum ? d.text(row[kMinimumDate]) : std::string(5, ' ')) +
                  IfGiven(d, row[kMaximumDate]);
    }
}

// The text of the column in the last row that has one, or "".
std::string LastGiven(const FormValues& g, FareBasisColumn column) {
    for (auto row = kFareBasisRows.rbegin(); row != kFareBasisRows.rend(); ++row) {
        if (g.given((*row)[column]))
            return g.text((*row)[column]);
    }
    return "";
}

// "/DA" and the discount value of the last row with a discount type, when a row carries the
// amount discount; else "".
std::string CommonDiscount(const FormValues& g, const FareBasisGrid& grid) {
    if (!grid.amountDiscount)
        return "";
    for (auto row = kFareBasisRows.rbegin(); row != kFareBasisRows.rend(); ++row) {
        if (HasDiscountType(g, *row))
            return "/DA" + g.text((*row)[kDiscountValue]);
    }
    return "";
}

std::string SingleLineFareBasis(const FormValues& g, const FareBasisGrid& grid) {
    std::string piece = SEP + "Q" + LastGiven(g, kFareBasis);
    const std::string unique = LastGiven(g, kUniqueFareBasis);
    const std::string designator = LastGiven(g, kTicketDesignator);
    const std::string discount = LastGiven(g, kDiscountValue);
    if (!unique.empty())
        piece += "-" + unique;
    if (!designator.empty())
        piece += "/" + designator;
    else if (grid.amountDiscount || !discount.empty())
        piece += "/";
    if (grid.amountDiscount)
        piece += CommonDiscount(g, grid);
    else if (!discount.empty())
        piece += "/DP" + discount;
    return piece;
}

std::string FareBasisRowPiece(const FormValues& g, const FareBasisGrid& grid,
                              const FareBasisRow& row) {
    const bool discountType = HasDiscountType(g, row);
    if (!g.given(row[kFareSegment]) && !g.given(row[kFareBasis]) &&
        !g.given(row[kUniqueFareBasis]) && !g.given(row[kTicketDesignator]) && !discountType) {
        return "";
    }
    std::string piece = SEP;
    if (g.given(row[kFareSegment]))
        piece += "S" + g.text(row[kFareSegment]);
    piece += "*Q" + IfGiven(g, row[kFareBasis]);
    if (g.given(row[kUniqueFareBasis]))
        piece += "-" + g.text(row[kUniqueFareBasis]);
    if (g.given(row[kTicketDesignator]))
        piece += "/" + g.text(row[kTicketDesignator]);
    else if (grid.amountDiscount || discountType)
        piece += "/";
    if (grid.amountDiscount)
        piece += CommonDiscount(g, grid);
    else if (g.choice(row[kDiscountType]) == kPercentDiscount)
        piece += "/DP" + g.text(row[kDiscountValue]);
    return piece;
}

void WriteFareBasis(const SkyfolioValues& v, Entry& e) {
    const FareBasisGrid grid = ReadFareBasisGrid(v.fareBasis);
    if (!grid.anyFareCell)
        return;
    if (!grid.perRow) {
        e.text += SingleLineFareBasis(v.fareBasis, grid);
        return;
    }
    for (const FareBasisRow& row : kFareBasisRows)
        e.text += FareBasisRowPiece(v.fareBasis, grid, row);
}

std::string Restriction(const FormValues& o, long code, ui::ControlId percent) {
    return code == kExcludePenalty ? "XP" + o.text(percent)
                                   : ByCode(std::array{"", "XA", "", "XS", "XR"}, code);
}

void WriteFareRestrictions(const SkyfolioValues& v, Entry& e) {
    const long first = v.others.choice(IDC_OTH_RESTR1);
    const long second = v.others.choice(IDC_OTH_RESTR2);
    const bool hasFirst = first > kNoRestriction, hasSecond = second > kNoRestriction;
    if (hasFirst || hasSecond)
        e.text += SEP;
    if (hasFirst)
        e.text += Restriction(v.others, first, IDC_OTH_PERCENT1);
    if (hasFirst && hasSecond)
        e.text += "/";
    if (hasSecond)
        e.text += Restriction(v.others, second, IDC_OTH_PERCENT2);
}

void WriteElectronicTicketing(const SkyfolioValues& v, Entry& e) {
    const FormValues& o = v.others;
    if (!o.checked(IDC_OTH_ETKT))
        return;
    constexpr CopyField kCopies[] = {
        {IDC_OTH_AGCOUPON, "T"},     {IDC_OTH_PASSRECEIPT, "P"}, {IDC_OTH_AUDITCOUPON, "A"},
        {IDC_OTH_CRCHARGEFORM, "C"}, {IDC_OTH_EXCHG_AUTH, "R"},
    };
    e.text += SEP + (o.checked(IDC_OTH_OVERRIDE) ? "XETR" : "ETR") +
              CopiesPiece(o, kCopies, CopyOrder::LetterFirst) +
              PrintOptionPiece(o.choice(IDC_OTH_PRNTOPTION));
}

// The card: type, number and expiry, extended payment, and the approval code. A code longer
// than 6 is written as *Z00, its DC piece after the card when it pays alone, else after the
// second form of payment.
void WriteCard(const FormValues& f, Entry& e) {
    const bool alone = NoSecondPayment(f);
    e.text += SEP + (alone ? "F*" : "FMP*") + f.text(IDC_SKY_CCTYPE1) + f.text(IDC_SKY_CCNBR1) +
              "/" + f.text(IDC_SKY_CCEXPDATE1);
    if (f.checked(IDC_SKY_CCEXPYMT1))
        e.text += "*E" + IfGiven(f, IDC_SKY_PYMNT1);
    if (!f.given(IDC_SKY_CCAPPRCODE1))
        return;
    const std::string code = f.text(IDC_SKY_CCAPPRCODE1);
    if (code.size() <= 6) {
        e.text += "*Z" + code;
        return;
    }
    e.text += "*Z00";
    (alone ? e.text : e.pendingApproval) += SEP + "DC" + code;
}

void WriteFirstPayment(const SkyfolioValues& v, Entry& e) {
    const EntryValues& f = v.form;
    const bool alone = NoSecondPayment(f);
    switch (f.choice(IDC_SKY_FOP1)) {
        case kCash:
            e.text += SEP + (alone ? "FCASH" : "FMPCASH");
            if (alone && f.given(IDC_SKY_ALDATA1))
                e.text += " " + f.text(IDC_SKY_ALDATA1);
            break;
        case kInvoiceToAgent:
            e.text += SEP + "FINVAGT" + IfGiven(f, IDC_SKY_AGCODE);
            break;
        case kCheque:
            e.text += SEP + (alone ? "FCHEQUE" : "FMPCHEQUE");
            break;
        case kCreditCard:
            WriteCard(f, e);
            break;
        case kGovernmentRequest:
            e.text += SEP +
                      (alone                             ? "FGR"
                       : f.choice(IDC_SKY_FOP2) == kCash ? "FMPCASH*GR"
                                                         : "FMPGR") +
                      f.text(IDC_SKY_GRNO1);
            break;
        case kGovernmentRequestOther:
            e.text += SEP + (alone ? "FGGR" : "FMPGGR") +
                      GgrPiece(f, {IDC_SKY_GGR1, IDC_SKY_WRR1, IDC_SKY_DBTR1, IDC_SKY_OBJECTCODE1});
            break;
        case kOtherPayment:
            e.text += SEP + "F" + f.text(IDC_SKY_OTHERS_FOP1);
            break;
        default:
            break;
    }
}

void WriteSecondPayment(const SkyfolioValues& v, Entry& e) {
    const EntryValues& f = v.form;
    const long first = f.choice(IDC_SKY_FOP1);
    ui::ControlId amount = 0;
    switch (f.choice(IDC_SKY_FOP2)) {
        case kCash:
            if (first == kCreditCard) {
                e.text += f.given(IDC_SKY_ALDATA2) ? "*XX" + f.text(IDC_SKY_ALDATA2) : "*CASH";
                amount = IDC_SKY_ALAMT2;
            } else {
                // After GR the cash is in the first payment's piece.
                if (first != kGovernmentRequest)
                    e.text += "*CASH";
                amount = IDC_SKY_CASHAMT;
            }
            break;
        case kCheque:
            e.text += "*CHEQUE";
            amount = IDC_SKY_CHQAMT2;
            break;
        case kGovernmentRequest:
            e.text += "*GR" + f.text(IDC_SKY_GRNO2);
            amount = IDC_SKY_GRAMT2;
            break;
        case kGovernmentRequestOther:
            e.text += "*GGR" +
                      GgrPiece(f, {IDC_SKY_GGR2, IDC_SKY_WRR2, IDC_SKY_DBTR2, IDC_SKY_OBJECTCODE2});
            amount = IDC_SKY_GGR_AMT2;
            break;
        case kOtherPayment:
            e.text += "*XX" + f.text(IDC_SKY_OTHERS_FOP2);
            amount = IDC_SKY_FOP2_AMT;
            break;
        default:
            break;
    }
    if (f.choiceText(IDC_SKY_FOP2).empty())
        return;
    e.text += "/" + (amount != 0 ? f.text(amount) : std::string());
    if (first == kCreditCard)
        e.text += e.pendingApproval;
}

void WriteNetRemitHead(const SkyfolioValues& v, Entry& e) {
    if (!v.form.checked(IDC_SKY_NRTKT))
        return;
    e.text += SEP + "NET";
    if (AlternateCurrency(v.form))
        e.text += "/" + v.form.text(IDC_SKY_NRALTCRCY);
}

// Written whether or not net remit is ticked, as a Recall may bring them back without it.
void WriteNetRemitValues(const SkyfolioValues& v, Entry& e) {
    const FormValues& f = v.form;
    if (f.given(IDC_SKY_NRAMT))
        e.text += (AlternateCurrency(f) ? "" : "/") + f.text(IDC_SKY_NRAMT);
    static const MarkedField kValues[] = {
        {"/D", IDC_SKY_NRDISCAMT},
        {"/V*", IDC_SKY_NRVALCODE},
        {"/C*", IDC_SKY_NRCONTCODE},
    };
    e.text += GivenPieces(f, kValues);
    if (f.given(IDC_SKY_NRCOMPERCENT))
        e.text += "/" + SEP + "KP" + f.text(IDC_SKY_NRCOMPERCENT);
    static const MarkedField kFares[] = {
        {"/SF", IDC_SKY_NRSELFARE},
        {"/CC", IDC_SKY_NRCRCARDAMT},
    };
    e.text += GivenPieces(f, kFares);
}

void WriteTourCode(const SkyfolioValues& v, Entry& e) {
    e.text += TourCodePiece(v.form.choice(IDC_SKY_ITCODE), v.form.text(IDC_SKY_TOURCODE));
}

void WriteNetCommission(const SkyfolioValues& v, Entry& e) {
    if (v.form.given(IDC_SKY_NRCOMMN))
        e.text += SEP + "KPN" + v.form.text(IDC_SKY_NRCOMMN);
}

// "C" and the child's age in two digits, or "CNN" without an age.
std::string ChildAge(const FormValues& f) {
    if (!f.given(IDC_SKY_CHILD_EDIT_AGE))
        return "CNN";
    const std::string age = "0" + f.text(IDC_SKY_CHILD_EDIT_AGE);
    return "C" + age.substr(age.size() - 2);
}

void WritePassengerTypes(const SkyfolioValues& v, Entry& e) {
    const FormValues& f = v.form;
    std::string types;
    auto add = [&](ui::ControlId box, const std::string& type) {
        if (f.checked(box))
            types += (types.empty() ? "" : "/") + type;
    };
    add(IDC_SKY_ADULT, IfGiven(f, IDC_SKY_ADULT_EDIT) + "ADT");
    add(IDC_SKY_CHILD, IfGiven(f, IDC_SKY_CHILD_EDIT) + ChildAge(f));
    add(IDC_SKY_INFANT, IfGiven(f, IDC_SKY_INFANT_EDIT) + "INF");
    add(IDC_SKY_SEAMAN, IfGiven(f, IDC_SKY_SMAN1) + "SEA" + SEP + "S" + f.text(IDC_SKY_SMAN2));
    add(IDC_SKY_OTHERS, IfGiven(f, IDC_SKY_OTHERS1) + f.text(IDC_SKY_OTHERS2));
    if (!types.empty())
        e.text += SEP + "P" + types;
}

void WriteSegmentSelect(const SkyfolioValues& v, Entry& e) {
    if (v.form.given(IDC_SKY_SS))
        e.text += SEP + "S" + v.form.text(IDC_SKY_SS);
}

void WriteCommission(const SkyfolioValues& v, Entry& e) {
    if (v.form.given(IDC_SKY_COMMNSN))
        e.text += SEP + "KP" + v.form.text(IDC_SKY_COMMNSN);
    if (v.form.given(IDC_SKY_COMMSNAMT))
        e.text += SEP + "K" + v.form.text(IDC_SKY_COMMSNAMT);
}

void WriteAlternateCurrency(const SkyfolioValues& v, Entry& e) {
    if (AlternateCurrency(v.form))
        e.text += SEP + "M" + v.form.text(IDC_SKY_NRALTCRCY);
}

void WriteConnectionAndStopover(const SkyfolioValues& v, Entry& e) {
    if (v.form.given(IDC_SKY_CONNECTION))
        e.text += SEP + "X" + v.form.text(IDC_SKY_CONNECTION);
    if (v.form.given(IDC_SKY_STOPOVER))
        e.text += SEP + "O" + v.form.text(IDC_SKY_STOPOVER);
}

void WriteFareType(const SkyfolioValues& v, Entry& e) {
    const std::string type =
        ByCode(std::array{"", "T/EX", "T/IT", "T/NL"}, v.form.choice(IDC_SKY_FARETYPE));
    if (!type.empty())
        e.text += SEP + type;
}

void WriteEndorsement(const SkyfolioValues& v, Entry& e) {
    e.text += EndorsementPiece(v.form, v.form.choice(IDC_SKY_ENDORSEMENT), IDC_SKY_ENDORSE1,
                               IDC_SKY_ENDORSE2);
}

// Tax types: exempt from all, from the codes given, or all plus the amounts and codes given.
enum TaxType : long { kExemptAll = 1, kExemptSpecific = 2, kAdditional = 3 };

void WriteTaxes(const SkyfolioValues& v, Entry& e) {
    const FormValues& f = v.form;
    switch (f.choice(IDC_SKY_TAXTYPE)) {
        case kExemptAll:
            e.text += SEP + "TE";
            break;
        case kExemptSpecific: {
            std::string codes;
            for (ui::ControlId code : kTaxCodes) {
                if (f.given(code))
                    codes += (codes.empty() ? "" : "/") + f.text(code);
            }
            e.text += SEP + "TE/" + codes;
            break;
        }
        case kAdditional: {
            std::string taxes;
            for (std::size_t i = 0; i < kTaxCodes.size(); ++i) {
                if (f.given(kTaxAmounts[i]))
                    taxes += (taxes.empty() ? "" : "/") + f.text(kTaxAmounts[i]);
                taxes += IfGiven(f, kTaxCodes[i]);
            }
            e.text += SEP + "TX" + taxes;
            break;
        }
        default:
            break;
    }
}

void WriteSplitTicketing(const SkyfolioValues& v, Entry& e) {
    e.text += SplitTicketingPiece(v.others.choice(IDC_OTH_SPLIT));
}

constexpr std::array<Builder, 24> kBuilders = {
    WriteHead,
    WriteNames,
    WriteCarrier,
    WriteCommonBagAllowance,
    WriteBagAllowancePerSegment,
    WriteValidityDates,
    WriteFareBasis,
    WriteFareRestrictions,
    WriteElectronicTicketing,
    WriteFirstPayment,
    WriteSecondPayment,
    WriteNetRemitHead,
    WriteNetRemitValues,
    WriteTourCode,
    WriteNetCommission,
    WritePassengerTypes,
    WriteSegmentSelect,
    WriteCommission,
    WriteAlternateCurrency,
    WriteConnectionAndStopover,
    WriteFareType,
    WriteEndorsement,
    WriteTaxes,
    WriteSplitTicketing,
};

}  // namespace

std::string ComposeSkyfolioEntry(const SkyfolioValues& values) {
    Entry entry;
    for (Builder write : kBuilders)
        write(values, entry);
    return entry.text;
}

}  // namespace masks::skyfolio
