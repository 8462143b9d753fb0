#include "masks/issuance/issuance_form.h"

#include <array>
#include <vector>

#include "resources/resource.h"

namespace masks::issuance {
namespace {

using framework::ChooserSpec;
using framework::ListEntry;
using framework::PersistedField;

constexpr FieldKind E = FieldKind::Edit;
constexpr FieldKind L = FieldKind::List;
constexpr FieldKind B = FieldKind::CheckBox;

using rows::Labelled;
using rows::Plain;

const std::vector<Field> kFields = {
    // Header.
    {IDC_ISS_CARRIER, E, LabelKind::Link, IDC_ISS_CARRIER_LINK, "_LAB_CARRIER", true,
     "TOOLTIP_TICKETISSUANCE_CARRIER", 2, "CARRIER", ChooserSpec::encoder("ENCODER_CARRIER")},
    Labelled(IDC_ISS_TFR, E, IDC_ISS_TFR_LABEL, "_LAB_TFR", "TOOLTIP_TICKETISSUANCE_TFR", 1, "TFR"),
    Labelled(IDC_ISS_PAX, E, IDC_ISS_PAX_LABEL, "LAB_TKTREISSUE_NAMESELECT",
             "TOOLTIP_TICKETISSUANCE_PAX", 20, "PAX"),
    Labelled(IDC_ISS_COMMISSION, E, IDC_ISS_COMMISSION_LABEL, "LAB_SAPBAS_COMMPERCENT",
             "TOOLTIP_TICKETISSUANCE_COMMISSION", 4, "COMMISSION"),
    Labelled(IDC_ISS_NET_COMMISSION, E, IDC_ISS_NET_COMMISSION_LABEL, "LAB_SAPBAS_NCPERCENT",
             "TOOLTIP_TICKETISSUANCE_NET_COMMISSION", 4, "NET_COMMISSION"),
    {IDC_ISS_ALTCURRENCY, E, LabelKind::Link, IDC_ISS_ALTCURRENCY_LINK, "LAB_SAPBAS_ALTCURRENCY",
     false, "TOOLTIP_TICKETISSUANCE_ALT_CURRENCY", 3, "ALTCURRENCY",
     ChooserSpec::encoder("ENCODER_CURRENCY")},
    // The endorsement lines' captions follow the endorsement type (the endorsement rule).
    Plain(IDC_ISS_ENDORSE1, E, "TOOLTIP_TKTREISSUE_ENDORSE_EDIT", 60, "ENDORSEMENT1"),
    Plain(IDC_ISS_ENDORSE2, E, "TOOLTIP_TKTREISSUE_ENDORSE_EDIT", 29, "ENDORSEMENT2"),
    Plain(IDC_ISS_ITCODE, E, "TOOLTIP_TICKETISSUANCE_TOURCODE", 15, "ITCODE"),

    // Net remit and fare exchange.
    Labelled(IDC_ISS_NET_REMIT_AMT, E, IDC_ISS_NET_REMIT_AMT_LABEL, "LAB_SAPBAS_NRAMT",
             "TOOLTIP_TICKETISSUANCE_NET_REMIT_AMT", 8, "NET_REMIT_AMT"),
    Labelled(IDC_ISS_DISCOUNT_AMT, E, IDC_ISS_DISCOUNT_AMT_LABEL, "LAB_SAPBAS_DISCAMT",
             "TOOLTIP_TICKETISSUANCE_DISCOUNT_AMT", 8, "DISCOUNT_AMT"),
    Labelled(IDC_ISS_VALUE_CODE, E, IDC_ISS_VALUE_CODE_LABEL, "LAB_SAPBAS_VALCODE",
             "TOOLTIP_TICKETISSUANCE_VALUE_CODE", 15, "VALUE_CODE"),
    Labelled(IDC_ISS_SELLING_FARE, E, IDC_ISS_SELLING_FARE_LABEL, "_LAB_SELLING_FARE",
             "TOOLTIP_TICKETISSUANCE_SELLING_FARE", 9, "SELLING_FARE"),
    Labelled(IDC_ISS_CARD_AMT, E, IDC_ISS_CARD_AMT_LABEL, "_LAB_CREDITCRD_AMT",
             "TOOLTIP_TICKETISSUANCE_CARD_AMT", 8, "CREDIT_CARD_AMT"),
    Labelled(IDC_ISS_CONTRACT_CODE, E, IDC_ISS_CONTRACT_CODE_LABEL, "LAB_SAPBAS_CONTCODE",
             "TOOLTIP_TICKETISSUANCE_CONTRACT_CODE", 15, "CONTRACT_CODE"),
    Labelled(IDC_ISS_TRIPARTITE, E, IDC_ISS_TRIPARTITE_LABEL, "LAB_TICKETISSUANCE_TRIPARTITE_CODE",
             "TOOLTIP_TICKETISSUANCE_TRIPARTITE_CODE", 15, "TRIPARTITE_CODE"),

    // Copies.
    Labelled(IDC_ISS_AGENT_COUPON, E, IDC_ISS_AGENT_COUPON_LABEL, "LAB_SATOTH_AGCOUPON",
             "TOOLTIP_TICKETISSUANCE_AGENT_COUPON", 1, "AGENT_COUPON"),
    Labelled(IDC_ISS_PASSENGER_RECEIPT, E, IDC_ISS_PASSENGER_RECEIPT_LABEL,
             "LAB_SATOTH_PASSRECEIPT", "TOOLTIP_TICKETISSUANCE_PASSENGER_RECEIPT", 1,
             "PASSENGER_RECEIPT"),
    Labelled(IDC_ISS_AUDIT_COUPON, E, IDC_ISS_AUDIT_COUPON_LABEL, "LAB_SATOTH_AUDITCOUPON",
             "TOOLTIP_TICKETISSUANCE_AUDIT_COUPON", 1, "AUDIT_COUPON"),
    Labelled(IDC_ISS_CARD_CHARGE_FORM, E, IDC_ISS_CARD_CHARGE_FORM_LABEL, "LAB_SATOTH_CRCHARGEFORM",
             "TOOLTIP_TICKETISSUANCE_CARD_CHANGE_FORM", 1, "CARD_CHARGE_FORM"),
    Labelled(IDC_ISS_EXCHG_AUTH_FORM, E, IDC_ISS_EXCHG_AUTH_FORM_LABEL,
             "LAB_TICKETISSUANCE_TKT_EXCHG_AUTH_FORM", "TOOLTIP_TICKETISSUANCE_TKT_EXCHG_AUTH_FORM",
             1, "TKTG_EXCHG_AUTH_FORM"),

    // The payment details.
    Plain(IDC_ISS_FOP1_AGT_CODE, E, "TOOLTIP_TICKETISSUANCE_FOP1_AGCODE", 8, "FOP1_AGT_CODE"),
    Plain(IDC_ISS_FOP1_ALINE_DATA, E, "TOOLTIP_TICKETISSUANCE_FOP1_ALDATA", 15, "FOP1_ALINE_DATA"),
    Plain(IDC_ISS_FOP1_CC_TYPE, E, "TOOLTIP_TICKETISSUANCE_FOP1_CCTYPE", 2, "FOP1_CC_TYPE",
          ChooserSpec::encoder("ENCODER_CREDIT_CARD_TYPE")),
    Plain(IDC_ISS_FOP1_CC_NBR, E, "TOOLTIP_TICKETISSUANCE_FOP1_CCNBR", 16, "FOP1_CC_NBR"),
    Plain(IDC_ISS_FOP1_CC_EXPDATE, E, "TOOLTIP_TICKETISSUANCE_FOP1_CCEXPDATE", 4,
          "FOP1_CC_EXPDATE"),
    Plain(IDC_ISS_FOP1_CC_APPR_CDE, E, "TOOLTIP_TICKETISSUANCE_FOP1_CCAPPRCODE", 8,
          "FOP1_CC_APPR_CDE"),
    Plain(IDC_ISS_FOP1_CC_EXT_PAY_MONTHS, E, "TOOLTIP_SAPBAS_CCEXPYMT1", 2, "FOP1_CC_EDIT_EXT_PAY"),
    Plain(IDC_ISS_FOP1_CC_ALINE_DATA, E, "TOOLTIP_TICKETISSUANCE_FOP1_CCALDATA", 15,
          "FOP1_CC_ALINE_DATA"),
    Plain(IDC_ISS_FOP1_GR_NBR, E, "TOOLTIP_TICKETISSUANCE_FOP1_GRNBR", 15, "FOP1_GR_NBR"),
    Plain(IDC_ISS_FOP1_GGR_WRT_CDE, E, "TOOLTIP_TICKETISSUANCE_FOP1_GGRWRTCDE", 15,
          "FOP1_GGR_WRT_CDE"),
    Plain(IDC_ISS_FOP1_GGR_DBTOR_CDE, E, "TOOLTIP_TICKETISSUANCE_FOP1_GGRDBTORCDE", 15,
          "FOP1_GGR_DBTOR_CDE"),
    Plain(IDC_ISS_FOP1_OBJECTCODE, E, "TOOLTIP_TICKET_OBJECTCODE", 6, "MAINTIC_OBJECTCODE1"),
    Plain(IDC_ISS_FOP1_OTH, E, "TOOLTIP_TICKETISSUANCE_FOP1_OTH", 60, "FOP1_OTH"),
    Plain(IDC_ISS_FOP2_CHQAMT, E, "_TIP_2NDFOP_AMT", 15, "FOP2_CHQAMT"),
    Plain(IDC_ISS_FOP2_GR_NBR, E, "TOOLTIP_TICKETISSUANCE_FOP1_GRNBR", 15, "FOP2_GR_NBR"),
    Plain(IDC_ISS_FOP2_GR_AMT, E, "_TIP_2NDFOP_AMT", 15, "FOP2_GR_AMT"),
    Plain(IDC_ISS_FOP2_GGR_WRT_CDE, E, "_TIP_WARANT_CODE", 15, "FOP2_GGR_WRT_CDE"),
    Plain(IDC_ISS_FOP2_GGR_DBTOR_CDE, E, "_TIP_DEBTOR_CODE", 15, "FOP2_GGR_DBTOR_CDE"),
    Plain(IDC_ISS_FOP2_GGR_AMT, E, "_TIP_2NDFOP_AMT", 15, "FOP2_GGR_AMT"),
    Plain(IDC_ISS_FOP2_OBJECTCODE, E, "TOOLTIP_TICKET_OBJECTCODE", 6, "MAINTIC_OBJECTCODE2"),
    Plain(IDC_ISS_FOP2_CSHAMT, E, "_TIP_2NDFOP_AMT", 15, "FOP2_CSHAMT"),
    Plain(IDC_ISS_FOP2_OTH, E, "TOOLTIP_TICKETISSUANCE_FOP1_OTH", 60, "FOP2_OTH"),
    Plain(IDC_ISS_FOP2_OTH_AMT, E, "_TIP_2NDFOP_AMT", 15, "FOP2_OTH_AMT"),

    // Lists and boxes.
    Labelled(IDC_ISS_TYPE, L, IDC_ISS_TYPE_LABEL, "LAB_TICKETISSUANCE_TYPE",
             "TOOLTIP_TICKETISSUANCE_TYPE", 0, "TYPE"),
    Labelled(IDC_ISS_FOP1, L, IDC_ISS_FOP1_LABEL, "LAB_SAPBAS_FOP1", "TOOLTIP_TICKETISSUANCE_FOP1",
             0, "LIST_FOP1"),
    Labelled(IDC_ISS_FOP2, L, IDC_ISS_FOP2_LABEL, "LAB_SAPBAS_FOP2", "TOOLTIP_TICKETISSUANCE_FOP2",
             0, "LIST_FOP2"),
    Plain(IDC_ISS_FOP1_GGR_CODE, L, "", 0, "FOP1_GGR_CODE"),
    Plain(IDC_ISS_FOP2_GGR_CODE, L, "", 0, "FOP2_GGR_CODE"),
    Labelled(IDC_ISS_ENDORSE_TYPE, L, IDC_ISS_ENDORSE_TYPE_LABEL, "LAB_SAPBAS_ENDORSEMENT",
             "TOOLTIP_TICKETISSUANCE_ENDORSEMENT", 0, "LIST_ENDORSEMENT"),
    Labelled(IDC_ISS_ITCODE_TYPE, L, IDC_ISS_ITCODE_LABEL, "LAB_SAPBAS_ITCODE",
             "TOOLTIP_TICKETISSUANCE_ITCODE", 0, "LIST_ITCODE"),
    Labelled(IDC_ISS_PRINTOPTION, L, IDC_ISS_PRINTOPTION_LABEL, "LAB_SATOTH_PRNTOPTION",
             "TOOLTIP_TICKETISSUANCE_PRINTING_OPTION", 0, "LIST_PRINTING_OPTION"),
    Labelled(IDC_ISS_SPLIT, L, IDC_ISS_SPLIT_LABEL, "LAB_TICKETISSUANCE_SPLT_TKTG_TYPE",
             "TOOLTIP_TICKETISSUANCE_SPLT_TKTG_TYPE", 0, "SPLT_TKTG"),
    {IDC_ISS_FOP1_CC_EXT_PAY,
     B,
     LabelKind::Caption,
     IDC_ISS_FOP1_CC_EXT_PAY,
     "LAB_TICKETISSUANCE_EXT_PAY",
     false,
     "TOOLTIP_TICKETISSUANCE_FOP1_EXT_PAY_CHK",
     0,
     "FOP1_CC_EXT_PAY",
     {}},
    Labelled(IDC_ISS_ETKT, B, IDC_ISS_ETKT_LABEL, "LAB_SATOTH_ETKT", "TOOLTIP_TICKETISSUANCE_ETKT",
             0, "ETKTG"),
    Labelled(IDC_ISS_OVERRIDE_ETKT, B, IDC_ISS_OVERRIDE_ETKT_LABEL,
             "LAB_TICKETISSUANCE_OVERRIDE_ETKTG", "TOOLTIP_TICKETISSUANCE_OVERRIDE_ETKTG", 0,
             "OVERRIDE_ETKTG"),
    Labelled(IDC_ISS_GBA, B, IDC_ISS_GBA_LABEL, "LAB_TICKETISSUANCE_GBA",
             "TOOLTIP_TICKETISSUANCE_GBA", 0, "GBA"),
    Labelled(IDC_ISS_FP_LINES, B, IDC_ISS_FP_LINES_LABEL, "LAB_TICKETISSUANCE_FP_LINES",
             "TOOLTIP_TICKETISSUANCE_FP_LINES", 0, "FP_LINES"),
};

constexpr std::array<Caption, 7> kCaptions = {{
    {IDC_ISS_FEEBASE_SHOW, "C_MASK_STAR_SHOW_FEEBASE", ""},
    {IDC_ISS_FOP_GROUP, "LAB_SAPBAS_FOP", "LAB_TICKETISSUANCE_FOP_FARE"},
    {IDC_ISS_NETREMIT_GROUP, "_LAB_NETREMIT_FAREX_TYPE_TKTG", "LAB_TICKETISSUANCE_NET_REMIT_TKT"},
    {IDC_ISS_COPIES_LABEL, "LAB_SATOTH_ADDCOPIES", "TOOLTIP_TICKETISSUANCE_PASSENGER_RECEIPT"},
    {IDC_ISS_SPLIT_GROUP, "LAB_TICKETISSUANCE_SPLT_TKTG", ""},
    // Their texts follow the endorsement type.
    {IDC_ISS_ENDORSE1_LABEL, "", ""},
    {IDC_ISS_ENDORSE2_LABEL, "", ""},
}};

// The item 1 text of TYPE is logged, when missing, under a key of its own.
constexpr ListEntry kTypeEntries[] = {
    {kNoType, ""},
    {kNetRemit, "DATA_TICKETISSUANCE_TYPE_NTREMIT", "DATA_TICKETISSUANCE_TYPE_NTREMIT_TKTG"},
    {kFareExchange, "DATA_TICKETISSUANCE_TYPE_FAREX"},
    {kFareExchangeThailand, "DATA_TICKETISSUANCE_TYPE_FAREX_THAILAND"},
};

constexpr const char* kCashKey = "DATA_TICKETISSUANCE_CASH";
constexpr const char* kChequeKey = "DATA_TICKETISSUANCE_CHEQUE";
constexpr const char* kGrKey = "DATA_TICKETISSUANCE_GR";
constexpr const char* kGgrKey = "DATA_TICKETISSUANCE_GGR";
constexpr const char* kOthersKey = "DATA_TICKETISSUANCE_OTHERS";

constexpr ListEntry kFirstPaymentEntries[] = {
    {kNoPayment, ""},
    {kCash, kCashKey},
    {kInvoiceToAgent, "DATA_TICKETISSUANCE_INVAGT"},
    {kCheque, kChequeKey},
    {kCreditCard, "DATA_TICKETISSUANCE_CREDIT_CARD"},
    {kGovernmentRequest, kGrKey},
    {kGovernmentRequestOther, kGgrKey},
    {kOtherPayment, kOthersKey},
};

constexpr ListEntry kEmptyOnly[] = {{kNoPayment, ""}};
constexpr ListEntry kBesideCash[] = {{kNoPayment, ""},
                                     {kCheque, kChequeKey},
                                     {kGovernmentRequest, kGrKey},
                                     {kGovernmentRequestOther, kGgrKey}};
constexpr ListEntry kBesideCheque[] = {{kNoPayment, ""},
                                       {kCash, kCashKey},
                                       {kGovernmentRequest, kGrKey},
                                       {kGovernmentRequestOther, kGgrKey}};
constexpr ListEntry kBesideCard[] = {{kNoPayment, ""},
                                     {kCash, kCashKey},
                                     {kCheque, kChequeKey},
                                     {kGovernmentRequest, kGrKey},
                                     {kGovernmentRequestOther, kGgrKey},
                                     {kOtherPayment, kOthersKey}};
constexpr ListEntry kBesideGr[] = {
    {kNoPayment, ""}, {kCash, kCashKey}, {kCheque, kChequeKey}, {kGovernmentRequest, kGrKey}};
constexpr ListEntry kBesideGgr[] = {
    {kNoPayment, ""}, {kCash, kCashKey}, {kCheque, kChequeKey}, {kGovernmentRequestOther, kGgrKey}};

constexpr ListEntry kEndorsementTypeEntries[] = {
    {0, ""},
    {1, "DATA_TICKETISSUANCE_ED"},
    {2, "DATA_TICKETISSUANCE_EO"},
    {3, "DATA_TICKETISSUANCE_EO1"},
    {4, "DATA_TICKETISSUANCE_PR_DOMESTIC"},
};

constexpr ListEntry kPrintingOptionEntries[] = {
    {0, ""},
    {1, "DATA_TICKETISSUANCE_DPE"},
    {2, "DATA_TICKETISSUANCE_DPB"},
    {3, "DATA_TICKETISSUANCE_DP"},
    {4, "DATA_TICKETISSUANCE_DPO"},
    {5, "DATA_TICKETISSUANCE_DPI"},
};

constexpr ListEntry kSplitTicketingEntries[] = {
    {0, ""},
    {1, "DATA_TICKETISSUANCE_SPL_TKT_RA"},
    {2, "DATA_TICKETISSUANCE_SPL_TKT_RB"},
    {3, "DATA_TICKETISSUANCE_SPL_TKT_RC"},
    {4, "DATA_TICKETISSUANCE_SPL_TKT_RE"},
};

constexpr ListEntry kItCodeOfNetTypeEntries[] = {
    {0, ""},
    {1, "DATA_TICKETISSUANCE_ITCODE_CHECKED_1"},
    {2, "DATA_TICKETISSUANCE_ITCODE_CHECKED_2"},
    {3, "DATA_TICKETISSUANCE_ITCODE_CHECKED_3"},
};

constexpr ListEntry kItCodeWithoutTypeEntries[] = {
    {0, ""},
    {4, "DATA_TICKETISSUANCE_ITCODE_UNCHECKED_1"},
    {5, "DATA_TICKETISSUANCE_ITCODE_UNCHECKED_2"},
    {6, "DATA_TICKETISSUANCE_ITCODE_UNCHECKED_3"},
    {7, "DATA_TICKETISSUANCE_ITCODE_UNCHECKED_4"},
    {8, "DATA_TICKETISSUANCE_ITCODE_CHECKED_1"},
    {kNoTourCode, "DATA_TICKETISSUANCE_ITCODE_NO_TOURCODE"},
};

// Both passes go through the edits up to the second object code, the extended payment box
// and the second payment's edits; the save pass takes the box after those edits, Recall
// before them.
constexpr ui::ControlId kEditIds[] = {
    IDC_ISS_CARRIER,
    IDC_ISS_TFR,
    IDC_ISS_PAX,
    IDC_ISS_COMMISSION,
    IDC_ISS_NET_COMMISSION,
    IDC_ISS_ALTCURRENCY,
    IDC_ISS_ENDORSE1,
    IDC_ISS_ENDORSE2,
    IDC_ISS_ITCODE,
    IDC_ISS_NET_REMIT_AMT,
    IDC_ISS_DISCOUNT_AMT,
    IDC_ISS_VALUE_CODE,
    IDC_ISS_SELLING_FARE,
    IDC_ISS_CARD_AMT,
    IDC_ISS_CONTRACT_CODE,
    IDC_ISS_AGENT_COUPON,
    IDC_ISS_PASSENGER_RECEIPT,
    IDC_ISS_AUDIT_COUPON,
    IDC_ISS_CARD_CHARGE_FORM,
    IDC_ISS_FOP1_AGT_CODE,
    IDC_ISS_FOP1_ALINE_DATA,
    IDC_ISS_FOP1_CC_TYPE,
    IDC_ISS_FOP1_CC_NBR,
    IDC_ISS_FOP1_CC_EXPDATE,
    IDC_ISS_FOP1_CC_APPR_CDE,
    IDC_ISS_FOP1_CC_EXT_PAY_MONTHS,
    IDC_ISS_FOP1_CC_ALINE_DATA,
    IDC_ISS_FOP1_GR_NBR,
    IDC_ISS_FOP1_GGR_WRT_CDE,
    IDC_ISS_FOP1_GGR_DBTOR_CDE,
    IDC_ISS_FOP1_OTH,
    IDC_ISS_FOP1_OBJECTCODE,
    IDC_ISS_FOP2_OBJECTCODE,
};
constexpr ui::ControlId kSecondPaymentEditIds[] = {
    IDC_ISS_FOP2_CHQAMT,      IDC_ISS_FOP2_GR_NBR,        IDC_ISS_FOP2_GR_AMT,
    IDC_ISS_FOP2_GGR_WRT_CDE, IDC_ISS_FOP2_GGR_DBTOR_CDE, IDC_ISS_FOP2_GGR_AMT,
    IDC_ISS_FOP2_CSHAMT,      IDC_ISS_FOP2_OTH,           IDC_ISS_FOP2_OTH_AMT,
};
constexpr ui::ControlId kExtendedPaymentIds[] = {IDC_ISS_FOP1_CC_EXT_PAY};

// After them the save pass takes the lists, the last edits, the boxes and lists of
// ticketing, and TYPE last.
constexpr ui::ControlId kSavedChoiceIds[] = {
    IDC_ISS_FOP1,         IDC_ISS_FOP2,          IDC_ISS_FOP2_GGR_CODE, IDC_ISS_FOP1_GGR_CODE,
    IDC_ISS_ENDORSE_TYPE, IDC_ISS_ITCODE_TYPE,   IDC_ISS_PRINTOPTION,   IDC_ISS_EXCHG_AUTH_FORM,
    IDC_ISS_TRIPARTITE,   IDC_ISS_OVERRIDE_ETKT, IDC_ISS_ETKT,          IDC_ISS_SPLIT,
    IDC_ISS_GBA,          IDC_ISS_FP_LINES,      IDC_ISS_TYPE,
};

// Recall: the first payment alone (its rule rebuilds the second payment's list); then the
// other lists, edits and boxes and TYPE; the IT code list once it is rebuilt.
constexpr ui::ControlId kRestoredFirstPaymentIds[] = {IDC_ISS_FOP1};

constexpr ui::ControlId kRestoredAfterFirstPaymentIds[] = {
    IDC_ISS_FOP2,
    IDC_ISS_FOP2_GGR_CODE,
    IDC_ISS_FOP1_GGR_CODE,
    IDC_ISS_ENDORSE_TYPE,
    IDC_ISS_PRINTOPTION,
    IDC_ISS_SPLIT,
    IDC_ISS_EXCHG_AUTH_FORM,
    IDC_ISS_TRIPARTITE,
    IDC_ISS_OVERRIDE_ETKT,
    IDC_ISS_ETKT,
    IDC_ISS_GBA,
    IDC_ISS_FP_LINES,
    IDC_ISS_TYPE,
};

constexpr ui::ControlId kRestoredItCodeIds[] = {IDC_ISS_ITCODE_TYPE};

const std::vector<PersistedField> kSaved =
    PersistedIn(kFields, {kEditIds, kSecondPaymentEditIds, kExtendedPaymentIds, kSavedChoiceIds});
const std::vector<PersistedField> kRestoredBeforeFirstPayment =
    PersistedIn(kFields, {kEditIds, kExtendedPaymentIds, kSecondPaymentEditIds});
const std::vector<PersistedField> kRestoredFirstPayment =
    PersistedIn(kFields, kRestoredFirstPaymentIds);
const std::vector<PersistedField> kRestoredAfterFirstPayment =
    PersistedIn(kFields, kRestoredAfterFirstPaymentIds);
const std::vector<PersistedField> kRestoredItCode = PersistedIn(kFields, kRestoredItCodeIds);

}  // namespace

std::span<const Field> Fields() {
    return kFields;
}

std::span<const Caption> Captions() {
    return kCaptions;
}

const ListContents kTypes{kTypeEntries, "PopulateControls"};
const ListContents kFirstPayments{kFirstPaymentEntries, "populateFOP1"};
const ListContents kEndorsementTypes{kEndorsementTypeEntries, "populateEndorse"};
const ListContents kPrintingOptions{kPrintingOptionEntries, "populatePrintOption"};
const ListContents kSplitTicketing{kSplitTicketingEntries, "PopulateControls"};
const ListContents kItCodesOfNetTypes{kItCodeOfNetTypeEntries, "populateTourCode"};
const ListContents kItCodesWithoutType{kItCodeWithoutTypeEntries, "populateTourCode"};

ListContents SecondPayments(long firstPayment) {
    constexpr const char* kOperation = "onChange_ComboFOP1";
    switch (firstPayment) {
        case kCash:
            return {kBesideCash, kOperation};
        case kInvoiceToAgent:
        case kOtherPayment:
            return {kEmptyOnly, kOperation};
        case kCheque:
            return {kBesideCheque, kOperation};
        case kCreditCard:
            return {kBesideCard, kOperation};
        case kGovernmentRequest:
            return {kBesideGr, kOperation};
        case kGovernmentRequestOther:
            return {kBesideGgr, kOperation};
        default:
            return {{}, kOperation};
    }
}

std::span<const PersistedField> SavedFields() {
    return kSaved;
}

std::span<const PersistedField> RestoredBeforeFirstPayment() {
    return kRestoredBeforeFirstPayment;
}

std::span<const PersistedField> RestoredFirstPayment() {
    return kRestoredFirstPayment;
}

std::span<const PersistedField> RestoredAfterFirstPayment() {
    return kRestoredAfterFirstPayment;
}

std::span<const PersistedField> RestoredItCode() {
    return kRestoredItCode;
}

}  // namespace masks::issuance
