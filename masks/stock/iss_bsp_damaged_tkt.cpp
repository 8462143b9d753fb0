#include "masks/stock/iss_bsp_damaged_tkt.h"

#include <array>
#include <cstddef>

#include "framework/checks.h"
#include "framework/class_ids.h"
#include "framework/persistence.h"
#include "masks/catalog.h"
#include "widgets/standard_choosers.h"

namespace masks {
namespace {

using framework::Check;
using framework::PersistedField;
using framework::Stored;
using framework::Test;

enum Control : ui::ControlId {
    kTypeLabel = 859,
    kOptat = 860,
    kAtb2 = 861,
    kScnLabel = 862,
    kScnNumber = 863,
    kTicketNumber = 864,
    kTicketLabel = 865,
    kSpoiledDocuments = 866,
    kSpoiledLabel = 867,
    kCheckDigit = 868,
    kCheckDigitLabel = 869,
};

// The ticket type: the kind of stock that was damaged, indexing the tables below.
enum Type : std::size_t { kOptatType, kAtb2Type, kTypeCount };

constexpr std::array<ui::ControlId, kTypeCount> kTypeRadios = {kOptat, kAtb2};

// The number field that identifies the stock of each type.
constexpr std::array<ui::ControlId, kTypeCount> kNumberField = {kTicketNumber, kScnNumber};

// Only a ticked OPTAT button means OPTAT; anything else is ATB2.
Type typeOf(const ui::Dialog& form) {
    return form.isChecked(kOptat) ? kOptatType : kAtb2Type;
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
    {kTypeLabel, 0, "LAB_SATOTH_TICKTYPE", "TOOLTIP_BSP_DMGD_TKT_TYPE", 0},
    {kOptat, 0, "LAB_BSP_DMGD_TKT_OPTAT", "TOOLTIP_BSP_DMGD_TKT_OPTAT", 0},
    {kAtb2, 0, "LAB_BSP_DMGD_TKT_ATB2", "TOOLTIP_BSP_DMGD_TKT_ATB2", 0},
    {kScnLabel, kScnNumber, "LAB_BSP_DMGD_TKT_SCN_NO", "TOOLTIP_BSP_DMGD_TKT_SCN_NO", 13},
    {kTicketLabel, kTicketNumber, "LAB_RETPNR_TKTNUMBER", "TOOLTIP_BSP_DMGD_TKT_TKTNO", 10},
    {kSpoiledLabel, kSpoiledDocuments, "LAB_BSP_DMGD_TKT_NO_SPOILED_DOC",
     "TOOLTIP_BSP_DMGD_TKT_NO_SPOILED_DOC", 2},
    {kCheckDigitLabel, kCheckDigit, "LAB_BSP_DMGD_TKT_CHK_DGT", "TOOLTIP_BSP_DMGD_TKT_CHK_DGT", 1},
}};

// What the ticket type switches: per control, whether it is live under OPTAT and under ATB2
// (an edit enabled, a label in the mandatory style).
struct ByType {
    ui::ControlId id;
    std::array<bool, kTypeCount> on;
};

constexpr std::array<ByType, 2> kEnabledEdits = {{
    {kTicketNumber, {true, false}},
    {kScnNumber, {false, true}},
}};

constexpr std::array<ByType, 2> kMandatoryLabels = {{
    {kTicketLabel, {true, false}},
    {kScnLabel, {false, true}},
}};

// The checks of the live number field; the field of the other type is never tested.
constexpr std::array<std::array<Check, 3>, kTypeCount> kNumberChecks = {{
    {{
        {Test::Mandatory, kTicketNumber, "ERR_MAN_VOID_TKT_TKTNO_MANDATORY"},
        {Test::MinLength, kTicketNumber, "ERR_MAN_VOID_TKT_TKT_NO_MINLEN", 10},
        {Test::Numeric, kTicketNumber, "ERR_MAN_VOID_TKT_TKTNO_NUM"},
    }},
    {{
        {Test::Mandatory, kScnNumber, "ERR_BSP_DMGD_TKT_SCN_NO_MANDATORY"},
        {Test::MinLength, kScnNumber, "ERR_BSP_DMGD_TKT_SCN_NO_MINLEN", 13},
        {Test::Numeric, kScnNumber, "ERR_BSP_DMGD_TKT_SCN_NO_NUM"},
    }},
}};

// The checks of both types, after the number's.
constexpr std::array<Check, 4> kSharedChecks = {{
    {Test::Mandatory, kSpoiledDocuments, "ERR_BSP_DMGD_TKT_NO_SPOILED_DOC_NUM_MANDATORY"},
    {Test::Numeric, kSpoiledDocuments, "ERR_BSP_DMGD_TKT_NO_SPOILED_DOC_NUM"},
    {Test::Mandatory, kCheckDigit, "ERR_BSP_DMGD_TKT_CHK_DGT_MANDATORY"},
    {Test::NumericEx, kCheckDigit, "ERR_BSP_DMGD_TKT_CHK_DGT_NUM", 0, "0"},
}};

// The save pass by type: the number of the other type is written empty.
constexpr std::array<std::array<PersistedField, 6>, kTypeCount> kSaved = {{
    {{
        {Stored::CheckState, kOptat, "OPTAT"},
        {Stored::CheckState, kAtb2, "ATB2"},
        {Stored::EditText, kSpoiledDocuments, "NO_OF_SPOILED_DOC"},
        {Stored::EditText, kCheckDigit, "CHECK_DIGIT"},
        {Stored::EditText, kTicketNumber, "TICKET_NUMBER"},
        {Stored::Empty, 0, "SCN_NUMBER"},
    }},
    {{
        {Stored::CheckState, kOptat, "OPTAT"},
        {Stored::CheckState, kAtb2, "ATB2"},
        {Stored::EditText, kSpoiledDocuments, "NO_OF_SPOILED_DOC"},
        {Stored::EditText, kCheckDigit, "CHECK_DIGIT"},
        {Stored::Empty, 0, "TICKET_NUMBER"},
        {Stored::EditText, kScnNumber, "SCN_NUMBER"},
    }},
}};

// Recall: the type first, then (when a type came back) the four edits.
constexpr std::array<PersistedField, 2> kRestoredType = {{
    {Stored::CheckState, kOptat, "OPTAT"},
    {Stored::CheckState, kAtb2, "ATB2"},
}};

constexpr std::array<PersistedField, 4> kRestoredEdits = {{
    {Stored::EditText, kScnNumber, "SCN_NUMBER"},
    {Stored::EditText, kTicketNumber, "TICKET_NUMBER"},
    {Stored::EditText, kSpoiledDocuments, "NO_OF_SPOILED_DOC"},
    {Stored::EditText, kCheckDigit, "CHECK_DIGIT"},
}};

}  // namespace

