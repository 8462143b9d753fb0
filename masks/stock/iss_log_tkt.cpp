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

// The ticket types in the order of the radio group.
enum Type : std::size_t { kTypeOptat, kTypeAtb2, kTypeTat, kTypeCount };

constexpr std::array<ui::ControlId, kTypeCount> kTypeRadios = {IDC_LOGTKT_OPTAT, IDC_LOGTKT_ATB2,
                                                               IDC_LOGTKT_TAT};

struct Label {
    ui::ControlId id;
    const char* labelKey;
    const char* tooltipKey;
    bool mandatory;
};

constexpr std::array<Label, 7> kLabels = {{
    {IDC_LOGTKT_TYPE_LABEL, "LAB_SATOTH_TICKTYPE", "TOOLTIP_BSP_DMGD_TKT_TYPE", true},
    {IDC_LOGTKT_LNIATA_LABEL, "_LAB_LNIATA", "TOOLTIP_LOG_TKT_LNIATA", true},
    {IDC_LOGTKT_SPLIT_LABEL, "LAB_SATOTH_SPLT_TKTG", "TOOLTIP_LOG_TKT_SPLT_TKTG", false},
    {IDC_LOGTKT_BEG_LABEL, "LAB_LOG_TKT_BEG_TKTNO_FORMCODE",
     "TOOLTIP_LOG_TKT_BEG_TKTNO_AND_FORMCODE", true},
    {IDC_LOGTKT_END_LABEL, "LAB_LOG_TKT_END_TKTNO_FORMCODE",
     "TOOLTIP_LOG_TKT_END_TKTNO_AND_FORMCODE", true},
    {IDC_LOGTKT_SCN_LABEL, "LAB_BSP_DMGD_TKT_SCN_NO", "TOOLTIP_LOG_TKT_SCN_NO", true},
    {IDC_LOGTKT_NO_OF_DOC_LABEL, "LAB_LOG_TKT_NO_OF_DOC", "TOOLTIP_LAB_LOG_TKT_NO_OF_DOC", true},
}};

struct Edit {
    ui::ControlId id;
    const char* tooltipKey;
    int maxLength;
};

constexpr std::array<Edit, 7> kEdits = {{
    {IDC_LOGTKT_LNIATA, "TOOLTIP_LOG_TKT_LNIATA", 6},
    {IDC_LOGTKT_BEG_FORM_CODE, "TOOLTIP_LOG_TKT_BEG_TKTNO_FORMCODE", 3},
    {IDC_LOGTKT_BEG_NUMBER, "TOOLTIP_LOG_TKT_BEG_TKTNO", 7},
    {IDC_LOGTKT_END_FORM_CODE, "TOOLTIP_LOG_TKT_END_TKTNO_FORMCODE", 3},
    {IDC_LOGTKT_END_NUMBER, "TOOLTIP_LOG_TKT_END_TKTNO", 7},
    {IDC_LOGTKT_SCN, "TOOLTIP_LOG_TKT_SCN_NO", 14},
    {IDC_LOGTKT_NO_OF_DOC, "TOOLTIP_LAB_LOG_TKT_NO_OF_DOC", 4},
}};

// The radio buttons and the check box: caption key ("" keeps the template's) and tooltip.
struct Button {
    ui::ControlId id;
    const char* captionKey;
    const char* tooltipKey;
};

constexpr std::array<Button, 4> kButtons = {{
    {IDC_LOGTKT_OPTAT, "LAB_LOG_TKT_LDOPT", "TOOLTIP_LOG_TKT_LDOPT"},
    {IDC_LOGTKT_ATB2, "LAB_LOG_TKT_LDATB2", "TOOLTIP_LOG_TKT_LDATB2"},
    {IDC_LOGTKT_TAT, "LAB_LOG_TKT_LDTAT", "TOOLTIP_LOG_TKT_LDTAT"},
    {IDC_LOGTKT_SPLIT, "", "TOOLTIP_LOG_TKT_SPLT_TKTG"},
}};

