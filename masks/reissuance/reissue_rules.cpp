#include "masks/reissuance/reissue_rules.h"

#include <array>
#include <initializer_list>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "framework/checks.h"
#include "framework/choice_rules.h"
#include "framework/list_entries.h"
#include "framework/rule_triggers.h"
#include "masks/common/payment_details.h"
#include "masks/common/ticketing_choice_rules.h"
#include "masks/reissuance/reissue_form.h"
#include "resources/resource.h"

namespace masks::reissue {
namespace {

using framework::Act;
using framework::ApplyEffects;
using framework::Effect;
using framework::SelectCode;
using framework::SelectedCode;
using framework::When;

constexpr ui::ControlId kOriginalCash[] = {IDC_REISS_FOP1_ALINE_DATA};
constexpr ui::ControlId kOriginalCard[] = {IDC_REISS_FOP1_CC_TYPE};
constexpr ui::ControlId kOriginalGr[] = {IDC_REISS_FOP1_GR_NBR};
constexpr ui::ControlId kOriginalGgr[] = {IDC_REISS_FOP1_GGR_CODE, IDC_REISS_FOP1_GGR_WRT_CDE,
                                          IDC_REISS_FOP1_GGR_DBTOR_CDE};
constexpr ui::ControlId kOriginalOther[] = {IDC_REISS_FOP1_OTH};

constexpr PaymentDetails kOriginalDetails[] = {
    {kCash, kOriginalCash},
    {kCreditCard, kOriginalCard},
    {kGovernmentRequest, kOriginalGr},
    {kGovernmentRequestOther, kOriginalGgr},
    {kOtherPayment, kOriginalOther},
};

constexpr ui::ControlId kAdditionalCash[] = {IDC_REISS_ADDPAYMENT_CSH_ALDATA,
                                             IDC_REISS_ADDPAYMENT_CSH_AMT};
constexpr ui::ControlId kAdditionalInvoice[] = {IDC_REISS_ADDPAYMENT_INVAGT_AMT};
constexpr ui::ControlId kAdditionalCheque[] = {IDC_REISS_ADDPAYMENT_CHQ_AMT};
constexpr ui::ControlId kAdditionalCard[] = {
    IDC_REISS_ADDPAYMENT_CC_TYPE, IDC_REISS_ADDPAYMENT_CC_NBR, IDC_REISS_ADDPAYMENT_CC_EXPDATE,
    IDC_REISS_ADDPAYMENT_CC_APPR_CDE, IDC_REISS_ADDPAYMENT_CC_AMT};
constexpr ui::ControlId kAdditionalGr[] = {IDC_REISS_ADDPAYMENT_GR_NBR,
                                           IDC_REISS_ADDPAYMENT_GR_AMT};
constexpr ui::ControlId kAdditionalGgr[] = {
    IDC_REISS_ADDPAYMENT_GGR_CODE, IDC_REISS_ADDPAYMENT_GGR_WRT_CDE,
    IDC_REISS_ADDPAYMENT_GGR_DBTOR_CDE, IDC_REISS_OBJECTCODE, IDC_REISS_ADDPAYMENT_GGR_AMT};
constexpr ui::ControlId kAdditionalOther[] = {IDC_REISS_ADDPAYMENT_OTH,
                                              IDC_REISS_ADDPAYMENT_OTH_AMT};

constexpr PaymentDetails kAdditionalDetails[] = {
    {kCash, kAdditionalCash},
    {kInvoiceToAgent, kAdditionalInvoice},
    {kCheque, kAdditionalCheque},
    {kCreditCard, kAdditionalCard},
    {kGovernmentRequest, kAdditionalGr},
    {kGovernmentRequestOther, kAdditionalGgr},
    {kOtherPayment, kAdditionalOther},
};

// With an additional payment chosen, these original details are emptied.
constexpr ui::ControlId kOriginalDetailsEmptiedBesideAdditional[] = {
    IDC_REISS_FOP1_ALINE_DATA, IDC_REISS_FOP1_CC_TYPE, IDC_REISS_FOP1_OTH};

constexpr auto kEndorsementEffects = EndorsementEffects({
    .line1 = IDC_REISS_ENDORSE1,
    .label1 = IDC_REISS_ENDORSE1_LABEL,
    .line2 = IDC_REISS_ENDORSE2,
    .label2 = IDC_REISS_ENDORSE2_LABEL,
    .edTooltip = "TOOLTIP_TKTREISSUE_ENDORSE_ED",
    .eoTooltip = "TOOLTIP_TKTREISSUE_ENDORSE_EO",
    .eoDomesticTooltip = "TOOLTIP_TKTREISSUE_ENDORSE_EO_PR_DOMESTIC",
    .edDomesticTooltip = "TOOLTIP_TKTREISSUE_ENDORSE_ED_PR_DOMESTIC",
    .edLabel = "DATA_TKTREISSUE_ED",
    .eoLabel = "DATA_TKTREISSUE_EO",
});
// Any IT code type (either list's) asks for the code.
constexpr auto kItCodeEffects = ItCodeEffects(IDC_REISS_ITCODE);
constexpr PrintingControls kPrinting = {
    IDC_REISS_OVERRIDE_ETKT,
    IDC_REISS_PRINTOPTION,
    {IDC_REISS_AGENTCOUPON, IDC_REISS_PASSRECEIPT, IDC_REISS_AUDITCOUPON, IDC_REISS_CCCHGFORM,
     IDC_REISS_EXCHG_AUTH_FORM},
};
constexpr auto kPrintingOptionEffects = PrintOptionEffects(kPrinting);
constexpr auto kElectronicTicketingEffects = ElectronicTicketingEffects(kPrinting);

constexpr Effect kSecondTicketEffects[] = {
    {IDC_REISS_ORGTKT1, Act::EnabledIf, When(1)},
    {IDC_REISS_ORGTKT1, Act::Empty},
    {IDC_REISS_ORGTKT2, Act::EnabledIf, When(1)},
    {IDC_REISS_ORGTKT2, Act::Empty},
};

constexpr Effect kNetRemitEffects[] = {
    {IDC_REISS_NETREMITAMT, Act::EnabledIf, When(1)},
    {IDC_REISS_NETREMITAMT, Act::Empty},
    {IDC_REISS_NETCOMMISSION, Act::EnabledIf, When(1)},
    {IDC_REISS_NETCOMMISSION, Act::Empty},
};

// By whether the net remit amount is given.
constexpr Effect kValueCodeEffects[] = {
    {IDC_REISS_VALUE_CODE, Act::EnabledIf, When(1)},
    {IDC_REISS_VALUE_CODE, Act::Empty, When(0)},
    {IDC_REISS_CONTRACT_CODE, Act::EnabledIf, When(1)},
    {IDC_REISS_CONTRACT_CODE, Act::Empty, When(0)},
};

constexpr ui::ControlId kEndorsementType[] = {IDC_REISS_ENDORSE_TYPE};
constexpr ui::ControlId kItCodeType[] = {IDC_REISS_ITCODE_TYPE};
constexpr ui::ControlId kPrintingOption[] = {IDC_REISS_PRINTOPTION};
constexpr ui::ControlId kSecondTicket[] = {IDC_REISS_2TKTISSUE};
constexpr ui::ControlId kElectronicTicketing[] = {IDC_REISS_ETKT};

using Source = framework::ChoiceSource;

// The rules that follow one choice alone, in the order they are applied; the printing option
// rule opens the copies that the electronic ticketing rule may close again.
constexpr framework::ChoiceRule kChoiceRules[] = {
    {{Source::Kind::List, kEndorsementType}, kEndorsementEffects},
    {{Source::Kind::List, kItCodeType}, kItCodeEffects},
    {{Source::Kind::List, kPrintingOption}, kPrintingOptionEffects},
    {{Source::Kind::CheckBox, kSecondTicket}, kSecondTicketEffects},
    {{Source::Kind::CheckBox, kElectronicTicketing}, kElectronicTicketingEffects},
};

using Trigger = framework::Trigger<FormRules>;

constexpr Trigger kTriggers[] = {
    {IDC_REISS_FOP, ui::Notify::SelChange, &FormRules::OriginalPaymentRule},
    {IDC_REISS_ADDPAYMENT, ui::Notify::SelChange, &FormRules::AdditionalPaymentRule},
    {IDC_REISS_NETREMIT, ui::Notify::Clicked, &FormRules::NetRemitRule},
    {IDC_REISS_NETREMITAMT, ui::Notify::Changed, &FormRules::ValueCodeRule},
};

bool IsPaymentCode(long code) {
    return code >= kCash && code <= kOtherPayment;
}

}  // namespace

void FormRules::PopulateLists() {
    const std::pair<ui::ControlId, const ListContents*> lists[] = {
        {IDC_REISS_PRINTOPTION, &kPrintingOptions},
        {IDC_REISS_ENDORSE_TYPE, &kEndorsementTypes},
        {IDC_REISS_FOP, &kOriginalPayments},
        {IDC_REISS_ITCODE_TYPE, &kItCodesWithoutNetRemit},
        {IDC_REISS_FOP1_GGR_CODE, &kGgrCodes},
        {IDC_REISS_ADDPAYMENT_GGR_CODE, &kGgrCodes},
        {IDC_REISS_SPLIT, &kSplitTicketing},
    };
    for (const auto& [list, contents] : lists) {
        framework::PopulateList(form_, list, contents->entries, log_, component_,
                                contents->operation);
        form_.select(list, 0);
    }
}

void FormRules::ApplyPaymentRules() {
    NetRemitRule();
    OriginalPaymentRule();
    PaymentLayout();
}

bool FormRules::OnCommand(ui::ControlId id, ui::Notify code) {
    return framework::RunTrigger<FormRules>(kTriggers, *this, id, code);
}

void FormRules::Reveal(ui::ControlId id) {
    form_.show(id, true);
    form_.enable(id, true);
}

void FormRules::Empty(ui::ControlId id) {
    if (restoring_)
        return;
    if (form_.kind(id) == ui::ControlKind::Combo)
        form_.select(id, 0);
    else
        form_.setText(id, "");
}

void FormRules::LayOutPayments(Original original) {
    HideDetails(form_, {kOriginalDetails, kAdditionalDetails});
    const std::span<const ui::ControlId> shown =
        DetailsOf(kOriginalDetails, SelectedCode(form_, IDC_REISS_FOP));
    for (ui::ControlId id : shown)
        Reveal(id);
    const long additional = SelectedCode(form_, IDC_REISS_ADDPAYMENT);
    if (original == Original::Clear) {
        if (IsPaymentCode(additional)) {
            for (ui::ControlId id : kOriginalDetailsEmptiedBesideAdditional)
                Empty(id);
        } else {
            for (ui::ControlId id : shown)
                Empty(id);
            Empty(IDC_REISS_FOP1_GGR_CODE);
        }
    }
    for (ui::ControlId id : DetailsOf(kAdditionalDetails, additional)) {
        Reveal(id);
        Empty(id);
    }
}

void FormRules::PaymentLayout() {
    LayOutPayments(Original::Clear);
}

void FormRules::OriginalPaymentRule() {
    const long shown = SelectedCode(form_, IDC_REISS_ADDPAYMENT);
    const std::span<const framework::ListEntry> entries = kAdditionalPayments.entries;
    framework::PopulateList(form_, IDC_REISS_ADDPAYMENT,
                            form_.isChecked(IDC_REISS_NETREMIT) ? entries.subspan(1) : entries,
                            log_, component_, kAdditionalPayments.operation);
    if (!restoring_ || !SelectCode(form_, IDC_REISS_ADDPAYMENT, shown))
        form_.select(IDC_REISS_ADDPAYMENT, 0);
    LayOutPayments(Original::Clear);
    form_.enable(IDC_REISS_ADDPAYMENT, true);
}

void FormRules::AdditionalPaymentRule() {
    LayOutPayments(Original::Keep);
}

void FormRules::KeepEmptyAdditionalPayment(bool present) {
    const ui::ControlId list = IDC_REISS_ADDPAYMENT;
    const long shown = SelectedCode(form_, list);
    std::vector<std::pair<std::string, long>> others;
    for (int i = 0, n = form_.itemCount(list); i < n; ++i) {
        if (form_.itemData(list, i) != kNoPayment)
            others.emplace_back(form_.itemText(list, i), form_.itemData(list, i));
    }
    if (present == (static_cast<int>(others.size()) < form_.itemCount(list)))
        return;
    form_.clearList(list);
    if (present)
        form_.addItem(list, "", kNoPayment);
    for (const auto& [text, code] : others)
        form_.addItem(list, text, code);
    if (!SelectCode(form_, list, shown) && form_.itemCount(list) > 0)
        form_.select(list, 0);
}

void FormRules::NetRemitRule() {
    const bool netRemit = form_.isChecked(IDC_REISS_NETREMIT);
    if (netRemit && !restoring_) {
        SelectCode(form_, IDC_REISS_ADDPAYMENT, kCash);
        AdditionalPaymentRule();
    }
    KeepEmptyAdditionalPayment(!netRemit);
    ApplyEffects(form_, controls_, kNetRemitEffects, netRemit ? 1 : 0, restoring_);
    if (!restoring_)
        RefillItCodes();
}

void FormRules::RefillItCodes() {
    const ListContents& codes =
        form_.isChecked(IDC_REISS_NETREMIT) ? kItCodesWithNetRemit : kItCodesWithoutNetRemit;
    framework::PopulateList(form_, IDC_REISS_ITCODE_TYPE, codes.entries, log_, component_,
                            codes.operation);
    form_.select(IDC_REISS_ITCODE_TYPE, 0);
    ItCodeRule();
}

void FormRules::ValueCodeRule() {
    const bool given = !framework::IsFieldEmpty(form_, IDC_REISS_NETREMITAMT);
    ApplyEffects(form_, controls_, kValueCodeEffects, given ? 1 : 0, restoring_);
}

void FormRules::ItCodeRule() {
    ApplyEffects(form_, controls_, kItCodeEffects, SelectedCode(form_, IDC_REISS_ITCODE_TYPE),
                 restoring_);
}

std::span<const framework::ChoiceRule> ChoiceRules() {
    return kChoiceRules;
}

}  // namespace masks::reissue
