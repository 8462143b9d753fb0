#include "masks/reissuance/ticketing_reissuance.h"

#include "framework/class_ids.h"
#include "framework/language.h"
#include "framework/persistence.h"
#include "framework/startup_data.h"
#include "masks/catalog.h"
#include "masks/common/form_values.h"
#include "masks/reissuance/reissue_checks.h"
#include "masks/reissuance/reissue_entry.h"
#include "masks/reissuance/reissue_form.h"
#include "platform/ui/dialog_template.h"
#include "resources/resource.h"
#include "widgets/standard_choosers.h"

namespace masks {

using namespace reissue;

const framework::MaskInfo CTicketingReIssuance::kInfo = {
    .component = "TicketingReIssuance",
    .helpSection = "CTicketingReIssuance",
    .title = kTitle,
    .form = {.form = IDD_TICKETINGREISSUANCE,
             .buttons = {.send = IDC_REISS_SEND,
                         .recall = IDC_REISS_RECALL,
                         .clear = IDC_REISS_CLEAR,
                         .cancel = IDC_REISS_CANCEL,
                         .help = IDC_REISS_HELP},
             .keys = framework::FormKeys::SendAndRecall,
             .rules = ChoiceRules()},
    .profileSection = "TKT_REISS_SECTION",
    .clsid = &ids::CLSID_TicketingReIssuance,
    .iid = &ids::IID_ITicketingReIssuance,
    .eventsIid = &ids::DIID__ITicketingReIssuanceEvents,
    .hasInitParam = true,
    .logsLangPut = true,
    .saveTime = framework::SaveTime::BeforeEntry,
};

CTicketingReIssuance::CTicketingReIssuance() : ZenkorMaskT(widgets::standardChoosers()) {}

FormRules CTicketingReIssuance::rules() {
    return FormRules(form(), controls(), log(), kInfo.component, restoring());
}

void CTicketingReIssuance::SetupForm() {
    SetUpFields(form(), controls(), Fields(), Captions());
}

void CTicketingReIssuance::AfterActivation() {
    rules().PopulateLists();
    ResetForm();
    if (auto tfr = framework::ReadStartupField("ID_TICKETING_REISSUANCE", "TFR"))
        form().setText(IDC_REISS_TFR, *tfr);
}

void CTicketingReIssuance::OnFormCommand(ui::ControlId id, ui::Notify code) {
    rules().OnCommand(id, code);
}

bool CTicketingReIssuance::RunChecks() {
    return RunReissueChecks(form());
}

std::string CTicketingReIssuance::BuildEntry() {
    return ComposeEntry(DialogValues(form()));
}

void CTicketingReIssuance::SaveProfile(framework::ProfilePass& pass) {
    pass.save(form(), SavedFields());
}

void CTicketingReIssuance::ClearForm() {
    MaskBase::ClearForm();
    if (const ui::DialogTemplate* t = ui::findTemplate(kInfo.form.form)) {
        for (const ui::ControlTemplate& c : t->controls) {
            if (c.kind == ui::ControlKind::Combo && form().itemCount(c.id) > 0)
                form().select(c.id, 0);
        }
    }
    ResetForm();
}

void CTicketingReIssuance::ResetForm() {
    for (ui::ControlId box :
         {IDC_REISS_2TKTISSUE, IDC_REISS_NETREMIT, IDC_REISS_ETKT, IDC_REISS_OVERRIDE_ETKT}) {
        form().setChecked(box, false);
    }
    for (ui::ControlId field :
         {IDC_REISS_EXCHG_AUTH_FORM, IDC_REISS_VALUE_CODE, IDC_REISS_CONTRACT_CODE}) {
        form().enable(field, false);
    }
    ApplyAllRules();
}

void CTicketingReIssuance::ApplyAllRules() {
    if (!restoring())
        form().select(IDC_REISS_ENDORSE_TYPE, 0);
    ApplyChoiceRules();
    rules().ApplyPaymentRules();
}

void CTicketingReIssuance::BeforeRecall() {
    ClearForm();
}

void CTicketingReIssuance::RestoreProfile(framework::ProfilePass& pass) {
    FormRules r = rules();
    pass.restore(form(), RestoredFirst());
    r.NetRemitRule();
    r.RefillItCodes();
    pass.restore(form(), RestoredAfterNetRemit());
    ApplyAllRules();
}

void CTicketingReIssuance::AfterCancel() {
    log().diagnostic(kInfo.component, "OnCancel", 10, 100, __LINE__, "Fired OnCancel");
}

HRESULT CreateTicketingReIssuance(REFIID riid, void** ppv) {
    return CTicketingReIssuance::Create(riid, ppv);
}

}  // namespace masks
