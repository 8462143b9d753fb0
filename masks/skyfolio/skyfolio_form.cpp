#include "masks/skyfolio/skyfolio_form.h"

#include <algorithm>
#include <array>
#include <vector>

#include "resources/resource.h"

namespace masks::skyfolio {
namespace {

using framework::ChooserSpec;
using framework::ListEntry;
using framework::PersistedField;
using rows::Box;
using rows::Labelled;
using rows::Plain;

constexpr FieldKind E = FieldKind::Edit;
constexpr FieldKind L = FieldKind::List;
constexpr FieldKind B = FieldKind::CheckBox;

// The card expiry takes the picked date as MMYY.
constexpr int kMmYy = 2;

Field Linked(ui::ControlId id, ui::ControlId link, const char* labelKey, bool mandatory,
             const char* tooltipKey, int maxLength, const char* profileKey, const char* encoder) {
    return {id,        E,          LabelKind::Link, link,       labelKey,
            mandatory, tooltipKey, maxLength,       profileKey, ChooserSpec::encoder(encoder)};
}

const ChooserSpec kCountry = ChooserSpec::encoder("ENCODER_COUNTRY");

const std::vector<Field> kFields = [] {
    std::vector<Field> f = {
        // Top line and forms of payment.
        Linked(IDC_SKY_CARRIER, IDC_SKY_CARRIER_LINK, "_LAB_CARRIER", true,
               "TOOLTIP_SAPBAS_CARRIER", 2, "CARRIER", "ENCODER_CARRIER"),
        Box(IDC_SKY_BAGALLOW, "LAB_SAPBAS_BAGALLOW", "TOOLTIP_SAPBAS_AGALLOW", "BAGALLOW"),
        Plain(IDC_SKY_BAGALLOW_EDIT, E, "TOOLTIP_SAPBAS_BAGALLOW", 3, "BAGALLOW_EDIT"),
        Labelled(IDC_SKY_TFR, E, IDC_SKY_TFR_LABEL, "_LAB_TFR", "TOOLTIP_SAPBAS_TFR", 1, "TFR"),
        Box(IDC_SKY_FPLINES, "LAB_SAPBAS_FPLINES", "TOOLTIP_SAPBAS_FPLINES", "FPLINES"),
        Labelled(IDC_SKY_FOP1, L, IDC_SKY_FOP1_LABEL, "LAB_SAPBAS_FOP1", "TOOLTIP_SAPBAS_FOP1", 0,
                 "FOP1"),
        Plain(IDC_SKY_GGR1, L, "", 0, "GGR1"),
        Plain(IDC_SKY_WRR1, E, "TOOLTIP_SAPBAS_WRR", 15, "WRR1"),
        Plain(IDC_SKY_DBTR1, E, "TOOLTIP_SAPBAS_DBTR", 15, "DBTR1"),
        Plain(IDC_SKY_OTHERS_FOP1, E, "TOOLTIP_SAPBAS_OTHERS_FOP", 60, "OTHERS_FOP1"),
        Plain(IDC_SKY_AGCODE, E, "TOOLTIP_SAPBAS_AGCODE", 8, "AGCODE"),
        Plain(IDC_SKY_CCTYPE1, E, "TOOLTIP_SAPBAS_CCTYPE", 2, "CCTYPE1",
              ChooserSpec::encoder("ENCODER_CREDIT_CARD_TYPE")),
        Plain(IDC_SKY_CCNBR1, E, "TOOLTIP_SAPBAS_CCNBR1", 16, "CCNBR1"),
        Plain(IDC_SKY_CCEXPDATE1, E, "TOOLTIP_SAPBAS_CCEXPDATE", 4, "CCEXPDATE1",
              ChooserSpec::date(kMmYy)),
        Plain(IDC_SKY_CCAPPRCODE1, E, "TOOLTIP_SAPBAS_CCAPPRCODE", 8, "CCAPPRCODE1"),
        Box(IDC_SKY_CCEXPYMT1, "LAB_SAPBAS_CCEXPYMT1", "TOOLTIP_SAPBAS_CCEXPYMT1", "CCEXPYMT1"),
        Plain(IDC_SKY_PYMNT1, E, "TOOLTIP_SAPBAS_PYMNT1", 2, "PYMNT1"),
        Plain(IDC_SKY_GRNO1, E, "TOOLTIP_SAPBAS_GRNO", 15, "GRNO1"),
        Plain(IDC_SKY_ALDATA1, E, "TOOLTIP_SAPBAS_ALDATA", 15, "ALDATA1"),
        Plain(IDC_SKY_OBJECTCODE1, E, "TOOLTIP_TICKET_OBJECTCODE", 6, "SKYFOLIO_OBJECTCODE1"),
        Labelled(IDC_SKY_FOP2, L, IDC_SKY_FOP2_LABEL, "LAB_SAPBAS_FOP2", "TOOLTIP_SAPBAS_FOP2", 0,
                 "FOP2"),
        Plain(IDC_SKY_GGR2, L, "", 0, "GGR2"),
        Plain(IDC_SKY_WRR2, E, "TOOLTIP_SAPBAS_WRR", 15, "WRR2"),
        Plain(IDC_SKY_DBTR2, E, "TOOLTIP_SAPBAS_DBTR", 15, "DBTR2"),
        Plain(IDC_SKY_OBJECTCODE2, E, "TOOLTIP_TICKET_OBJECTCODE", 6, "SKYFOLIO_OBJECTCODE2"),
        Plain(IDC_SKY_GGR_AMT2, E, "TOOLTIP_SAPBAS_GGR_AMT", 15, "GGR_AMT2"),
        Plain(IDC_SKY_GRNO2, E, "TOOLTIP_SAPBAS_GRNO", 15, "GRNO2"),
        Plain(IDC_SKY_GRAMT2, E, "TOOLTIP_SAPBAS_GRAMT2", 15, "GRAMT2"),
        Plain(IDC_SKY_OTHERS_FOP2, E, "TOOLTIP_SAPBAS_OTHERS_FOP", 60, "OTHERS_FOP2"),
        Plain(IDC_SKY_FOP2_AMT, E, "TOOLTIP_SAPBAS_ALAMT2", 15, "FOP2_AMT"),
        Plain(IDC_SKY_CHQAMT2, E, "TOOLTIP_SAPBAS_CHQAMT2", 15, "CHQAMT2"),
        Plain(IDC_SKY_CASHAMT, E, "TOOLTIP_SAPBAS_CASHAMT", 15, "CASHAMT"),
        Plain(IDC_SKY_ALDATA2, E, "TOOLTIP_SAPBAS_ALDATA", 15, "ALDATA2"),
        Plain(IDC_SKY_ALAMT2, E, "TOOLTIP_SAPBAS_ALAMT2", 15, "ALAMT2"),

        // Fare area.
        Labelled(IDC_SKY_PNS, E, IDC_SKY_PNS_LABEL, "LAB_TKTREISSUE_NAMESELECT",
                 "TOOLTIP_SAPBAS_PASSNAME_SELECT", 25, "PNS"),
        Labelled(IDC_SKY_ADULT, B, IDC_SKY_ADULT_LABEL, "LAB_SAPBAS_ADULT", "TOOLTIP_SAPBAS_ADULT",
                 0, "ADULT"),
        Plain(IDC_SKY_ADULT_EDIT, E, "TOOLTIP_SAPBAS_ADULTPAX", 2, "ADULT_EDIT"),
        Labelled(IDC_SKY_CHILD, B, IDC_SKY_CHILD_LABEL, "LAB_SAPBAS_CHILD", "TOOLTIP_SAPBAS_CHILD",
                 0, "CHILD"),
        Plain(IDC_SKY_CHILD_EDIT, E, "TOOLTIP_SAPBAS_CHILDPAX", 2, "CHILD_EDIT"),
        Plain(IDC_SKY_CHILD_EDIT_AGE, E, "TOOLTIP_RDPCREATETFR_PTCCHILD", 2, "CHILD_EDIT_AGE"),
        Labelled(IDC_SKY_INFANT, B, IDC_SKY_INFANT_LABEL, "LAB_SAPBAS_INFANT",
                 "TOOLTIP_SAPBAS_INFANT", 0, "INFANT"),
        Plain(IDC_SKY_INFANT_EDIT, E, "TOOLTIP_SAPBAS_INFANTPAX", 2, "INFANT_EDIT"),
        Labelled(IDC_SKY_SS, E, IDC_SKY_SS_LABEL, "_LAB_SEGMENT_SELECT", "TOOLTIP_SAPBAS_SEGSELECT",
                 50, "SS"),
        Labelled(IDC_SKY_SEAMAN, B, IDC_SKY_SEAMAN_LABEL, "LAB_SAPBAS_SEAMAN",
                 "TOOLTIP_SAPBAS_SEAMAN", 0, "SEAMAN"),
        Plain(IDC_SKY_SMAN1, E, "TOOLTIP_SAPBAS_SEAMANPAX", 2, "SMAN1"),
        Plain(IDC_SKY_SMAN2, E, "TOOLTIP_SAPBAS_SEAMANPAX", 2, "SMAN2", kCountry),
        // Its label is the link of the passenger type code (set up with the links).
        Plain(IDC_SKY_OTHERS, B, "TOOLTIP_SAPBAS_OTHERS", 0, "OTHERS"),
        Plain(IDC_SKY_OTHERS1, E, "TOOLTIP_SAPBAS_PTCOTHERTYPE", 2, "OTHERS1"),
        Plain(IDC_SKY_OTHERS2, E, "TOOLTIP_SAPBAS_PTCOTHERTYPE", 3, "OTHERS2",
              ChooserSpec::encoder("ENCODER_PTC")),
        Labelled(IDC_SKY_COMMNSN, E, IDC_SKY_COMMNSN_LABEL, "LAB_SAPBAS_COMMPERCENT",
                 "TOOLTIP_SAPBAS_COMMNSN", 5, "COMMNSN"),
        Labelled(IDC_SKY_COMMSNAMT, E, IDC_SKY_COMMSNAMT_LABEL, "LAB_SAPBAS_COMMAMT",
                 "TOOLTIP_SAPBAS_COMMNSNAMT", 6, "COMMSNAMT"),
        Labelled(IDC_SKY_CONNECTION, E, IDC_SKY_CONNECTION_LABEL, "LAB_SAPBAS_CONECTION",
                 "TOOLTIP_SAPBAS_CONNECTION", 20, "CONNECTION"),
        Labelled(IDC_SKY_STOPOVER, E, IDC_SKY_STOPOVER_LABEL, "LAB_SAPBAS_STOPOVER",
                 "TOOLTIP_SAPBAS_STOPOVER", 20, "STOPOVER"),
        Labelled(IDC_SKY_FARETYPE, L, IDC_SKY_FARETYPE_LABEL, "_LAB_FARE_TYPE",
                 "TOOLTIP_SAPBAS_FARETYPE", 0, "FARETYPE"),
        Labelled(IDC_SKY_TAXTYPE, L, IDC_SKY_TAXTYPE_LABEL, "_LAB_TAXTYPE",
                 "TOOLTIP_SAPBAS_TAXTYPE", 0, "TAXTYPE"),
    };
    for (std::size_t i = 0; i < kTaxCodes.size(); ++i) {
        Field code = Plain(kTaxCodes[i], E, "TOOLTIP_SAPBAS_TAXCODE", 2, kTaxCodeKeys[i], kCountry);
        if (i == 0) {
            code.labelKind = LabelKind::Link;
            code.label = IDC_SKY_TAXCODE_LINK;
            code.labelKey = "LAB_SAPBAS_TAXCODE";
        }
        f.push_back(code);
    }
    for (std::size_t i = 0; i < kTaxAmounts.size(); ++i)
        f.push_back(Plain(kTaxAmounts[i], E, "TOOLTIP_SAPBAS_TAXAMT", 6, kTaxAmountKeys[i]));
    const Field rest[] = {
        Labelled(IDC_SKY_ENDORSEMENT, L, IDC_SKY_ENDORSEMENT_LABEL, "LAB_SAPBAS_ENDORSEMENT",
                 "TOOLTIP_SAPBAS_ENDORTYPE", 0, "ENDORSEMENT"),
        Plain(IDC_SKY_ENDORSE1, E, "TOOLTIP_TKTREISSUE_ENDORSE_EDIT", 60, "ENDORSE1"),
        Plain(IDC_SKY_ENDORSE2, E, "TOOLTIP_TKTREISSUE_ENDORSE_EDIT", 29, "ENDORSE2"),
        Labelled(IDC_SKY_ITCODE, L, IDC_SKY_ITCODE_LABEL, "LAB_SAPBAS_ITCODE",
                 "TOOLTIP_SAPBAS_ITCODE", 0, "ITCODE"),
        Plain(IDC_SKY_TOURCODE, E, "TOOLTIP_SAPBAS_PRINTGROSS", 15, "TOURCODE"),

        // Net remit area.
        Box(IDC_SKY_NRTKT, "LAB_SAPBAS_NR", "TOOLTIP_SAPBAS_NRTKT", "NRTKT"),
        Box(IDC_SKY_NRCOMMPERCENT, "LAB_SAPBAS_COMMPERCENT", "TOOLTIP_SAPBAS_NRCOMMSNPERCENT",
            "NRCOMMPERCENT"),
        Plain(IDC_SKY_NRCOMPERCENT, E, "TOOLTIP_SAPBAS_NRCOMMSNPERCENT", 5, "NRCOMPERCENT"),
        Labelled(IDC_SKY_NRAMT, E, IDC_SKY_NRAMT_LABEL, "_LAB_NETREMIT_AMT", "TOOLTIP_SAPBAS_NRAMT",
                 8, "NRAMT"),
        Labelled(IDC_SKY_NRDISCAMT, E, IDC_SKY_NRDISCAMT_LABEL, "_LAB_DICOUNT_AMT",
                 "TOOLTIP_SAPBAS_DISCAMT", 8, "NRDISCAMT"),
        Labelled(IDC_SKY_NRCOMMN, E, IDC_SKY_NRCOMMN_LABEL, "LAB_SAPBAS_NCPERCENT",
                 "TOOLTIP_SAPBAS_NRCOMMSN", 5, "NRCOMMN"),
        Labelled(IDC_SKY_NRSELFARE, E, IDC_SKY_NRSELFARE_LABEL, "_LAB_SELLING_FARE",
                 "TOOLTIP_SAPBAS_NRSELFARE", 9, "NRSELFARE"),
        Labelled(IDC_SKY_NRCRCARDAMT, E, IDC_SKY_NRCRCARDAMT_LABEL, "_LAB_CREDITCRD_AMT",
                 "TOOLTIP_SAPBAS_NRCRAMT", 8, "NRCRCARDAMT"),
        Linked(IDC_SKY_NRALTCRCY, IDC_SKY_NRALTCRCY_LINK, "LAB_SAPBAS_ALTCURRENCY", false,
               "TOOLTIP_SAPBAS_ALTCURRENCY", 3, "NRALTCRCY", "ENCODER_CURRENCY"),
        Labelled(IDC_SKY_NRVALCODE, E, IDC_SKY_NRVALCODE_LABEL, "LAB_SAPBAS_VALCODE",
                 "TOOLTIP_SAPBAS_NRVALCODE", 15, "NRVALCODE"),
        Labelled(IDC_SKY_NRCONTCODE, E, IDC_SKY_NRCONTCODE_LABEL, "LAB_SAPBAS_CONTCODE",
                 "TOOLTIP_SAPBAS_CONTCODE", 15, "NRCONTCODE"),
    };
    f.insert(f.end(), std::begin(rest), std::end(rest));
    return f;
}();

constexpr std::array<Caption, 3> kCaptions = {{
    {IDC_SKY_FOP_GROUP, "LAB_SAPBAS_FOP", "TOOLTIP_SAPBAS_NRTKT"},
    {IDC_SKY_NR_GROUP, "_LAB_NETREMIT_TKTG", "TOOLTIP_SAPBAS_NRTKT"},
    {IDC_SKY_PTC_LABEL, "LAB_SAPBAS_PTC", "TOOLTIP_SAPBAS_CARRIER"},
}};

constexpr std::array<ButtonCaption, 3> kButtonCaptions = {{
    {IDC_SKY_FAREBASIS_BUTTON, "LAB_RDP_FARE_BASIS"},
    {IDC_SKY_VALIDDATES_BUTTON, "CAPTION_SAPBAS_BUTTON_VALIDDATES"},
    {IDC_SKY_OTHERS_BUTTON, "_LAB_OTHERS"},
}};

constexpr const char* kPopulate = "PopulateControls";

constexpr ListEntry kFirstPaymentEntries[] = {
    {kNoPayment, ""},
    {kCash, "DATA_SAPBAS_FOP_CASH"},
    {kInvoiceToAgent, "DATA_SAPBAS_FOP_INVAGT"},
    {kCheque, "DATA_SAPBAS_FOP_CHEQUE"},
    {kCreditCard, "DATA_SAPBAS_FOP_CRCARD"},
    {kGovernmentRequest, "DATA_SAPBAS_FOP_GR"},
    {kGovernmentRequestOther, "DATA_SAPBAS_FOP_GGR"},
    {kOtherPayment, "DATA_SAPBAS_FOP_OTHERS"},
};

constexpr ListEntry kNone = {kNoPayment, ""};
constexpr ListEntry kCashEntry = {kCash, "DATA_SAPBAS_FOP_CASH"};
constexpr ListEntry kChequeEntry = {kCheque, "DATA_SAPBAS_FOP_CHEQUE"};
constexpr ListEntry kGrEntry = {kGovernmentRequest, "DATA_SAPBAS_FOP_GR"};
constexpr ListEntry kGgrEntry = {kGovernmentRequestOther, "DATA_SAPBAS_FOP_GGR"};
constexpr ListEntry kOthersEntry = {kOtherPayment, "DATA_SAPBAS_FOP_OTHERS"};

// The second form of payment by the first.
constexpr ListEntry kAfterNothing[] = {kNone};
constexpr ListEntry kAfterCash[] = {kNone, kChequeEntry, kGrEntry, kGgrEntry};
constexpr ListEntry kAfterCheque[] = {kNone, kCashEntry, kGrEntry, kGgrEntry};
constexpr ListEntry kAfterCard[] = {kNone,    kCashEntry, kChequeEntry,
                                    kGrEntry, kGgrEntry,  kOthersEntry};
constexpr ListEntry kAfterGr[] = {kNone, kCashEntry, kChequeEntry, kGrEntry};
constexpr ListEntry kAfterGgr[] = {kNone, kCashEntry, kChequeEntry, kGgrEntry};

constexpr ListEntry kGgrCodeEntries[] = {
    {0, "DATA_SAPBAS_GGR_GOM"},
    {1, "DATA_SAPBAS_GGR_ATR"},
};

constexpr ListEntry kTaxTypeEntries[] = {
    {0, ""},
    {1, "DATA_SAPBAS_TAX_EXEMPT_ALL"},
    {2, "DATA_SAPBAS_TAX_EXEMPT_SPECIFIC"},
    {3, "DATA_SAPBAS_TAX_EXEMPT_ALL_ADD"},
};

constexpr ListEntry kEndorsementEntries[] = {
    {0, ""},
    {1, "DATA_SAPBAS_ENDORSE_ED"},
    {2, "DATA_SAPBAS_ENDORSE_EO"},
    {3, "DATA_SAPBAS_ENDORSE_EO12"},
};

constexpr ListEntry kFareTypeEntries[] = {
    {0, ""},
    {1, "DATA_SAPBAS_FT_EX"},
    {2, "DATA_SAPBAS_FT_IT"},
    {3, "DATA_SAPBAS_FT_NL"},
};

constexpr ListEntry kItCodeWithoutNetRemitEntries[] = {
    {0, ""},
    {4, "DATA_SAPBAS_ITCODE_ITEM1"},
    {5, "DATA_SAPBAS_ITCODE_ITEM2"},
    {6, "DATA_SAPBAS_ITCODE_ITEM3"},
    {7, "DATA_SAPBAS_ITCODE_ITEM4"},
    {8, "DATA_SAPBAS_ITCODE_ITEM5"},
};

constexpr ListEntry kItCodeWithNetRemitEntries[] = {
    {0, ""},
    {1, "DATA_SAPBAS_ITCODE_ITEM5"},
    {2, "DATA_SAPBAS_ITCODE_ITEM6"},
    {3, "DATA_SAPBAS_ITCODE_ITEM7"},
};

// The save order: boxes, the edits of the form down to the taxes, the endorsement and tour
// code lines, net remit, and last the card type and object codes; then the lists.
constexpr ui::ControlId kSavedBoxes[] = {
    IDC_SKY_BAGALLOW, IDC_SKY_FPLINES, IDC_SKY_CCEXPYMT1, IDC_SKY_ADULT, IDC_SKY_CHILD,
    IDC_SKY_INFANT,   IDC_SKY_SEAMAN,  IDC_SKY_OTHERS,    IDC_SKY_NRTKT, IDC_SKY_NRCOMMPERCENT,
};
constexpr ui::ControlId kSavedLast[] = {IDC_SKY_CCTYPE1, IDC_SKY_OBJECTCODE1, IDC_SKY_OBJECTCODE2};
constexpr ui::ControlId kSavedLists[] = {
    IDC_SKY_FOP1,     IDC_SKY_FOP2,    IDC_SKY_GGR1,        IDC_SKY_GGR2,
    IDC_SKY_FARETYPE, IDC_SKY_TAXTYPE, IDC_SKY_ENDORSEMENT, IDC_SKY_ITCODE,
};

const Field& FieldOf(ui::ControlId id) {
    return *std::find_if(kFields.begin(), kFields.end(),
                         [id](const Field& f) { return f.id == id; });
}

const std::vector<PersistedField> kSaved = [] {
    std::vector<PersistedField> saved;
    auto add = [&](ui::ControlId id) { saved.push_back(Persisted(FieldOf(id))); };
    for (ui::ControlId id : kSavedBoxes)
        add(id);
    for (const Field& f : kFields) {
        if (f.kind == E &&
            std::find(std::begin(kSavedLast), std::end(kSavedLast), f.id) == std::end(kSavedLast))
            add(f.id);
    }
    for (ui::ControlId id : kSavedLast)
        add(id);
    for (ui::ControlId id : kSavedLists)
        add(id);
    return saved;
}();

// Where Recall's pass is cut: just after these.
std::span<const PersistedField> SavedUpTo(ui::ControlId id, std::size_t from) {
    const std::span<const PersistedField> all = kSaved;
    std::size_t end = from;
    while (end < all.size() && all[end].id != id)
        ++end;
    return all.subspan(from, std::min(end + 1, all.size()) - from);
}

}  // namespace

std::span<const Field> Fields() {
    return kFields;
}

std::span<const Caption> Captions() {
    return kCaptions;
}

std::span<const ButtonCaption> ButtonCaptions() {
    return kButtonCaptions;
}

const ListContents kFirstPayments{kFirstPaymentEntries, kPopulate};
const ListContents kGgrCodes{kGgrCodeEntries, kPopulate};
const ListContents kTaxTypes{kTaxTypeEntries, kPopulate};
const ListContents kEndorsementTypes{kEndorsementEntries, kPopulate};
const ListContents kFareTypes{kFareTypeEntries, kPopulate};
const ListContents kItCodesWithoutNetRemit{kItCodeWithoutNetRemitEntries, kPopulate};
const ListContents kItCodesWithNetRemit{kItCodeWithNetRemitEntries, kPopulate};

ListContents SecondPayments(long firstPayment) {
    switch (firstPayment) {
        case kCash:
            return {kAfterCash, kPopulate};
        case kCheque:
            return {kAfterCheque, kPopulate};
        case kCreditCard:
            return {kAfterCard, kPopulate};
        case kGovernmentRequest:
            return {kAfterGr, kPopulate};
        case kGovernmentRequestOther:
            return {kAfterGgr, kPopulate};
        default:
            return {kAfterNothing, kPopulate};
    }
}

std::span<const PersistedField> SavedFields() {
    return kSaved;
}

std::span<const PersistedField> RestoredToFirstPayment() {
    return SavedUpTo(IDC_SKY_FOP1, 0);
}

std::span<const PersistedField> RestoredToEndorsement() {
    return SavedUpTo(IDC_SKY_ENDORSEMENT, RestoredToFirstPayment().size());
}

std::span<const PersistedField> RestoredItCode() {
    const std::size_t from = RestoredToFirstPayment().size() + RestoredToEndorsement().size();
    return std::span<const PersistedField>(kSaved).subspan(from);
}

}  // namespace masks::skyfolio
