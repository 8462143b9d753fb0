#include "masks/reissuance/reissue_form.h"

#include <algorithm>
#include <array>
#include <vector>

#include "resources/resource.h"

namespace masks::reissue {
namespace {

using framework::ChooserSpec;
using framework::ListEntry;
using framework::PersistedField;

constexpr FieldKind E = FieldKind::Edit;
constexpr FieldKind L = FieldKind::List;
constexpr FieldKind B = FieldKind::CheckBox;

// The date of issue takes the picked date as DDMMMYY and the card expiry as MMYY, the forms
// their checks ask for.
constexpr int kDdMmmYy = 3;
constexpr int kMmYy = 2;

// A field without a label of its own.
Field Plain(ui::ControlId id, FieldKind kind, const char* tooltipKey, int maxLength,
            const char* profileKey, ChooserSpec chooser = {}) {
    return {id, kind, LabelKind::None, 0, "", false, tooltipKey, maxLength, profileKey, chooser};
}

// A field with a label static.
Field Labelled(ui::ControlId id, FieldKind kind, ui::ControlId label, const char* labelKey,
               bool mandatory, const char* tooltipKey, int maxLength, const char* profileKey,
               ChooserSpec chooser = {}) {
    return {id,        kind,       LabelKind::Label, label,      labelKey,
            mandatory, tooltipKey, maxLength,        profileKey, chooser};
}

// A check box whose own caption is its label.
Field Box(ui::ControlId id, const char* captionKey, const char* tooltipKey,
          const char* profileKey) {
    return {id, B, LabelKind::Caption, id, captionKey, false, tooltipKey, 0, profileKey, {}};
}

const std::vector<Field> kFields = {
    // Header and payment.
    Labelled(IDC_REISS_CARRIER, E, IDC_REISS_CARRIER_LABEL, "_LAB_CARRIER", true,
             "TOOLTIP_TKTREISSUE_CARRIER", 2, "CARRIER", ChooserSpec::encoder("ENCODER_CARRIER")),
    Labelled(IDC_REISS_TFR, E, IDC_REISS_TFR_LABEL, "_LAB_TFR", false, "TOOLTIP_TKTREISSUE_TFR", 1,
             "TFR"),
    Labelled(IDC_REISS_NAMESELECT, E, IDC_REISS_NAMESELECT_LABEL, "LAB_TKTREISSUE_NAMESELECT",
             false, "TOOLTIP_TKTREISSUE_NAMESELECT", 23, "NAMESELECT"),
    Labelled(IDC_REISS_FOP, L, IDC_REISS_FOP_LABEL, "LAB_TKTREISSUE_FOP", true,
             "TOOLTIP_TKTREISSUE_FOP", 0, "LIST_ADDPAYMENT_GGR_CODE"),
    Plain(IDC_REISS_FOP1_ALINE_DATA, E, "TOOLTIP_TKTREISSUE_FOP1_ALINE_DATA", 15,
          "FOP1_ALINE_DATA"),
    Plain(IDC_REISS_FOP1_CC_TYPE, E, "TOOLTIP_TKTREISSUE_FOP1_CC_TYPE", 2, "FOP1_CC_TYPE",
          ChooserSpec::encoder("ENCODER_CREDIT_CARD_TYPE")),
    Plain(IDC_REISS_FOP1_GR_NBR, E, "TOOLTIP_TKTREISSUE_FOP1_GR_NBR", 20, "FOP1_GR_NBR"),
    Plain(IDC_REISS_FOP1_GGR_CODE, L, "", 0, "LIST_ITCODE"),
    Plain(IDC_REISS_FOP1_GGR_WRT_CDE, E, "TOOLTIP_TKTREISSUE_FOP1_GGR_WRT_CDE", 15,
          "FOP1_GGR_WRT_CDE"),
    Plain(IDC_REISS_FOP1_GGR_DBTOR_CDE, E, "TOOLTIP_TKTREISSUE_FOP1_GGR_DBTOR_CDE", 15,
          "FOP1_GGR_DBTOR_CDE"),
    Plain(IDC_REISS_FOP1_OTH, E, "TOOLTIP_TKTREISSUE_FOP1_OTH", 60, "FOP1_OTH"),
    Labelled(IDC_REISS_ADDPAYMENT, L, IDC_REISS_ADDPAYMENT_LABEL, "LAB_TKTREISSUE_ADDPAYMENT",
             false, "TOOLTIP_TKTREISSUE_ADDPAYMENT", 0, "LIST_ENDORSE"),
    Plain(IDC_REISS_ADDPAYMENT_CSH_ALDATA, E, "TOOLTIP_TKTREISSUE_ADDPAYMENT_CSH_ALDATA", 15,
          "ADDPAYMENT_CSH_ALDATA"),
    Plain(IDC_REISS_ADDPAYMENT_CSH_AMT, E, "TOOLTIP_TKTREISSUE_ADDPAYMENT_CSH_AMT", 15,
          "ADDPAYMENT_CSH_AMT"),
    Plain(IDC_REISS_ADDPAYMENT_INVAGT_AMT, E, "TOOLTIP_TKTREISSUE_ADDPAYMENT_INVAGT_AMT", 15,
          "ADDPAYMENT_INVAGT_AMT"),
    Plain(IDC_REISS_ADDPAYMENT_CHQ_AMT, E, "TOOLTIP_TKTREISSUE_ADDPAYMENT_CHQ_AMT", 15,
          "ADDPAYMENT_CHQ_AMT"),
    Plain(IDC_REISS_ADDPAYMENT_CC_TYPE, E, "TOOLTIP_TKTREISSUE_ADDPAYMENT_CC_TYPE", 2,
          "ADDPAYMENT_CC_TYPE", ChooserSpec::encoder("ENCODER_CREDIT_CARD_TYPE")),
    Plain(IDC_REISS_ADDPAYMENT_CC_NBR, E, "TOOLTIP_TKTREISSUE_ADDPAYMENT_CC_NBR", 16,
          "ADDPAYMENT_CC_NBR"),
    Plain(IDC_REISS_ADDPAYMENT_CC_EXPDATE, E, "TOOLTIP_TKTREISSUE_ADDPAYMENT_CC_EXPDATE", 4,
          "ADDPAYMENT_CC_EXPDATE", ChooserSpec::date(kMmYy)),
    Plain(IDC_REISS_ADDPAYMENT_CC_APPR_CDE, E, "TOOLTIP_TKTREISSUE_ADDPAYMENT_CC_APPR_CDE", 8,
          "ADDPAYMENT_CC_APPR_CDE"),
    Plain(IDC_REISS_ADDPAYMENT_CC_AMT, E, "TOOLTIP_TKTREISSUE_ADDPAYMENT_CC_AMT", 15,
          "ADDPAYMENT_CC_AMT"),
    Plain(IDC_REISS_ADDPAYMENT_GR_NBR, E, "TOOLTIP_TKTREISSUE_ADDPAYMENT_GR_NBR", 20,
          "ADDPAYMENT_GR_NBR"),
    Plain(IDC_REISS_ADDPAYMENT_GR_AMT, E, "TOOLTIP_TKTREISSUE_ADDPAYMENT_GR_AMT", 15,
          "ADDPAYMENT_GR_AMT"),
    Plain(IDC_REISS_ADDPAYMENT_GGR_CODE, L, "", 0, "LIST_PRINTOPTION"),
    Plain(IDC_REISS_ADDPAYMENT_GGR_WRT_CDE, E, "TOOLTIP_TKTREISSUE_ADDPAYMENT_GGR_WRT_CDE", 15,
          "ADDPAYMENT_GGR_WRT_CDE"),
    Plain(IDC_REISS_ADDPAYMENT_GGR_DBTOR_CDE, E, "TOOLTIP_TKTREISSUE_ADDPAYMENT_GGR_DBTOR_CDE", 15,
          "ADDPAYMENT_GGR_DBTOR_CDE"),
    Plain(IDC_REISS_OBJECTCODE, E, "TOOLTIP_TICKET_OBJECTCODE", 6, "TICKETREISS_OBJECTCODE2"),
    Plain(IDC_REISS_ADDPAYMENT_GGR_AMT, E, "TOOLTIP_TKTREISSUE_ADDPAYMENT_GGR_AMT", 15,
          "ADDPAYMENT_GGR_AMT"),
    Plain(IDC_REISS_ADDPAYMENT_OTH, E, "TOOLTIP_TKTREISSUE_ADDPAYMENT_OTH", 60, "ADDPAYMENT_OTH"),
    Plain(IDC_REISS_ADDPAYMENT_OTH_AMT, E, "TOOLTIP_TKTREISSUE_ADDPAYMENT_OTH_AMT", 15,
          "ADDPAYMENT_OTH_AMT"),
    Labelled(IDC_REISS_COMMISSION, E, IDC_REISS_COMMISSION_LABEL, "LAB_SAPBAS_COMMPERCENT", false,
             "TOOLTIP_TKTREISSUE_COMMISION", 5, "COMMISION"),
    Labelled(IDC_REISS_ENDORSE_TYPE, L, IDC_REISS_ENDORSE_TYPE_LABEL, "LAB_SAPBAS_ENDORSEMENT",
             false, "TOOLTIP_TKTREISSUE_ENDORSE", 0, "LIST_ADDPAYMENT"),
    // The endorsement lines' labels follow the endorsement type (the endorsement rule).
    Plain(IDC_REISS_ENDORSE1, E, "TOOLTIP_TKTREISSUE_ENDORSE_EDIT", 60, "ENDORSE1"),
    Plain(IDC_REISS_ENDORSE2, E, "TOOLTIP_TKTREISSUE_ENDORSE_EDIT", 29, "ENDORSE2"),
    Labelled(IDC_REISS_ITCODE_TYPE, L, IDC_REISS_ITCODE_LABEL, "LAB_SAPBAS_ITCODE", false,
             "TOOLTIP_TKTREISSUE_ITCODE", 0, "LIST_FOP"),
    Plain(IDC_REISS_ITCODE, E, "TOOLTIP_TKTREISSUE_ITCODE", 15, "ITCODE"),

    // Ticket, net remit and printing.
    Labelled(IDC_REISS_EXTKT1, E, IDC_REISS_EXTKT_LABEL, "LAB_TKTREISSUE_EXTKT", true,
             "TOOLTIP_TKTREISSUE_EXTKT1", 3, "EXTKT1"),
    Plain(IDC_REISS_EXTKT2, E, "TOOLTIP_TKTREISSUE_EXTKT2", 10, "EXTKT2"),
    Labelled(IDC_REISS_CPN, E, IDC_REISS_CPN_LABEL, "LAB_TKTREISSUE_CPN", true,
             "TOOLTIP_TKTREISSUE_CPN", 4, "CPN"),
    Labelled(IDC_REISS_2TKTCPN, E, IDC_REISS_2TKTCPN_LABEL, "LAB_TKTREISSUE_2TKTCPN", false,
             "TOOLTIP_TKTREISSUE_2TKTCPN", 4, "2TKTCPN"),
    Labelled(IDC_REISS_3TKTCPN, E, IDC_REISS_3TKTCPN_LABEL, "LAB_TKTREISSUE_3TKTCPN", false,
             "TOOLTIP_TKTREISSUE_3TKTCPN", 4, "3TKTCPN"),
    Labelled(IDC_REISS_IATA, E, IDC_REISS_IATA_LABEL, "LAB_TKTREISSUE_IATA", true,
             "TOOLTIP_TKTREISSUE_IATA", 8, "IATA"),
    Box(IDC_REISS_2TKTISSUE, "LAB_TKTREISSUE_CHECK_2TKTISSUE", "TOOLTIP_TKTREISSUE_2TKTISSUE",
        "2TKTISSUE"),
    Labelled(IDC_REISS_ORGTKT1, E, IDC_REISS_ORGTKT_LABEL, "LAB_TKTREISSUE_ORGTKT", false,
             "TOOLTIP_TKTREISSUE_ORGTKT1", 3, "ORGTKT1"),
    Plain(IDC_REISS_ORGTKT2, E, "TOOLTIP_TKTREISSUE_ORGTKT2", 10, "ORGTKT2"),
    {IDC_REISS_DATEOFISSUE, E, LabelKind::Link, IDC_REISS_DATEOFISSUE_LINK,
     "LAB_TKTREISSUE_DATEOFISSUE", true, "TOOLTIP_TKTREISSUE_DATEOFISSUE", 7, "DATEOFISSUE",
     ChooserSpec::date(kDdMmmYy)},
    Labelled(IDC_REISS_PLACEOFISSUE, E, IDC_REISS_PLACEOFISSUE_LABEL, "LAB_TKTREISSUE_PLACEOFISSUE",
             true, "TOOLTIP_TKTREISSUE_PLACEOFISSUE", 3, "PLACEOFISSUE",
             ChooserSpec::encoder("ENCODER_CITY")),
    Box(IDC_REISS_NETREMIT, "LAB_SAPBAS_NR", "TOOLTIP_SAPBAS_NRTKT", "NETREMIT"),
    Labelled(IDC_REISS_TRIPARTITE, E, IDC_REISS_TRIPARTITE_LABEL, "LAB_TKTREISSUE_TRIPARTITE_CODE",
             false, "TOOLTIP_TKTREISSUE_TRIPARTITE_CODE", 15, "TRIPARTITE_CODE"),
    Labelled(IDC_REISS_NETREMITAMT, E, IDC_REISS_NETREMITAMT_LABEL, "LAB_SAPBAS_NRAMT", false,
             "TOOLTIP_TKTREISSUE_NETREMITAMT", 8, "NETREMITAMT"),
    Labelled(IDC_REISS_NETCOMMISSION, E, IDC_REISS_NETCOMMISSION_LABEL, "LAB_SAPBAS_NCPERCENT",
             false, "TOOLTIP_TKTREISSUE_NETCOMMISION", 5, "NETCOMMISION"),
    Labelled(IDC_REISS_ALTCURRENCY, E, IDC_REISS_ALTCURRENCY_LABEL, "LAB_SAPBAS_ALTCURRENCY", false,
             "TOOLTIP_TKTREISSUE_ALTCURRENCY", 3, "ALTCURRENCY",
             ChooserSpec::encoder("ENCODER_CURRENCY")),
    Labelled(IDC_REISS_VALUE_CODE, E, IDC_REISS_VALUE_CODE_LABEL, "LAB_TKTREISSUE_VALUE_CODE",
             false, "TOOLTIP_TKTREISSUE_VALUE_CODE", 15, "VALUE_CODE"),
    Labelled(IDC_REISS_CONTRACT_CODE, E, IDC_REISS_CONTRACT_CODE_LABEL,
             "LAB_TKTREISSUE_CONTRACT_CODE", false, "TOOLTIP_TKTREISSUE_CONTRACT_CODE", 15,
             "CONTRACT_CODE"),
    Labelled(IDC_REISS_ETKT, B, IDC_REISS_ETKT_LABEL, "LAB_TKTREISSUE_ETKT", false,
             "TOOLTIP_TKTREISSUE_ETKT", 0, "ETKTG"),
    Labelled(IDC_REISS_OVERRIDE_ETKT, B, IDC_REISS_OVERRIDE_ETKT_LABEL,
             "LAB_TKTREISSUE_OVERRIDE_ETKTG", false, "TOOLTIP_TKTREISSUE_OVERRIDE_ETKTG", 0,
             "OVERRIDE_ETKTG"),
    Labelled(IDC_REISS_AGENTCOUPON, E, IDC_REISS_AGENTCOUPON_LABEL, "LAB_SATOTH_AGCOUPON", false,
             "TOOLTIP_TKTREISSUE_AGENTCOUPON", 1, "AGENTCOUPON"),
    Labelled(IDC_REISS_PASSRECEIPT, E, IDC_REISS_PASSRECEIPT_LABEL, "LAB_SATOTH_PASSRECEIPT", false,
             "TOOLTIP_TKTREISSUE_PASSRECEIPT", 1, "PASSRECEIPT"),
    Labelled(IDC_REISS_AUDITCOUPON, E, IDC_REISS_AUDITCOUPON_LABEL, "LAB_SATOTH_AUDITCOUPON", false,
             "TOOLTIP_TKTREISSUE_AUDITCOUPON", 1, "AUDITCOUPON"),
    Labelled(IDC_REISS_CCCHGFORM, E, IDC_REISS_CCCHGFORM_LABEL, "LAB_SATOTH_CRCHARGEFORM", false,
             "TOOLTIP_TKTREISSUE_CCCHGFORM", 1, "CCCHGFORM"),
    Labelled(IDC_REISS_EXCHG_AUTH_FORM, E, IDC_REISS_EXCHG_AUTH_FORM_LABEL,
             "LAB_TKTREISSUE_TKT_EXCHG_AUTH_FORM", false, "TOOLTIP_TKTREISSUE_TKT_EXCHG_AUTH_FORM",
             1, "TKTG_EXCHG_AUTH_FORM"),
    Labelled(IDC_REISS_PRINTOPTION, L, IDC_REISS_PRINTOPTION_LABEL, "LAB_SATOTH_PRNTOPTION", false,
             "TOOLTIP_TKTREISSUE_CARRIER_PRINTOPTION", 0, "LIST_FOP1_GGR_CODE"),
    Labelled(IDC_REISS_SPLIT, L, IDC_REISS_SPLIT_LABEL, "LAB_TKTREISSUE_SPLT_TKTG_TYPE", false,
             "TOOLTIP_TKTREISSUE_SPLT_TKTG_TYPE", 0, "SPLT_TKTG"),
};

constexpr std::array<Caption, 8> kCaptions = {{
    {IDC_REISS_PAYMENT_GROUP, "LAB_TKTREISSUE_GROUP_PAYMENT", ""},
    {IDC_REISS_TICKET_GROUP, "LAB_TKTREISSUE_GROUP_TICKET", ""},
    {IDC_REISS_NETREMIT_GROUP, "_LAB_NETREMIT_TKTG", "LAB_TKTREISSUE_GROUP_NETREMIT"},
    {IDC_REISS_SPLIT_GROUP, "LAB_TKTREISSUE_SPLT_TKTG", ""},
    {IDC_REISS_PRINTING_GROUP, "", ""},
    {IDC_REISS_COPIES_LABEL, "LAB_SATOTH_ADDCOPIES", "LAB_TKTREISSUE_SPADDCOPIES"},
    // Their texts follow the endorsement type.
    {IDC_REISS_ENDORSE1_LABEL, "", ""},
    {IDC_REISS_ENDORSE2_LABEL, "", ""},
}};

constexpr ListEntry kOriginalPaymentEntries[] = {
    {kCash, "DATA_TKTREISSUE_CASH"},
    {kCheque, "DATA_TKTREISSUE_CHEQUE"},
    {kCreditCard, "DATA_TKTREISSUE_CREDITCARD"},
    {kGovernmentRequest, "DATA_TKTREISSUE_GR"},
    {kGovernmentRequestOther, "DATA_TKTREISSUE_GGR"},
    {kInvoiceToAgent, "DATA_TKTREISSUE_INVAGT"},
    {kOtherPayment, "DATA_TKTREISSUE_OTHERS"},
};

constexpr ListEntry kAdditionalPaymentEntries[] = {
    {kNoPayment, ""},
    {kCash, "DATA_TKTREISSUE_CASH"},
    {kInvoiceToAgent, "DATA_TKTREISSUE_INVAGT"},
    {kCheque, "DATA_TKTREISSUE_CHEQUE"},
    {kCreditCard, "DATA_TKTREISSUE_CREDITCARD"},
    {kGovernmentRequest, "DATA_TKTREISSUE_GR"},
    {kGovernmentRequestOther, "DATA_TKTREISSUE_GGR"},
    {kOtherPayment, "DATA_TKTREISSUE_OTHERS"},
};

constexpr ListEntry kEndorsementTypeEntries[] = {
    {0, ""},
    {1, "DATA_TKTREISSUE_ED"},
    {2, "DATA_TKTREISSUE_EO"},
    {3, "DATA_TKTREISSUE_EO1"},
    {4, "DATA_TKTREISSUE_PR_DOMESTIC"},
};

constexpr ListEntry kItCodeWithoutNetRemitEntries[] = {
    {0, ""},
    {4, "DATA_TKTREISSUE_ITCODE1"},
    {5, "DATA_TKTREISSUE_ITCODE2"},
    {6, "DATA_TKTREISSUE_ITCODE3"},
    {7, "DATA_TKTREISSUE_ITCODE4"},
    {8, "DATA_TKTREISSUE_ITCODE5"},
};

constexpr ListEntry kItCodeWithNetRemitEntries[] = {
    {0, ""},
    {1, "DATA_TKTREISSUE_ITCODE5"},
    {2, "DATA_TKTREISSUE_ITCODE6"},
    {3, "DATA_TKTREISSUE_ITCODE7"},
};

constexpr ListEntry kPrintingOptionEntries[] = {
    {0, ""},
    {1, "DATA_TKTREISSUE_DPE"},
    {2, "DATA_TKTREISSUE_DPB"},
    {3, "DATA_TKTREISSUE_DP"},
    {4, "DATA_TKTREISSUE_DPO"},
    {5, "DATA_TKTREISSUE_DPI"},
};

constexpr ListEntry kSplitTicketingEntries[] = {
    {0, ""},
    {1, "DATA_TKTREISSUE_SPL_TKT_RA"},
    {2, "DATA_TKTREISSUE_SPL_TKT_RB"},
    {3, "DATA_TKTREISSUE_SPL_TKT_RC"},
    {4, "DATA_TKTREISSUE_SPL_TKT_RE"},
};

// Recall's order: the header and the payment details, then the two boxes that decide which
// lists and fields apply; after the net remit rule, the remaining edits, the lists, and last
// the fields that other fields' rules would otherwise empty.
constexpr ui::ControlId kRestoredFirstIds[] = {
    IDC_REISS_CARRIER,
    IDC_REISS_TFR,
    IDC_REISS_NAMESELECT,
    IDC_REISS_FOP1_ALINE_DATA,
    IDC_REISS_FOP1_CC_TYPE,
    IDC_REISS_FOP1_GR_NBR,
    IDC_REISS_FOP1_GGR_WRT_CDE,
    IDC_REISS_FOP1_GGR_DBTOR_CDE,
    IDC_REISS_FOP1_OTH,
    IDC_REISS_ADDPAYMENT_CSH_ALDATA,
    IDC_REISS_ADDPAYMENT_CSH_AMT,
    IDC_REISS_ADDPAYMENT_INVAGT_AMT,
    IDC_REISS_ADDPAYMENT_CHQ_AMT,
    IDC_REISS_ADDPAYMENT_CC_TYPE,
    IDC_REISS_ADDPAYMENT_CC_NBR,
    IDC_REISS_ADDPAYMENT_CC_EXPDATE,
    IDC_REISS_ADDPAYMENT_CC_APPR_CDE,
    IDC_REISS_ADDPAYMENT_CC_AMT,
    IDC_REISS_ADDPAYMENT_GR_NBR,
    IDC_REISS_ADDPAYMENT_GR_AMT,
    IDC_REISS_ADDPAYMENT_GGR_WRT_CDE,
    IDC_REISS_ADDPAYMENT_GGR_DBTOR_CDE,
    IDC_REISS_OBJECTCODE,
    IDC_REISS_ADDPAYMENT_GGR_AMT,
    IDC_REISS_ADDPAYMENT_OTH,
    IDC_REISS_2TKTISSUE,
    IDC_REISS_NETREMIT,
};

constexpr ui::ControlId kRestoredAfterNetRemitIds[] = {
    IDC_REISS_ADDPAYMENT_OTH_AMT,
    IDC_REISS_COMMISSION,
    IDC_REISS_ENDORSE1,
    IDC_REISS_ENDORSE2,
    IDC_REISS_ITCODE,
    IDC_REISS_EXTKT1,
    IDC_REISS_EXTKT2,
    IDC_REISS_CPN,
    IDC_REISS_2TKTCPN,
    IDC_REISS_3TKTCPN,
    IDC_REISS_IATA,
    IDC_REISS_ORGTKT1,
    IDC_REISS_ORGTKT2,
    IDC_REISS_DATEOFISSUE,
    IDC_REISS_PLACEOFISSUE,
    IDC_REISS_NETREMITAMT,
    IDC_REISS_NETCOMMISSION,
    IDC_REISS_ALTCURRENCY,
    IDC_REISS_AGENTCOUPON,
    IDC_REISS_PASSRECEIPT,
    IDC_REISS_AUDITCOUPON,
    IDC_REISS_CCCHGFORM,
    IDC_REISS_FOP,
    IDC_REISS_FOP1_GGR_CODE,
    IDC_REISS_ADDPAYMENT,
    IDC_REISS_ADDPAYMENT_GGR_CODE,
    IDC_REISS_ENDORSE_TYPE,
    IDC_REISS_ITCODE_TYPE,
    IDC_REISS_PRINTOPTION,
    IDC_REISS_SPLIT,
    IDC_REISS_EXCHG_AUTH_FORM,
    IDC_REISS_TRIPARTITE,
    IDC_REISS_OVERRIDE_ETKT,
    IDC_REISS_ETKT,
    IDC_REISS_VALUE_CODE,
    IDC_REISS_CONTRACT_CODE,
};

const std::vector<PersistedField> kSaved = AllPersisted(kFields);
const std::vector<PersistedField> kRestoredFirst = PersistedIn(kFields, kRestoredFirstIds);
const std::vector<PersistedField> kRestoredAfterNetRemit =
    PersistedIn(kFields, kRestoredAfterNetRemitIds);

}  // namespace

std::span<const Field> Fields() {
    return kFields;
}

std::span<const Caption> Captions() {
    return kCaptions;
}

const ListContents kOriginalPayments{kOriginalPaymentEntries, "populateFOP1"};
const ListContents kAdditionalPayments{kAdditionalPaymentEntries, "onChange_ComboFOP1"};
const ListContents kEndorsementTypes{kEndorsementTypeEntries, "populateEndorse"};
const ListContents kItCodesWithoutNetRemit{kItCodeWithoutNetRemitEntries, "populateITCode"};
const ListContents kItCodesWithNetRemit{kItCodeWithNetRemitEntries, "populateITCode"};
const ListContents kPrintingOptions{kPrintingOptionEntries, "populatePrintOption"};
const ListContents kSplitTicketing{kSplitTicketingEntries, "PopulateControls"};

std::span<const PersistedField> SavedFields() {
    return kSaved;
}

std::span<const PersistedField> RestoredFirst() {
    return kRestoredFirst;
}

std::span<const PersistedField> RestoredAfterNetRemit() {
    return kRestoredAfterNetRemit;
}

}  // namespace masks::reissue
