#include "masks/skyfolio/ticketing_others.h"

#include <span>
#include <utility>

#include "framework/list_entries.h"
#include "framework/persistence.h"
#include "masks/common/ticketing_choice_rules.h"
#include "masks/skyfolio/skyfolio_form.h"
#include "resources/resource.h"

namespace masks::skyfolio {
namespace {

using framework::ListEntry;
using framework::PersistedField;
using framework::Stored;
using rows::Labelled;

constexpr FieldKind E = FieldKind::Edit;
constexpr FieldKind L = FieldKind::List;
constexpr FieldKind B = FieldKind::CheckBox;

// Each field with its label; the lists and boxes carry the label's tooltip. The profile passes
// name their own keys.
const Field kFields[] = {
    Labelled(IDC_OTH_RESTR1, L, IDC_OTH_RESTR1_LABEL, "LAB_SATOTH_RESTR1", "TOOLTIP_SATOTH_RESTR1",
             0, ""),
    Labelled(IDC_OTH_PERCENT1, E, IDC_OTH_PERCENT1_LABEL, "LAB_SATOTH_PERCENT",
             "TOOLTIP_SATOTH_PERCENT", 5, ""),
    Labelled(IDC_OTH_RESTR2, L, IDC_OTH_RESTR2_LABEL, "LAB_SATOTH_RESTR2", "TOOLTIP_SATOTH_RESTR2",
             0, ""),
    Labelled(IDC_OTH_PERCENT2, E, IDC_OTH_PERCENT2_LABEL, "LAB_SATOTH_PERCENT",
             "TOOLTIP_SATOTH_PERCENT", 5, ""),
    Labelled(IDC_OTH_ETKT, B, IDC_OTH_ETKT_LABEL, "LAB_SATOTH_ETKT", "TOOLTIP_SATOTH_ETKT", 0, ""),
    Labelled(IDC_OTH_OVERRIDE, B, IDC_OTH_OVERRIDE_LABEL, "LAB_SATOTH_OVERRIDE_ETKTG",
             "TOOLTIP_SATOTH_OVERRIDE_ETKTG", 0, ""),
    Labelled(IDC_OTH_AGCOUPON, E, IDC_OTH_AGCOUPON_LABEL, "LAB_SATOTH_AGCOUPON",
             "TOOLTIP_SATOTH_AGCOUPON", 1, ""),
    Labelled(IDC_OTH_PASSRECEIPT, E, IDC_OTH_PASSRECEIPT_LABEL, "LAB_SATOTH_PASSRECEIPT",
             "TOOLTIP_SATOTH_PASSRECEIPT", 1, ""),
    Labelled(IDC_OTH_AUDITCOUPON, E, IDC_OTH_AUDITCOUPON_LABEL, "LAB_SATOTH_AUDITCOUPON",
             "TOOLTIP_SATOTH_AUDITCOUPON", 1, ""),
    Labelled(IDC_OTH_CRCHARGEFORM, E, IDC_OTH_CRCHARGEFORM_LABEL, "LAB_SATOTH_CRCHARGEFORM",
             "TOOLTIP_SATOTH_CRCHARGEFORM", 1, ""),
    Labelled(IDC_OTH_EXCHG_AUTH, E, IDC_OTH_EXCHG_AUTH_LABEL, "LAB_SATOTH_TKT_EXCHG_AUTH_FORM",
             "TOOLTIP_SATOTH_TKT_EXCHG_AUTH_FORM", 1, ""),
    Labelled(IDC_OTH_PRNTOPTION, L, IDC_OTH_PRNTOPTION_LABEL, "LAB_SATOTH_PRNTOPTION",
             "TOOLTIP_SATOTH_PRNTOPTION", 0, ""),
    Labelled(IDC_OTH_SPLIT, L, IDC_OTH_SPLIT_LABEL, "LAB_SATOTH_SPLT_TKTG_TYPE",
             "TOOLTIP_SATOTH_SPLT_TKTG_TYPE", 0, ""),
};

constexpr Caption kCaptions[] = {
    {IDC_OTH_FRESTR_GROUP, "LAB_SATOTH_FRESTR", "LAB_SATOTH_FRESTR"},
    {IDC_OTH_ETKT_GROUP, "", ""},
    {IDC_OTH_ADDCOPIES_LABEL, "LAB_SATOTH_ADDCOPIES", "LAB_SATOTH_ADDCOPIES"},
    {IDC_OTH_SPLIT_GROUP, "LAB_SATOTH_SPLT_TKTG", "LAB_SATOTH_SPLT_TKTG"},
};

constexpr ListEntry kFirstRestrictionEntries[] = {
    {kNoRestriction, ""},
    {kExcludeFare, "DATA_SATOTH_EX_FR"},
    {kExcludePenalty, "DATA_SATOTH_EX_W_PN"},
    {kExcludeMinMax, "DATA_SATOTH_EX_W_MIN_MAX"},
    {kExcludeAbove, "DATA_SATOTH_EX_W_ABV_RST"},
};
constexpr ListEntry kPrintingOptionEntries[] = {
    {0, ""},
    {1, "DATA_SATOTH_PO_DPE"},
    {2, "DATA_SATOTH_PO_DPB"},
    {3, "DATA_SATOTH_PO_DP"},
    {4, "DATA_SATOTH_PO_DPO"},
    {5, "DATA_SATOTH_PO_DPI"},
};
constexpr ListEntry kSplitEntries[] = {
    {0, ""},
    {1, "DATA_SATOTH_SPL_TKT_RA"},
    {2, "DATA_SATOTH_SPL_TKT_RB"},
    {3, "DATA_SATOTH_SPL_TKT_RC"},
    {4, "DATA_SATOTH_SPL_TKT_RE"},
};

constexpr const char* kPopulate = "PopulateControls";
constexpr std::pair<ui::ControlId, ListContents> kLists[] = {
    {IDC_OTH_RESTR1, {kFirstRestrictionEntries, kPopulate}},
    // The second restriction has no "above" entry.
    {IDC_OTH_RESTR2, {std::span(kFirstRestrictionEntries).first(4), kPopulate}},
    {IDC_OTH_PRNTOPTION, {kPrintingOptionEntries, kPopulate}},
    {IDC_OTH_SPLIT, {kSplitEntries, kPopulate}},
};

constexpr PrintingControls kPrinting = {
    IDC_OTH_OVERRIDE,
    IDC_OTH_PRNTOPTION,
    {IDC_OTH_AGCOUPON, IDC_OTH_PASSRECEIPT, IDC_OTH_AUDITCOUPON, IDC_OTH_CRCHARGEFORM,
     IDC_OTH_EXCHG_AUTH},
};
constexpr auto kPrintingOptionEffects = PrintOptionEffects(kPrinting);
constexpr auto kElectronicTicketingEffects = ElectronicTicketingEffects(kPrinting);

// The keys of the first three do not name their fields: profiles already written pair them
// so, and both passes keep the pairing.
constexpr PersistedField kSaved[] = {
    {Stored::ListChoice, IDC_OTH_PRNTOPTION, "RESTR1"},
    {Stored::ListChoice, IDC_OTH_RESTR1, "RESTR2"},
    {Stored::ListChoice, IDC_OTH_RESTR2, "PROPTION"},
    {Stored::EditText, IDC_OTH_PERCENT1, "PERCENT1"},
    {Stored::EditText, IDC_OTH_PERCENT2, "PERCENT2"},
    {Stored::EditText, IDC_OTH_AGCOUPON, "AGCOUPON"},
    {Stored::EditText, IDC_OTH_PASSRECEIPT, "PASSRECEIPT"},
    {Stored::EditText, IDC_OTH_AUDITCOUPON, "AUDITCOUPON"},
    {Stored::EditText, IDC_OTH_CRCHARGEFORM, "CRCHARGEFORM"},
    {Stored::EditText, IDC_OTH_EXCHG_AUTH, "TKTG_EXCHG_AUTH_FORM"},
    {Stored::ListChoice, IDC_OTH_SPLIT, "SPLT_TKTG"},
    {Stored::CheckState, IDC_OTH_OVERRIDE, "OVERRIDE_ETKTG"},
    {Stored::CheckState, IDC_OTH_ETKT, "ETKTG"},
};

// Cleared by Clear besides the lists and the ticketing box (the exchange form follows the box).
constexpr ui::ControlId kCleared[] = {IDC_OTH_PERCENT1,    IDC_OTH_PERCENT2,
                                      IDC_OTH_AGCOUPON,    IDC_OTH_PASSRECEIPT,
                                      IDC_OTH_AUDITCOUPON, IDC_OTH_CRCHARGEFORM};

}  // namespace

const framework::SubDialogInfo CTicketingOthers::kInfo = {
    .component = "CTicketingOthers",
    .helpSection = "CTicketingOthers",
    .profileSection = "TKT_OTHER_SECTION",
    .form = {.form = IDD_SKY_OTHERS, .buttons = kSubDialogButtons},
};

void CTicketingOthers::SetupForm() {
    SetUpFields(form(), controls(), kFields, kCaptions);
}

void CTicketingOthers::AfterActivation() {
    for (const auto& [list, contents] : kLists) {
        Populate(form(), list, contents, owner().log(), kInfo.component);
        form().select(list, 0);
    }
    form().setChecked(IDC_OTH_ETKT, false);
    form().setChecked(IDC_OTH_OVERRIDE, false);
    RestrictionRule();
    ElectronicTicketingRule();
}

const framework::Trigger<CTicketingOthers> CTicketingOthers::kTriggers[] = {
    {IDC_OTH_RESTR1, ui::Notify::SelChange, &CTicketingOthers::RestrictionRule},
    {IDC_OTH_RESTR2, ui::Notify::SelChange, &CTicketingOthers::RestrictionRule},
    {IDC_OTH_PRNTOPTION, ui::Notify::SelChange, &CTicketingOthers::PrintingOptionRule},
    {IDC_OTH_ETKT, ui::Notify::Clicked, &CTicketingOthers::ElectronicTicketingRule},
};

void CTicketingOthers::OnFormCommand(ui::ControlId id, ui::Notify code) {
    framework::RunTrigger<CTicketingOthers>(kTriggers, *this, id, code);
}

void CTicketingOthers::Close(ui::ControlId id) {
    form().enable(id, false);
    if (form().kind(id) == ui::ControlKind::Combo)
        form().select(id, 0);
    else if (form().kind(id) == ui::ControlKind::CheckBox)
        form().setChecked(id, false);
    else
        form().setText(id, "");
}

void CTicketingOthers::RestrictionRule() {
    const long first = framework::SelectedCode(form(), IDC_OTH_RESTR1);
    if (first == kExcludeAbove)
        Close(IDC_OTH_RESTR2);
    else
        form().enable(IDC_OTH_RESTR2, true);
    if (first == kExcludePenalty)
        form().enable(IDC_OTH_PERCENT1, true);
    else
        Close(IDC_OTH_PERCENT1);
    const long second = framework::SelectedCode(form(), IDC_OTH_RESTR2);
    if (first != kExcludeAbove && second == kExcludePenalty)
        form().enable(IDC_OTH_PERCENT2, true);
    else
        Close(IDC_OTH_PERCENT2);
}

void CTicketingOthers::PrintingOptionRule() {
    // Any choice opens the copies, also none.
    framework::ApplyEffects(form(), controls(), kPrintingOptionEffects, 0, false);
}

void CTicketingOthers::ElectronicTicketingRule() {
    framework::ApplyEffects(form(), controls(), kElectronicTicketingEffects,
                            form().isChecked(IDC_OTH_ETKT) ? 1 : 0, false);
}

void CTicketingOthers::ApplyRules() {
    RestrictionRule();
    PrintingOptionRule();
    ElectronicTicketingRule();
}

void CTicketingOthers::ClearForm() {
    for (ui::ControlId list : {IDC_OTH_PRNTOPTION, IDC_OTH_RESTR1, IDC_OTH_RESTR2})
        form().select(list, 0);
    for (ui::ControlId id : kCleared)
        form().setText(id, "");
    form().setChecked(IDC_OTH_ETKT, false);
    ElectronicTicketingRule();
    form().select(IDC_OTH_SPLIT, 0);
    ApplyRules();
}

void CTicketingOthers::SaveProfile(framework::ProfilePass& pass) {
    pass.save(form(), kSaved);
}

void CTicketingOthers::RestoreProfile(framework::ProfilePass& pass) {
    pass.restore(form(), kSaved);
    ApplyRules();
}

}  // namespace masks::skyfolio
