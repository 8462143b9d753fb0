#include "masks/reissuance/reissue_entry.h"

#include <array>
#include <utility>

#include "framework/host_entry.h"
#include "masks/common/entry_pieces.h"
#include "masks/reissuance/reissue_form.h"
#include "resources/resource.h"

namespace masks::reissue {
namespace {

const std::string SEP(framework::kItemSeparator);

// The code letters of a GGR code list.
std::string GgrCode(const FormValues& v, ui::ControlId list) {
    return ByCode(std::array{"GOM", "ATR"}, v.choice(list));
}

// The original form of payment as the FEF piece writes it; the exchange part writes it after
// "*EF". Nothing for a code outside the list.
std::string OriginalPayment(const FormValues& v) {
    switch (v.choice(IDC_REISS_FOP)) {
        case kCash:
            return v.given(IDC_REISS_FOP1_ALINE_DATA) ? "CASH " + v.text(IDC_REISS_FOP1_ALINE_DATA)
                                                      : "CASH";
        case kInvoiceToAgent:
            return "XXINVAGT";
        case kCheque:
            return "CHEQUE";
        case kCreditCard:
            return "CC" + v.text(IDC_REISS_FOP1_CC_TYPE);
        case kGovernmentRequest:
            return "GR" + v.text(IDC_REISS_FOP1_GR_NBR);
        case kGovernmentRequestOther:
            return "GGR" + GgrCode(v, IDC_REISS_FOP1_GGR_CODE) +
                   v.text(IDC_REISS_FOP1_GGR_WRT_CDE) + "-" + v.text(IDC_REISS_FOP1_GGR_DBTOR_CDE);
        case kOtherPayment:
            return v.text(IDC_REISS_FOP1_OTH);
        default:
            return "";
    }
}

bool IsPaymentCode(long code) {
    return code >= kCash && code <= kOtherPayment;
}

// The exchange part: which payment the old ticket was paid with.
std::string ExchangePart(const FormValues& v) {
    return IsPaymentCode(v.choice(IDC_REISS_FOP)) ? "*EF" + OriginalPayment(v) : "";
}

// The additional payment with its amount, every kind but the credit card.
std::string AdditionalPayment(const FormValues& v, long code) {
    switch (code) {
        case kCash:
            return (v.given(IDC_REISS_ADDPAYMENT_CSH_ALDATA)
                        ? "CXXCASH " + v.text(IDC_REISS_ADDPAYMENT_CSH_ALDATA)
                        : std::string("CCASH")) +
                   "/" + v.text(IDC_REISS_ADDPAYMENT_CSH_AMT);
        case kInvoiceToAgent:
            return "CXXINVAGT/" + v.text(IDC_REISS_ADDPAYMENT_INVAGT_AMT);
        case kCheque:
            return "CCHEQUE/" + v.text(IDC_REISS_ADDPAYMENT_CHQ_AMT);
        case kGovernmentRequest:
            return "CGR" + v.text(IDC_REISS_ADDPAYMENT_GR_NBR) + "/" +
                   v.text(IDC_REISS_ADDPAYMENT_GR_AMT);
        case kGovernmentRequestOther:
            return "CGGR" + GgrCode(v, IDC_REISS_ADDPAYMENT_GGR_CODE) +
                   v.text(IDC_REISS_ADDPAYMENT_GGR_WRT_CDE) + "-" +
                   v.text(IDC_REISS_ADDPAYMENT_GGR_DBTOR_CDE) + "-" + v.text(IDC_REISS_OBJECTCODE) +
                   "/" + v.text(IDC_REISS_ADDPAYMENT_GGR_AMT);
        case kOtherPayment:
            return "CXX" + v.text(IDC_REISS_ADDPAYMENT_OTH) + "/" +
                   v.text(IDC_REISS_ADDPAYMENT_OTH_AMT);
        default:
            return "";
    }
}

// A credit card as the additional payment, with the exchange part: how the approval code is
// written decides what follows the expiry date.
std::string AdditionalCardAndExchange(const FormValues& v) {
    const std::string approval = v.text(IDC_REISS_ADDPAYMENT_CC_APPR_CDE);
    const std::string amount = v.text(IDC_REISS_ADDPAYMENT_CC_AMT);
    std::string piece = "CCC" + v.text(IDC_REISS_ADDPAYMENT_CC_TYPE) +
                        v.text(IDC_REISS_ADDPAYMENT_CC_NBR) + "/" +
                        v.text(IDC_REISS_ADDPAYMENT_CC_EXPDATE);
    if (!v.given(IDC_REISS_ADDPAYMENT_CC_APPR_CDE))
        return piece + "/" + amount + ExchangePart(v);
    if (approval.size() <= 6)
        return piece + "*Z" + approval + "/" + amount + ExchangePart(v);
    if (approval.size() == 8)
        return piece + "*Z00/" + amount + ExchangePart(v) + SEP + "DC" + approval;
    return piece;  // 7 or more than 8 characters: nothing more
}

void WriteHeader(const FormValues& v, std::string& e) {
    e += "W" + SEP + "T";
    if (v.given(IDC_REISS_TFR))
        e += v.text(IDC_REISS_TFR) + "N" + v.text(IDC_REISS_NAMESELECT);
}

void WriteCarrier(const FormValues& v, std::string& e) {
    e += SEP + "A" + v.text(IDC_REISS_CARRIER);
}

void WriteCommission(const FormValues& v, std::string& e) {
    if (v.given(IDC_REISS_COMMISSION))
        e += SEP + "KP" + v.text(IDC_REISS_COMMISSION);
}

void WriteExchangedDocument(const FormValues& v, std::string& e) {
    e += SEP + "ET" + v.text(IDC_REISS_EXTKT1) + v.text(IDC_REISS_EXTKT2) + "/" +
         v.text(IDC_REISS_CPN);
    for (ui::ControlId coupons : {IDC_REISS_2TKTCPN, IDC_REISS_3TKTCPN}) {
        if (v.given(coupons))
            e += "," + v.text(coupons);
    }
}

void WriteOriginalTicketAndIssue(const FormValues& v, std::string& e) {
    if (v.checked(IDC_REISS_2TKTISSUE))
        e += "/" + v.text(IDC_REISS_ORGTKT1) + v.text(IDC_REISS_ORGTKT2) + "/";
    else
        e += "//";
    e += v.text(IDC_REISS_DATEOFISSUE) + v.text(IDC_REISS_PLACEOFISSUE) + "/" +
         v.text(IDC_REISS_IATA);
}

void WritePayment(const FormValues& v, std::string& e) {
    const long additional = v.choice(IDC_REISS_ADDPAYMENT);
    if (!IsPaymentCode(additional))
        e += SEP + "FEF" + OriginalPayment(v);
    else if (additional == kCreditCard)
        e += SEP + "FA/" + AdditionalCardAndExchange(v);
    else
        e += SEP + "FA/" + AdditionalPayment(v, additional) + ExchangePart(v);
}

void WriteNetRemit(const FormValues& v, std::string& e) {
    if (!v.checked(IDC_REISS_NETREMIT) || !v.given(IDC_REISS_NETREMITAMT))
        return;
    e += SEP + "NET/";
    if (v.given(IDC_REISS_ALTCURRENCY))
        e += v.text(IDC_REISS_ALTCURRENCY);
    e += v.text(IDC_REISS_NETREMITAMT);
    if (v.given(IDC_REISS_VALUE_CODE))
        e += "/V*" + v.text(IDC_REISS_VALUE_CODE);
    if (v.given(IDC_REISS_CONTRACT_CODE))
        e += "/C*" + v.text(IDC_REISS_CONTRACT_CODE);
}

void WriteTripartiteCode(const FormValues& v, std::string& e) {
    if (!v.given(IDC_REISS_TRIPARTITE))
        return;
    e += (v.checked(IDC_REISS_NETREMIT) ? "/F*" : SEP + "UN*") + v.text(IDC_REISS_TRIPARTITE);
}

// The "/F*" forms exist only while net remit is ticked, so they continue its piece.
void WriteTourCode(const FormValues& v, std::string& e) {
    e += TourCodePiece(v.choice(IDC_REISS_ITCODE_TYPE), v.text(IDC_REISS_ITCODE));
}

void WriteEndorsement(const FormValues& v, std::string& e) {
    e += EndorsementPiece(v, v.choice(IDC_REISS_ENDORSE_TYPE), IDC_REISS_ENDORSE1,
                          IDC_REISS_ENDORSE2);
}

void WriteElectronicTicketing(const FormValues& v, std::string& e) {
    if (!v.checked(IDC_REISS_ETKT))
        return;
    e += SEP + (v.checked(IDC_REISS_OVERRIDE_ETKT) ? "XETR" : "ETR");
    constexpr CopyField kCopies[] = {
        {IDC_REISS_AGENTCOUPON, "T"},     {IDC_REISS_PASSRECEIPT, "P"},
        {IDC_REISS_AUDITCOUPON, "A"},     {IDC_REISS_CCCHGFORM, "C"},
        {IDC_REISS_EXCHG_AUTH_FORM, "R"},
    };
    e += CopiesPiece(v, kCopies) + PrintOptionPiece(v.choice(IDC_REISS_PRINTOPTION));
}

void WriteAlternateCurrency(const FormValues& v, std::string& e) {
    if (v.given(IDC_REISS_ALTCURRENCY))
        e += SEP + "M" + v.text(IDC_REISS_ALTCURRENCY);
}

void WriteNetCommission(const FormValues& v, std::string& e) {
    if (v.given(IDC_REISS_NETCOMMISSION))
        e += SEP + "KPN" + v.text(IDC_REISS_NETCOMMISSION);
}

void WriteSplitTicketing(const FormValues& v, std::string& e) {
    e += SplitTicketingPiece(v.choice(IDC_REISS_SPLIT));
}

using Builder = void (*)(const FormValues&, std::string&);

constexpr std::array<Builder, 14> kBuilders = {
    WriteHeader,
    WriteCarrier,
    WriteCommission,
    WriteExchangedDocument,
    WriteOriginalTicketAndIssue,
    WritePayment,
    WriteNetRemit,
    WriteTripartiteCode,
    WriteTourCode,
    WriteEndorsement,
    WriteElectronicTicketing,
    WriteAlternateCurrency,
    WriteNetCommission,
    WriteSplitTicketing,
};

}  // namespace

std::string ComposeEntry(const FormValues& values) {
    std::string entry;
    for (Builder write : kBuilders)
        write(values, entry);
    return entry;
}

}  // namespace masks::reissue
