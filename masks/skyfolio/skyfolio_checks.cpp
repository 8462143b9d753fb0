#include "masks/skyfolio/skyfolio_checks.h"

#include <array>
#include <span>

#include "framework/list_entries.h"
#include "masks/common/character_sets.h"
#include "masks/common/form_values.h"
#include "masks/common/payment_checks.h"
#include "masks/common/payment_codes.h"
#include "masks/skyfolio/fare_basis_grid.h"
#include "masks/skyfolio/skyfolio_form.h"
#include "masks/skyfolio/ticketing_others.h"
#include "masks/skyfolio/valid_dates.h"
#include "resources/resource.h"

namespace masks::skyfolio {
namespace {

using framework::Check;
using framework::CheckForms;
using framework::IsChecked;
using framework::IsFieldEmpty;
using framework::SelectedCode;
using namespace framework::check;

constexpr const char* kTwoDecimals = "ERR_SAPBAS_2DP_DECIMAL";
constexpr const char* kOneDecimal = "ERR_SAPBAS_1DP_DECIMAL";
constexpr const char* kSegments = "/-";
constexpr const char* kDigits = "";

// The forms of one run of the checks; a sub-dialog that does not exist passes its checks.
struct Forms {
    CheckForms& all;
    ui::Dialog& main;

