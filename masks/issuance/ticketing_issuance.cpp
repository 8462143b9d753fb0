#include "masks/issuance/ticketing_issuance.h"

#include <array>

#include "framework/class_ids.h"
#include "framework/language.h"
#include "framework/persistence.h"
#include "framework/startup_data.h"
#include "masks/catalog.h"
#include "masks/issuance/fee_base.h"
#include "masks/issuance/issuance_checks.h"
#include "masks/issuance/issuance_entry.h"
#include "masks/issuance/issuance_form.h"
#include "platform/com/com_ptr.h"
#include "resources/resource.h"
#include "widgets/standard_choosers.h"

namespace masks {

using namespace issuance;

namespace {

// The event that hands the host an auxiliary command.
constexpr DISPID kEventSendCommand = 3;

}  // namespace

const framework::MaskInfo CTicketingIssuance::kInfo = {
    .component = "TicketingIssuance",
    .helpSection = "CTicketingIssuance",
    .title = kTitle,
    .form = {.form = IDD_TICKETINGISSUANCE,
             .buttons = {.send = IDC_ISS_SEND,
                         .recall = IDC_ISS_RECALL,
                         .clear = IDC_ISS_CLEAR,
                         .cancel = IDC_ISS_CANCEL,
                         .help = IDC_ISS_HELP},
             .keys = framework::FormKeys::SendAndRecall,
             .rules = ChoiceRules()},
    .profileSection = "TKT_ISS_SECTION",
    .clsid = &ids::CLSID_TicketingIssuance,
    .iid = &ids::IID_ITicketingIssuance,
    .eventsIid = &ids::DIID__ITicketingIssuanceEvents,
    .hasInitParam = true,
    .logsLangPut = true,
    .saveTime = framework::SaveTime::BeforeEntry,
};

CTicketingIssuance::CTicketingIssuance() : ZenkorMaskT(widgets::standardChoosers()) {}

FormRules CTicketingIssuance::rules() {
    return FormRules(form(), controls(), log(), kInfo.component, restoring());
}

void CTicketingIssuance::SetupForm() {
    SetUpFields(form(), controls(), Fields(), Captions());
    form().enable(IDC_ISS_NET_COMMISSION, false);
    form().enable(IDC_ISS_EXCHG_AUTH_FORM, false);
    FormRules r = rules();
    form().setChecked(IDC_ISS_OVERRIDE_ETKT, false);
    form().setChecked(IDC_ISS_ETKT, false);
    r.ElectronicTicketingRule();
    form().setChecked(IDC_ISS_GBA, false);
    r.GbaRule();
    form().setChecked(IDC_ISS_FP_LINES, false);
    r.FpLinesRule();
}

void CTicketingIssuance::AfterActivation() {
    // The form has one variant for every country: the agent's country is read and changes
    // nothing.
    (void)framework::ReadAgentSetting("COUNTRY", "");
    FormRules r = rules();
    r.PopulateLists();
    r.Refresh();
    if (auto tfr = framework::ReadStartupField("ID_TICKETING_ISSUANCE", "TFR"))
        form().setText(IDC_ISS_TFR, *tfr);
}

void CTicketingIssuance::OnFormCommand(ui::ControlId id, ui::Notify code) {
    if (id == IDC_ISS_FEEBASE_SHOW && code == ui::Notify::Clicked)
        ShowFeeBase();
    else
        rules().OnCommand(id, code);
}

void CTicketingIssuance::ShowFeeBase() {
    const com::Ptr<MaskBase> keepAlive(this);
    form().clearList(IDC_ISS_FEEBASE_LIST);
    events().fire(kEventSendCommand, std::string(kFeeBaseCommand));
    log().diagnostic(kInfo.component, "OnFeeBaseSend", 0, 100, __LINE__, "Host Command %s",
                     kFeeBaseCommand);
}

void CTicketingIssuance::OnResponse(std::u16string_view response) {
    if (hasForm())
        AddFeeBaseLines(form(), IDC_ISS_FEEBASE_LIST, response, log());
}

bool CTicketingIssuance::RunChecks() {
    return RunIssuanceChecks(form());
}

std::string CTicketingIssuance::BuildEntry() {
    return ComposeHostCommand(DialogEntryValues(form()), SelectedFeeBaseLines(form()));
}

void CTicketingIssuance::SaveProfile(framework::ProfilePass& pass) {
    pass.save(form(), SavedFields());
}

void CTicketingIssuance::ClearForm() {
    // The exchange authority forms keep their text; the electronic ticketing rule empties
    // them with the other copies.
    for (const Field& f : Fields()) {
        if (f.kind == FieldKind::Edit && f.id != IDC_ISS_EXCHG_AUTH_FORM)
            form().setText(f.id, "");
    }
    for (ui::ControlId box : {IDC_ISS_GBA, IDC_ISS_FP_LINES, IDC_ISS_FOP1_CC_EXT_PAY, IDC_ISS_ETKT})
        form().setChecked(box, false);
    for (ui::ControlId list :
         {IDC_ISS_TYPE, IDC_ISS_FOP1, IDC_ISS_FOP2, IDC_ISS_ITCODE_TYPE, IDC_ISS_PRINTOPTION,
          IDC_ISS_ENDORSE_TYPE, IDC_ISS_FOP1_GGR_CODE, IDC_ISS_FOP2_GGR_CODE, IDC_ISS_SPLIT}) {
        if (form().itemCount(list) > 0)
            form().select(list, 0);
    }
    FormRules r = rules();
    r.ElectronicTicketingRule();
    form().clearList(IDC_ISS_FEEBASE_LIST);
    r.Refresh();
}

void CTicketingIssuance::BeforeRecall() {
    ClearForm();
}

void CTicketingIssuance::RestoreProfile(framework::ProfilePass& pass) {
    FormRules r = rules();
    pass.restore(form(), RestoredBeforeFirstPayment());
    pass.restore(form(), RestoredFirstPayment());
    r.FirstPaymentRule();
    pass.restore(form(), RestoredAfterFirstPayment());
    r.RebuildItCodes();
    pass.restore(form(), RestoredItCode());
    r.Refresh();
}

void CTicketingIssuance::AfterCancel() {
    log().diagnostic(kInfo.component, "OnCancel", 10, 100, __LINE__, "Fired OnCancel");
}

HRESULT CreateTicketingIssuance(REFIID riid, void** ppv) {
    return CTicketingIssuance::Create(riid, ppv);
}

}  // namespace masks
