#include "masks/stock/iss_manual_void_tkt.h"

#include <array>

#include "framework/checks.h"
#include "framework/class_ids.h"
#include "framework/host_entry.h"
#include "framework/persistence.h"
#include "masks/catalog.h"
#include "widgets/standard_choosers.h"

namespace masks {
namespace {

using framework::Check;
using framework::ChooserSpec;
using framework::PersistedField;
using framework::Stored;
using framework::Test;

enum Control : ui::ControlId {
    kDateOfIssue = 838,
    kDateLink = 839,
    kItineraryIndicator = 840,
    kItineraryLabel = 841,
    kAirlineLabel = 847,
    kAirlineCode = 848,
    kCurrencyCode = 849,
    kCurrencyLink = 850,
    kRecordLocator = 851,
    kLocatorLabel = 852,
    kFormOfPayment = 853,
    kPaymentLabel = 854,
    kTicketNumber = 855,
    kTicketLabel = 856,
    kTotalFare = 857,
    kFareLabel = 858,
};

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
    {kAirlineLabel,
     kAirlineCode,
     "LAB_MAN_VOID_TKT_AIRL_CODE",
     "TOOLTIP_MAN_VOID_TKT_AIRL_CODE",
     3,
     "AIRLINE_CODE",
     false,
     {}},
    {kTicketLabel,
     kTicketNumber,
     "LAB_MAN_VOID_TKT_TKTNO",
     "TOOLTIP_MAN_VOID_TKT_TKTNO",
     13,
     "TICKET_NO",
     false,
     {}},
    {kCurrencyLink, kCurrencyCode, "LAB_CARQUOTE_PARAM_CURRENCYCODE",
     "TOOLTIP_MAN_VOID_TKT_CURR_CODE", 3, "CURRENCY_CODE", true,
     ChooserSpec::encoder("ENCODER_CURRENCY")},
    {kFareLabel,
     kTotalFare,
     "LAB_MAN_VOID_TKT_TOTAL_FARE",
     "TOOLTIP_MAN_VOID_TKT_TOTAL_FARE",
     8,
     "TOTAL_FARE",
     false,
     {}},
    {kLocatorLabel,
     kRecordLocator,
     "LAB_MAN_VOID_TKT_PNR_LOCATOR",
     "TOOLTIP_MAN_VOID_TKT_PNR_LOCATOR",
     6,
     "PNR_LOCATOR",
     false,
     {}},
    {kDateLink, kDateOfIssue, "LAB_MAN_VOID_TKT_DATE_OF_ISSUE",
     "TOOLTIP_MAN_VOID_TKT_DATE_OF_ISSUE", 5, "DATE_OF_ISSUE", true, ChooserSpec::date()},
    {kPaymentLabel,
     kFormOfPayment,
     "LAB_MAN_VOID_TKT_FOP",
     "TOOLTIP_MAN_VOID_TKT_FOP",
     2,
     "FORM_OR_PAYMENT",
     false,
     {}},
    {kItineraryLabel,
     kItineraryIndicator,
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

constexpr std::array<Check, 22> kChecks = {{
    {Test::Mandatory, kAirlineCode, "ERR_TKTREISSUE_EXTTKT1_MANDATORY_FIELD"},
    {Test::MinLength, kAirlineCode, "ERR_TKTREISSUE_EXTTKT1_MINVAL_FIELD", 3},
    {Test::Numeric, kAirlineCode, "ERR_TKTREISSUE_EXTTKT1_NUM_FIELD"},
    {Test::Mandatory, kTicketNumber, "ERR_MAN_VOID_TKT_TKTNO_MANDATORY"},
    {Test::MinLength, kTicketNumber, "ERR_MAN_VOID_TKT_TKT_NO_MINLEN", 10},
    {Test::NumericEx, kTicketNumber, "ERR_MAN_VOID_TKT_TKTNO_NUM", 0, "-"},
    {Test::Mandatory, kCurrencyCode, "ERR_SITACC_CURR_CODE_MANDATORY"},
    {Test::MinLength, kCurrencyCode, "ERR_SAPBAS_CURRENCYCODE_MINVAL", 3},
    {Test::Alpha, kCurrencyCode, "ERR_CARQUOTE_CURRCODE_ALPHA"},
    {Test::Mandatory, kTotalFare, "ERR_MAN_VOID_TKT_TOTAL_FARE_MANDATORY"},
    {Test::MinLength, kTotalFare, "ERR_MAN_VOID_TKT_TOTAL_FARE_MINLEN", 2},
    {Test::Numeric, kTotalFare, "ERR_MAN_VOID_TKT_TOTAL_FARE_NUM"},
    {Test::Mandatory, kRecordLocator, "ERR_RETPNR_LOCATOR_MANDATORY_FIELD"},
    {Test::MinLength, kRecordLocator, "ERR_RETPNR_LOCATOR_MINVAL_FIELD1", 6},
    {Test::Alpha, kRecordLocator, "ERR_MAN_VOID_TKT_PNR_LOCATOR_ALPHA"},
    {Test::Mandatory, kDateOfIssue, "ERR_TKTREISSUE_DATEOFISSUE_MANDATORY_FIELD"},
    {Test::Date, kDateOfIssue, "ERR_SITAMILEAGE_DEPDATE_INVALID"},
    {Test::Mandatory, kFormOfPayment, "ERR_MAN_VOID_TKT_FOP_MANDATORY"},
    {Test::MinLength, kFormOfPayment, "ERR_FOP_MINLEN", 2},
    {Test::Alpha, kFormOfPayment, "ERR_MAN_VOID_TKT_FOP_ALPHA"},
    {Test::Mandatory, kItineraryIndicator, "ERR_MAN_VOID_TKT_ITNR_INDCTR_MANDATORY"},
    {Test::Alpha, kItineraryIndicator, "ERR_MAN_VOID_TKT_ITNR_INDCTR_ALPHA"},
}};

}  // namespace

const framework::MaskInfo CIssManualVoidTkt::kInfo = {
    "IssManualVoidTkt",
    "CIssManualVoidTkt",
    "BSP Manual Void Ticket (Manual Void)",
    119,
    {842, 843, 844, 845, 846},
    "TKT_ISSMANUALVOID_SECTION",
    &ids::IID_IIssManualVoidTkt,
    &ids::DIID__IIssManualVoidTktEvents,
    true,
    true,
    true,
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
    std::string date = form.text(kDateOfIssue);
    if (date.size() == 4)
        date.insert(0, "0");
    std::string entry = "WV";
    entry.append(framework::kItemSeparator);
    for (const std::string& piece :
         {form.text(kAirlineCode), form.text(kTicketNumber), std::string("/"),
          form.text(kCurrencyCode), form.text(kTotalFare), std::string("/"),
          form.text(kRecordLocator), std::string("/"), date, std::string("/"),
          form.text(kFormOfPayment), std::string("/"), form.text(kItineraryIndicator)}) {
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

void CIssManualVoidTkt::RestoreProfile() {
    framework::ProfilePass(kInfo.profileSection).restore(form(), kProfile);
}

HRESULT CreateIssManualVoidTkt(REFIID riid, void** ppv) {
    return CIssManualVoidTkt::Create(riid, ppv);
}

}  // namespace masks