    bool run(std::span<const Check> rows) const { return framework::RunChecks(all, kTitle, rows); }
    // A rule across fields that fails: its message, and the focus on the field.
    bool refuse(int which, ui::ControlId id, const char* key) const {
        return framework::Refuse(all, which, id, kTitle, key);
    }
    bool refuse(ui::ControlId id, const char* key) const { return refuse(kMainForm, id, key); }
    bool filled(ui::ControlId id) const { return !IsFieldEmpty(main, id); }
    bool checked(ui::ControlId id) const { return IsChecked(main, id); }
    long code(ui::ControlId list) const { return SelectedCode(main, list); }
};

bool AllEmpty(const ui::Dialog& form, std::span<const ui::ControlId> fields) {
    for (ui::ControlId id : fields) {
        if (!IsFieldEmpty(form, id))
            return false;
    }
    return true;
}

// 1.
constexpr Check kCarrier[] = {
    Mandatory(IDC_SKY_CARRIER, "ERR_SAPBAS_CARRIER_MANDATORY"),
    MinLength(IDC_SKY_CARRIER, 2, "ERR_SAPBAS_CARRIER_MINVAL"),
    Alphanumeric(IDC_SKY_CARRIER, "ERR_SAPBAS_CARRIER_ALPHANUM"),
};

// 2. The common bag allowance, or a transfer, which takes none.
constexpr Check kCommonBagAllowance[] = {
    Alphanumeric(IDC_SKY_BAGALLOW_EDIT, "ERR_SAPBAS_BAGALLOW_ALPHANUM"),
    MinLength(IDC_SKY_BAGALLOW_EDIT, 3, "ERR_SAPBAS_BAGALLOW_MINVAL"),
};
constexpr Check kTransfer[] = {
    NotZero(IDC_SKY_TFR, "ERR_SAPBAS_TFR_RANGE"),
    Numeric(IDC_SKY_TFR, "ERR_SAPBAS_TFR_NUM"),
    // A whole number from 1 to 7.
    DecimalInRange(IDC_SKY_TFR, 0, 1, 7, "ERR_SAPBAS_TFR_RANGE"),
};

bool BaggageAndTransfer(const Forms& f) {
    const bool bag = f.checked(IDC_SKY_BAGALLOW);
    const bool transfer = f.filled(IDC_SKY_TFR);
    if (!transfer && bag && !f.filled(IDC_SKY_BAGALLOW_EDIT))
        return f.refuse(IDC_SKY_BAGALLOW_EDIT, "ERR_SAPBAS_BAGALLOW_TRF_NOTPRESENT");
    if (bag && !f.run(kCommonBagAllowance))
        return false;
    if (!transfer)
        return true;
    if (bag) {
        const ui::Dialog* grid = f.all.form(kFareBasisForm);
        if (f.filled(IDC_SKY_BAGALLOW_EDIT) ||
            (grid != nullptr && ReadFareBasisGrid(DialogValues(*grid)).anyBagAllowance)) {
            return f.refuse(IDC_SKY_TFR, "ERR_SAPBAS_BAGALLOW_TRF_PRESENT");
        }
    }
    return f.run(kTransfer);
}

// 3. A net remit card amount is paid by card.
bool NetRemitCardAmount(const Forms& f) {
    if (f.checked(IDC_SKY_NRTKT) && !f.checked(IDC_SKY_NRCOMMPERCENT) &&
        f.filled(IDC_SKY_NRCRCARDAMT) && f.code(IDC_SKY_FOP1) != kCreditCard) {
        return f.refuse(IDC_SKY_FOP1, "ERR_SAPBAS_FOP1_CCTYPE");
    }
    return true;
}

// 4. The first form of payment's details.
constexpr Check kFirstCash[] = {
    Alphanumeric(IDC_SKY_ALDATA1, "ERR_SAPBAS_AIRLINEDATA_ALPHANUM").ifFilled(IDC_SKY_ALDATA1),
};
constexpr Check kFirstInvoice[] = {
    Alphanumeric(IDC_SKY_AGCODE, "ERR_SAPBAS_AGENTCODE_ALPHANUM").ifFilled(IDC_SKY_AGCODE),
};
constexpr Check kCard[] = {
    Mandatory(IDC_SKY_CCTYPE1, "ERR_SAPBAS_CCTYPE_MANDATORY"),
    MinLength(IDC_SKY_CCTYPE1, 2, "ERR_SAPBAS_CCTYPE_MINVAL"),
    Alpha(IDC_SKY_CCTYPE1, "ERR_SAPBAS_CCTYPE_ALPHA"),
    Mandatory(IDC_SKY_CCNBR1, "ERR_SAPBAS_CCNBR_MANDATORY"),
    MinLength(IDC_SKY_CCNBR1, 13, "_ERR_CREDITCRD_NUMBER_13DIGITS"),
    NumericEx(IDC_SKY_CCNBR1, kDigits, "ERR_TICKETISSUANCE_CARD_WRONG_DATA"),
    Mandatory(IDC_SKY_CCEXPDATE1, "ERR_SAPBAS_CCEXPIRYDATE_MANDATORY"),
    CCExpDate(IDC_SKY_CCEXPDATE1, "ERR_SAPBAS_CCEXPIRYDATE_INVALID"),
    Alphanumeric(IDC_SKY_CCAPPRCODE1, "ERR_SAPBAS_CCAPPROVALCODE_NUM")
        .ifFilled(IDC_SKY_CCAPPRCODE1),
};
constexpr Check kExtendedPayments[] = {
    NumericEx(IDC_SKY_PYMNT1, kDigits, "ERR_SAPBAS_CCEXTPYMT_NUM").ifFilled(IDC_SKY_PYMNT1),
};
constexpr auto kFirstGr = GrChecks(IDC_SKY_GRNO1);
constexpr auto kFirstGgr = GgrChecks(IDC_SKY_WRR1, IDC_SKY_DBTR1, IDC_SKY_OBJECTCODE1);
constexpr auto kFirstOther = OtherPaymentChecks(IDC_SKY_OTHERS_FOP1);

// Approval codes of 1 to 6 characters are written as they are, of 8 apart: never 7.
bool ApprovalCodeIsNotSevenLong(const Forms& f) {
    if (f.filled(IDC_SKY_CCAPPRCODE1) && f.main.text(IDC_SKY_CCAPPRCODE1).size() == 7)
        return f.refuse(IDC_SKY_CCAPPRCODE1, "ERR_SAPBAS_CCAPPROVALCODE_LEN");
    return true;
}

bool FirstPayment(const Forms& f) {
    switch (f.code(IDC_SKY_FOP1)) {
        case kOtherPayment:
            return f.run(kFirstOther);
        case kGovernmentRequestOther:
            return f.run(kFirstGgr);
        case kGovernmentRequest:
            return f.run(kFirstGr);
        case kCreditCard:
            return f.run(kCard) && ApprovalCodeIsNotSevenLong(f) &&
                   (!f.checked(IDC_SKY_CCEXPYMT1) || f.run(kExtendedPayments));
        case kInvoiceToAgent:
            return f.run(kFirstInvoice);
        case kCash:
            return f.code(IDC_SKY_FOP2) > kNoPayment || f.run(kFirstCash);
        default:
            return true;
    }
}

// 5. The second form of payment's details, then its amount.
constexpr auto kSecondOther = OtherPaymentChecks(IDC_SKY_OTHERS_FOP2);
constexpr auto kSecondGgr = GgrChecks(IDC_SKY_WRR2, IDC_SKY_DBTR2, IDC_SKY_OBJECTCODE2);
constexpr auto kSecondGr = GrChecks(IDC_SKY_GRNO2);
constexpr Check kCashAfterCard[] = {
    Alphanumeric(IDC_SKY_ALDATA2, "ERR_SAPBAS_AIRLINEDATA_ALPHANUM").ifFilled(IDC_SKY_ALDATA2),
};

struct SecondPayment {
    long code;
    std::span<const Check> rows;
    ui::ControlId amount;
};

constexpr SecondPayment kSecondPayments[] = {
    {kOtherPayment, kSecondOther, IDC_SKY_FOP2_AMT},
    {kGovernmentRequestOther, kSecondGgr, IDC_SKY_GGR_AMT2},
    {kGovernmentRequest, kSecondGr, IDC_SKY_GRAMT2},
    {kCheque, {}, IDC_SKY_CHQAMT2},
    {kCash, {}, IDC_SKY_CASHAMT},
};

bool SecondPaymentChecks(const Forms& f) {
    const long code = f.code(IDC_SKY_FOP2);
    SecondPayment payment = {};
    if (code == kCash && f.code(IDC_SKY_FOP1) == kCreditCard) {
        payment = {kCash, kCashAfterCard, IDC_SKY_ALAMT2};
    } else {
        for (const SecondPayment& p : kSecondPayments) {
            if (p.code == code)
                payment = p;
        }
    }
    if (payment.amount == 0)
        return true;
    const Check amount[] = {
        Mandatory(payment.amount, "ERR_TICKETISSUANCE_SECOND_FOP_AMT"),
        Amount(payment.amount, 2, false, "ERR_SAPBAS_SECOND_FOP_AMT_NUM", kTwoDecimals),
    };
    return f.run(payment.rows) && f.run(amount);
}

// 6.
constexpr Check kNamesAndSegments[] = {
    Mandatory(IDC_SKY_PNS, "ERR_SAPBAS_PAXNAMESEL_MANDATORY").ifFilled(IDC_SKY_TFR),
    NumericEx(IDC_SKY_PNS, "./-", "ERR_SAPBAS_INVALID_FORMAT").ifFilled(IDC_SKY_PNS),
    NumericEx(IDC_SKY_SS, kSegments, "ERR_SAPBAS_INVALID_FORMAT").ifFilled(IDC_SKY_SS),
};

// 7. Each passenger type ticked: its count, and what the type needs besides.
constexpr std::array<Check, 2> Count(ui::ControlId count) {
    return {
        NotZero(count, "ERR_SATB_PAX_NUMERIC_NONZERO").ifFilled(count),
        Numeric(count, "ERR_SATB_PAX_NUMERIC").ifFilled(count),
    };
}
constexpr auto kAdultCount = Count(IDC_SKY_ADULT_EDIT);
constexpr auto kInfantCount = Count(IDC_SKY_INFANT_EDIT);
constexpr Check kChild[] = {
    Count(IDC_SKY_CHILD_EDIT)[0],
    Count(IDC_SKY_CHILD_EDIT)[1],
    NotZero(IDC_SKY_CHILD_EDIT_AGE, "ERR_RDPCREATETFR_PTCCHILD_ZERO_FIELD")
        .ifFilled(IDC_SKY_CHILD_EDIT_AGE),
    Numeric(IDC_SKY_CHILD_EDIT_AGE, "ERR_RDPCREATETFR_PTCCHILD_NUM_FIELD")
        .ifFilled(IDC_SKY_CHILD_EDIT_AGE),
};
constexpr Check kSeaman[] = {
    Count(IDC_SKY_SMAN1)[0],
    Count(IDC_SKY_SMAN1)[1],
    Mandatory(IDC_SKY_SMAN2, "ERR_SAPBAS_SHIPREGISTRY_MANDATORY"),
    MinLength(IDC_SKY_SMAN2, 2, "ERR_SAPBAS_SHIPREGISTRY_MINVAL"),
    Alpha(IDC_SKY_SMAN2, "ERR_SAPBAS_SHIPREGISTRY_ALPHA"),
};
constexpr Check kOtherType[] = {
    Count(IDC_SKY_OTHERS1)[0],
    Count(IDC_SKY_OTHERS1)[1],
    Mandatory(IDC_SKY_OTHERS2, "ERR_SAPBAS_PTC_MANDATORY"),
    MinLength(IDC_SKY_OTHERS2, 2, "ERR_SAPBAS_PTC_MINVAL"),
    Alpha(IDC_SKY_OTHERS2, "ERR_SAPBAS_PTC_ALPHA"),
};

struct PassengerType {
    ui::ControlId box;
    std::span<const Check> rows;
};

constexpr PassengerType kPassengerTypes[] = {
    {IDC_SKY_ADULT, kAdultCount}, {IDC_SKY_CHILD, kChild},      {IDC_SKY_INFANT, kInfantCount},
    {IDC_SKY_SEAMAN, kSeaman},    {IDC_SKY_OTHERS, kOtherType},
};

bool PassengerTypes(const Forms& f) {
    for (const PassengerType& type : kPassengerTypes) {
        if (f.checked(type.box) && !f.run(type.rows))
            return false;
    }
    return true;
}

// 8. A commission is a percentage or an amount, and not beside a net remit commission.
constexpr auto kCommissionPercent = PercentChecks(
    IDC_SKY_COMMNSN, "ERR_TICKETISSUANCE_COMMISSON_NON_NUM", "ERR_TICKETISSUANCE_COMMISSION_RANGE");
constexpr Check kCommissionAmount[] = {
    Amount(IDC_SKY_COMMSNAMT, 2, true, "ERR_SAPBAS_COMMAMT_NUM", kTwoDecimals)
        .ifFilled(IDC_SKY_COMMSNAMT),
    DecimalInRange(IDC_SKY_COMMSNAMT, 2, 0, 999.99, "ERR_SAPBAS_COMMAMT_RANGE")
        .ifFilled(IDC_SKY_COMMSNAMT),
};

// A commission field given beside a net remit commission % or net commission %.
bool NotBesideNetRemitCommission(const Forms& f, ui::ControlId id, const char* percentKey,
                                 const char* netKey) {
    if (!f.filled(id) || !f.checked(IDC_SKY_NRTKT))
        return true;
    if (f.filled(IDC_SKY_NRCOMPERCENT))
        return f.refuse(id, percentKey);
    if (f.filled(IDC_SKY_NRCOMMN))
        return f.refuse(id, netKey);
    return true;
}

bool Commission(const Forms& f) {
    if (f.filled(IDC_SKY_COMMNSN) && f.filled(IDC_SKY_COMMSNAMT))
        return f.refuse(IDC_SKY_COMMNSN, "ERR_SAPBAS_COMMPER_COMMAMT_PRESENT");
    return NotBesideNetRemitCommission(f, IDC_SKY_COMMNSN, "ERR_SAPBAS_COMMPER_NRTCOMMPER_PRESENT",
                                       "ERR_SAPBAS_COMMPER_NRTNETCOMMPER_PRESENT") &&
           f.run(kCommissionPercent) &&
           NotBesideNetRemitCommission(f, IDC_SKY_COMMSNAMT,
                                       "ERR_SAPBAS_COMMAMT_NRTCOMMPER_PRESENT",
                                       "ERR_SAPBAS_COMMAMT_NRTNETCOMMPER_PRESENT") &&
           f.run(kCommissionAmount);
}

// 9.
constexpr Check kConnectionAndStopover[] = {
    NotZero(IDC_SKY_CONNECTION, "ERR_SAPBAS_CONNECTION_NONZERO").ifFilled(IDC_SKY_CONNECTION),
    NumericEx(IDC_SKY_CONNECTION, kSegments, "ERR_SAPBAS_INVALID_FORMAT")
        .ifFilled(IDC_SKY_CONNECTION),
    NotZero(IDC_SKY_STOPOVER, "ERR_SAPBAS_STOPOVER_NONZERO").ifFilled(IDC_SKY_STOPOVER),
    NumericEx(IDC_SKY_STOPOVER, kSegments, "ERR_SAPBAS_INVALID_FORMAT").ifFilled(IDC_SKY_STOPOVER),
};

// 10. Exempt specific taxes need a code; all plus additional ones an amount too, and each
// pair begun needs both.
constexpr long kExemptSpecific = 2;
constexpr long kAdditionalTaxes = 3;

bool Taxes(const Forms& f) {
    const long type = f.code(IDC_SKY_TAXTYPE);
    if (type != kExemptSpecific && type != kAdditionalTaxes)
        return true;
    if (AllEmpty(f.main, kTaxCodes))
        return f.refuse(IDC_SKY_TCODE1, "ERR_SAPBAS_TAXCODE_MANDATORY");
    if (type == kAdditionalTaxes && AllEmpty(f.main, kTaxAmounts))
        return f.refuse(IDC_SKY_TAMT1, "ERR_SAPBAS_TAXAMT_MANDATORY");
    for (std::size_t i = 0; i < kTaxCodes.size(); ++i) {
        const ui::ControlId code = kTaxCodes[i], amount = kTaxAmounts[i];
        const Check codeRows[] = {
            MinLength(code, 2, "_ERR_TAXCODE_2ALPHA").ifFilled(code),
            Alpha(code, "ERR_SAPBAS_TAXCODE_ALPHA").ifFilled(code),
        };
        const Check pairRows[] = {
            Mandatory(code, "ERR_SAPBAS_TAXCODE_MANDATORY"),
            Mandatory(amount, "ERR_SAPBAS_TAXAMT_MANDATORY"),
            Amount(amount, 2, false, "ERR_SAPBAS_TAXAMT_NUM", kTwoDecimals),
        };
        if (!f.run(codeRows))
            return false;
        if (type == kAdditionalTaxes && (f.filled(code) || f.filled(amount)) && !f.run(pairRows))
            return false;
    }
    return true;
}

// 11. Two endorsement lines need one of them.
bool Endorsement(const Forms& f) {
    constexpr long kTwoLines = 3;
    if (f.code(IDC_SKY_ENDORSEMENT) == kTwoLines && !f.filled(IDC_SKY_ENDORSE1) &&
        !f.filled(IDC_SKY_ENDORSE2)) {
        return f.refuse(IDC_SKY_ENDORSE1, "ERR_SAPBAS_ENDORSEMENT_EO1_2");
    }
    return true;
}

// 12.
constexpr Check kTourCode[] = {
    Mandatory(IDC_SKY_TOURCODE, "ERR_SAPBAS_TOURCODE_MANDATORY").ifChosen(IDC_SKY_ITCODE),
    AlphanumericEx(IDC_SKY_TOURCODE, kFreeText, "ERR_SAPBAS_TOURCODE_ALPHANUM")
        .ifChosen(IDC_SKY_ITCODE),
};

// 13. Net remit: with commission % its percentage alone; without, an amount or a code, and
// each value well formed.
constexpr Check kNetRemitCommissionPercentGiven[] = {
    Mandatory(IDC_SKY_NRCOMPERCENT, "ERR_SAPBAS_NRTCOMMPER_MANDATORY"),
};
constexpr auto kNetRemitCommissionPercent = PercentChecks(
    IDC_SKY_NRCOMPERCENT, "ERR_SAPBAS_NRTCOMMPER_NUM", "ERR_TICKETISSUANCE_COMMISSION_RANGE");
constexpr auto kNetCommission =
    PercentChecks(IDC_SKY_NRCOMMN, "ERR_SAPBAS_NRTNETCOMMPER_NUM", "_ERR_NETCOMM_PER_VALUE");
constexpr Check kNetRemitValues[] = {
    Amount(IDC_SKY_NRAMT, 2, false, "ERR_SAPBAS_NRTREMAMT_NUM", kTwoDecimals)
        .ifFilled(IDC_SKY_NRAMT),
    Amount(IDC_SKY_NRDISCAMT, 2, false, "ERR_SAPBAS_NRTDISAMT_NUM", kTwoDecimals)
        .ifFilled(IDC_SKY_NRDISCAMT),
    kNetCommission[0],
    kNetCommission[1],
    Amount(IDC_SKY_NRSELFARE, 2, false, "ERR_TICKETISSUANCE_SELLING_FARE_NO_NUM", kTwoDecimals)
        .ifFilled(IDC_SKY_NRSELFARE),
    Amount(IDC_SKY_NRCRCARDAMT, 2, false, "ERR_TICKETISSUANCE_CARD_AMT_NO_NUM", kTwoDecimals)
        .ifFilled(IDC_SKY_NRCRCARDAMT),
    Alphanumeric(IDC_SKY_NRVALCODE, "ERR_SAPBAS_VALUECODE_ALPHANUM").ifFilled(IDC_SKY_NRVALCODE),
    Alphanumeric(IDC_SKY_NRCONTCODE, "ERR_SAPBAS_CONTRACTCODE_ALPHANUM")
        .ifFilled(IDC_SKY_NRCONTCODE),
};
constexpr ui::ControlId kNetRemitGiven[] = {IDC_SKY_NRCOMPERCENT, IDC_SKY_NRAMT, IDC_SKY_NRDISCAMT,
                                            IDC_SKY_NRVALCODE, IDC_SKY_NRCONTCODE};

// What needs a net remit or discount amount, in the order asked, with the key of each.
const char* AmountNeededBy(const Forms& f) {
    if (f.code(IDC_SKY_ITCODE) > 0)
        return "ERR_SAPBAS_NRTAMT_MANDATORY";
    if (f.filled(IDC_SKY_NRCOMMN))
        return "ERR_SAPBAS_NRTAMT_MANDATORY2";
    if (f.filled(IDC_SKY_NRSELFARE) || f.filled(IDC_SKY_NRCRCARDAMT))
        return "ERR_SAPBAS_NRTAMT_MANDATORY3";
    if (f.filled(IDC_SKY_NRALTCRCY))
        return "ERR_SAPBAS_NRTAMT_MANDATORY4";
    return nullptr;
}

bool NetRemitWithoutCommissionPercent(const Forms& f) {
    if (AllEmpty(f.main, kNetRemitGiven))
        return f.refuse(IDC_SKY_NRAMT, "ERR_SAPBAS_NRT_NOTPRESENT");
    if (f.filled(IDC_SKY_NRCOMPERCENT) && f.filled(IDC_SKY_NRCOMMN))
        return f.refuse(IDC_SKY_NRCOMPERCENT, "ERR_SAPBAS_NRTCOMMPER_NRTNETCOMMPER_PRESENT");
    const bool amount = f.filled(IDC_SKY_NRAMT);
    const bool discount = f.filled(IDC_SKY_NRDISCAMT);
    if (amount && discount)
        return f.refuse(IDC_SKY_NRAMT, "ERR_TICKETISSUANCE_AMT_TOGETHER");
    if ((amount || discount) && (f.filled(IDC_SKY_NRVALCODE) || f.filled(IDC_SKY_NRCONTCODE))) {
        return f.refuse(amount ? IDC_SKY_NRAMT : IDC_SKY_NRDISCAMT,
                        "ERR_SAPBAS_NRTAMT_NRTCODE_PRESENT");
    }
    if (!amount && !discount) {
        if (const char* key = AmountNeededBy(f))
            return f.refuse(IDC_SKY_NRAMT, key);
    }
    return f.run(kNetRemitValues);
}

bool NetRemit(const Forms& f) {
    if (!f.checked(IDC_SKY_NRTKT))
        return true;
    if (f.checked(IDC_SKY_NRCOMMPERCENT))
        return f.run(kNetRemitCommissionPercentGiven) && f.run(kNetRemitCommissionPercent);
    return NetRemitWithoutCommissionPercent(f);
}

// 14.
constexpr Check kAlternateCurrency[] = {
    MinLength(IDC_SKY_NRALTCRCY, 3, "ERR_SAPBAS_CURRENCYCODE_MINVAL").ifFilled(IDC_SKY_NRALTCRCY),
    Alpha(IDC_SKY_NRALTCRCY, "ERR_SAPBAS_CURRENCYCODE_ALPHA").ifFilled(IDC_SKY_NRALTCRCY),
};

bool AlternateCurrency(const Forms& f) {
    return f.checked(IDC_SKY_NRCOMMPERCENT) || f.run(kAlternateCurrency);
}

// 15. Each bag row begun: a segment list and an allowance of three.
bool BagAllowancePerSegment(const Forms& f, const ui::Dialog& grid) {
    if (!f.checked(IDC_SKY_BAGALLOW) || !ReadFareBasisGrid(DialogValues(grid)).anyBagCell)
        return true;
    for (const FareBasisRow& row : kFareBasisRows) {
        if (IsFieldEmpty(grid, row[kBagSegment]) && IsFieldEmpty(grid, row[kBagAllowance]))
            continue;
        const Check rows[] = {
            Mandatory(row[kBagSegment], "ERR_SAPBAS_SEGMENT_SELECT_MANDATORY").in(kFareBasisForm),
            NumericEx(row[kBagSegment], kSegments, "ERR_SAPBAS_INVALID_DATA").in(kFareBasisForm),
            Mandatory(row[kBagAllowance], "ERR_SAPBAS_BAGALLOW_MANDATORY").in(kFareBasisForm),
            Alphanumeric(row[kBagAllowance], "ERR_SAPBAS_BAGALLOW_ALPHANUM").in(kFareBasisForm),
            MinLength(row[kBagAllowance], 3, "ERR_SAPBAS_BAGALLOW_MINVAL").in(kFareBasisForm),
        };
        if (!f.run(rows))
            return false;
    }
    return true;
}

// 16. The fare basis rows, by the grid's mode and its amount discount.
bool FareBasisRowChecks(const Forms& f, const ui::Dialog& grid, const FareBasisGrid& g,
                        const FareBasisRow& row) {
    const DialogValues v(grid);
    const bool fareData = v.given(row[kFareBasis]) || v.given(row[kUniqueFareBasis]) ||
                          v.given(row[kTicketDesignator]) || HasDiscountType(v, row);
    const Check segment[] = {
        Mandatory(row[kFareSegment], "ERR_SAPBAS_SEGMENTNBR_MANDATORY").in(kFareBasisForm),
    };
    if (g.perRow && fareData && !f.run(segment))
        return false;
    if (v.given(row[kFareSegment])) {
        const Check segmentList[] = {
            NumericEx(row[kFareSegment], kSegments, "ERR_SAPBAS_INVALID_DATA").in(kFareBasisForm),
        };
        if (!f.run(segmentList))
            return false;
        if (!fareData)
            return f.refuse(kFareBasisForm, row[kFareBasis], "ERR_SAPBAS_FAREBASIS_NOTPRESENT");
    }
    const Check codes[] = {
        Mandatory(row[kFareBasis], "ERR_SAPBAS_FAREBASIS_MANDATORY")
            .ifFilled(row[kUniqueFareBasis])
            .in(kFareBasisForm),
        Alphanumeric(row[kFareBasis], "ERR_SAPBAS_FAREBASIS_ALPHANUM")
            .ifFilled(row[kFareBasis])
            .in(kFareBasisForm),
        Alphanumeric(row[kUniqueFareBasis], "ERR_SAPBAS_UNIQUEFAREBASIS_ALPHANUM")
            .ifFilled(row[kUniqueFareBasis])
            .in(kFareBasisForm),
        Alphanumeric(row[kTicketDesignator], "ERR_SAPBAS_TICKETDESIGNATOR_ALPHANUM")
            .ifFilled(row[kTicketDesignator])
            .in(kFareBasisForm),
    };
    if (!f.run(codes))
        return false;
    // A unique fare basis goes with a discount, unless a row carries the amount discount.
    if (v.given(row[kUniqueFareBasis]) && !g.amountDiscount && !HasDiscountType(v, row))
        return f.refuse(kFareBasisForm, row[kDiscountType], "ERR_SAPBAS_DISCOUNT_MANDATORY");
    const ui::ControlId value = row[kDiscountValue];
    const Check amount[] = {
        Mandatory(value, "ERR_SAPBAS_DISCOUNTAMT_MANDATORY").in(kFareBasisForm),
        Amount(value, 2, true, "ERR_SAPBAS_DISCOUNTAMT_NUM", kTwoDecimals).in(kFareBasisForm),
        DecimalInRange(value, 2, 0, 999.99, "ERR_SAPBAS_DISCOUNTAMT_RANGE").in(kFareBasisForm),
    };
    const Check percent[] = {
        Mandatory(value, "ERR_SAPBAS_DISCOUNTPER_MANDATORY").in(kFareBasisForm),
        Amount(value, 2, true, "ERR_SAPBAS_DISCOUNTPER_DECIMAL", kTwoDecimals).in(kFareBasisForm),
        DecimalInRange(value, 2, 0, 99.99, "ERR_SAPBAS_DISCOUNTPER_RANGE").in(kFareBasisForm),
    };
    switch (v.choice(row[kDiscountType])) {
        case kAmountDiscount:
            return f.run(amount);
        case kPercentDiscount:
            return f.run(percent);
        default:
            return true;
    }
}

bool FareBasisRows(const Forms& f, const ui::Dialog& grid) {
    const FareBasisGrid g = ReadFareBasisGrid(DialogValues(grid));
    for (const FareBasisRow& row : kFareBasisRows) {
        if (!FareBasisRowChecks(f, grid, g, row))
            return false;
    }
    return true;
}

// 17. Each validity row begun: a segment list and a date or two, each DDMMMYY.
bool DateChecks(const Forms& f, const ui::Dialog& dates, ui::ControlId id) {
    const Check rows[] = {
        DateByKind(id, 1, "_ERR_DATE_INVALID").ifFilled(id).in(kValidDatesForm),
    };
    if (!f.run(rows))
        return false;
    if (!IsFieldEmpty(dates, id) && dates.text(id).size() == 4)
        return f.refuse(kValidDatesForm, id, "_ERR_DATE_INVALID");
    return true;
}

bool ValidityDatesRows(const Forms& f, const ui::Dialog& dates) {
    for (const ValidityDatesRow& row : kValidityDatesRows) {
        if (AllEmpty(dates, row))
            continue;
        const Check segment[] = {
            Mandatory(row[kSegment], "ERR_SAPBAS_SEGMENTNBR_MANDATORY").in(kValidDatesForm),
            NumericEx(row[kSegment], kSegments, "ERR_SAPBAS_INVALID_DATA").in(kValidDatesForm),
        };
        if (!f.run(segment))
            return false;
        if (IsFieldEmpty(dates, row[kMinimumDate]) && IsFieldEmpty(dates, row[kMaximumDate])) {
            return f.refuse(kValidDatesForm, row[kMinimumDate],
                            "ERR_SAPBAS_NVBDATE_NVADATE_MANDATORY");
        }
        if (!DateChecks(f, dates, row[kMinimumDate]) || !DateChecks(f, dates, row[kMaximumDate]))
            return false;
    }
    return true;
}

// 18. Two different restrictions, and a percentage beside the one that takes it.
bool FareRestrictions(const Forms& f, const ui::Dialog& others) {
    const long first = SelectedCode(others, IDC_OTH_RESTR1);
    const long second = SelectedCode(others, IDC_OTH_RESTR2);
    if (first > kNoRestriction && first == second)
        return f.refuse(kOthersForm, IDC_OTH_RESTR1, "ERR_SAPBAS_OTHERS_EXCRES_PRESENT");
    for (const auto& [code, percent] :
         {std::pair{first, IDC_OTH_PERCENT1}, std::pair{second, IDC_OTH_PERCENT2}}) {
        const Check rows[] = {
            Amount(percent, 1, true, "ERR_SAPBAS_OTHERS_EXCRESPER_NUM", kOneDecimal)
                .ifFilled(percent)
                .in(kOthersForm),
            DecimalInRange(percent, 1, 0, 100, "ERR_SAPBAS_OTHERS_EXCRESPER_RANGE")
                .ifFilled(percent)
                .in(kOthersForm),
        };
        if (code == kExcludePenalty && !f.run(rows))
            return false;
    }
    return true;
}

// 19. With electronic ticketing, each count of copies given from 1 to 5.
struct CopiesField {
    ui::ControlId id;
    const char* numericKey;
};

constexpr CopiesField kCopies[] = {
    {IDC_OTH_AGCOUPON, "ERR_TICKETISSUANCE_AGENT_COUPON_NO_NUM"},
    {IDC_OTH_PASSRECEIPT, "ERR_TICKETISSUANCE_PASSENGER_RECEIPT_NO_NUM"},
    {IDC_OTH_AUDITCOUPON, "ERR_TICKETISSUANCE_AUDIT_COUPON_NO_NUM"},
    {IDC_OTH_CRCHARGEFORM, "ERR_SAPBAS_OTHERS_CCCHGFORM_NUM"},
    {IDC_OTH_EXCHG_AUTH, "ERR_SATOTH_OTHERS_TKTEXCHGAUTHFORM_NUM"},
};

bool Copies(const Forms& f, const ui::Dialog& others) {
    if (!IsChecked(others, IDC_OTH_ETKT))
        return true;
    constexpr const char* kRange = "ERR_TICKETISSUANCE_COPIES_RANGE";
    for (const CopiesField& c : kCopies) {
        const Check rows[] = {
            NotZero(c.id, kRange).ifFilled(c.id).in(kOthersForm),
            Numeric(c.id, c.numericKey).ifFilled(c.id).in(kOthersForm),
            DecimalInRange(c.id, 0, 1, 5, kRange).ifFilled(c.id).in(kOthersForm),
        };
        if (!f.run(rows))
            return false;
    }
    return true;
}

// The checks of a sub-dialog, which pass while it does not exist.
template <class Checks>
bool InForm(const Forms& f, int which, Checks checks) {
    const ui::Dialog* form = f.all.form(which);
    return form == nullptr || checks(f, *form);
}

}  // namespace

bool RunSkyfolioChecks(CheckForms& forms) {
    ui::Dialog* main = forms.form(kMainForm);
    if (main == nullptr)
        return false;
    const Forms f{forms, *main};
    return f.run(kCarrier) && BaggageAndTransfer(f) && NetRemitCardAmount(f) && FirstPayment(f) &&
           SecondPaymentChecks(f) && f.run(kNamesAndSegments) && PassengerTypes(f) &&
           Commission(f) && f.run(kConnectionAndStopover) && Taxes(f) && Endorsement(f) &&
           f.run(kTourCode) && NetRemit(f) && AlternateCurrency(f) &&
           InForm(f, kFareBasisForm, BagAllowancePerSegment) &&
           InForm(f, kFareBasisForm, FareBasisRows) &&
           InForm(f, kValidDatesForm, ValidityDatesRows) &&
           InForm(f, kOthersForm, FareRestrictions) && InForm(f, kOthersForm, Copies);
}

}  // namespace masks::skyfolio
