#include "masks/issuance/issuance_entry.h"

#include <array>
#include <utility>

#include "framework/host_entry.h"
#include "framework/list_entries.h"
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
            e.text += SEP + (alone ? "FGGR" : "FMPGGR") + v.choiceText(IDC_ISS_FOP1_GGR_CODE) +
                      v.text(IDC_ISS_FOP1_GGR_WRT_CDE) + "-" + v.text(IDC_ISS_FOP1_GGR_DBTOR_CDE) +
                      "-" + v.text(IDC_ISS_FOP1_OBJECTCODE);
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
            e.text += "*GGR" + v.choiceText(IDC_ISS_FOP2_GGR_CODE) +
                      v.text(IDC_ISS_FOP2_GGR_WRT_CDE) + "-" + v.text(IDC_ISS_FOP2_GGR_DBTOR_CDE) +
                      "-" + v.text(IDC_ISS_FOP2_OBJECTCODE);
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

// The pieces of the fields given, in the order of the table, each after its mark.
void WriteGiven(const EntryValues& v, Entry& e,
                std::span<const std::pair<const char*, ui::ControlId>> pieces) {
    for (const auto& [mark, id] : pieces) {
        if (v.given(id))
            e.text += mark + v.text(id);
    }
}

constexpr std::pair<const char*, ui::ControlId> kNetRemitPieces[] = {
    {"/CC", IDC_ISS_CARD_AMT},   {"/SF", IDC_ISS_SELLING_FARE},  {"/D", IDC_ISS_DISCOUNT_AMT},
    {"/V*", IDC_ISS_VALUE_CODE}, {"/C*", IDC_ISS_CONTRACT_CODE}, {"/F*", IDC_ISS_TRIPARTITE},
};

constexpr std::pair<const char*, ui::ControlId> kFareExchangePieces[] = {
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
            WriteGiven(v, e, kNetRemitPieces);
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
                WriteGiven(v, e, kFareExchangePieces);
            }
            break;
        default:
            break;
    }
}

// The "/F*" forms exist only for the net remit and fare exchange types, so they continue
// the "NET" piece.
void WriteTourCode(const EntryValues& v, Entry& e) {
    const std::string code = v.text(IDC_ISS_ITCODE);
    switch (v.choice(IDC_ISS_ITCODE_TYPE)) {
        case 1:
            e.text += "/F*" + code + SEP + "UI*";
            break;
        case 2:
            e.text += "/F*" + code + SEP + "UB*";
            break;
        case 3:
            e.text += "/F*" + code;
            break;
        case 4:
            e.text += SEP + "UN*" + code;
            break;
        case 5:
            e.text += SEP + "U" + code;
            break;
        case 6:
            e.text += SEP + "UI*" + code;
            break;
        case 7:
            e.text += SEP + "UB*" + code;
            break;
        case 8:
            e.text += SEP + "UX*" + code;
            break;
        case kNoTourCode:
            e.text += SEP + "UI*";
            break;
        default:
            break;
    }
}

void WriteCommission(const EntryValues& v, Entry& e) {
    if (v.given(IDC_ISS_NET_COMMISSION))
        e.text += SEP + "KPN" + v.text(IDC_ISS_NET_COMMISSION);
    if (v.given(IDC_ISS_COMMISSION))
        e.text += SEP + "KP" + v.text(IDC_ISS_COMMISSION);
}

void WriteEndorsement(const EntryValues& v, Entry& e) {
    // The marks of the first and second line by endorsement type.
    constexpr std::array<std::pair<const char*, const char*>, 5> kMarks = {{
        {"", ""},
        {"ED", ""},
        {"EO/", ""},
        {"EO1/", "EO2/"},
        {"EO/", "ED"},
    }};
    const long type = v.choice(IDC_ISS_ENDORSE_TYPE);
    if (type < 1 || type > 4)
        return;
    const auto [first, second] = kMarks[static_cast<std::size_t>(type)];
    // Types 1 and 2 write their mark even without their line.
    if (type <= 2) {
        e.text += SEP + first;
        if (v.given(IDC_ISS_ENDORSE1))
            e.text += v.text(IDC_ISS_ENDORSE1);
        return;
    }
    if (v.given(IDC_ISS_ENDORSE1))
        e.text += SEP + first + v.text(IDC_ISS_ENDORSE1);
    if (v.given(IDC_ISS_ENDORSE2))
        e.text += SEP + second + v.text(IDC_ISS_ENDORSE2);
}

void WriteElectronicTicketing(const EntryValues& v, Entry& e) {
    if (!v.checked(IDC_ISS_ETKT))
        return;
    e.text += SEP + (v.checked(IDC_ISS_OVERRIDE_ETKT) ? "XETR" : "ETR");
    constexpr std::pair<ui::ControlId, const char*> kCopies[] = {
        {IDC_ISS_AUDIT_COUPON, "A"},      {IDC_ISS_AGENT_COUPON, "T"},
        {IDC_ISS_PASSENGER_RECEIPT, "P"}, {IDC_ISS_CARD_CHARGE_FORM, "C"},
        {IDC_ISS_EXCHG_AUTH_FORM, "R"},
    };
    bool first = true;
    for (const auto& [field, letter] : kCopies) {
        if (!v.given(field))
            continue;
        e.text += (first ? SEP + "C" : std::string("/")) + v.text(field) + letter;
        first = false;
    }
}

// A text by item code, "" for a code outside the table.
template <std::size_t N>
std::string ByCode(const std::array<const char*, N>& texts, long code) {
    return code >= 0 && static_cast<std::size_t>(code) < N ? texts[static_cast<std::size_t>(code)]
                                                           : "";
}

void WritePrintOption(const EntryValues& v, Entry& e) {
    const std::string option =
        ByCode(std::array{"", "DPE", "DPB", "DP", "DPO", "DPI"}, v.choice(IDC_ISS_PRINTOPTION));
    if (!option.empty())
        e.text += SEP + option;
}

void WriteAlternateCurrency(const EntryValues& v, Entry& e) {
    if (v.given(IDC_ISS_ALTCURRENCY))
        e.text += SEP + "M" + v.text(IDC_ISS_ALTCURRENCY);
}

void WriteSplitTicketing(const EntryValues& v, Entry& e) {
    const std::string type =
        ByCode(std::array{"", "RA", "RB", "RC", "RE"}, v.choice(IDC_ISS_SPLIT));
    if (!type.empty())
        e.text += SEP + type;
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

std::string DialogEntryValues::choiceText(ui::ControlId id) const {
    return framework::SelectedText(form_, id);
}

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
