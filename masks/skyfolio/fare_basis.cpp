#include "masks/skyfolio/fare_basis.h"

#include <algorithm>

#include "framework/list_entries.h"
#include "framework/persistence.h"
#include "masks/skyfolio/skyfolio_form.h"

namespace masks::skyfolio {
namespace {

using framework::RowKey;
using framework::Stored;

// The discount value's limits: a percentage takes 5 characters, an amount 6.
constexpr int kPercentLength = 5;
constexpr int kAmountLength = 6;

struct Column {
    FareBasisColumn column;
    const char* tooltipKey;
    int maxLength;
};

constexpr Column kEditColumns[] = {
    {kBagSegment, "TOOLTIP_SATFB_SEG", 20},
    {kBagAllowance, "TOOLTIP_SATFB_BAGALLOW", 3},
    {kFareSegment, "TOOLTIP_SATFB_SEG", 20},
    {kFareBasis, "TOOLTIP_SATFB_FBASIS", 8},
    {kUniqueFareBasis, "TOOLTIP_SATFB_UFBASIS", 8},
    {kTicketDesignator, "TOOLTIP_SATFB_TKTDESIG", 8},
    {kDiscountValue, "TOOLTIP_SATFB_DISCAMT", kAmountLength},
};

constexpr Caption kHeaders[] = {
    {IDC_FB_BAGSEG_LABEL, "LAB_SATFB_SEG1", "TOOLTIP_SATFB_SEG"},
    {IDC_FB_BAGALLOW_LABEL, "LAB_SATFB_BAGALLOW", "TOOLTIP_SATFB_BAGALLOW"},
    {IDC_FB_SEG_LABEL, "LAB_SATFB_SEG1", "TOOLTIP_SATFB_SEG"},
    {IDC_FB_FAREBASIS_LABEL, "_LAB_FARE_BASIS", "TOOLTIP_SATFB_FBASIS"},
    {IDC_FB_UFAREBASIS_LABEL, "LAB_SATFB_UFAREBASIS", "TOOLTIP_SATFB_UFBASIS"},
    {IDC_FB_TKTDESIG_LABEL, "LAB_SATFB_TKTGDESIG", "TOOLTIP_SATFB_TKTDESIG"},
    {IDC_FB_DISCOUNT_LABEL, "LAB_SATFB_DISC", "TOOLTIP_SATFB_SEG"},
};

constexpr framework::ListEntry kDiscountEntries[] = {
    {kNoDiscount, ""},
    {kPercentDiscount, "DATA_DISC_PER"},
    {kAmountDiscount, "DATA_DISC_AMT"},
};
const ListContents kDiscountTypes{kDiscountEntries, "PopulateControls"};

// Every discount type first; then row by row, with the bag and fare segments of row k
// stored as SEG(2k-1) and SEG(2k).
const framework::FieldTable kSaved = [] {
    framework::FieldTable table;
    table.addColumn(kFareBasisRows, {Stored::ListChoice, kDiscountType, "IDC_SATFB_EDIT_DISCOUNT"});
    table.addRows(kFareBasisRows, {
                                      RowKey{Stored::EditText, kBagSegment, "SEG", 2, -1},
                                      RowKey{Stored::EditText, kBagAllowance, "BAGALLOW"},
                                      RowKey{Stored::EditText, kFareSegment, "SEG", 2, 0},
                                      RowKey{Stored::EditText, kFareBasis, "FAREBASIS"},
                                      RowKey{Stored::EditText, kUniqueFareBasis, "UFAREBASIS"},
                                      RowKey{Stored::EditText, kTicketDesignator, "TKTGDESIGNATOR"},
                                      RowKey{Stored::EditText, kDiscountValue, "DISCOUNT_VAL"},
                                  });
    return table;
}();

}  // namespace

const framework::SubDialogInfo CTicketFareBasis::kInfo = {
    .component = "CTicketFareBasis",
    .helpSection = "CTicketFareBasis",
    .profileSection = "TKT_FB_SECTION",
    .form = {.form = IDD_SKY_FAREBASIS, .buttons = kSubDialogButtons},
};

void CTicketFareBasis::SetupForm() {
    for (const Caption& h : kHeaders)
        controls().setupLabel(h.id, h.labelKey, h.tooltipKey, false);
    for (const FareBasisRow& row : kFareBasisRows) {
        for (const Column& c : kEditColumns)
            controls().setupEdit(row[c.column], c.tooltipKey, c.maxLength);
    }
}

void CTicketFareBasis::AfterActivation() {
    for (const FareBasisRow& row : kFareBasisRows) {
        Populate(form(), row[kDiscountType], kDiscountTypes, owner().log(), kInfo.component);
        form().select(row[kDiscountType], 0);
    }
    EveryDiscountTypeChanged();
}

void CTicketFareBasis::BeforeShow() {
    ApplyBagAllowance();
}

void CTicketFareBasis::ApplyBagAllowance() {
    ui::Dialog* mask = maskForm();
    const bool ticked = mask != nullptr && mask->isChecked(IDC_SKY_BAGALLOW);
    for (const FareBasisRow& row : kFareBasisRows) {
        for (FareBasisColumn column : {kBagSegment, kBagAllowance}) {
            form().enable(row[column], ticked);
            if (!ticked && !restoring())
                form().setText(row[column], "");
        }
    }
}

void CTicketFareBasis::OnFormCommand(ui::ControlId id, ui::Notify code) {
    if (code != ui::Notify::SelChange)
        return;
    const auto row = std::find_if(kFareBasisRows.begin(), kFareBasisRows.end(),
                                  [id](const FareBasisRow& r) { return r[kDiscountType] == id; });
    if (row != kFareBasisRows.end())
        DiscountTypeChanged(*row);
}

void CTicketFareBasis::DiscountTypeChanged(const FareBasisRow& row) {
    const long type = framework::SelectedCode(form(), row[kDiscountType]);
    if (type == kAmountDiscount)
        controls().setTooltip(row[kDiscountValue], "TOOLTIP_SATFB_DISCAMT");
    else if (type == kPercentDiscount)
        controls().setTooltip(row[kDiscountValue], "TOOLTIP_SATFB_DISCPER");
    SingleAmountRule();
    form().setLimit(row[kDiscountValue], type == kPercentDiscount ? kPercentLength : kAmountLength);
    if (!restoring())
        form().setText(row[kDiscountValue], "");
}

void CTicketFareBasis::EveryDiscountTypeChanged() {
    for (const FareBasisRow& row : kFareBasisRows)
        DiscountTypeChanged(row);
}

void CTicketFareBasis::SingleAmountRule() {
    const auto amount =
        std::find_if(kFareBasisRows.begin(), kFareBasisRows.end(), [this](const FareBasisRow& r) {
            return framework::SelectedCode(form(), r[kDiscountType]) == kAmountDiscount;
        });
    for (auto row = kFareBasisRows.begin(); row != kFareBasisRows.end(); ++row) {
        bool open = true;
        if (amount == kFareBasisRows.end()) {
            open = framework::SelectedCode(form(), (*row)[kDiscountType]) > kNoDiscount;
            form().enable((*row)[kDiscountType], true);
        } else {
            open = row == amount;
            if (!open)
                form().select((*row)[kDiscountType], 0);
            form().enable((*row)[kDiscountType], open);
        }
        form().enable((*row)[kDiscountValue], open);
    }
}

void CTicketFareBasis::ClearForm() {
    for (const FareBasisRow& row : kFareBasisRows)
        form().select(row[kDiscountType], 0);
    SubDialog::ClearForm();
    EveryDiscountTypeChanged();
}

void CTicketFareBasis::SaveProfile(framework::ProfilePass& pass) {
    pass.save(form(), kSaved);
}

void CTicketFareBasis::RestoreProfile(framework::ProfilePass& pass) {
    pass.restore(form(), kSaved);
    EveryDiscountTypeChanged();
    ApplyBagAllowance();
}

}  // namespace masks::skyfolio
