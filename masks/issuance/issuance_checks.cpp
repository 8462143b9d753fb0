#include "masks/issuance/issuance_checks.h"

#include <array>
#include <span>
#include <string>

#include "framework/checks.h"
#include "framework/list_entries.h"
#include "masks/common/character_sets.h"
#include "masks/common/payment_checks.h"
#include "masks/issuance/fee_base.h"
#include "masks/issuance/issuance_form.h"
#include "resources/resource.h"

namespace masks::issuance {
namespace {

using framework::Check;
using framework::IsChecked;
using framework::IsFieldEmpty;
using framework::Refuse;
using framework::SelectedCode;
using namespace framework::check;

constexpr const char* kTwoDecimals = "ERR_SAPBAS_2DP_DECIMAL";
constexpr const char* kCopiesRange = "ERR_TICKETISSUANCE_COPIES_RANGE";

bool Run(ui::Dialog& form, std::span<const Check> rows) {
    return framework::RunChecks(form, kTitle, rows);
}

bool AllEmpty(const ui::Dialog& form, std::span<const ui::ControlId> fields) {
    for (ui::ControlId id : fields) {
        if (!IsFieldEmpty(form, id))
            return false;
    }
    return true;
}

// Fare exchange asks for nothing in particular, but for something.
constexpr ui::ControlId kFareExchangeFields[] = {
    IDC_ISS_CARRIER,
    IDC_ISS_TFR,
    IDC_ISS_PAX,
    IDC_ISS_COMMISSION,
    IDC_ISS_NET_COMMISSION,
    IDC_ISS_ALTCURRENCY,
    IDC_ISS_NET_REMIT_AMT,
    IDC_ISS_DISCOUNT_AMT,
    IDC_ISS_VALUE_CODE,
    IDC_ISS_SELLING_FARE,
    IDC_ISS_CARD_AMT,
    IDC_ISS_CONTRACT_CODE,
    IDC_ISS_TRIPARTITE,
    IDC_ISS_AGENT_COUPON,
    IDC_ISS_PASSENGER_RECEIPT,
    IDC_ISS_AUDIT_COUPON,
    IDC_ISS_CARD_CHARGE_FORM,
    IDC_ISS_EXCHG_AUTH_FORM,
};
constexpr ui::ControlId kFareExchangeLists[] = {
    IDC_ISS_FOP1, IDC_ISS_ENDORSE_TYPE, IDC_ISS_ITCODE_TYPE, IDC_ISS_PRINTOPTION, IDC_ISS_SPLIT};

bool CarrierOrAnything(ui::Dialog& form) {
    if (SelectedCode(form, IDC_ISS_TYPE) != kFareExchange) {
        return framework::CheckMandatory(form, IDC_ISS_CARRIER, kTitle,
                                         "ERR_TICKETISSUANCE_CARRIER_NO_DATA");
    }
    if (!AllEmpty(form, kFareExchangeFields) || HasSelectedFeeBaseLine(form))
        return true;
    for (ui::ControlId list : kFareExchangeLists) {
        if (SelectedCode(form, list) > 0)
            return true;
    }
    return Refuse(form, IDC_ISS_CARRIER, kTitle, "ERR_DATA_ATLEAST_ONE_FIELD_MANDATORY");
}

constexpr Check kCarrierAndNames[] = {
    MinLength(IDC_ISS_CARRIER, 2, "ERR_SAPBAS_CARRIER_MINVAL").ifFilled(IDC_ISS_CARRIER),
    Alphanumeric(IDC_ISS_CARRIER, "ERR_SAPBAS_CARRIER_ALPHANUM").ifFilled(IDC_ISS_CARRIER),
    Mandatory(IDC_ISS_TFR, "ERR_TICKETISSUANCE_TFR_MANDATORY").ifFilled(IDC_ISS_PAX),
    Numeric(IDC_ISS_TFR, "ERR_SAPBAS_TFR_NUM").ifFilled(IDC_ISS_TFR),
    // A whole number from 1 to 7.
    DecimalInRange(IDC_ISS_TFR, 0, 1, 7, "ERR_TICKETISSUANCE_RANGE").ifFilled(IDC_ISS_TFR),
    Mandatory(IDC_ISS_PAX, "ERR_TICKETISSUANCE_NAME_MANDATORY").ifFilled(IDC_ISS_TFR),
    NumericEx(IDC_ISS_PAX, "./-", "ERR_SAPBAS_INVALID_DATA").ifFilled(IDC_ISS_PAX),
};

// An NRCC amount belongs to a card payment.
bool CardAmountNeedsCard(ui::Dialog& form) {
    if (SelectedCode(form, IDC_ISS_TYPE) == kNoType || IsFieldEmpty(form, IDC_ISS_CARD_AMT) ||
        SelectedCode(form, IDC_ISS_FOP1) == kCreditCard) {
        return true;
    }
    return Refuse(form, IDC_ISS_FOP1, kTitle, "ERR_TICKETISSUANCE_FIRST_PAY_NOT_CREDIT");
}

constexpr Check kFirstCash[] = {
    AlphanumericEx(IDC_ISS_FOP1_ALINE_DATA, " ", "ERR_SAPBAS_AIRLINEDATA_ALPHANUM")
        .ifFilled(IDC_ISS_FOP1_ALINE_DATA),
};
constexpr Check kFirstInvoice[] = {
    AlphanumericEx(IDC_ISS_FOP1_AGT_CODE, " ", "ERR_SAPBAS_AGENTCODE_ALPHANUM")
        .ifFilled(IDC_ISS_FOP1_AGT_CODE),
};
constexpr Check kFirstCard[] = {
    Mandatory(IDC_ISS_FOP1_CC_TYPE, "ERR_SAPBAS_CCTYPE_MANDATORY"),
    MinLength(IDC_ISS_FOP1_CC_TYPE, 2, "ERR_SAPBAS_CCTYPE_MINVAL"),
    Alpha(IDC_ISS_FOP1_CC_TYPE, "ERR_SAPBAS_CCTYPE_ALPHA"),
    Mandatory(IDC_ISS_FOP1_CC_NBR, "ERR_TICKETISSUANCE_CARD_NODATA"),
    MinLength(IDC_ISS_FOP1_CC_NBR, 13, "_ERR_CREDITCRD_NUMBER_13DIGITS"),
    Numeric(IDC_ISS_FOP1_CC_NBR, "ERR_TICKETISSUANCE_CARD_WRONG_DATA"),
    Mandatory(IDC_ISS_FOP1_CC_EXPDATE, "ERR_TICKETISSUANCE_CARD_EXPIRY_NOVAL"),
    CCExpDate(IDC_ISS_FOP1_CC_EXPDATE, "ERR_SAPBAS_CCEXPIRYDATE_INVALID"),
    Alphanumeric(IDC_ISS_FOP1_CC_APPR_CDE, "ERR_TICKETISSUANCE_APPROVAL_CODE_VAL")
        .ifFilled(IDC_ISS_FOP1_CC_APPR_CDE),
};
constexpr Check kExtendedPaymentMonths[] = {
    Numeric(IDC_ISS_FOP1_CC_EXT_PAY_MONTHS, "ERR_TICKETISSUANCE_EXT_PAY_NON_NUM")
        .ifFilled(IDC_ISS_FOP1_CC_EXT_PAY_MONTHS),
};
constexpr Check kCardAirlineData[] = {
    AlphanumericEx(IDC_ISS_FOP1_CC_ALINE_DATA, " ", "ERR_TICKETISSUANCE_AIRLLINE_DATA_VAL")
        .ifFilled(IDC_ISS_FOP1_CC_ALINE_DATA),
};
constexpr auto kFirstGr = GrChecks(IDC_ISS_FOP1_GR_NBR);
constexpr auto kFirstGgr =
    GgrChecks(IDC_ISS_FOP1_GGR_WRT_CDE, IDC_ISS_FOP1_GGR_DBTOR_CDE, IDC_ISS_FOP1_OBJECTCODE);
constexpr auto kFirstOther = OtherPaymentChecks(IDC_ISS_FOP1_OTH);

// The approval code is never 7 characters long (counted over its first 9).
bool ApprovalCodeIsNotSevenLong(ui::Dialog& form) {
    const ui::ControlId id = IDC_ISS_FOP1_CC_APPR_CDE;
    if (IsFieldEmpty(form, id) || form.text(id).substr(0, 9).size() != 7)
        return true;
    return Refuse(form, id, kTitle, "ERR_TICKETISSUANCE_CARD_APP_7_DIGITS");
}

// A net remit amount paid by card without a discount needs the NRCC amount.
bool NetRemitHasCardAmount(ui::Dialog& form) {
    if (SelectedCode(form, IDC_ISS_TYPE) != kNetRemit ||
        IsFieldEmpty(form, IDC_ISS_NET_REMIT_AMT) || !IsFieldEmpty(form, IDC_ISS_DISCOUNT_AMT) ||
        !IsFieldEmpty(form, IDC_ISS_CARD_AMT)) {
        return true;
    }
    return Refuse(form, IDC_ISS_CARD_AMT, kTitle, "ERR_TICKETISSUANCE_NET_REMIT_NO_NRCC");
}

bool FirstPaymentChecks(ui::Dialog& form) {
    switch (SelectedCode(form, IDC_ISS_FOP1)) {
        case kCash:
            return Run(form, kFirstCash);
        case kInvoiceToAgent:
            return Run(form, kFirstInvoice);
        case kCreditCard:
            return Run(form, kFirstCard) && ApprovalCodeIsNotSevenLong(form) &&
                   (!IsChecked(form, IDC_ISS_FOP1_CC_EXT_PAY) ||
                    Run(form, kExtendedPaymentMonths)) &&
                   Run(form, kCardAirlineData) && NetRemitHasCardAmount(form);
        case kGovernmentRequest:
            return Run(form, kFirstGr);
        case kGovernmentRequestOther:
            return Run(form, kFirstGgr);
        case kOtherPayment:
            return Run(form, kFirstOther);
        default:
            return true;
    }
}

constexpr auto kSecondGr = GrChecks(IDC_ISS_FOP2_GR_NBR);
constexpr auto kSecondGgr =
    GgrChecks(IDC_ISS_FOP2_GGR_WRT_CDE, IDC_ISS_FOP2_GGR_DBTOR_CDE, IDC_ISS_FOP2_OBJECTCODE);
constexpr auto kSecondOther = OtherPaymentChecks(IDC_ISS_FOP2_OTH);

struct SecondPayment {
    long code;
    std::span<const Check> rows;
    ui::ControlId amount;
};

constexpr SecondPayment kSecondPayments[] = {
    {kCash, {}, IDC_ISS_FOP2_CSHAMT},
    {kCheque, {}, IDC_ISS_FOP2_CHQAMT},
    {kGovernmentRequest, kSecondGr, IDC_ISS_FOP2_GR_AMT},
    {kGovernmentRequestOther, kSecondGgr, IDC_ISS_FOP2_GGR_AMT},
    {kOtherPayment, kSecondOther, IDC_ISS_FOP2_OTH_AMT},
};

bool SecondPaymentChecks(ui::Dialog& form) {
    const long code = SelectedCode(form, IDC_ISS_FOP2);
    ui::ControlId amount = 0;
    for (const SecondPayment& p : kSecondPayments) {
        if (p.code != code)
            continue;
        if (!Run(form, p.rows))
            return false;
        amount = p.amount;
    }
    if (framework::SelectedText(form, IDC_ISS_FOP2).empty())
        return true;
    if (amount == 0)
        return true;
    const Check rows[] = {
        Mandatory(amount, "ERR_TICKETISSUANCE_SECOND_FOP_AMT"),
        Amount(amount, 2, false, "ERR_SAPBAS_SECOND_FOP_AMT_NUM", kTwoDecimals),
    };
    return Run(form, rows);
}

bool CommissionsApart(ui::Dialog& form) {
    if (IsFieldEmpty(form, IDC_ISS_COMMISSION) || SelectedCode(form, IDC_ISS_TYPE) != kNetRemit ||
        IsFieldEmpty(form, IDC_ISS_NET_COMMISSION)) {
        return true;
    }
    return Refuse(form, IDC_ISS_COMMISSION, kTitle, "ERR_TICKETISSUANCE_COMM_TOGETHER");
}

constexpr auto kCommission =
    PercentChecks(IDC_ISS_COMMISSION, "ERR_TICKETISSUANCE_COMMISSON_NON_NUM",
                  "ERR_TICKETISSUANCE_COMMISSION_RANGE");

constexpr auto kNetCommission = PercentChecks(
    IDC_ISS_NET_COMMISSION, "ERR_TICKETISSUANCE_NET_COMM_NO_NUM", "_ERR_NETCOMM_PER_VALUE");

constexpr Check kCurrency[] = {
    MinLength(IDC_ISS_ALTCURRENCY, 3, "ERR_SAPBAS_CURRENCYCODE_MINVAL")
        .ifFilled(IDC_ISS_ALTCURRENCY),
    Alpha(IDC_ISS_ALTCURRENCY, "ERR_SAPBAS_CURRENCYCODE_ALPHA").ifFilled(IDC_ISS_ALTCURRENCY),
};

bool CommissionChecks(ui::Dialog& form) {
    return CommissionsApart(form) && Run(form, kCommission) &&
           (SelectedCode(form, IDC_ISS_TYPE) != kNetRemit || Run(form, kNetCommission)) &&
           Run(form, kCurrency);
}

// The two-line endorsements need one of their lines.
bool EndorsementChecks(ui::Dialog& form) {
    const long type = SelectedCode(form, IDC_ISS_ENDORSE_TYPE);
    if ((type != 3 && type != 4) || !IsFieldEmpty(form, IDC_ISS_ENDORSE1) ||
        !IsFieldEmpty(form, IDC_ISS_ENDORSE2)) {
        return true;
    }
    return Refuse(form, IDC_ISS_ENDORSE1, kTitle, "ERR_TICKETISSUANCE_ENDORSEMENT_EO1_2");
}

constexpr Check kTourCode[] = {
    Mandatory(IDC_ISS_ITCODE, "ERR_TICKETISSUANCE_TOUR_CODE"),
    AlphanumericEx(IDC_ISS_ITCODE, kFreeText, "ERR_SAPBAS_TOURCODE_ALPHANUM"),
};

bool TourCodeChecks(ui::Dialog& form) {
    if (framework::SelectedText(form, IDC_ISS_ITCODE_TYPE).empty() ||
        SelectedCode(form, IDC_ISS_ITCODE_TYPE) == kNoTourCode) {
        return true;
    }
    return Run(form, kTourCode);
}

constexpr Check kNetRemitFields[] = {
    Amount(IDC_ISS_NET_REMIT_AMT, 2, false, "ERR_SAPBAS_NRTREMAMT_NUM", kTwoDecimals)
        .ifFilled(IDC_ISS_NET_REMIT_AMT),
    Amount(IDC_ISS_DISCOUNT_AMT, 2, false, "ERR_SAPBAS_NRTDISAMT_NUM", kTwoDecimals)
        .ifFilled(IDC_ISS_DISCOUNT_AMT),
    Alphanumeric(IDC_ISS_VALUE_CODE, "ERR_SAPBAS_VALUECODE_ALPHANUM").ifFilled(IDC_ISS_VALUE_CODE),
    Amount(IDC_ISS_SELLING_FARE, 2, false, "ERR_TICKETISSUANCE_SELLING_FARE_NO_NUM", kTwoDecimals)
        .ifFilled(IDC_ISS_SELLING_FARE),
    Amount(IDC_ISS_CARD_AMT, 2, false, "ERR_TICKETISSUANCE_CARD_AMT_NO_NUM", kTwoDecimals)
        .ifFilled(IDC_ISS_CARD_AMT),
    Alphanumeric(IDC_ISS_CONTRACT_CODE, "ERR_SAPBAS_CONTRACTCODE_ALPHANUM")
        .ifFilled(IDC_ISS_CONTRACT_CODE),
    AlphanumericEx(IDC_ISS_TRIPARTITE, kTripartiteCharacters,
                   "ERR_TICKETISSUANCE_TRIPARTITE_CODE_ALPHANUM")
        .ifFilled(IDC_ISS_TRIPARTITE),
};

constexpr Check kFareExchangeFieldChecks[] = {
    Amount(IDC_ISS_CARD_AMT, 2, false, "ERR_TICKETISSUANCE_CARD_AMT_NO_NUM", kTwoDecimals)
        .ifFilled(IDC_ISS_CARD_AMT),
    Alphanumeric(IDC_ISS_VALUE_CODE, "ERR_SAPBAS_VALUECODE_ALPHANUM").ifFilled(IDC_ISS_VALUE_CODE),
    Amount(IDC_ISS_SELLING_FARE, 2, false, "ERR_TICKETISSUANCE_SELLING_FARE_NO_NUM", kTwoDecimals)
        .ifFilled(IDC_ISS_SELLING_FARE),
    Alphanumeric(IDC_ISS_CONTRACT_CODE, "ERR_SAPBAS_CONTRACTCODE_ALPHANUM")
        .ifFilled(IDC_ISS_CONTRACT_CODE),
};

// Net remit takes the net remit amount or the discount, one of them.
bool NetRemitChecks(ui::Dialog& form) {
    const bool amount = !IsFieldEmpty(form, IDC_ISS_NET_REMIT_AMT);
    const bool discount = !IsFieldEmpty(form, IDC_ISS_DISCOUNT_AMT);
    if (!amount && !discount)
        return Refuse(form, IDC_ISS_NET_REMIT_AMT, kTitle, "ERR_TICKETISSUANCE_NTREMIT_EMPTY");
    if (amount && discount)
        return Refuse(form, IDC_ISS_NET_REMIT_AMT, kTitle, "ERR_TICKETISSUANCE_AMT_TOGETHER");
    return Run(form, kNetRemitFields);
}

bool TypeChecks(ui::Dialog& form) {
    switch (SelectedCode(form, IDC_ISS_TYPE)) {
        case kNetRemit:
            return NetRemitChecks(form);
        case kFareExchange:
        case kFareExchangeThailand:
            return Run(form, kFareExchangeFieldChecks);
        default:
            return true;
    }
}

// A tripartite code stands for a tour code: not both.
bool TripartiteChecks(ui::Dialog& form) {
    const ui::ControlId id = IDC_ISS_TRIPARTITE;
    if (IsFieldEmpty(form, id))
        return true;
    if (!framework::SelectedText(form, IDC_ISS_ITCODE_TYPE).empty())
        return Refuse(form, id, kTitle, "ERR_TICKETISSUANCE_TRIPARTITE_TOUR");
    return framework::CheckAlphanumericEx(form, id, kTripartiteCharacters, kTitle,
                                          "ERR_TICKETISSUANCE_TRIPARTITE_CODE_ALPHANUM");
}

// Each copies field given: a number from 1 to 5.
constexpr std::array<std::pair<ui::ControlId, const char*>, 4> kCopiesFields = {{
    {IDC_ISS_AGENT_COUPON, "ERR_TICKETISSUANCE_AGENT_COUPON_NO_NUM"},
    {IDC_ISS_PASSENGER_RECEIPT, "ERR_TICKETISSUANCE_PASSENGER_RECEIPT_NO_NUM"},
    {IDC_ISS_AUDIT_COUPON, "ERR_TICKETISSUANCE_AUDIT_COUPON_NO_NUM"},
    {IDC_ISS_CARD_CHARGE_FORM, "ERR_SAPBAS_OTHERS_CCCHGFORM_NUM"},
}};

constexpr Check kExchangeAuthorityForms[] = {
    NotZero(IDC_ISS_EXCHG_AUTH_FORM, kCopiesRange).ifFilled(IDC_ISS_EXCHG_AUTH_FORM),
    Numeric(IDC_ISS_EXCHG_AUTH_FORM, "ERR_TICKETISSUANCE_TKTEXCHGAUTHFORM_NUM")
        .ifFilled(IDC_ISS_EXCHG_AUTH_FORM),
    DecimalInRange(IDC_ISS_EXCHG_AUTH_FORM, 0, 1, 5, kCopiesRange)
        .ifFilled(IDC_ISS_EXCHG_AUTH_FORM),
};

bool CopiesChecks(ui::Dialog& form) {
    if (!IsChecked(form, IDC_ISS_ETKT))
        return true;
    for (const auto& [id, key] : kCopiesFields) {
        const Check rows[] = {
            NumericEx(id, "0", key).ifFilled(id),
            DecimalInRange(id, 0, 1, 5, kCopiesRange).ifFilled(id),
        };
        if (!Run(form, rows))
            return false;
    }
    return Run(form, kExchangeAuthorityForms);
}

}  // namespace

bool RunIssuanceChecks(ui::Dialog& form) {
    return CarrierOrAnything(form) && Run(form, kCarrierAndNames) && CardAmountNeedsCard(form) &&
           FirstPaymentChecks(form) && SecondPaymentChecks(form) && CommissionChecks(form) &&
           EndorsementChecks(form) && TourCodeChecks(form) && TypeChecks(form) &&
           TripartiteChecks(form) && CopiesChecks(form);
}

}  // namespace masks::issuance
