#include "masks/stock/iss_log_tkt.h"

#include <array>
#include <span>

#include "framework/checks.h"
#include "framework/class_ids.h"
#include "framework/language.h"
#include "framework/persistence.h"
#include "framework/profile_names.h"
#include "masks/catalog.h"
#include "masks/stock/market_config.h"
#include "masks/stock/ticket_numbers.h"
#include "platform/file/file.h"
#include "platform/ui/toolkit.h"
#include "platform/zenkor/profile.h"
#include "widgets/standard_choosers.h"

namespace masks {
namespace {

using framework::Check;
using framework::PersistedField;
using framework::Stored;
using framework::Test;

enum Control : ui::ControlId {
    kTypeLabel = 825,
    kOptat = 826,
    kAtb2 = 827,
    kDocumentsLabel = 828,
    kDocuments = 829,
    kScnLabel = 830,
    kScn = 831,
    kFirstLabel = 832,
    kFirstNumber = 833,
    kSplit = 834,
    kLniata = 835,
    kSplitLabel = 836,
    kLniataLabel = 837,
    kTat = 838,
    kLastNumber = 839,
    kLastLabel = 840,
    kFirstFormCode = 841,
    kLastFormCode = 842,
};

// The ticket types in the order of the radio group.
enum Type : std::size_t { kTypeOptat, kTypeAtb2, kTypeTat, kTypeCount };

constexpr std::array<ui::ControlId, kTypeCount> kTypeRadios = {kOptat, kAtb2, kTat};

struct Label {
    ui::ControlId id;
    const char* labelKey;
    const char* tooltipKey;
    bool mandatory;
};

constexpr std::array<Label, 7> kLabels = {{
    {kTypeLabel, "LAB_SATOTH_TICKTYPE", "TOOLTIP_BSP_DMGD_TKT_TYPE", true},
    {kLniataLabel, "_LAB_LNIATA", "TOOLTIP_LOG_TKT_LNIATA", true},
    {kSplitLabel, "LAB_SATOTH_SPLT_TKTG", "TOOLTIP_LOG_TKT_SPLT_TKTG", false},
    {kFirstLabel, "LAB_LOG_TKT_BEG_TKTNO_FORMCODE", "TOOLTIP_LOG_TKT_BEG_TKTNO_AND_FORMCODE", true},
    {kLastLabel, "LAB_LOG_TKT_END_TKTNO_FORMCODE", "TOOLTIP_LOG_TKT_END_TKTNO_AND_FORMCODE", true},
    {kScnLabel, "LAB_BSP_DMGD_TKT_SCN_NO", "TOOLTIP_LOG_TKT_SCN_NO", true},
    {kDocumentsLabel, "LAB_LOG_TKT_NO_OF_DOC", "TOOLTIP_LAB_LOG_TKT_NO_OF_DOC", true},
}};

struct Edit {
    ui::ControlId id;
    const char* tooltipKey;
    int maxLength;
};

constexpr std::array<Edit, 7> kEdits = {{
    {kLniata, "TOOLTIP_LOG_TKT_LNIATA", 6},
    {kFirstFormCode, "TOOLTIP_LOG_TKT_BEG_TKTNO_FORMCODE", 3},
    {kFirstNumber, "TOOLTIP_LOG_TKT_BEG_TKTNO", 7},
    {kLastFormCode, "TOOLTIP_LOG_TKT_END_TKTNO_FORMCODE", 3},
    {kLastNumber, "TOOLTIP_LOG_TKT_END_TKTNO", 7},
    {kScn, "TOOLTIP_LOG_TKT_SCN_NO", 14},
    {kDocuments, "TOOLTIP_LAB_LOG_TKT_NO_OF_DOC", 4},
}};

// The radio buttons and the check box: caption key ("" keeps the template's) and tooltip.
struct Button {
    ui::ControlId id;
    const char* captionKey;
    const char* tooltipKey;
};

constexpr std::array<Button, 4> kButtons = {{
    {kOptat, "LAB_LOG_TKT_LDOPT", "TOOLTIP_LOG_TKT_LDOPT"},
    {kAtb2, "LAB_LOG_TKT_LDATB2", "TOOLTIP_LOG_TKT_LDATB2"},
    {kTat, "LAB_LOG_TKT_LDTAT", "TOOLTIP_LOG_TKT_LDTAT"},
    {kSplit, "", "TOOLTIP_LOG_TKT_SPLT_TKTG"},
}};

// What each ticket type asks for: a field is enabled, a label is in the mandatory colour,
// where the type's column holds true (columns OPTAT, ATB2, TAT).
struct ByType {
    ui::ControlId id;
    std::array<bool, kTypeCount> on;
};

constexpr std::array<ByType, 7> kEnabledFields = {{
    {kFirstFormCode, {true, false, true}},
    {kFirstNumber, {true, false, true}},
    {kLastFormCode, {false, false, true}},
    {kLastNumber, {false, false, true}},
    {kSplit, {false, true, false}},
    {kScn, {false, true, false}},
    {kDocuments, {true, true, false}},
}};

constexpr std::array<ByType, 4> kMandatoryLabels = {{
    {kFirstLabel, {true, false, true}},
    {kLastLabel, {false, false, true}},
    {kScnLabel, {false, true, false}},
    {kDocumentsLabel, {true, true, false}},
}};

constexpr std::array<Check, 3> kLniataChecks = {{
    {Test::Mandatory, kLniata, "ERR_LOG_TKT_LNIATA_MANDATORY"},
    {Test::MinLength, kLniata, "_ERR_LNIATA_FIXVALUE", 6},
    {Test::Alphanumeric, kLniata, "_ERR_LNIATA_INVALIDVALUE"},
}};

constexpr std::array<Check, 6> kFirstTicketChecks = {{
    {Test::Mandatory, kFirstFormCode, "ERR_LOG_TKT_BEG_TKTNO_FORMCODE"},
    {Test::MinLength, kFirstFormCode, "ERR_LOG_TKT_BEG_TKTNO_FORMCODE_MINLEN", 3},
    {Test::Numeric, kFirstFormCode, "ERR_LOG_TKT_BEG_TKTNO_FORMCODE_NUM"},
    {Test::Mandatory, kFirstNumber, "ERR_LOG_TKT_BEG_TKTNO"},
    {Test::MinLength, kFirstNumber, "ERR_LOG_TKT_BEG_TKTNO_MINLEN", 7},
    {Test::NumericEx, kFirstNumber, "ERR_LOG_TKT_BEG_TKTNO_NUM", 0, "0000000"},
}};

constexpr std::array<Check, 6> kLastTicketChecks = {{
    {Test::Mandatory, kLastFormCode, "ERR_LOG_TKT_END_TKTNO_FORMCODE"},
    {Test::MinLength, kLastFormCode, "ERR_LOG_TKT_END_TKTNO_FORMCODE_MINLEN", 3},
    {Test::Numeric, kLastFormCode, "ERR_LOG_TKT_END_TKTNO_FORMCODE_NUM"},
    {Test::Mandatory, kLastNumber, "ERR_LOG_TKT_END_TKTNO"},
    {Test::MinLength, kLastNumber, "ERR_LOG_TKT_END_TKTNO_MINLEN", 7},
    {Test::NumericEx, kLastNumber, "ERR_LOG_TKT_END_TKTNO_NUM", 0, "0000000"},
}};

constexpr std::array<Check, 3> kScnChecks = {{
    {Test::Mandatory, kScn, "ERR_BSP_DMGD_TKT_SCN_NO_MANDATORY"},
    {Test::MinLength, kScn, "ERR_LOG_TKT_SCN_NO_MINLEN", 14},
    {Test::Numeric, kScn, "ERR_BSP_DMGD_TKT_SCN_NO_NUM"},
}};

constexpr std::array<Check, 2> kDocumentChecks = {{
    {Test::Mandatory, kDocuments, "ERR_LOG_TKT_NO_OF_DOC_MANDATORY"},
    {Test::Numeric, kDocuments, "ERR_LOG_TKT_NO_OF_DOC_NUM"},
}};

constexpr std::array<PersistedField, 4> kSavedFirst = {{
    {Stored::CheckState, kOptat, "OPTAT"},
    {Stored::CheckState, kAtb2, "ATB2"},
    {Stored::CheckState, kTat, "TAT"},
    {Stored::EditText, kLniata, "LNIATA"},
}};

// Then by type: the keys that hold a value, followed by those written empty.
constexpr std::array<PersistedField, 7> kSavedOptat = {{
    {Stored::EditText, kFirstFormCode, "BEG_TICKET_FORM_CODE"},
    {Stored::EditText, kFirstNumber, "BEG_TICKET_NUMBER"},
    {Stored::EditText, kDocuments, "NO_OF_DOC"},
    {Stored::Empty, 0, "SPLIT_TICKETING"},
    {Stored::Empty, 0, "SCN_NUMBER"},
    {Stored::Empty, 0, "END_TICKET_NUMBER"},
    {Stored::Empty, 0, "END_TICKET_FORM_CODE"},
}};

constexpr std::array<PersistedField, 7> kSavedAtb2 = {{
    {Stored::CheckState, kSplit, "SPLIT_TICKETING"},
    {Stored::EditText, kScn, "SCN_NUMBER"},
    {Stored::EditText, kDocuments, "NO_OF_DOC"},
    {Stored::Empty, 0, "BEG_TICKET_NUMBER"},
    {Stored::Empty, 0, "BEG_TICKET_FORM_CODE"},
    {Stored::Empty, 0, "END_TICKET_NUMBER"},
    {Stored::Empty, 0, "END_TICKET_FORM_CODE"},
}};

constexpr std::array<PersistedField, 7> kSavedTat = {{
    {Stored::EditText, kFirstFormCode, "BEG_TICKET_FORM_CODE"},
    {Stored::EditText, kFirstNumber, "BEG_TICKET_NUMBER"},
    {Stored::EditText, kLastFormCode, "END_TICKET_FORM_CODE"},
    {Stored::EditText, kLastNumber, "END_TICKET_NUMBER"},
    {Stored::Empty, 0, "SPLIT_TICKETING"},
    {Stored::Empty, 0, "SCN_NUMBER"},
    {Stored::Empty, 0, "NO_OF_DOC"},
}};

constexpr std::array<std::span<const PersistedField>, kTypeCount> kSavedByType = {
    kSavedOptat, kSavedAtb2, kSavedTat};

constexpr std::array<PersistedField, 3> kRestoredTypes = {{
    {Stored::CheckState, kOptat, "OPTAT"},
    {Stored::CheckState, kAtb2, "ATB2"},
    {Stored::CheckState, kTat, "TAT"},
}};

constexpr std::array<PersistedField, 8> kRestoredFields = {{
    {Stored::EditText, kLniata, "LNIATA"},
    {Stored::CheckState, kSplit, "SPLIT_TICKETING"},
    {Stored::EditText, kFirstNumber, "BEG_TICKET_NUMBER"},
    {Stored::EditText, kFirstFormCode, "BEG_TICKET_FORM_CODE"},
    {Stored::EditText, kLastFormCode, "END_TICKET_FORM_CODE"},
    {Stored::EditText, kLastNumber, "END_TICKET_NUMBER"},
    {Stored::EditText, kScn, "SCN_NUMBER"},
    {Stored::EditText, kDocuments, "NO_OF_DOC"},
}};

// The first checked type of the group (OPTAT when none is: the form always has one).
Type checkedType(const ui::Dialog& form) {
    for (std::size_t t = 0; t < kTypeCount; ++t) {
        if (form.isChecked(kTypeRadios[t]))
            return static_cast<Type>(t);
    }
    return kTypeOptat;
}

bool anyTypeChecked(const ui::Dialog& form) {
    for (ui::ControlId radio : kTypeRadios) {
        if (form.isChecked(radio))
            return true;
    }
    return false;
}

// A range of tickets is one form code and does not run backwards.
bool checkTicketRange(ui::Dialog& form) {
    const char* title = CIssLogTkt::kInfo.title;
    if (form.text(kFirstFormCode) != form.text(kLastFormCode)) {
        return framework::Refuse(form, kFirstFormCode, title,
                                 "ERR_LOG_TKT_BEG_END_TKTNO_FORMCODE_DIFF");
    }
    if (form.text(kLastNumber) < form.text(kFirstNumber)) {
        return framework::Refuse(form, kFirstNumber, title, "ERR_LOG_TKT_BEG_MORE_END_TKTNO");
    }
    return true;
}

// "SYSTEM"/"InstallDir" of "Quorvex.ini" (default empty).
std::string installDirectory() {
    CZenkorProfile profile;
    profile.setIniFile(framework::kQuorvexIni);
    profile.setSectionName("SYSTEM");
    profile.setKeyName("InstallDir");
    std::array<char, 1024> buffer{};
    profile.getValue(buffer.data(), "", static_cast<unsigned long>(buffer.size()));
    return buffer.data();
}

// The market's form code from "marketconfig.xml" in the installation directory. A file that
// cannot be opened is shown in a message box with no owner and counts as empty, as does one
// that cannot be read.
std::optional<std::string> ReadMarketFormCode() {
    const std::string path = file::joinPath(installDirectory(), "marketconfig.xml");
    const file::ReadResult read = file::readWholeFile(path);
    if (!read.opened) {
        // The path is data of the message, never its format.
        const std::string message =
            "Can't open file " + path + " [" + std::to_string(read.error) + "]";
        ui::toolkit().messageBox(message, "Error", ui::Icon::Error);
        return MarketFormCode({});
    }
    // A read that failed half-way has left no content: the file counts as empty.
    return MarketFormCode(read.error == 0 ? std::string_view(read.content) : std::string_view());
}

}  // namespace

const framework::MaskInfo CIssLogTkt::kInfo = {
    "IssLogTkt",
    "CIssLogTkt",
    "Log Ticket",
    116,
    {820, 821, 822, 823, 824},
    "TKT_ISSLOG_SECTION",
    &ids::IID_IIssLogTkt,
    &ids::DIID__IIssLogTktEvents,
    true,
    true,
    true,
};

CIssLogTkt::CIssLogTkt() : ZenkorMaskT(widgets::standardChoosers()) {}

void CIssLogTkt::SetupForm() {
    for (const Label& l : kLabels) {
        controls().setupLabel(l.id, l.labelKey, l.tooltipKey, l.mandatory);
    }
    for (const Edit& e : kEdits)
        controls().setupEdit(e.id, e.tooltipKey, e.maxLength);
    for (const Button& b : kButtons) {
        form().setTooltip(b.id, framework::StringOrKey(b.tooltipKey));
        if (*b.captionKey != '\0')
            form().setText(b.id, framework::StringOrKey(b.captionKey));
    }
}

void CIssLogTkt::AfterActivation() {
    form().setChecked(kOptat, true);
    ApplyTicketType();
    if (!marketRead_) {
        marketFormCode_ = ReadMarketFormCode();
        marketRead_ = true;
    }
    if (marketFormCode_)
        WriteMarketFormCode();
}

void CIssLogTkt::WriteMarketFormCode() {
    const std::string code = marketFormCode_.value_or("");
    form().setText(kFirstFormCode, code);
    form().setText(kLastFormCode, code);
}

void CIssLogTkt::ApplyTicketType() {
    const Type type = checkedType(form());
    // Exactly one type stays checked, also after a Recall of a profile that held several.
    for (std::size_t t = 0; t < kTypeCount; ++t)
        form().setChecked(kTypeRadios[t], t == type);
    for (const ByType& f : kEnabledFields)
        form().enable(f.id, f.on[type]);
    for (const ByType& l : kMandatoryLabels)
        controls().setLabelStyle(l.id, l.on[type]);
}

void CIssLogTkt::OnFormCommand(ui::ControlId id, ui::Notify code) {
    if (code != ui::Notify::Clicked)
        return;
    for (ui::ControlId radio : kTypeRadios) {
        if (id == radio)
            ApplyTicketType();
    }
}

bool CIssLogTkt::RunChecks() {
    const auto run = [this](std::span<const Check> checks) {
        return framework::RunChecks(form(), kInfo.title, checks);
    };
    if (!run(kLniataChecks))
        return false;
    switch (checkedType(form())) {
        case kTypeOptat:
            return run(kFirstTicketChecks) && run(kDocumentChecks);
        case kTypeAtb2:
            return run(kScnChecks) && run(kDocumentChecks);
        case kTypeTat:
        case kTypeCount:
            break;
    }
    return run(kFirstTicketChecks) && run(kLastTicketChecks) && checkTicketRange(form());
}

std::string CIssLogTkt::ComposeEntry(const ui::Dialog& form) {
    const std::string lniata = form.text(kLniata);
    const std::string first = form.text(kFirstFormCode) + form.text(kFirstNumber);
    switch (checkedType(form)) {
        case kTypeAtb2:
            return std::string("DB") + (form.isChecked(kSplit) ? "R" : "") + lniata + "/" +
                   form.text(kScn) + "/" + form.text(kDocuments);
        case kTypeTat: {
            const std::string last = form.text(kLastFormCode) + form.text(kLastNumber);
            return "DN" + lniata + "/" + first + std::to_string(CheckDigit(first)) + "/" +
                   std::to_string(TicketCount(first, last));
        }
        case kTypeOptat:
        case kTypeCount:
            break;
    }
    return "DN" + lniata + "/" + first + std::to_string(CheckDigit(first)) + "/" +
           form.text(kDocuments);
}

std::string CIssLogTkt::BuildEntry() {
    return ComposeEntry(form());
}

void CIssLogTkt::SaveProfile(framework::ProfilePass& pass) {
    pass.save(form(), kSavedFirst);
    pass.save(form(), kSavedByType[checkedType(form())]);
}

void CIssLogTkt::RestoreProfile() {
    framework::ProfilePass pass(kInfo.profileSection);
    pass.restore(form(), kRestoredTypes);
    if (!anyTypeChecked(form())) {
        ClearForm();
        return;
    }
    pass.restore(form(), kRestoredFields);
    ApplyTicketType();
}

void CIssLogTkt::ClearForm() {
    form().setChecked(kOptat, true);
    form().setChecked(kAtb2, false);
    form().setChecked(kTat, false);
    form().setText(kLniata, "");
    form().setChecked(kSplit, false);
    WriteMarketFormCode();
    for (ui::ControlId id : {kFirstNumber, kLastNumber, kScn, kDocuments})
        form().setText(id, "");
    ApplyTicketType();
}

HRESULT CreateIssLogTkt(REFIID riid, void** ppv) {
    return CIssLogTkt::Create(riid, ppv);
}

}  // namespace masks
