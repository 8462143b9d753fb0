#include "masks/skyfolio/valid_dates.h"

#include "framework/persistence.h"
#include "masks/skyfolio/skyfolio_form.h"
#include "masks/skyfolio/validity_lines.h"

namespace masks::skyfolio {
namespace {

using framework::RowKey;
using framework::Stored;

// The month picker writes DDMMMYY.
constexpr int kDdMmmYy = 3;

const framework::FieldTable kSaved = [] {
    framework::FieldTable table;
    table.addRows(kValidityDatesRows, {
                                          RowKey{Stored::EditText, kSegment, "SEG"},
                                          RowKey{Stored::EditText, kMinimumDate, "MINDATE"},
                                          RowKey{Stored::EditText, kMaximumDate, "MAXDATE"},
                                      });
    return table;
}();

}  // namespace

const framework::SubDialogInfo CTicketingValidDates::kInfo = {
    .component = "CTicketingValidDates",
    .helpSection = "CTicketingValidDates",
    .profileSection = "TKT_VD_SECTION",
    .form = {.form = IDD_SKY_VALIDDATES, .buttons = kSubDialogButtons},
};

void CTicketingValidDates::SetupForm() {
    const framework::ChooserSpec date = framework::ChooserSpec::date(kDdMmmYy);
    controls().setupLabel(IDC_VD_SEG_LABEL, "LAB_SATFB_SEG1", "TOOLTIP_SATVD_SEG", false);
    controls().setupLink(IDC_VD_MINDATE_LINK, kValidityDatesRows[0][kMinimumDate],
                         "LAB_SATVD_MINDATE", "TOOLTIP_SATVD_MINDATE", false, date);
    controls().setupLink(IDC_VD_MAXDATE_LINK, kValidityDatesRows[0][kMaximumDate],
                         "LAB_SATVD_MAXDATE", "TOOLTIP_SATVD_MAXDATE", false, date);
    for (const ValidityDatesRow& row : kValidityDatesRows) {
        controls().setupEdit(row[kSegment], "TOOLTIP_SATVD_SEG", 20);
        controls().setupEdit(row[kMinimumDate], "TOOLTIP_SATVD_MINDATE", 7, date);
        controls().setupEdit(row[kMaximumDate], "TOOLTIP_SATVD_MAXDATE", 7, date);
    }
}

void CTicketingValidDates::BeforeShow() {
    FillFromResponse();
}

void CTicketingValidDates::FillFromResponse() {
    if (response_.empty())
        return;
    ClearForm();
    const std::vector<ValidityRow> rows = ReadValidityRows(response_, kValidityDatesRows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const ValidityDatesRow& row = kValidityDatesRows[i];
        form().setText(row[kSegment], rows[i].segment);
        form().setText(row[kMinimumDate], rows[i].minimum);
        form().setText(row[kMaximumDate], rows[i].maximum);
    }
}

void CTicketingValidDates::SaveProfile(framework::ProfilePass& pass) {
    pass.save(form(), kSaved);
}

void CTicketingValidDates::RestoreProfile(framework::ProfilePass& pass) {
    pass.restore(form(), kSaved);
}

}  // namespace masks::skyfolio