const framework::MaskInfo CIssBSPDamagedTkt::kInfo = {
    "IssBSPDamagedTkt",
    "CIssBSPDamagedTkt",
    "BSP Manual Void Ticket (Damaged Tickets)",
    124,
    {870, 871, 872, 873, 874},
    "TKT_ISSBSPDAMAGED_SECTION",
    &ids::IID_IIssBSPDamagedTkt,
    &ids::DIID__IIssBSPDamagedTktEvents,
    true,
    true,
    true,
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
    form().setChecked(kOptat, true);
    ApplyTicketType();
}

void CIssBSPDamagedTkt::ApplyTicketType() {
    const Type type = typeOf(form());
    // Exactly one type stays ticked, also after a Recall of a profile that held both: the
    // entry's tail and the next save then agree with the number that was checked.
    for (std::size_t t = 0; t < kTypeCount; ++t)
        form().setChecked(kTypeRadios[t], t == type);
    for (const ByType& e : kEnabledEdits)
        form().enable(e.id, e.on[type]);
    for (const ByType& l : kMandatoryLabels)
        controls().setLabelStyle(l.id, l.on[type]);
}

void CIssBSPDamagedTkt::OnFormCommand(ui::ControlId id, ui::Notify code) {
    if (code == ui::Notify::Clicked && (id == kOptat || id == kAtb2))
        ApplyTicketType();
}

bool CIssBSPDamagedTkt::RunChecks() {
    return framework::RunChecks(form(), kInfo.title, kNumberChecks[typeOf(form())]) &&
           framework::RunChecks(form(), kInfo.title, kSharedChecks);
}

std::string CIssBSPDamagedTkt::ComposeEntry(const ui::Dialog& form) {
    const Type type = typeOf(form);
    std::string entry = "ATCX/";
    entry += form.text(kNumberField[type]) + form.text(kCheckDigit);
    entry += "/" + form.text(kSpoiledDocuments);
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

void CIssBSPDamagedTkt::RestoreProfile() {
    framework::ProfilePass pass(kInfo.profileSection);
    pass.restore(form(), kRestoredType);
    if (!form().isChecked(kOptat) && !form().isChecked(kAtb2)) {
        ClearForm();
        return;
    }
    pass.restore(form(), kRestoredEdits);
    ApplyTicketType();
}

void CIssBSPDamagedTkt::ClearForm() {
    form().setChecked(kOptat, true);
    form().setChecked(kAtb2, false);
    MaskBase::ClearForm();
    ApplyTicketType();
}

HRESULT CreateIssBSPDamagedTkt(REFIID riid, void** ppv) {
    return CIssBSPDamagedTkt::Create(riid, ppv);
}

}  // namespace masks