// Ticket-type rule: the fields each type enables and the labels it shows as mandatory.
constexpr framework::Effect kTicketTypeEffects[] = {
    {IDC_LOGTKT_BEG_FORM_CODE, Act::EnabledIf, When(kTypeOptat, kTypeTat)},
    {IDC_LOGTKT_BEG_NUMBER, Act::EnabledIf, When(kTypeOptat, kTypeTat)},
    {IDC_LOGTKT_END_FORM_CODE, Act::EnabledIf, When(kTypeTat)},
    {IDC_LOGTKT_END_NUMBER, Act::EnabledIf, When(kTypeTat)},
    {IDC_LOGTKT_SPLIT, Act::EnabledIf, When(kTypeAtb2)},
    {IDC_LOGTKT_SCN, Act::EnabledIf, When(kTypeAtb2)},
    {IDC_LOGTKT_NO_OF_DOC, Act::EnabledIf, When(kTypeOptat, kTypeAtb2)},
    {IDC_LOGTKT_BEG_LABEL, Act::MandatoryIf, When(kTypeOptat, kTypeTat)},
    {IDC_LOGTKT_END_LABEL, Act::MandatoryIf, When(kTypeTat)},
    {IDC_LOGTKT_SCN_LABEL, Act::MandatoryIf, When(kTypeAtb2)},
    {IDC_LOGTKT_NO_OF_DOC_LABEL, Act::MandatoryIf, When(kTypeOptat, kTypeAtb2)},
};

// The first ticked type of the group (OPTAT when none is: the form always has one).
constexpr framework::ChoiceSource kTicketType{framework::ChoiceSource::Kind::RadioGroup,
                                              kTypeRadios, kTypeOptat};

constexpr framework::ChoiceRule kRules[] = {{kTicketType, kTicketTypeEffects}};

constexpr std::array<Check, 3> kLniataChecks = {
    check::Mandatory(IDC_LOGTKT_LNIATA, "ERR_LOG_TKT_LNIATA_MANDATORY"),
    check::MinLength(IDC_LOGTKT_LNIATA, 6, "_ERR_LNIATA_FIXVALUE"),
    check::Alphanumeric(IDC_LOGTKT_LNIATA, "_ERR_LNIATA_INVALIDVALUE"),
};

constexpr std::array<Check, 6> kFirstTicketChecks = {
    check::Mandatory(IDC_LOGTKT_BEG_FORM_CODE, "ERR_LOG_TKT_BEG_TKTNO_FORMCODE"),
    check::MinLength(IDC_LOGTKT_BEG_FORM_CODE, 3, "ERR_LOG_TKT_BEG_TKTNO_FORMCODE_MINLEN"),
    check::Numeric(IDC_LOGTKT_BEG_FORM_CODE, "ERR_LOG_TKT_BEG_TKTNO_FORMCODE_NUM"),
    check::Mandatory(IDC_LOGTKT_BEG_NUMBER, "ERR_LOG_TKT_BEG_TKTNO"),
    check::MinLength(IDC_LOGTKT_BEG_NUMBER, 7, "ERR_LOG_TKT_BEG_TKTNO_MINLEN"),
    check::NumericEx(IDC_LOGTKT_BEG_NUMBER, "0000000", "ERR_LOG_TKT_BEG_TKTNO_NUM"),
};

constexpr std::array<Check, 6> kLastTicketChecks = {
    check::Mandatory(IDC_LOGTKT_END_FORM_CODE, "ERR_LOG_TKT_END_TKTNO_FORMCODE"),
    check::MinLength(IDC_LOGTKT_END_FORM_CODE, 3, "ERR_LOG_TKT_END_TKTNO_FORMCODE_MINLEN"),
    check::Numeric(IDC_LOGTKT_END_FORM_CODE, "ERR_LOG_TKT_END_TKTNO_FORMCODE_NUM"),
    check::Mandatory(IDC_LOGTKT_END_NUMBER, "ERR_LOG_TKT_END_TKTNO"),
    check::MinLength(IDC_LOGTKT_END_NUMBER, 7, "ERR_LOG_TKT_END_TKTNO_MINLEN"),
    check::NumericEx(IDC_LOGTKT_END_NUMBER, "0000000", "ERR_LOG_TKT_END_TKTNO_NUM"),
};

constexpr std::array<Check, 3> kScnChecks = {
    check::Mandatory(IDC_LOGTKT_SCN, "ERR_BSP_DMGD_TKT_SCN_NO_MANDATORY"),
    check::MinLength(IDC_LOGTKT_SCN, 14, "ERR_LOG_TKT_SCN_NO_MINLEN"),
    check::Numeric(IDC_LOGTKT_SCN, "ERR_BSP_DMGD_TKT_SCN_NO_NUM"),
};

constexpr std::array<Check, 2> kDocumentChecks = {
    check::Mandatory(IDC_LOGTKT_NO_OF_DOC, "ERR_LOG_TKT_NO_OF_DOC_MANDATORY"),
    check::Numeric(IDC_LOGTKT_NO_OF_DOC, "ERR_LOG_TKT_NO_OF_DOC_NUM"),
};

