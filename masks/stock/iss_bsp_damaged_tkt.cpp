#include "masks/stock/iss_bsp_damaged_tkt.h"

#include <array>
#include <cstddef>

#include "framework/checks.h"
#include "framework/class_ids.h"
#include "framework/persistence.h"
#include "masks/catalog.h"
#include "resources/resource.h"
#include "widgets/standard_choosers.h"

namespace masks {
namespace {

using framework::Act;
using framework::Check;
using framework::PersistedField;
using framework::Stored;
using framework::When;
namespace check = framework::check;

// The ticket type: the kind of stock that was damaged, indexing the tables below.
enum Type : std::size_t { kOptatType, kAtb2Type, kTypeCount };

constexpr std::array<ui::ControlId, kTypeCount> kTypeRadios = {IDC_DAMAGED_OPTAT, IDC_DAMAGED_ATB2};

// The number field that identifies the stock of each type.
constexpr std::array<ui::ControlId, kTypeCount> kNumberField = {IDC_DAMAGED_TICKET,
                                                                IDC_DAMAGED_SCN};

// Only a ticked OPTAT button means OPTAT; anything else is ATB2.
constexpr framework::ChoiceSource kTicketType{framework::ChoiceSource::Kind::RadioGroup,
                                              kTypeRadios, kAtb2Type};

Type typeOf(const ui::Dialog& form) {
    return static_cast<Type>(framework::ReadChoice(form, kTicketType));
}

// The form in set-up order: a label (or a radio button set up as one) and the edit that
// follows it (0 for none), their texts and the edit's length.
struct Row {
    ui::ControlId label;
    ui::ControlId edit;
    const char* labelKey;
    const char* tooltipKey;
    int maxLength;
};

constexpr std::array<Row, 7> kRows = {{
    {IDC_DAMAGED_TYPE_LABEL, 0, "LAB_SATOTH_TICKTYPE", "TOOLTIP_BSP_DMGD_TKT_TYPE", 0},
    {IDC_DAMAGED_OPTAT, 0, "LAB_BSP_DMGD_TKT_OPTAT", "TOOLTIP_BSP_DMGD_TKT_OPTAT", 0},
    {IDC_DAMAGED_ATB2, 0, "LAB_BSP_DMGD_TKT_ATB2", "TOOLTIP_BSP_DMGD_TKT_ATB2", 0},
    {IDC_DAMAGED_SCN_LABEL, IDC_DAMAGED_SCN, "LAB_BSP_DMGD_TKT_SCN_NO",
     "TOOLTIP_BSP_DMGD_TKT_SCN_NO", 13},
    {IDC_DAMAGED_TICKET_LABEL, IDC_DAMAGED_TICKET, "LAB_RETPNR_TKTNUMBER",
     "TOOLTIP_BSP_DMGD_TKT_TKTNO", 10},
    {IDC_DAMAGED_SPOILED_LABEL, IDC_DAMAGED_SPOILED, "LAB_BSP_DMGD_TKT_NO_SPOILED_DOC",
     "TOOLTIP_BSP_DMGD_TKT_NO_SPOILED_DOC", 2},
    {IDC_DAMAGED_CHECK_DIGIT_LABEL, IDC_DAMAGED_CHECK_DIGIT, "LAB_BSP_DMGD_TKT_CHK_DGT",
     "TOOLTIP_BSP_DMGD_TKT_CHK_DGT", 1},
}};

// Ticket-type rule: the live number field and its label in the mandatory style. Disabling
// keeps the disabled field's text.
constexpr framework::Effect kTicketTypeEffects[] = {
    {IDC_DAMAGED_TICKET, Act::EnabledIf, When(kOptatType)},
    {IDC_DAMAGED_SCN, Act::EnabledIf, When(kAtb2Type)},
    {IDC_DAMAGED_TICKET_LABEL, Act::MandatoryIf, When(kOptatType)},
    {IDC_DAMAGED_SCN_LABEL, Act::MandatoryIf, When(kAtb2Type)},
};

constexpr framework::ChoiceRule kRules[] = {{kTicketType, kTicketTypeEffects}};

// The checks of the live number field; the field of the other type is never tested.
constexpr std::array<std::array<Check, 3>, kTypeCount> kNumberChecks = {{
    {
        check::Mandatory(IDC_DAMAGED_TICKET, "ERR_MAN_VOID_TKT_TKTNO_MANDATORY"),
        check::MinLength(IDC_DAMAGED_TICKET, 10, "ERR_MAN_VOID_TKT_TKT_NO_MINLEN"),
        check::Numeric(IDC_DAMAGED_TICKET, "ERR_MAN_VOID_TKT_TKTNO_NUM"),
    },
    {
        check::Mandatory(IDC_DAMAGED_SCN, "ERR_BSP_DMGD_TKT_SCN_NO_MANDATORY"),
        check::MinLength(IDC_DAMAGED_SCN, 13, "ERR_BSP_DMGD_TKT_SCN_NO_MINLEN"),
        check::Numeric(IDC_DAMAGED_SCN, "ERR_BSP_DMGD_TKT_SCN_NO_NUM"),
    },
}};

// The checks of both types, after the number's.
constexpr std::array<Check, 4> kSharedChecks = {
    check::Mandatory(IDC_DAMAGED_SPOILED, "ERR_BSP_DMGD_TKT_NO_SPOILED_DOC_NUM_MANDATORY"),
    check::Numeric(IDC_DAMAGED_SPOILED, "ERR_BSP_DMGD_TKT_NO_SPOILED_DOC_NUM"),
    check::Mandatory(IDC_DAMAGED_CHECK_DIGIT, "ERR_BSP_DMGD_TKT_CHK_DGT_MANDATORY"),
    check::NumericEx(IDC_DAMAGED_CHECK_DIGIT, "0", "ERR_BSP_DMGD_TKT_CHK_DGT_NUM"),
};

// The save pass by type: the number of the other type is written empty.
constexpr std::array<std::array<PersistedField, 6>, kTypeCount> kSaved = {{
    {{
        {Stored::CheckState, IDC_DAMAGED_OPTAT, "OPTAT"},
        {Stored::CheckState, IDC_DAMAGED_ATB2, "ATB2"},
        {Stored::EditText, IDC_DAMAGED_SPOILED, "NO_OF_SPOILED_DOC"},
        {Stored::EditText, IDC_DAMAGED_CHECK_DIGIT, "CHECK_DIGIT"},
        {Stored::EditText, IDC_DAMAGED_TICKET, "TICKET_NUMBER"},
        {Stored::Empty, 0, "SCN_NUMBER"},
    }},
    {{
        {Stored::CheckState, IDC_DAMAGED_OPTAT, "OPTAT"},
        {Stored::CheckState, IDC_DAMAGED_ATB2, "ATB2"},
        {Stored::EditText, IDC_DAMAGED_SPOILED, "NO_OF_SPOILED_DOC"},
        {Stored::EditText, IDC_DAMAGED_CHECK_DIGIT, "CHECK_DIGIT"},
        {Stored::Empty, 0, "TICKET_NUMBER"},
        {Stored::EditText, IDC_DAMAGED_SCN, "SCN_NUMBER"},
    }},
}};

// Recall: the type first, then (when a type came back) the four edits.
constexpr std::array<PersistedField, 2> kRestoredType = {{
    {Stored::CheckState, IDC_DAMAGED_OPTAT, "OPTAT"},
    {Stored::CheckState, IDC_DAMAGED_ATB2, "ATB2"},
}};

constexpr std::array<PersistedField, 4> kRestoredEdits = {{
    {Stored::EditText, IDC_DAMAGED_SCN, "SCN_NUMBER"},
    {Stored::EditText, IDC_DAMAGED_TICKET, "TICKET_NUMBER"},
    {Stored::EditText, IDC_DAMAGED_SPOILED, "NO_OF_SPOILED_DOC"},
    {Stored::EditText, IDC_DAMAGED_CHECK_DIGIT, "CHECK_DIGIT"},
}};

}  // namespace

const framework::MaskInfo CIssBSPDamagedTkt::kInfo = {
    .component = "IssBSPDamagedTkt",
    .helpSection = "CIssBSPDamagedTkt",
    .title = "BSP Manual Void Ticket (Damaged Tickets)",
    .form = {.form = IDD_ISSBSPDAMAGEDTKT,
             .buttons = {.send = IDC_DAMAGED_SEND,
                         .recall = IDC_DAMAGED_RECALL,
                         .clear = IDC_DAMAGED_CLEAR,
                         .cancel = IDC_DAMAGED_CANCEL,
                         .help = IDC_DAMAGED_HELP},
             .keys = framework::FormKeys::SendAndRecall,
             .rules = kRules},
    .profileSection = "TKT_ISSBSPDAMAGED_SECTION",
    .clsid = &ids::CLSID_IssBSPDamagedTkt,
    .iid = &ids::IID_IIssBSPDamagedTkt,
    .eventsIid = &ids::DIID__IIssBSPDamagedTktEvents,
    .hasInitParam = true,
    .logsLangPut = true,
    .keepsHostFields = true,
};

CIssBSPDamagedTkt::CIssBSPDamagedTkt() : ZenkorMaskT(widgets::standardChoosers()) {}

void CIssBSPDamagedTkt::SetupForm() {
    for (const Row& r : kRows) {
        controls().setupLabel(r.label, r.labelKey, r.tooltipKey, true);
        if (r.edit != 0)
            controls().setupEdit(r.edit, r.tooltipKey, r.maxLength);
    }
}

void CIssBSPDamagedTkt::AfterActivation() {
    form().setChecked(IDC_DAMAGED_OPTAT, true);
    ApplyChoiceRules();
}

bool CIssBSPDamagedTkt::RunChecks() {
    return framework::RunChecks(form(), kInfo.title, kNumberChecks[typeOf(form())]) &&
           framework::RunChecks(form(), kInfo.title, kSharedChecks);
}

std::string CIssBSPDamagedTkt::ComposeEntry(const ui::Dialog& form) {
    const Type type = typeOf(form);
    std::string entry = "ATCX/";
    entry += form.text(kNumberField[type]) + form.text(IDC_DAMAGED_CHECK_DIGIT);
    entry += "/" + form.text(IDC_DAMAGED_SPOILED);
    if (type == kAtb2Type)
        entry += "/S";
    return entry;
}

std::string CIssBSPDamagedTkt::BuildEntry() {
    return ComposeEntry(form());
}

void CIssBSPDamagedTkt::SaveProfile(framework::ProfilePass& pass) {
    pass.save(form(), kSaved[typeOf(form())]);
}

void CIssBSPDamagedTkt::RestoreProfile(framework::ProfilePass& pass) {
    pass.restore(form(), kRestoredType);
    if (!form().isChecked(IDC_DAMAGED_OPTAT) && !form().isChecked(IDC_DAMAGED_ATB2)) {
        ClearForm();
        return;
    }
    pass.restore(form(), kRestoredEdits);
    ApplyChoiceRules();
}

void CIssBSPDamagedTkt::ClearForm() {
    form().setChecked(IDC_DAMAGED_OPTAT, true);
    form().setChecked(IDC_DAMAGED_ATB2, false);
    MaskBase::ClearForm();
    ApplyChoiceRules();
}

HRESULT CreateIssBSPDamagedTkt(REFIID riid, void** ppv) {
    return CIssBSPDamagedTkt::Create(riid, ppv);
}

}  // namespace masks
