#include "masks/stock/iss_manual_void_tkt.h"

#include <array>

#include "framework/checks.h"
#include "framework/class_ids.h"
#include "framework/host_entry.h"
#include "framework/persistence.h"
#include "masks/catalog.h"
#include "resources/resource.h"
#include "widgets/standard_choosers.h"

namespace masks {
namespace {

using framework::Check;
using framework::ChooserSpec;
using framework::PersistedField;
using framework::Stored;
namespace check = framework::check;

// The eight fields in the order of the form: label, edit, texts, length, profile key.
struct Field {
    ui::ControlId label;
    ui::ControlId edit;
    const char* labelKey;
    const char* tooltipKey;
    int maxLength;
    const char* profileKey;
    bool link;
    ChooserSpec chooser;
};

const std::array<Field, 8> kFields = {{
    {IDC_MANVOID_AIRLINE_LABEL,
     IDC_MANVOID_AIRLINE,
     "LAB_MAN_VOID_TKT_AIRL_CODE",
     "TOOLTIP_MAN_VOID_TKT_AIRL_CODE",
     3,
     "AIRLINE_CODE",
     false,
     {}},
    {IDC_MANVOID_TICKET_LABEL,
     IDC_MANVOID_TICKET,
     "LAB_MAN_VOID_TKT_TKTNO",
     "TOOLTIP_MAN_VOID_TKT_TKTNO",
     13,
     "TICKET_NO",
     false,
     {}},
    {IDC_MANVOID_CURRENCY_LINK, IDC_MANVOID_CURRENCY, "LAB_CARQUOTE_PARAM_CURRENCYCODE",
     "TOOLTIP_MAN_VOID_TKT_CURR_CODE", 3, "CURRENCY_CODE", true,
     ChooserSpec::encoder("ENCODER_CURRENCY")},
    {IDC_MANVOID_FARE_LABEL,
     IDC_MANVOID_FARE,
     "LAB_MAN_VOID_TKT_TOTAL_FARE",
     "TOOLTIP_MAN_VOID_TKT_TOTAL_FARE",
     8,
     "TOTAL_FARE",
     false,
     {}},
    {IDC_MANVOID_LOCATOR_LABEL,
     IDC_MANVOID_LOCATOR,
     "LAB_MAN_VOID_TKT_PNR_LOCATOR",
     "TOOLTIP_MAN_VOID_TKT_PNR_LOCATOR",
     6,
     "PNR_LOCATOR",
     false,
     {}},
    {IDC_MANVOID_DATE_LINK, IDC_MANVOID_DATE, "LAB_MAN_VOID_TKT_DATE_OF_ISSUE",
     "TOOLTIP_MAN_VOID_TKT_DATE_OF_ISSUE", 5, "DATE_OF_ISSUE", true, ChooserSpec::date()},
    {IDC_MANVOID_PAYMENT_LABEL,
     IDC_MANVOID_PAYMENT,
     "LAB_MAN_VOID_TKT_FOP",
     "TOOLTIP_MAN_VOID_TKT_FOP",
     2,
     "FORM_OR_PAYMENT",
     false,
     {}},
    {IDC_MANVOID_ITINERARY_LABEL,
     IDC_MANVOID_ITINERARY,
     "LAB_MAN_VOID_TKT_ITNR_INDCTR",
     "TOOLTIP_MAN_VOID_TKT_ITNR_INDCTR",
     1,
     "ITINERARY_INDICATOR",
     false,
     {}},
}};

const std::array<PersistedField, 8> kProfile = [] {
    std::array<PersistedField, 8> fields{};
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        fields[i] = {Stored::EditText, kFields[i].edit, kFields[i].profileKey};
    }
    return fields;
}();

constexpr std::array<Check, 22> kChecks = {
    check::Mandatory(IDC_MANVOID_AIRLINE, "ERR_TKTREISSUE_EXTTKT1_MANDATORY_FIELD"),
    check::MinLength(IDC_MANVOID_AIRLINE, 3, "ERR_TKTREISSUE_EXTTKT1_MINVAL_FIELD"),
    check::Numeric(IDC_MANVOID_AIRLINE, "ERR_TKTREISSUE_EXTTKT1_NUM_FIELD"),
    check::Mandatory(IDC_MANVOID_TICKET, "ERR_MAN_VOID_TKT_TKTNO_MANDATORY"),
    check::MinLength(IDC_MANVOID_TICKET, 10, "ERR_MAN_VOID_TKT_TKT_NO_MINLEN"),
    check::NumericEx(IDC_MANVOID_TICKET, "-", "ERR_MAN_VOID_TKT_TKTNO_NUM"),
    check::Mandatory(IDC_MANVOID_CURRENCY, "ERR_SITACC_CURR_CODE_MANDATORY"),
    check::MinLength(IDC_MANVOID_CURRENCY, 3, "ERR_SAPBAS_CURRENCYCODE_MINVAL"),
    check::Alpha(IDC_MANVOID_CURRENCY, "ERR_CARQUOTE_CURRCODE_ALPHA"),
    check::Mandatory(IDC_MANVOID_FARE, "ERR_MAN_VOID_TKT_TOTAL_FARE_MANDATORY"),
    check::MinLength(IDC_MANVOID_FARE, 2, "ERR_MAN_VOID_TKT_TOTAL_FARE_MINLEN"),
    check::Numeric(IDC_MANVOID_FARE, "ERR_MAN_VOID_TKT_TOTAL_FARE_NUM"),
    check::Mandatory(IDC_MANVOID_LOCATOR, "ERR_RETPNR_LOCATOR_MANDATORY_FIELD"),
    check::MinLength(IDC_MANVOID_LOCATOR, 6, "ERR_RETPNR_LOCATOR_MINVAL_FIELD1"),
    check::Alpha(IDC_MANVOID_LOCATOR, "ERR_MAN_VOID_TKT_PNR_LOCATOR_ALPHA"),
    check::Mandatory(IDC_MANVOID_DATE, "ERR_TKTREISSUE_DATEOFISSUE_MANDATORY_FIELD"),
    check::Date(IDC_MANVOID_DATE, "ERR_SITAMILEAGE_DEPDATE_INVALID"),
    check::Mandatory(IDC_MANVOID_PAYMENT, "ERR_MAN_VOID_TKT_FOP_MANDATORY"),
    check::MinLength(IDC_MANVOID_PAYMENT, 2, "ERR_FOP_MINLEN"),
    check::Alpha(IDC_MANVOID_PAYMENT, "ERR_MAN_VOID_TKT_FOP_ALPHA"),
    check::Mandatory(IDC_MANVOID_ITINERARY, "ERR_MAN_VOID_TKT_ITNR_INDCTR_MANDATORY"),
    check::Alpha(IDC_MANVOID_ITINERARY, "ERR_MAN_VOID_TKT_ITNR_INDCTR_ALPHA"),
};

}  // namespace