constexpr std::array<PersistedField, 4> kSavedFirst = {{
    {Stored::CheckState, IDC_LOGTKT_OPTAT, "OPTAT"},
    {Stored::CheckState, IDC_LOGTKT_ATB2, "ATB2"},
    {Stored::CheckState, IDC_LOGTKT_TAT, "TAT"},
    {Stored::EditText, IDC_LOGTKT_LNIATA, "LNIATA"},
}};

// Then by type: the keys that hold a value, followed by those written empty.
constexpr std::array<PersistedField, 7> kSavedOptat = {{
    {Stored::EditText, IDC_LOGTKT_BEG_FORM_CODE, "BEG_TICKET_FORM_CODE"},
    {Stored::EditText, IDC_LOGTKT_BEG_NUMBER, "BEG_TICKET_NUMBER"},
    {Stored::EditText, IDC_LOGTKT_NO_OF_DOC, "NO_OF_DOC"},
    {Stored::Empty, 0, "SPLIT_TICKETING"},
    {Stored::Empty, 0, "SCN_NUMBER"},
    {Stored::Empty, 0, "END_TICKET_NUMBER"},
    {Stored::Empty, 0, "END_TICKET_FORM_CODE"},
}};

constexpr std::array<PersistedField, 7> kSavedAtb2 = {{
    {Stored::CheckState, IDC_LOGTKT_SPLIT, "SPLIT_TICKETING"},
    {Stored::EditText, IDC_LOGTKT_SCN, "SCN_NUMBER"},
    {Stored::EditText, IDC_LOGTKT_NO_OF_DOC, "NO_OF_DOC"},
    {Stored::Empty, 0, "BEG_TICKET_NUMBER"},
    {Stored::Empty, 0, "BEG_TICKET_FORM_CODE"},
    {Stored::Empty, 0, "END_TICKET_NUMBER"},
    {Stored::Empty, 0, "END_TICKET_FORM_CODE"},
}};

constexpr std::array<PersistedField, 7> kSavedTat = {{
    {Stored::EditText, IDC_LOGTKT_BEG_FORM_CODE, "BEG_TICKET_FORM_CODE"},
    {Stored::EditText, IDC_LOGTKT_BEG_NUMBER, "BEG_TICKET_NUMBER"},
    {Stored::EditText, IDC_LOGTKT_END_FORM_CODE, "END_TICKET_FORM_CODE"},
    {Stored::EditText, IDC_LOGTKT_END_NUMBER, "END_TICKET_NUMBER"},
    {Stored::Empty, 0, "SPLIT_TICKETING"},
    {Stored::Empty, 0, "SCN_NUMBER"},
    {Stored::Empty, 0, "NO_OF_DOC"},
}};

constexpr std::array<std::span<const PersistedField>, kTypeCount> kSavedByType = {
    kSavedOptat, kSavedAtb2, kSavedTat};

constexpr std::array<PersistedField, 3> kRestoredTypes = {{
    {Stored::CheckState, IDC_LOGTKT_OPTAT, "OPTAT"},
    {Stored::CheckState, IDC_LOGTKT_ATB2, "ATB2"},
    {Stored::CheckState, IDC_LOGTKT_TAT, "TAT"},
}};

constexpr std::array<PersistedField, 8> kRestoredFields = {{
    {Stored::EditText, IDC_LOGTKT_LNIATA, "LNIATA"},
    {Stored::CheckState, IDC_LOGTKT_SPLIT, "SPLIT_TICKETING"},
    {Stored::EditText, IDC_LOGTKT_BEG_NUMBER, "BEG_TICKET_NUMBER"},
    {Stored::EditText, IDC_LOGTKT_BEG_FORM_CODE, "BEG_TICKET_FORM_CODE"},
    {Stored::EditText, IDC_LOGTKT_END_FORM_CODE, "END_TICKET_FORM_CODE"},
    {Stored::EditText, IDC_LOGTKT_END_NUMBER, "END_TICKET_NUMBER"},
    {Stored::EditText, IDC_LOGTKT_SCN, "SCN_NUMBER"},
    {Stored::EditText, IDC_LOGTKT_NO_OF_DOC, "NO_OF_DOC"},
}};

