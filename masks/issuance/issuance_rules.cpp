#include "masks/issuance/issuance_rules.h"

#include <utility>

#include "framework/list_entries.h"
#include "framework/rule_triggers.h"
#include "masks/common/ticketing_choice_rules.h"
#include "masks/issuance/issuance_form.h"
#include "resources/resource.h"

namespace masks::issuance {
namespace {

using framework::Act;
using framework::Effect;
using framework::SelectedCode;
using framework::When;
using Source = framework::ChoiceSource;

// Every detail field of both payments; they share the payment rows of the form.
constexpr ui::ControlId kDetails[] = {
    IDC_ISS_FOP1_AGT_CODE,
    IDC_ISS_FOP1_ALINE_DATA,
    IDC_ISS_FOP1_CC_TYPE,
    IDC_ISS_FOP1_CC_NBR,
    IDC_ISS_FOP1_CC_EXPDATE,
    IDC_ISS_FOP1_CC_APPR_CDE,
    IDC_ISS_FOP1_CC_EXT_PAY_MONTHS,
    IDC_ISS_FOP1_CC_ALINE_DATA,
    IDC_ISS_FOP1_GR_NBR,
    IDC_ISS_FOP1_GGR_WRT_CDE,
    IDC_ISS_FOP1_GGR_DBTOR_CDE,
    IDC_ISS_FOP1_OBJECTCODE,
    IDC_ISS_FOP1_OTH,
    IDC_ISS_FOP2_CHQAMT,
    IDC_ISS_FOP2_GR_NBR,
    IDC_ISS_FOP2_GR_AMT,
    IDC_ISS_FOP2_GGR_WRT_CDE,
    IDC_ISS_FOP2_GGR_DBTOR_CDE,
    IDC_ISS_FOP2_GGR_AMT,
    IDC_ISS_FOP2_OBJECTCODE,
    IDC_ISS_FOP2_CSHAMT,
    IDC_ISS_FOP2_OTH,
    IDC_ISS_FOP2_OTH_AMT,
    IDC_ISS_FOP1_GGR_CODE,
    IDC_ISS_FOP2_GGR_CODE,
    IDC_ISS_FOP1_CC_EXT_PAY,
};

// The card's fields, cleared when the card is chosen first; the box and the airline data
// are dealt with apart.
constexpr ui::ControlId kCardFields[] = {
    IDC_ISS_FOP1_CC_TYPE,           IDC_ISS_FOP1_CC_NBR,
    IDC_ISS_FOP1_CC_EXPDATE,        IDC_ISS_FOP1_CC_APPR_CDE,
    IDC_ISS_FOP1_CC_EXT_PAY_MONTHS,
};

constexpr ui::ControlId kGgrFields[] = {IDC_ISS_FOP1_GGR_WRT_CDE, IDC_ISS_FOP1_GGR_DBTOR_CDE,
                                        IDC_ISS_FOP1_OBJECTCODE};

// The first payment's one detail field, for the payments that have one.
constexpr std::pair<long, ui::ControlId> kSingleDetail[] = {
    {kCash, IDC_ISS_FOP1_ALINE_DATA},
    {kInvoiceToAgent, IDC_ISS_FOP1_AGT_CODE},
    {kGovernmentRequest, IDC_ISS_FOP1_GR_NBR},
    {kOtherPayment, IDC_ISS_FOP1_OTH},
};

// The second payment's fields, cleared and shown beside the first payment's.
struct SecondDetails {
    long code;
    std::span<const ui::ControlId> fields;
};
constexpr ui::ControlId kSecondCash[] = {IDC_ISS_FOP2_CSHAMT};
constexpr ui::ControlId kSecondCheque[] = {IDC_ISS_FOP2_CHQAMT};
constexpr ui::ControlId kSecondGr[] = {IDC_ISS_FOP2_GR_NBR, IDC_ISS_FOP2_GR_AMT};
constexpr ui::ControlId kSecondGgr[] = {IDC_ISS_FOP2_GGR_WRT_CDE, IDC_ISS_FOP2_GGR_DBTOR_CDE,
                                        IDC_ISS_FOP2_GGR_AMT, IDC_ISS_FOP2_OBJECTCODE};
constexpr ui::ControlId kSecondOther[] = {IDC_ISS_FOP2_OTH, IDC_ISS_FOP2_OTH_AMT};
constexpr SecondDetails kSecondDetails[] = {
    {kCash, kSecondCash},
    {kCheque, kSecondCheque},
    {kGovernmentRequest, kSecondGr},
    {kGovernmentRequestOther, kSecondGgr},
    {kOtherPayment, kSecondOther},
};

// By TYPE: the net remit amount and discount only for net remit, the fare exchange fields for
// every type, the commission not for fare exchange; the carrier optional for fare exchange.
constexpr Effect kTypeEffects[] = {
    {IDC_ISS_NET_REMIT_AMT, Act::Empty, When(0, 2, 3)},
    {IDC_ISS_NET_REMIT_AMT, Act::EnabledIf, When(1)},
    {IDC_ISS_DISCOUNT_AMT, Act::Empty, When(0, 2, 3)},
    {IDC_ISS_DISCOUNT_AMT, Act::EnabledIf, When(1)},
    {IDC_ISS_VALUE_CODE, Act::Empty, When(0)},
    {IDC_ISS_VALUE_CODE, Act::EnabledIf, When(1, 2, 3)},
    {IDC_ISS_SELLING_FARE, Act::Empty, When(0)},
    {IDC_ISS_SELLING_FARE, Act::EnabledIf, When(1, 2, 3)},
    {IDC_ISS_CARD_AMT, Act::Empty, When(0)},
    {IDC_ISS_CARD_AMT, Act::EnabledIf, When(1, 2, 3)},
    {IDC_ISS_CONTRACT_CODE, Act::Empty, When(0)},
    {IDC_ISS_CONTRACT_CODE, Act::EnabledIf, When(1, 2, 3)},
    {IDC_ISS_NET_COMMISSION, Act::Empty, When(0, 2, 3)},
    {IDC_ISS_NET_COMMISSION, Act::EnabledIf, When(1)},
    {IDC_ISS_COMMISSION, Act::Empty, When(2, 3)},
    {IDC_ISS_COMMISSION, Act::EnabledIf, When(0, 1)},
    {IDC_ISS_CARRIER_LINK, Act::MandatoryIf, When(0, 1, 3)},
};

constexpr Effect kExtendedPaymentEffects[] = {
    {IDC_ISS_FOP1_CC_EXT_PAY_MONTHS, Act::EnabledIf, When(1)},
    {IDC_ISS_FOP1_CC_EXT_PAY_MONTHS, Act::Empty, When(0)},
};

constexpr auto kEndorsementEffects = EndorsementEffects({
    .line1 = IDC_ISS_ENDORSE1,
    .label1 = IDC_ISS_ENDORSE1_LABEL,
    .line2 = IDC_ISS_ENDORSE2,
    .label2 = IDC_ISS_ENDORSE2_LABEL,
    .edTooltip = "TOOLTIP_TICKETISSUANCE_ENDORSE_ED",
    .eoTooltip = "TOOLTIP_TICKETISSUANCE_ENDORSE_EO",
    .eoDomesticTooltip = "TOOLTIP_TICKETISSUANCE_ENDORSE_EO_PR_DOMESTIC",
    .edDomesticTooltip = "TOOLTIP_TICKETISSUANCE_ENDORSE_ED_PR_DOMESTIC",
    .edLabel = "DATA_TICKETISSUANCE_ED",
    .eoLabel = "DATA_TICKETISSUANCE_EO",
});
constexpr auto kItCodeEffects = ItCodeEffects(IDC_ISS_ITCODE);
constexpr PrintingControls kPrinting = {
    IDC_ISS_OVERRIDE_ETKT,
    IDC_ISS_PRINTOPTION,
    {IDC_ISS_AGENT_COUPON, IDC_ISS_PASSENGER_RECEIPT, IDC_ISS_AUDIT_COUPON,
     IDC_ISS_CARD_CHARGE_FORM, IDC_ISS_EXCHG_AUTH_FORM},
};
constexpr auto kPrintOptionEffects = PrintOptionEffects(kPrinting);
constexpr auto kElectronicTicketingEffects = ElectronicTicketingEffects(kPrinting);

constexpr ui::ControlId kExtendedPayment[] = {IDC_ISS_FOP1_CC_EXT_PAY};
constexpr ui::ControlId kEndorsementType[] = {IDC_ISS_ENDORSE_TYPE};
constexpr ui::ControlId kItCodeType[] = {IDC_ISS_ITCODE_TYPE};
constexpr ui::ControlId kElectronicTicketing[] = {IDC_ISS_ETKT};
constexpr ui::ControlId kPrintOption[] = {IDC_ISS_PRINTOPTION};

constexpr framework::ChoiceRule kExtendedPaymentRule{{Source::Kind::CheckBox, kExtendedPayment},
                                                     kExtendedPaymentEffects};
constexpr framework::ChoiceRule kEndorsementRule{{Source::Kind::List, kEndorsementType},
                                                 kEndorsementEffects};
constexpr framework::ChoiceRule kItCodeRule{{Source::Kind::List, kItCodeType}, kItCodeEffects};
constexpr framework::ChoiceRule kElectronicTicketingRule{
    {Source::Kind::CheckBox, kElectronicTicketing}, kElectronicTicketingEffects};
constexpr framework::ChoiceRule kPrintOptionRule{{Source::Kind::List, kPrintOption},
                                                 kPrintOptionEffects};

constexpr framework::ChoiceRule kChoiceRules[] = {
    kExtendedPaymentRule, kEndorsementRule, kItCodeRule, kElectronicTicketingRule, kPrintOptionRule,
};

using Trigger = framework::Trigger<FormRules>;

constexpr Trigger kTriggers[] = {
    {IDC_ISS_TYPE, ui::Notify::SelChange, &FormRules::TypeRule},
    {IDC_ISS_FOP1, ui::Notify::SelChange, &FormRules::FirstPaymentRule},
    {IDC_ISS_FOP2, ui::Notify::SelChange, &FormRules::SecondPaymentRule},
    {IDC_ISS_GBA, ui::Notify::Clicked, &FormRules::GbaRule},
    {IDC_ISS_FP_LINES, ui::Notify::Clicked, &FormRules::FpLinesRule},
};

}  // namespace

std::span<const framework::ChoiceRule> ChoiceRules() {
    return kChoiceRules;
}

void FormRules::PopulateLists() {
    const std::pair<ui::ControlId, const ListContents*> lists[] = {
        {IDC_ISS_PRINTOPTION, &kPrintingOptions},
        {IDC_ISS_ENDORSE_TYPE, &kEndorsementTypes},
        {IDC_ISS_FOP1, &kFirstPayments},
        {IDC_ISS_FOP1_GGR_CODE, &kGgrCodes},
        {IDC_ISS_FOP2_GGR_CODE, &kGgrCodes},
        {IDC_ISS_SPLIT, &kSplitTicketing},
        {IDC_ISS_TYPE, &kTypes},
    };
    for (const auto& [list, contents] : lists)
        Populate(form_, list, *contents, log_, component_);
    form_.select(IDC_ISS_SPLIT, 0);
    form_.select(IDC_ISS_TYPE, 0);
    TypeRule();
}

void FormRules::Refresh() {
    for (ui::ControlId list : {IDC_ISS_FOP1, IDC_ISS_FOP2, IDC_ISS_FOP1_GGR_CODE,
                               IDC_ISS_FOP2_GGR_CODE, IDC_ISS_ENDORSE_TYPE}) {
        SelectFirst(list);
    }
    FirstPaymentRule();
    SecondPaymentRule();
    EndorsementRule();
    ExtendedPaymentRule();
    for (ui::ControlId field :
         {IDC_ISS_NET_REMIT_AMT, IDC_ISS_DISCOUNT_AMT, IDC_ISS_NET_COMMISSION, IDC_ISS_SELLING_FARE,
          IDC_ISS_CARD_AMT, IDC_ISS_VALUE_CODE, IDC_ISS_CONTRACT_CODE}) {
        Empty(field);
    }
    for (ui::ControlId field : {IDC_ISS_ALTCURRENCY, IDC_ISS_DISCOUNT_AMT, IDC_ISS_SELLING_FARE})
        form_.enable(field, true);
    RebuildItCodes();
    PrintOptionRule();
    ElectronicTicketingRule();
    GbaRule();
    FpLinesRule();
    SelectFirst(IDC_ISS_TYPE);
    TypeRule();
    ItCodeRule();
}

bool FormRules::OnCommand(ui::ControlId id, ui::Notify code) {
    return framework::RunTrigger<FormRules>(kTriggers, *this, id, code);
}

void FormRules::Reveal(ui::ControlId id) {
    form_.show(id, true);
    form_.enable(id, true);
}

void FormRules::Hide(ui::ControlId id) {
    form_.show(id, false);
    form_.enable(id, false);
}

void FormRules::ReadOnly(ui::ControlId id) {
    Empty(id);
    form_.enable(id, false);
    form_.show(id, true);
}

void FormRules::Empty(ui::ControlId id) {
    if (!restoring_)
        form_.setText(id, "");
}

void FormRules::SelectFirst(ui::ControlId list) {
    if (!restoring_ && form_.itemCount(list) > 0)
        form_.select(list, 0);
}

void FormRules::Apply(const framework::ChoiceRule& rule) {
    framework::ApplyEffects(form_, controls_, rule.effects,
                            framework::ReadChoice(form_, rule.source), restoring_);
}

void FormRules::TypeRule() {
    framework::ApplyEffects(form_, controls_, kTypeEffects, SelectedCode(form_, IDC_ISS_TYPE),
                            restoring_);
    if (restoring_)
        return;
    RebuildItCodes();
    ItCodeRule();
}

void FormRules::RebuildItCodes() {
    const long type = SelectedCode(form_, IDC_ISS_TYPE);
    const long shown = SelectedCode(form_, IDC_ISS_ITCODE_TYPE);
    const ListContents& codes = type >= kNetRemit && type <= kFareExchangeThailand
                                    ? kItCodesOfNetTypes
                                    : kItCodesWithoutType;
    Populate(form_, IDC_ISS_ITCODE_TYPE, codes, log_, component_);
    if (!restoring_ || !framework::SelectCode(form_, IDC_ISS_ITCODE_TYPE, shown))
        form_.select(IDC_ISS_ITCODE_TYPE, 0);
}

void FormRules::HideDetails() {
    for (ui::ControlId id : kDetails)
        Hide(id);
}

void FormRules::FirstPaymentRule() {
    HideDetails();
    const long first = SelectedCode(form_, IDC_ISS_FOP1);
    const long shown = SelectedCode(form_, IDC_ISS_FOP2);
    const ListContents seconds = SecondPayments(first);
    Populate(form_, IDC_ISS_FOP2, seconds, log_, component_);
    form_.enable(IDC_ISS_FOP2, seconds.entries.size() > 1);
    if (seconds.entries.empty())
        return;
    if (!restoring_ || !framework::SelectCode(form_, IDC_ISS_FOP2, shown))
        form_.select(IDC_ISS_FOP2, 0);
    FirstPaymentDetails();
}

void FormRules::FirstPaymentDetails() {
    const long first = SelectedCode(form_, IDC_ISS_FOP1);
    for (const auto& [code, field] : kSingleDetail) {
        if (code == first) {
            Empty(field);
            Reveal(field);
        }
    }
    if (first == kCreditCard) {
        for (ui::ControlId id : kCardFields)
            Empty(id);
        Empty(IDC_ISS_FOP1_CC_ALINE_DATA);
        for (ui::ControlId id : kCardFields)
            Reveal(id);
        Reveal(IDC_ISS_FOP1_CC_ALINE_DATA);
        Reveal(IDC_ISS_FOP1_CC_EXT_PAY);
        if (!restoring_)
            form_.setChecked(IDC_ISS_FOP1_CC_EXT_PAY, false);
        ExtendedPaymentRule();
    } else if (first == kGovernmentRequestOther) {
        for (ui::ControlId id : kGgrFields)
            Empty(id);
        SelectFirst(IDC_ISS_FOP1_GGR_CODE);
        for (ui::ControlId id : kGgrFields)
            Reveal(id);
        Reveal(IDC_ISS_FOP1_GGR_CODE);
    }
}

void FormRules::SecondPaymentRule() {
    HideDetails();
    const long second = SelectedCode(form_, IDC_ISS_FOP2);
    if (second <= kNoPayment) {
        FirstPaymentDetails();
        return;
    }
    // The first payment's fields keep their texts beside a second payment; the airline data
    // of cash, and of a card beside anything but cash, can no longer be given.
    switch (SelectedCode(form_, IDC_ISS_FOP1)) {
        case kCash:
            ReadOnly(IDC_ISS_FOP1_ALINE_DATA);
            break;
        case kCreditCard:
            for (ui::ControlId id : kCardFields)
                Reveal(id);
            Reveal(IDC_ISS_FOP1_CC_EXT_PAY);
            if (second == kCash)
                Reveal(IDC_ISS_FOP1_CC_ALINE_DATA);
            else
                ReadOnly(IDC_ISS_FOP1_CC_ALINE_DATA);
            break;
        case kGovernmentRequest:
            Reveal(IDC_ISS_FOP1_GR_NBR);
            break;
        case kGovernmentRequestOther:
            for (ui::ControlId id : kGgrFields)
                Reveal(id);
            Reveal(IDC_ISS_FOP1_GGR_CODE);
            break;
        default:
            break;
    }
    for (const SecondDetails& d : kSecondDetails) {
        if (d.code != second)
            continue;
        if (second == kGovernmentRequestOther) {
            SelectFirst(IDC_ISS_FOP2_GGR_CODE);
            Reveal(IDC_ISS_FOP2_GGR_CODE);
        }
        for (ui::ControlId id : d.fields) {
            Empty(id);
            Reveal(id);
        }
    }
    if (SelectedCode(form_, IDC_ISS_FOP1) == kCreditCard)
        ExtendedPaymentRule();
}

void FormRules::ExtendedPaymentRule() {
    Apply(kExtendedPaymentRule);
}

void FormRules::EndorsementRule() {
    Apply(kEndorsementRule);
}

void FormRules::ItCodeRule() {
    Apply(kItCodeRule);
}

void FormRules::ElectronicTicketingRule() {
    Apply(kElectronicTicketingRule);
}

void FormRules::PrintOptionRule() {
    Apply(kPrintOptionRule);
}

void FormRules::GbaRule() {
    if (form_.isChecked(IDC_ISS_GBA)) {
        if (!restoring_)
            form_.setChecked(IDC_ISS_ETKT, false);
        form_.enable(IDC_ISS_ETKT, false);
        ElectronicTicketingRule();
    } else {
        form_.enable(IDC_ISS_ETKT, true);
    }
}

void FormRules::FpLinesRule() {
    if (!form_.isChecked(IDC_ISS_GBA))
        form_.enable(IDC_ISS_ETKT, true);
}

}  // namespace masks::issuance
