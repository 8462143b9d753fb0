#include "masks/skyfolio/skyfolio.h"

#include <cstdlib>
#include <optional>
#include <utility>

#include "framework/class_ids.h"
#include "framework/language.h"
#include "framework/persistence.h"
#include "framework/response.h"
#include "framework/startup_data.h"
#include "masks/catalog.h"
#include "masks/common/form_values.h"
#include "masks/skyfolio/skyfolio_checks.h"
#include "masks/skyfolio/skyfolio_entry.h"
#include "masks/skyfolio/skyfolio_form.h"
#include "platform/ui/dialog_template.h"
#include "resources/resource.h"
#include "widgets/standard_choosers.h"

namespace masks {

using namespace skyfolio;

const framework::MaskInfo CSkyfolio::kInfo = {
    .component = "CSkyfolio",
    .helpSection = "CSkyfolio",
    .title = kTitle,
    .form = {.form = IDD_SKYFOLIO,
             .buttons = {.send = IDC_SKY_SEND,
                         .recall = IDC_SKY_RECALL,
                         .clear = IDC_SKY_CLEAR,
                         .cancel = IDC_SKY_CANCEL,
                         .help = IDC_SKY_HELP},
             .rules = ChoiceRules()},
    .frame = IDD_SKYFOLIO_FRAME,
    .profileSection = "TKT_MAIN_SECTION",
    .clsid = &ids::CLSID_Skyfolio,
    .iid = &ids::IID_ISkyfolio,
    .eventsIid = &ids::DIID__ISkyfolioEvents,
    .saveTime = framework::SaveTime::BeforeEntry,
};

CSkyfolio::CSkyfolio() : ZenkorMaskT(widgets::standardChoosers()) {
    // In this order: the checks' form numbers, the save and the restore follow it.
    AddSubDialog(fareBasis_);
    AddSubDialog(others_);
    AddSubDialog(validDates_);
}

FormRules CSkyfolio::rules() {
    return FormRules(form(), controls(), log(), kInfo.component, restoring());
}

void CSkyfolio::SetupForm() {
    SetUpFields(form(), controls(), Fields(), Captions());
    controls().setupLink(IDC_SKY_OTHERS_LINK, IDC_SKY_OTHERS2, "_LAB_OTHERS",
                         "TOOLTIP_SAPBAS_OTHERS", false,
                         framework::ChooserSpec::encoder("ENCODER_PTC"));
    for (const ButtonCaption& b : ButtonCaptions()) {
        if (auto text = framework::FindString(b.key))
            form().setText(b.id, *text);
    }
}

void CSkyfolio::AfterActivation() {
    FormRules r = rules();
    r.PopulateLists();
    r.InitialState();
    if (auto tfr = framework::ReadStartupField("ID_TICKETING_VANTREL", "TFR");
        tfr && !tfr->empty()) {
        r.UntickBagAllowance();
        form().setText(IDC_SKY_TFR, *tfr);
    }
}

void CSkyfolio::OnFormCommand(ui::ControlId id, ui::Notify code) {
    if (code == ui::Notify::Clicked) {
        switch (id) {
            case IDC_SKY_FAREBASIS_BUTTON:
                ShowSubDialog(fareBasis_);
                return;
            case IDC_SKY_OTHERS_BUTTON:
                ShowSubDialog(others_);
                return;
            case IDC_SKY_VALIDDATES_BUTTON:
                RequestValidityDates();
                return;
            default:
                break;
        }
    }
    rules().OnCommand(id, code);
}

void CSkyfolio::RequestValidityDates() {
    const std::string tfr = form().text(IDC_SKY_TFR);
    if (std::strtol(tfr.c_str(), nullptr, 10) < 1) {
        validDates_.SetResponse("");
        ShowSubDialog(validDates_);
        return;
    }
    responsePending_ = true;
    response_.clear();
    // The end-item mark itself (the byte 0xA5 of the code page), not its escape.
    events().fire(kEventOnSendCommand, "**W" + tfr + "\xA5" + "VLD");
}

void CSkyfolio::OnResponse(std::u16string_view response) {
    if (!responsePending_ || !hasForm())
        return;
    if (framework::AddResponsePage(form(), response_, framework::ResponseTextToUtf8(response)))
        return;
    validDates_.SetResponse(response_.text());
    response_.clear();
    responsePending_ = false;
    ShowSubDialog(validDates_);
}

bool CSkyfolio::RunChecks() {
    return RunSkyfolioChecks(checkForms());
}

namespace {

// A sub-dialog whose window could not be made reads as empty.
class NoValues final : public FormValues {
  public:
    std::string text(ui::ControlId) const override { return {}; }
    bool checked(ui::ControlId) const override { return false; }
    long choice(ui::ControlId) const override { return -1; }
};

const NoValues kNoValues;

std::optional<DialogValues> ValuesOf(framework::SubDialog& dialog) {
    if (!dialog.hasForm())
        return std::nullopt;
    return DialogValues(dialog.form());
}

}  // namespace

std::string CSkyfolio::BuildEntry() {
    const DialogEntryValues main(form());
    const auto fareBasis = ValuesOf(fareBasis_);
    const auto others = ValuesOf(others_);
    const auto validDates = ValuesOf(validDates_);
    auto or_none = [](const std::optional<DialogValues>& v) -> const FormValues& {
        return v ? static_cast<const FormValues&>(*v) : kNoValues;
    };
    return ComposeSkyfolioEntry({main, or_none(fareBasis), or_none(others), or_none(validDates)});
}

void CSkyfolio::SaveProfile(framework::ProfilePass& pass) {
    pass.save(form(), SavedFields());
}

void CSkyfolio::RestoreProfile(framework::ProfilePass& pass) {
    FormRules r = rules();
    pass.restore(form(), RestoredToFirstPayment());
    r.RefillSecondPayment();
    pass.restore(form(), RestoredToEndorsement());
    r.RefillItCodes();
    pass.restore(form(), RestoredItCode());
    r.InitialState();
}

void CSkyfolio::ClearForm() {
    MaskBase::ClearForm();
    if (const ui::DialogTemplate* t = ui::findTemplate(kInfo.form.form)) {
        for (const ui::ControlTemplate& c : t->controls) {
            if (c.kind == ui::ControlKind::CheckBox)
                form().setChecked(c.id, false);
        }
    }
    rules().InitialState();
}

HRESULT CreateSkyfolio(REFIID riid, void** ppv) {
    return CSkyfolio::Create(riid, ppv);
}

}  // namespace masks