Type checkedType(const ui::Dialog& form) {
    return static_cast<Type>(framework::ReadChoice(form, kTicketType));
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
    if (form.text(IDC_LOGTKT_BEG_FORM_CODE) != form.text(IDC_LOGTKT_END_FORM_CODE)) {
        return framework::Refuse(form, IDC_LOGTKT_BEG_FORM_CODE, title,
                                 "ERR_LOG_TKT_BEG_END_TKTNO_FORMCODE_DIFF");
    }
    if (form.text(IDC_LOGTKT_END_NUMBER) < form.text(IDC_LOGTKT_BEG_NUMBER)) {
        return framework::Refuse(form, IDC_LOGTKT_BEG_NUMBER, title,
                                 "ERR_LOG_TKT_BEG_MORE_END_TKTNO");
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
    .component = "IssLogTkt",
    .helpSection = "CIssLogTkt",
    .title = "Log Ticket",
    .form = {.form = IDD_ISSLOGTKT,
             .buttons = {.send = IDC_LOGTKT_SEND,
                         .recall = IDC_LOGTKT_RECALL,
                         .clear = IDC_LOGTKT_CLEAR,
                         .cancel = IDC_LOGTKT_CANCEL,
                         .help = IDC_LOGTKT_HELP},
             .keys = framework::FormKeys::SendAndRecall,
             .rules = kRules},
    .profileSection = "TKT_ISSLOG_SECTION",
    .clsid = &ids::CLSID_IssLogTkt,
    .iid = &ids::IID_IIssLogTkt,
    .eventsIid = &ids::DIID__IIssLogTktEvents,
    .hasInitParam = true,
    .logsLangPut = true,
    .keepsHostFields = true,
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
    form().setChecked(IDC_LOGTKT_OPTAT, true);
    ApplyChoiceRules();
    if (!marketRead_) {
        marketFormCode_ = ReadMarketFormCode();
        marketRead_ = true;
    }
    if (marketFormCode_)
        WriteMarketFormCode();
}

void CIssLogTkt::WriteMarketFormCode() {
    const std::string code = marketFormCode_.value_or("");
    form().setText(IDC_LOGTKT_BEG_FORM_CODE, code);
    form().setText(IDC_LOGTKT_END_FORM_CODE, code);
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
    const std::string lniata = form.text(IDC_LOGTKT_LNIATA);
    const std::string first =
        form.text(IDC_LOGTKT_BEG_FORM_CODE) + form.text(IDC_LOGTKT_BEG_NUMBER);
    switch (checkedType(form)) {
        case kTypeAtb2:
            return std::string("DB") + (form.isChecked(IDC_LOGTKT_SPLIT) ? "R" : "") + lniata +
                   "/" + form.text(IDC_LOGTKT_SCN) + "/" + form.text(IDC_LOGTKT_NO_OF_DOC);
        case kTypeTat: {
            const std::string last =
                form.text(IDC_LOGTKT_END_FORM_CODE) + form.text(IDC_LOGTKT_END_NUMBER);
            return "DN" + lniata + "/" + first + std::to_string(CheckDigit(first)) + "/" +
                   std::to_string(TicketCount(first, last));
        }
        case kTypeOptat:
        case kTypeCount:
            break;
    }
    return "DN" + lniata + "/" + first + std::to_string(CheckDigit(first)) + "/" +
           form.text(IDC_LOGTKT_NO_OF_DOC);
}

std::string CIssLogTkt::BuildEntry() {
    return ComposeEntry(form());
}

void CIssLogTkt::SaveProfile(framework::ProfilePass& pass) {
    pass.save(form(), kSavedFirst);
    pass.save(form(), kSavedByType[checkedType(form())]);
}

void CIssLogTkt::RestoreProfile(framework::ProfilePass& pass) {
    pass.restore(form(), kRestoredTypes);
    if (!anyTypeChecked(form())) {
        ClearForm();
        return;
    }
    pass.restore(form(), kRestoredFields);
    ApplyChoiceRules();
}

void CIssLogTkt::ClearForm() {
    form().setChecked(IDC_LOGTKT_OPTAT, true);
    form().setChecked(IDC_LOGTKT_ATB2, false);
    form().setChecked(IDC_LOGTKT_TAT, false);
    form().setText(IDC_LOGTKT_LNIATA, "");
    form().setChecked(IDC_LOGTKT_SPLIT, false);
    WriteMarketFormCode();
    for (ui::ControlId id :
         {IDC_LOGTKT_BEG_NUMBER, IDC_LOGTKT_END_NUMBER, IDC_LOGTKT_SCN, IDC_LOGTKT_NO_OF_DOC})
        form().setText(id, "");
    ApplyChoiceRules();
}

HRESULT CreateIssLogTkt(REFIID riid, void** ppv) {
    return CIssLogTkt::Create(riid, ppv);
}

}  // namespace masks
