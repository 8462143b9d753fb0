#include "masks/issuance/issuance_entry.h"

#include <array>
#include <utility>

#include "framework/host_entry.h"
#include "masks/common/entry_pieces.h"
#include "masks/issuance/issuance_form.h"
#include "resources/resource.h"

namespace masks::issuance {
namespace {

const std::string SEP(framework::kItemSeparator);

// The entry under construction, with the deferred approval piece of a card payment.
struct Entry {
    std::string text;
    std::string approval;
};

using Builder = void (*)(const EntryValues&, Entry&);

void WriteHead(const EntryValues& v, Entry& e) {
    e.text += v.checked(IDC_ISS_FP_LINES) ? "FPT" : "W" + SEP + "T";
}

void WriteFareRecord(const EntryValues& v, Entry& e) {
    if (v.given(IDC_ISS_TFR))
        e.text += v.text(IDC_ISS_TFR) + "N" + v.text(IDC_ISS_PAX);
}

constexpr ui::ControlId kFareExchangeFields[] = {IDC_ISS_VALUE_CODE, IDC_ISS_SELLING_FARE,
                                                 IDC_ISS_CARD_AMT, IDC_ISS_CONTRACT_CODE,
                                                 IDC_ISS_TRIPARTITE};

int GivenFareExchangeFields(const EntryValues& v) {
    int given = 0;
    for (ui::ControlId id : kFareExchangeFields)
        given += v.given(id) ? 1 : 0;
    return given;
}

// Fare exchange for Thailand with the selling fare alone.
bool SellingFareAlone(const EntryValues& v) {
    return v.choice(IDC_ISS_TYPE) == kFareExchangeThailand && v.given(IDC_ISS_SELLING_FARE) &&
           GivenFareExchangeFields(v) == 1;
}

void WriteSellingFareAlone(const EntryValues& v, Entry& e) {
    if (SellingFareAlone(v))
        e.text += SEP + "NET/SF" + v.text(IDC_ISS_SELLING_FARE);
}

void WriteCarrier(const EntryValues& v, Entry& e) {
    if (v.given(IDC_ISS_CARRIER))
        e.text += SEP + "A" + v.text(IDC_ISS_CARRIER);
}

// The card: its head, number and expiry, extended payment, approval code and airline data.
// An approval code longer than 6 is written as *Z00 and its DC piece follows the card, or
// the second payment when there is one.
void WriteCard(const EntryValues& v, Entry& e) {
    const long second = v.choice(IDC_ISS_FOP2);
    const bool alone = second == kNoPayment;
    const bool airline = v.given(IDC_ISS_FOP1_CC_ALINE_DATA);
    e.text += SEP + (alone && !airline ? "F*" : "FMP*");
    e.text += v.text(IDC_ISS_FOP1_CC_TYPE) + v.text(IDC_ISS_FOP1_CC_NBR) + "/" +
              v.text(IDC_ISS_FOP1_CC_EXPDATE);
    if (v.checked(IDC_ISS_FOP1_CC_EXT_PAY)) {
        e.text += "*E";
        if (v.given(IDC_ISS_FOP1_CC_EXT_PAY_MONTHS))
            e.text += v.text(IDC_ISS_FOP1_CC_EXT_PAY_MONTHS);
    }
    if (v.given(IDC_ISS_FOP1_CC_APPR_CDE)) {
        const std::string code = v.text(IDC_ISS_FOP1_CC_APPR_CDE).substr(0, 9);
        if (code.size() <= 6) {
            e.text += "*Z" + code;
        } else if (alone && !airline) {
            e.text += "*Z00" + SEP + "DC" + code;
        } else {
            e.text += "*Z00";
            e.approval = SEP + "DC" + code;
        }
    }
    if ((alone || second == kCash) && airline) {
        e.text += "*XX" + v.text(IDC_ISS_FOP1_CC_ALINE_DATA);
        if (alone)
            e.text += "/0" + e.approval;
    }
}

void WriteFirstPayment(const EntryValues& v, Entry& e) {
    const bool alone = v.choice(IDC_ISS_FOP2) == kNoPayment;
    switch (v.choice(IDC_ISS_FOP1)) {
        case kCash:
            e.text += SEP + (alone ? "FCASH" : "FMPCASH");
            if (alone && v.given(IDC_ISS_FOP1_ALINE_DATA))
                e.text += " " + v.text(IDC_ISS_FOP1_ALINE_DATA);
            break;
        case kInvoiceToAgent:
            e.text += SEP + "FINVAGT" + v.text(IDC_ISS_FOP1_AGT_CODE);
            break;
        case kCheque:
            e.text += SEP + (alone ? "FCHEQUE" : "FMPCHEQUE");
            break;
        case kCreditCard:
            WriteCard(v, e);
            break;
        case kGovernmentRequest: {
            const long second = v.choice(IDC_ISS_FOP2);
            e.text += SEP +
                      (alone             ? "FGR"
                       : second == kCash ? "FMPCASH*GR"
                                         : "FMPGR") +
                      v.text(IDC_ISS_FOP1_GR_NBR);
            break;
        }
        case kGovernmentRequestOther:
            e.text += SEP + (alone ? "FGGR" : "FMPGGR") +
                      GgrPiece(v, {IDC_ISS_FOP1_GGR_CODE, IDC_ISS_FOP1_GGR_WRT_CDE,
                                   IDC_ISS_FOP1_GGR_DBTOR_CDE, IDC_ISS_FOP1_OBJECTCODE});
            break;
        case kOtherPayment:
            e.text += SEP + "F" + v.text(IDC_ISS_FOP1_OTH);
            break;
        default:
            break;
    }
}

void WriteSecondPayment(const EntryValues& v, Entry& e) {
    const long first = v.choice(IDC_ISS_FOP1);
    ui::ControlId amount = 0;
    switch (v.choice(IDC_ISS_FOP2)) {
        case kCash:
            // GR wrote its cash already; a card with airline data wrote *XX in its place.
            if (first != kGovernmentRequest &&
                !(first == kCreditCard && v.given(IDC_ISS_FOP1_CC_ALINE_DATA))) {
                e.text += "*CASH";
            }
            amount = IDC_ISS_FOP2_CSHAMT;
            break;
        case kCheque:
            e.text += "*CHEQUE";
            amount = IDC_ISS_FOP2_CHQAMT;
            break;
        case kGovernmentRequest:
            e.text += "*GR" + v.text(IDC_ISS_FOP2_GR_NBR);
            amount = IDC_ISS_FOP2_GR_AMT;
            break;
        case kGovernmentRequestOther:
            e.text += "*GGR" + GgrPiece(v, {IDC_ISS_FOP2_GGR_CODE, IDC_ISS_FOP2_GGR_WRT_CDE,
                                            IDC_ISS_FOP2_GGR_DBTOR_CDE, IDC_ISS_FOP2_OBJECTCODE});
            amount = IDC_ISS_FOP2_GGR_AMT;
            break;
        case kOtherPayment:
            e.text += "*XX" + v.text(IDC_ISS_FOP2_OTH);
            amount = IDC_ISS_FOP2_OTH_AMT;
            break;
        default:
            break;
    }
    if (v.choiceText(IDC_ISS_FOP2).empty())
        return;
    e.text += "/" + (amount != 0 ? v.text(amount) : std::string());
    if (first == kCreditCard)
        e.text += e.approval;
}

constexpr MarkedField kNetRemitPieces[] = {
    {"/CC", IDC_ISS_CARD_AMT},   {"/SF", IDC_ISS_SELLING_FARE},  {"/D", IDC_ISS_DISCOUNT_AMT},
    {"/V*", IDC_ISS_VALUE_CODE}, {"/C*", IDC_ISS_CONTRACT_CODE}, {"/F*", IDC_ISS_TRIPARTITE},
};

constexpr MarkedField kFareExchangePieces[] = {
    {"/CC", IDC_ISS_CARD_AMT},   {"/SF", IDC_ISS_SELLING_FARE},  {"/F*", IDC_ISS_TRIPARTITE},
    {"/V*", IDC_ISS_VALUE_CODE}, {"/C*", IDC_ISS_CONTRACT_CODE},
};

void WritePricing(const EntryValues& v, Entry& e) {
    switch (v.choice(IDC_ISS_TYPE)) {
        case kNoType:
            if (v.given(IDC_ISS_TRIPARTITE))
                e.text += SEP + "UN*" + v.text(IDC_ISS_TRIPARTITE);
            break;
        case kNetRemit:
            e.text += SEP + "NET";
            if (v.given(IDC_ISS_NET_REMIT_AMT)) {
                e.text += "/";
                if (v.given(IDC_ISS_ALTCURRENCY))
                    e.text += v.text(IDC_ISS_ALTCURRENCY);
                e.text += v.text(IDC_ISS_NET_REMIT_AMT);
            }
            e.text += GivenPieces(v, kNetRemitPieces);
            break;
        case kFareExchangeThailand:
            if (GivenFareExchangeFields(v) == 0) {
                e.text += SEP + "NET/";
                break;
            }
            if (SellingFareAlone(v))
                break;  // written after the fare record
            [[fallthrough]];
        case kFareExchange:
            if (GivenFareExchangeFields(v) > 0) {
                e.text += SEP + "NET";
                e.text += GivenPieces(v, kFareExchangePieces);
            }
            break;
        default:
            break;
    }
}

// Without a tour code the IT code type writes its own mark.
void WriteTourCode(const EntryValues& v, Entry& e) {
    const long type = v.choice(IDC_ISS_ITCODE_TYPE);
    e.text += type == kNoTourCode ? SEP + "UI*" : TourCodePiece(type, v.text(IDC_ISS_ITCODE));
}

void WriteCommission(const EntryValues& v, Entry& e) {
    if (v.given(IDC_ISS_NET_COMMISSION))
        e.text += SEP + "KPN" + v.text(IDC_ISS_NET_COMMISSION);
    if (v.given(IDC_ISS_COMMISSION))
        e.text += SEP + "KP" + v.text(IDC_ISS_COMMISSION);
}

void WriteEndorsement(const EntryValues& v, Entry& e) {
    e.text +=
        EndorsementPiece(v, v.choice(IDC_ISS_ENDORSE_TYPE), IDC_ISS_ENDORSE1, IDC_ISS_ENDORSE2);
}

void WriteElectronicTicketing(const EntryValues& v, Entry& e) {
    if (!v.checked(IDC_ISS_ETKT))
        return;
    e.text += SEP + (v.checked(IDC_ISS_OVERRIDE_ETKT) ? "XETR" : "ETR");
    constexpr CopyField kCopies[] = {
        {IDC_ISS_AUDIT_COUPON, "A"},      {IDC_ISS_AGENT_COUPON, "T"},
        {IDC_ISS_PASSENGER_RECEIPT, "P"}, {IDC_ISS_CARD_CHARGE_FORM, "C"},
        {IDC_ISS_EXCHG_AUTH_FORM, "R"},
    };
    e.text += CopiesPiece(v, kCopies);
}

void WritePrintOption(const EntryValues& v, Entry& e) {
    e.text += PrintOptionPiece(v.choice(IDC_ISS_PRINTOPTION));
}

void WriteAlternateCurrency(const EntryValues& v, Entry& e) {
    if (v.given(IDC_ISS_ALTCURRENCY))
        e.text += SEP + "M" + v.text(IDC_ISS_ALTCURRENCY);
}

void WriteSplitTicketing(const EntryValues& v, Entry& e) {
    e.text += SplitTicketingPiece(v.choice(IDC_ISS_SPLIT));
}

constexpr std::array<Builder, 14> kBuilders = {
    WriteHead,
    WriteFareRecord,
    WriteSellingFareAlone,
    WriteCarrier,
    WriteFirstPayment,
    WriteSecondPayment,
    WritePricing,
    WriteTourCode,
    WriteCommission,
    WriteEndorsement,
    WriteElectronicTicketing,
    WritePrintOption,
    WriteAlternateCurrency,
    WriteSplitTicketing,
};

}  // namespace

std::string ComposeTicketingEntry(const EntryValues& values) {
    Entry entry;
    for (Builder write : kBuilders)
        write(values, entry);
    return entry.text;
}

std::string ComposeRemarks(std::span<const std::string> lines) {
    std::string remarks;
    for (const std::string& line : lines) {
        if (!remarks.empty())
            remarks += "|";
        remarks += "5" + SEP + line;
    }
    return remarks;
}

std::string ComposeHostCommand(const EntryValues& values, std::span<const std::string> remarks) {
    const std::string rem = ComposeRemarks(remarks);
    const std::string tkt = ComposeTicketingEntry(values);
    return rem.empty() || tkt.empty() ? rem + tkt : rem + "|" + tkt;
}

}  // namespace masks::issuance
