#include "masks/reissuance/reissue_checks.h"

#include <array>
#include <span>
#include <string>

#include "framework/checks.h"
#include "framework/list_entries.h"
#include "masks/common/character_sets.h"
#include "masks/reissuance/reissue_form.h"
#include "platform/zenkor/validate.h"
#include "resources/resource.h"

namespace masks::reissue {
namespace {

using framework::IsChecked;
using framework::IsFieldEmpty;
using framework::Refuse;
using framework::SelectedCode;
using namespace framework::check;
using framework::Check;

constexpr const char* kEndorsementCharacters = "!@#$%^&*()_+={}|[]\\:\";'<>?,./~` -";
constexpr const char* kAmountInvalid = "ERR_TKTREISSUE_ADDPAYMENT_AMT_INVALID";

bool Run(ui::Dialog& form, std::span<const Check> rows) {
    return framework::RunChecks(form, kTitle, rows);
}

constexpr Check kCarrierAndPassengers[] = {
    Mandatory(IDC_REISS_CARRIER, "ERR_TKTREISSUE_CARRIER_MANDATORY_FIELD"),
    MinLength(IDC_REISS_CARRIER, 2, "ERR_TKTREISSUE_CARRIER_MINVAL_FIELD"),
    Alphanumeric(IDC_REISS_CARRIER, "ERR_TKTREISSUE_CARRIER_ALPHANUM_FIELD"),
    Numeric(IDC_REISS_TFR, "ERR_TKTREISSUE_TFR_INVALID").ifFilled(IDC_REISS_TFR),
    // A whole number from 1 to 7.
    DecimalInRange(IDC_REISS_TFR, 0, 1, 7, "ERR_TKTREISSUE_TFR_RANGE").ifFilled(IDC_REISS_TFR),
    Mandatory(IDC_REISS_NAMESELECT, "ERR_TKTREISSUE_TFR_MANDATORY_FIELD").ifFilled(IDC_REISS_TFR),
    NumericEx(IDC_REISS_NAMESELECT, ".-//", "ERR_TKTREISSUE_NAMESELECT_INVALID")
        .ifFilled(IDC_REISS_NAMESELECT),
    Mandatory(IDC_REISS_TFR, "ERR_TKTREISSUE_NAMESELECT_MANDATORY_FIELD")
        .ifFilled(IDC_REISS_NAMESELECT),
};

// The original form of payment's details, by payment.
constexpr Check kOriginalCash[] = {
    AlphanumericEx(IDC_REISS_FOP1_ALINE_DATA, " ", "ERR_TKTREISSUE_FOP1_ALINE_DATA_INVALID")
        .ifFilled(IDC_REISS_FOP1_ALINE_DATA),
};
constexpr Check kOriginalCard[] = {
    Mandatory(IDC_REISS_FOP1_CC_TYPE, "ERR_TKTREISSUE_FOP1_CC_TYPE_MAN"),
    MinLength(IDC_REISS_FOP1_CC_TYPE, 2, "ERR_TKTREISSUE_FOP1_CC_TYPE_MIN"),
    Alpha(IDC_REISS_FOP1_CC_TYPE, "ERR_TKTREISSUE_FOP1_CC_TYPE_INVALID"),
};
constexpr Check kOriginalGr[] = {
    Mandatory(IDC_REISS_FOP1_GR_NBR, "ERR_TKTREISSUE_FOP1_GR_NBR_MAN"),
    Alphanumeric(IDC_REISS_FOP1_GR_NBR, "ERR_TKTREISSUE_FOP1_GR_NBR_INVALID"),
};
constexpr Check kOriginalGgr[] = {
    Mandatory(IDC_REISS_FOP1_GGR_WRT_CDE, "ERR_TKTREISSUE_FOP1_GGR_WRT_CDE_MAN"),
    Alphanumeric(IDC_REISS_FOP1_GGR_WRT_CDE, "ERR_TKTREISSUE_FOP1_GGR_WRT_CDE_INVALID"),
    Mandatory(IDC_REISS_FOP1_GGR_DBTOR_CDE, "ERR_TKTREISSUE_FOP1_GGR_DBTOR_CDE_MAN"),
    Alphanumeric(IDC_REISS_FOP1_GGR_DBTOR_CDE, "ERR_TKTREISSUE_FOP1_GGR_DBTOR_CDE_INVALID"),
};
constexpr Check kOriginalOther[] = {
    Mandatory(IDC_REISS_FOP1_OTH, "ERR_TKTREISSUE_FOP1_OTH_MAN"),
    AlphanumericEx(IDC_REISS_FOP1_OTH, kFreeText, "ERR_TKTREISSUE_FOP1_OTH_INVALID"),
};

// The additional payment's details, by payment; the card's approval code has a test of its
// own between its rows.
constexpr Check kAdditionalCash[] = {
    AlphanumericEx(IDC_REISS_ADDPAYMENT_CSH_ALDATA, " ",
                   "ERR_TKTREISSUE_ADDPAYMENT_CSH_ALDATA_INVALID")
        .ifFilled(IDC_REISS_ADDPAYMENT_CSH_ALDATA),
    Mandatory(IDC_REISS_ADDPAYMENT_CSH_AMT, "ERR_TKTREISSUE_ADDPAYMENT_CSH_AMT_MAN"),
    AlphanumericEx(IDC_REISS_ADDPAYMENT_CSH_AMT, ".", kAmountInvalid),
};
constexpr Check kAdditionalInvoice[] = {
    Mandatory(IDC_REISS_ADDPAYMENT_INVAGT_AMT, "ERR_TKTREISSUE_ADDPAYMENT_INVAGT_AMT_MAN"),
    AlphanumericEx(IDC_REISS_ADDPAYMENT_INVAGT_AMT, ".", kAmountInvalid),
};
constexpr Check kAdditionalCheque[] = {
    Mandatory(IDC_REISS_ADDPAYMENT_CHQ_AMT, "ERR_TKTREISSUE_ADDPAYMENT_CHQ_AMT_MAN"),
    AlphanumericEx(IDC_REISS_ADDPAYMENT_CHQ_AMT, ".", kAmountInvalid),
};
constexpr Check kAdditionalCard[] = {
    Mandatory(IDC_REISS_ADDPAYMENT_CC_TYPE, "ERR_TKTREISSUE_ADDPAYMENT_CC_TYPE_MAN"),
    MinLength(IDC_REISS_ADDPAYMENT_CC_TYPE, 2, "ERR_TKTREISSUE_ADDPAYMENT_CC_TYPE_MIN"),
    Alpha(IDC_REISS_ADDPAYMENT_CC_TYPE, "ERR_TKTREISSUE_ADDPAYMENT_CC_TYPE_INVALID"),
    Mandatory(IDC_REISS_ADDPAYMENT_CC_NBR, "ERR_TKTREISSUE_ADDPAYMENT_CC_NBR_MAN"),
    MinLength(IDC_REISS_ADDPAYMENT_CC_NBR, 13, "ERR_TKTREISSUE_ADDPAYMENT_CC_NBR_MIN"),
    Numeric(IDC_REISS_ADDPAYMENT_CC_NBR, "ERR_TKTREISSUE_ADDPAYMENT_CC_NBR_INVALID"),
    Mandatory(IDC_REISS_ADDPAYMENT_CC_EXPDATE, "ERR_TKTREISSUE_ADDPAYMENT_CC_EXPDATE_MAN"),
    MinLength(IDC_REISS_ADDPAYMENT_CC_EXPDATE, 4, "ERR_TKTREISSUE_ADDPAYMENT_CC_EXPDATE_MIN"),
    CCExpDate(IDC_REISS_ADDPAYMENT_CC_EXPDATE, "ERR_TKTREISSUE_ADDPAYMENT_CC_EXPDATE_INVALID"),
    Alphanumeric(IDC_REISS_ADDPAYMENT_CC_APPR_CDE, "ERR_TKTREISSUE_ADDPAYMENT_CC_APPR_CDE_INVALID")
        .ifFilled(IDC_REISS_ADDPAYMENT_CC_APPR_CDE),
};
constexpr Check kAdditionalCardAmount[] = {
    Mandatory(IDC_REISS_ADDPAYMENT_CC_AMT, "ERR_TKTREISSUE_ADDPAYMENT_CC_AMT_MAN"),
    AlphanumericEx(IDC_REISS_ADDPAYMENT_CC_AMT, ".", kAmountInvalid),
};
constexpr Check kAdditionalGr[] = {
    Mandatory(IDC_REISS_ADDPAYMENT_GR_NBR, "ERR_TKTREISSUE_ADDPAYMENT_GR_NBR_MAN"),
    Alphanumeric(IDC_REISS_ADDPAYMENT_GR_NBR, "ERR_TKTREISSUE_ADDPAYMENT_GR_NBR_INVALID"),
    Mandatory(IDC_REISS_ADDPAYMENT_GR_AMT, "ERR_TKTREISSUE_ADDPAYMENT_GR_AMT_MAN"),
    AlphanumericEx(IDC_REISS_ADDPAYMENT_GR_AMT, ".", kAmountInvalid),
};
constexpr Check kAdditionalGgr[] = {
    Mandatory(IDC_REISS_ADDPAYMENT_GGR_WRT_CDE, "ERR_TKTREISSUE_ADDPAYMENT_GGR_WRT_CDE_MAN"),
    Alphanumeric(IDC_REISS_ADDPAYMENT_GGR_WRT_CDE, "ERR_TKTREISSUE_ADDPAYMENT_GGR_WRT_CDE_INVALID"),
    Mandatory(IDC_REISS_ADDPAYMENT_GGR_DBTOR_CDE, "ERR_TKTREISSUE_ADDPAYMENT_GGR_DBTOR_CDE_MAN"),
    Alphanumeric(IDC_REISS_ADDPAYMENT_GGR_DBTOR_CDE,
                 "ERR_TKTREISSUE_ADDPAYMENT_GGR_DBTOR_CDE_INVALID"),
    Mandatory(IDC_REISS_OBJECTCODE, "ERR_TICKETISSUANCE_OBJECTCODE_EMPTY"),
    Alphanumeric(IDC_REISS_OBJECTCODE, "ERR_TICKETISSUANCE_OBJECTCODE_ALPHANUM"),
    Mandatory(IDC_REISS_ADDPAYMENT_GGR_AMT, "ERR_TKTREISSUE_ADDPAYMENT_GGR_AMT_MAN"),
    AlphanumericEx(IDC_REISS_ADDPAYMENT_GGR_AMT, ".", kAmountInvalid),
};
constexpr Check kAdditionalOther[] = {
    Mandatory(IDC_REISS_ADDPAYMENT_OTH_AMT, "ERR_TKTREISSUE_ADDPAYMENT_OTH_AMT_MAN"),
    AlphanumericEx(IDC_REISS_ADDPAYMENT_OTH_AMT, ".", kAmountInvalid),
    Mandatory(IDC_REISS_ADDPAYMENT_OTH, "ERR_TKTREISSUE_ADDPAYMENT_OTH_MAN"),
    AlphanumericEx(IDC_REISS_ADDPAYMENT_OTH, kFreeText, "ERR_TKTREISSUE_ADDPAYMENT_OTH_INVALID"),
};

struct ByPayment {
    long code;
    std::span<const Check> rows;
    ui::ControlId amount;  // the additional payment's amount field (0 for the original)
};

constexpr ByPayment kOriginalPaymentChecks[] = {
    {kCash, kOriginalCash, 0},
    {kCreditCard, kOriginalCard, 0},
    {kGovernmentRequest, kOriginalGr, 0},
    {kGovernmentRequestOther, kOriginalGgr, 0},
    {kOtherPayment, kOriginalOther, 0},
};

constexpr ByPayment kAdditionalPaymentChecks[] = {
    {kCash, kAdditionalCash, IDC_REISS_ADDPAYMENT_CSH_AMT},
    {kInvoiceToAgent, kAdditionalInvoice, IDC_REISS_ADDPAYMENT_INVAGT_AMT},
    {kCheque, kAdditionalCheque, IDC_REISS_ADDPAYMENT_CHQ_AMT},
    {kCreditCard, kAdditionalCard, IDC_REISS_ADDPAYMENT_CC_AMT},
    {kGovernmentRequest, kAdditionalGr, IDC_REISS_ADDPAYMENT_GR_AMT},
    {kGovernmentRequestOther, kAdditionalGgr, IDC_REISS_ADDPAYMENT_GGR_AMT},
    {kOtherPayment, kAdditionalOther, IDC_REISS_ADDPAYMENT_OTH_AMT},
};

const ByPayment* Find(std::span<const ByPayment> table, long code) {
    for (const ByPayment& p : table) {
        if (p.code == code)
            return &p;
    }
    return nullptr;
}

// The additional payment the checks go by: with net remit ticked the list has no empty entry,
// and a choice of none is checked as cash.
long AdditionalPayment(const ui::Dialog& form) {
    const long code = SelectedCode(form, IDC_REISS_ADDPAYMENT);
    return code <= kNoPayment && IsChecked(form, IDC_REISS_NETREMIT) ? kCash : code;
}

bool ApprovalCodeIsNotSevenLong(ui::Dialog& form) {
    const ui::ControlId id = IDC_REISS_ADDPAYMENT_CC_APPR_CDE;
    if (IsFieldEmpty(form, id) || form.text(id).size() != 7)
        return true;
    return Refuse(form, id, kTitle, "ERR_TKTREISSUE_ADDPAYMENT_CC_APPR_CDE_7");
}

bool PaymentChecks(ui::Dialog& form) {
    if (const ByPayment* original = Find(kOriginalPaymentChecks, SelectedCode(form, IDC_REISS_FOP));
        original != nullptr && !Run(form, original->rows)) {
        return false;
    }
    const long code = AdditionalPayment(form);
    const ByPayment* additional = Find(kAdditionalPaymentChecks, code);
    if (additional == nullptr)
        return true;
    if (!Run(form, additional->rows))
        return false;
    return code != kCreditCard ||
           (ApprovalCodeIsNotSevenLong(form) && Run(form, kAdditionalCardAmount));
}

constexpr Check kCommission[] = {
    NumericEx(IDC_REISS_COMMISSION, ".", "ERR_TKTREISSUE_COMMISION_ALPHANUM_FIELD")
        .ifFilled(IDC_REISS_COMMISSION),
    DecimalInRange(IDC_REISS_COMMISSION, 1, 0, 99.9, "ERR_TKTREISSUE_COMMISSION_RANGE")
        .ifFilled(IDC_REISS_COMMISSION),
};

constexpr Check kOneLineEndorsement[] = {
    Mandatory(IDC_REISS_ENDORSE1, "ERR_TKTREISSUE_ENDORSE_MAN"),
    AlphanumericEx(IDC_REISS_ENDORSE1, kEndorsementCharacters,
                   "ERR_TKTREISSUE_ENDORSE1_ALPHANUM_FIELD"),
};

constexpr Check kTwoLineEndorsement[] = {
    AlphanumericEx(IDC_REISS_ENDORSE1, kEndorsementCharacters,
                   "ERR_TKTREISSUE_ENDORSE1_ALPHANUM_FIELD")
        .ifFilled(IDC_REISS_ENDORSE1),
    AlphanumericEx(IDC_REISS_ENDORSE2, kEndorsementCharacters,
                   "ERR_TKTREISSUE_ENDORSE2_ALPHANUM_FIELD")
        .ifFilled(IDC_REISS_ENDORSE2),
};

// Types 1 and 2 need their one line; types 3 and 4 at least one of two, and the domestic
// type 4 no more than one.
bool EndorsementChecks(ui::Dialog& form) {
    const long type = SelectedCode(form, IDC_REISS_ENDORSE_TYPE);
    if (type == 1 || type == 2)
        return Run(form, kOneLineEndorsement);
    if (type != 3 && type != 4)
        return true;
    const bool first = !IsFieldEmpty(form, IDC_REISS_ENDORSE1);
    const bool second = !IsFieldEmpty(form, IDC_REISS_ENDORSE2);
    if (!first && !second)
        return Refuse(form, IDC_REISS_ENDORSE1, kTitle, "ERR_TKTREISSUE_ENDORSE_MAN12");
    if (type == 4 && first && second)
        return Refuse(form, IDC_REISS_ENDORSE1, kTitle, "ERR_TKTG_ENDORSE_PR_DOMESTIC_ONE");
    return Run(form, kTwoLineEndorsement);
}

constexpr Check kTourCode[] = {
    Mandatory(IDC_REISS_ITCODE, "ERR_TKTREISSUE_TOURCODE_MAN").ifChosen(IDC_REISS_ITCODE_TYPE),
    AlphanumericEx(IDC_REISS_ITCODE, kFreeText, "ERR_TKTREISSUE_ITCODE_ALPHANUM_FIELD")
        .ifChosen(IDC_REISS_ITCODE_TYPE),
};

constexpr Check kExchangedTicket[] = {
    Mandatory(IDC_REISS_EXTKT1, "ERR_TKTREISSUE_EXTTKT1_MANDATORY_FIELD"),
    MinLength(IDC_REISS_EXTKT1, 3, "ERR_TKTREISSUE_EXTTKT1_MINVAL_FIELD"),
    Numeric(IDC_REISS_EXTKT1, "ERR_TKTREISSUE_EXTTKT1_NUM_FIELD"),
    Mandatory(IDC_REISS_EXTKT2, "ERR_TKTREISSUE_EXTTKT2_MANDATORY_FIELD"),
    MinLength(IDC_REISS_EXTKT2, 10, "ERR_TKTREISSUE_EXTTKT2_MINVAL_FIELD"),
    Numeric(IDC_REISS_EXTKT2, "ERR_TKTREISSUE_EXTTKT2_NUM_FIELD"),
    Mandatory(IDC_REISS_CPN, "ERR_TKTREISSUE_CPN_MANDATORY_FIELD"),
};

// Coupon rule: the coupons are all digits or all letters.
bool CouponRule(ui::Dialog& form, ui::ControlId id, const char* key) {
    const std::string text = form.text(id);
    CZenkorValidate validate;
    if (validate.IsNumeric(text.c_str()) != 0 || validate.IsAlpha(text.c_str()) != 0)
        return true;
    return Refuse(form, id, kTitle, key);
}

bool CouponChecks(ui::Dialog& form) {
    return CouponRule(form, IDC_REISS_CPN, "ERR_TKTREISSUE_CPN_INVALID") &&
           (IsFieldEmpty(form, IDC_REISS_2TKTCPN) ||
            CouponRule(form, IDC_REISS_2TKTCPN, "ERR_TKTREISSUE_2TKTCPN_INVALID")) &&
           (IsFieldEmpty(form, IDC_REISS_3TKTCPN) ||
            CouponRule(form, IDC_REISS_3TKTCPN, "ERR_TKTREISSUE_3TKTCPN_INVALID"));
}

constexpr Check kIssue[] = {
    Mandatory(IDC_REISS_IATA, "ERR_TKTREISSUE_IATA_MANDATORY_FIELD"),
    Numeric(IDC_REISS_IATA, "ERR_TKTREISSUE_IATA_NUM_FIELD"),
    MinLength(IDC_REISS_IATA, 8, "ERR_TKTREISSUE_IATA_MINVAL_FIELD"),
    Mandatory(IDC_REISS_ORGTKT1, "ERR_TKTREISSUE_ORGTKT1_MAN").ifChecked(IDC_REISS_2TKTISSUE),
    MinLength(IDC_REISS_ORGTKT1, 3, "ERR_TKTREISSUE_ORGTKT1_MINVAL_FIELD")
        .ifChecked(IDC_REISS_2TKTISSUE),
    Numeric(IDC_REISS_ORGTKT1, "ERR_TKTREISSUE_ORGTKT1_NUM_FIELD").ifChecked(IDC_REISS_2TKTISSUE),
    Mandatory(IDC_REISS_ORGTKT2, "ERR_TKTREISSUE_ORGTKT2_MAN").ifChecked(IDC_REISS_2TKTISSUE),
    MinLength(IDC_REISS_ORGTKT2, 10, "ERR_TKTREISSUE_ORGTKT2_MINVAL_FIELD")
        .ifChecked(IDC_REISS_2TKTISSUE),
    Numeric(IDC_REISS_ORGTKT2, "ERR_TKTREISSUE_ORGTKT2_NUM_FIELD").ifChecked(IDC_REISS_2TKTISSUE),
    Mandatory(IDC_REISS_DATEOFISSUE, "ERR_TKTREISSUE_DATEOFISSUE_MANDATORY_FIELD"),
    MinLength(IDC_REISS_DATEOFISSUE, 7, "ERR_TKTREISSUE_DATEOFISSUE_MINVAL_FIELD"),
    DateByKind(IDC_REISS_DATEOFISSUE, 1, "ERR_TKTREISSUE_DATEOFISSUE_DATE_FIELD"),
    Mandatory(IDC_REISS_PLACEOFISSUE, "ERR_TKTREISSUE_PLACEOFISSUE_MANDATORY_FIELD"),
    MinLength(IDC_REISS_PLACEOFISSUE, 3, "ERR_TKTREISSUE_PLACEOFISSUE_MINVAL_FIELD"),
    Alphanumeric(IDC_REISS_PLACEOFISSUE, "ERR_TKTREISSUE_PLACEOFISSUE_ALPHANUM_FIELD"),
};

constexpr Check kNetRemit[] = {
    Mandatory(IDC_REISS_NETREMITAMT, "ERR_TKTREISSUE_NETREMITAMT_MAN"),
    NumericEx(IDC_REISS_NETREMITAMT, ".", "ERR_TKTREISSUE_NETREMITAMT_DOUBLENUM_FIELD"),
    NumericEx(IDC_REISS_NETCOMMISSION, ".", "ERR_TKTREISSUE_NETCOMMISION_DOUBLENUM_FIELD")
        .ifFilled(IDC_REISS_NETCOMMISSION),
    DecimalInRange(IDC_REISS_NETCOMMISSION, 1, 0, 99.9, "ERR_TKTREISSUE_NETCOMMISION_RANGE")
        .ifFilled(IDC_REISS_NETCOMMISSION),
};

// With net remit ticked: its amount, and a net commission that is not given beside a
// commission.
bool NetRemitChecks(ui::Dialog& form) {
    if (!IsChecked(form, IDC_REISS_NETREMIT))
        return true;
    if (!Run(form, kNetRemit))
        return false;
    if (IsFieldEmpty(form, IDC_REISS_NETCOMMISSION) || IsFieldEmpty(form, IDC_REISS_COMMISSION))
        return true;
    return Refuse(form, IDC_REISS_NETCOMMISSION, kTitle, "ERR_TKTREISSUE_NETCOMMISION_N_COMMISION");
}

constexpr Check kCurrencyAndCodes[] = {
    MinLength(IDC_REISS_ALTCURRENCY, 3, "ERR_TKTREISSUE_ALTCURRENCY_MINVAL_FIELD")
        .ifFilled(IDC_REISS_ALTCURRENCY),
    Alpha(IDC_REISS_ALTCURRENCY, "ERR_TKTREISSUE_ALTCURRENCY_ALPHA_FIELD")
        .ifFilled(IDC_REISS_ALTCURRENCY),
    Alphanumeric(IDC_REISS_VALUE_CODE, "ERR_TKREISSUE_VALUE_CODE_ALPHANUM")
        .ifFilled(IDC_REISS_VALUE_CODE),
    Alphanumeric(IDC_REISS_CONTRACT_CODE, "ERR_TKREISSUE_CONTRACT_CODE_ALPHANUM")
        .ifFilled(IDC_REISS_CONTRACT_CODE),
};

// A tripartite code stands for the tour code: not both.
bool TripartiteChecks(ui::Dialog& form) {
    const ui::ControlId id = IDC_REISS_TRIPARTITE;
    if (IsFieldEmpty(form, id))
        return true;
    if (SelectedCode(form, IDC_REISS_ITCODE_TYPE) > 0)
        return Refuse(form, id, kTitle, "ERR_TKTREISSUE_TRIPARTITE_TOUR");
    return framework::CheckAlphanumericEx(form, id, kTripartiteCharacters, kTitle,
                                          "ERR_TKTREISSUE_TRIPARTITE_CODE_ALPHANUM");
}

// Each copies field given: a number from 1 to 5.
constexpr std::array<std::pair<ui::ControlId, const char*>, 5> kCopiesFields = {{
    {IDC_REISS_AGENTCOUPON, "ERR_TKTREISSUE_AGENTCOUPON_NUM_FIELD"},
    {IDC_REISS_PASSRECEIPT, "ERR_TKTREISSUE_PASSRECEIPT_NUM_FIELD"},
    {IDC_REISS_AUDITCOUPON, "ERR_TKTREISSUE_AUDITCOUPON_NUM_FIELD"},
    {IDC_REISS_CCCHGFORM, "ERR_TKTREISSUE_CCCHGFORM_NUM_FIELD"},
    {IDC_REISS_EXCHG_AUTH_FORM, "ERR_TKTREISSUE_TKTEXCHGAUTHFORM_NUM"},
}};

bool CopiesChecks(ui::Dialog& form) {
    if (!IsChecked(form, IDC_REISS_ETKT))
        return true;
    for (const auto& [id, key] : kCopiesFields) {
        const Check rows[] = {
            NumericEx(id, "0", key).ifFilled(id),
            DecimalInRange(id, 0, 1, 5, "ERR_TICKETISSUANCE_COPIES_RANGE").ifFilled(id),
        };
        if (!Run(form, rows))
            return false;
    }
    return true;
}

bool AmountAgainstNetRemit(ui::Dialog& form) {
    const ByPayment* additional = Find(kAdditionalPaymentChecks, AdditionalPayment(form));
    if (additional == nullptr || IsFieldEmpty(form, additional->amount))
        return true;
    const ui::ControlId amount = additional->amount;
    if (!framework::CheckAlphanumericEx(form, amount, ".", kTitle, kAmountInvalid))
        return false;
    if (!NetRemitExceedsAmount(form.text(amount), form.text(IDC_REISS_NETREMITAMT)))
        return true;
    return Refuse(form, amount, kTitle, "ERR_TKTREISSUE_ADDPAY_AMT");
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Digits with at most one decimal point, read up to the first character that cannot belong
// to such a number; no digits read as 0.
double DecimalPrefix(std::string_view text) {
    double value = 0;
    std::size_t i = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i)
        value = value * 10 + (text[i] - '0');
    if (i < text.size() && text[i] == '.') {
        double scale = 0.1;
        for (++i; i < text.size() && IsDigit(text[i]); ++i, scale /= 10)
            value += (text[i] - '0') * scale;
    }
    return value;
}

}  // namespace

bool NetRemitExceedsAmount(std::string_view amount, std::string_view netRemit) {
    // Any digit follows a currency code and starts an amount that is compared: an amount
    // beginning with 0 or 9 is held against the net remit like any other.
    if (amount.size() > 3 && IsLetter(amount[0]) && IsLetter(amount[1]) && IsLetter(amount[2]) &&
        IsDigit(amount[3])) {
        amount.remove_prefix(3);
    }
    if (amount.empty() || !IsDigit(amount.front()))
        return false;
    return DecimalPrefix(netRemit) > DecimalPrefix(amount);
}

bool RunReissueChecks(ui::Dialog& form) {
    return Run(form, kCarrierAndPassengers) && PaymentChecks(form) && Run(form, kCommission) &&
           EndorsementChecks(form) && Run(form, kTourCode) && Run(form, kExchangedTicket) &&
           CouponChecks(form) && Run(form, kIssue) && NetRemitChecks(form) &&
           Run(form, kCurrencyAndCodes) && TripartiteChecks(form) && CopiesChecks(form) &&
           AmountAgainstNetRemit(form);
}

}  // namespace masks::reissue