const framework::MaskInfo CIssManualVoidTkt::kInfo = {
    .component = "IssManualVoidTkt",
    .helpSection = "CIssManualVoidTkt",
    .title = "BSP Manual Void Ticket (Manual Void)",
    .form = {.form = IDD_ISSMANUALVOIDTKT,
             .buttons = {.send = IDC_MANVOID_SEND,
                         .recall = IDC_MANVOID_RECALL,
                         .clear = IDC_MANVOID_CLEAR,
                         .cancel = IDC_MANVOID_CANCEL,
                         .help = IDC_MANVOID_HELP},
             .keys = framework::FormKeys::SendAndRecall},
    .profileSection = "TKT_ISSMANUALVOID_SECTION",
    .clsid = &ids::CLSID_IssManualVoidTkt,
    .iid = &ids::IID_IIssManualVoidTkt,
    .eventsIid = &ids::DIID__IIssManualVoidTktEvents,
    .hasInitParam = true,
    .logsLangPut = true,
    .keepsHostFields = true,
};

CIssManualVoidTkt::CIssManualVoidTkt() : ZenkorMaskT(widgets::standardChoosers()) {}

void CIssManualVoidTkt::SetupForm() {
    for (const Field& f : kFields) {
        if (!f.link)
            controls().setupLabel(f.label, f.labelKey, f.tooltipKey, true);
        controls().setupEdit(f.edit, f.tooltipKey, f.maxLength, f.chooser);
    }
    for (const Field& f : kFields) {
        if (f.link) {
            controls().setupLink(f.label, f.edit, f.labelKey, f.tooltipKey, true, f.chooser);
        }
    }
}

bool CIssManualVoidTkt::RunChecks() {
    return framework::RunChecks(form(), kInfo.title, kChecks);
}

std::string CIssManualVoidTkt::ComposeEntry(const ui::Dialog& form) {
    // A date of issue with a one-digit day (5JAN) gets its leading zero.
    std::string date = form.text(IDC_MANVOID_DATE);
    if (date.size() == 4)
        date.insert(0, "0");
    std::string entry = "WV";
    entry.append(framework::kItemSeparator);
    for (const std::string& piece :
         {form.text(IDC_MANVOID_AIRLINE), form.text(IDC_MANVOID_TICKET), std::string("/"),
          form.text(IDC_MANVOID_CURRENCY), form.text(IDC_MANVOID_FARE), std::string("/"),
          form.text(IDC_MANVOID_LOCATOR), std::string("/"), date, std::string("/"),
          form.text(IDC_MANVOID_PAYMENT), std::string("/"), form.text(IDC_MANVOID_ITINERARY)}) {
        entry.append(piece);
    }
    return entry;
}

std::string CIssManualVoidTkt::BuildEntry() {
    return ComposeEntry(form());
}

void CIssManualVoidTkt::SaveProfile(framework::ProfilePass& pass) {
    pass.save(form(), kProfile);
}

void CIssManualVoidTkt::RestoreProfile(framework::ProfilePass& pass) {
    pass.restore(form(), kProfile);
}

HRESULT CreateIssManualVoidTkt(REFIID riid, void** ppv) {
    return CIssManualVoidTkt::Create(riid, ppv);
}

}  // namespace masks
