#include "masks/skyfolio/skyfolio_rules.h"

#include <algorithm>
#include <array>
#include <utility>

#include "framework/list_entries.h"
#include "framework/rule_triggers.h"
#include "masks/common/payment_details.h"
#include "masks/common/ticketing_choice_rules.h"
#include "masks/skyfolio/skyfolio_form.h"
#include "resources/resource.h"

namespace masks::skyfolio {
namespace {

using framework::Act;
using framework::Effect;
using framework::When;
using Source = framework::ChoiceSource;

constexpr ui::ControlId kFirstCash[] = {IDC_SKY_ALDATA1};
constexpr ui::ControlId kFirstInvoice[] = {IDC_SKY_AGCODE};
constexpr ui::ControlId kFirstCard[] = {IDC_SKY_CCTYPE1,     IDC_SKY_CCNBR1,    IDC_SKY_CCEXPDATE1,
                                        IDC_SKY_CCAPPRCODE1, IDC_SKY_CCEXPYMT1, IDC_SKY_PYMNT1};
constexpr ui::ControlId kFirstGr[] = {IDC_SKY_GRNO1};
constexpr ui::ControlId kFirstGgr[] = {IDC_SKY_GGR1, IDC_SKY_WRR1, IDC_SKY_DBTR1,
                                       IDC_SKY_OBJECTCODE1};
constexpr ui::ControlId kFirstOther[] = {IDC_SKY_OTHERS_FOP1};

constexpr PaymentDetails kFirstDetails[] = {
    {kCash, kFirstCash},
    {kInvoiceToAgent, kFirstInvoice},
    {kCreditCard, kFirstCard},
    {kGovernmentRequest, kFirstGr},
    {kGovernmentRequestOther, kFirstGgr},
    {kOtherPayment, kFirstOther},
};

constexpr ui::ControlId kSecondCash[] = {IDC_SKY_CASHAMT};
constexpr ui::ControlId kSecondCashAfterCard[] = {IDC_SKY_ALDATA2, IDC_SKY_ALAMT2};
constexpr ui::ControlId kSecondCheque[] = {IDC_SKY_CHQAMT2};
constexpr ui::ControlId kSecondGr[] = {IDC_SKY_GRNO2, IDC_SKY_GRAMT2};
constexpr ui::ControlId kSecondGgr[] = {IDC_SKY_GGR2, IDC_SKY_WRR2, IDC_SKY_DBTR2, IDC_SKY_GGR_AMT2,
                                        IDC_SKY_OBJECTCODE2};
constexpr ui::ControlId kSecondOther[] = {IDC_SKY_OTHERS_FOP2, IDC_SKY_FOP2_AMT};

constexpr PaymentDetails kSecondDetails[] = {
    {kCash, kSecondCash},
    {kCheque, kSecondCheque},
    {kGovernmentRequest, kSecondGr},
    {kGovernmentRequestOther, kSecondGgr},
    {kOtherPayment, kSecondOther},
};
// After a card, cash is paid in fields of its own.
constexpr PaymentDetails kSecondDetailsAfterCard[] = {
    {kCash, kSecondCashAfterCard},   {kCheque, kSecondCheque},
    {kGovernmentRequest, kSecondGr}, {kGovernmentRequestOther, kSecondGgr},
    {kOtherPayment, kSecondOther},
};

constexpr Effect kEndorsementEffects[] = {
    {IDC_SKY_ENDORSE1, Act::EnabledIf, When(1, 2, 3)}, {IDC_SKY_ENDORSE1, Act::Empty},
    {IDC_SKY_ENDORSE1, Act::Limit, When(1, 2), 60},    {IDC_SKY_ENDORSE1, Act::Limit, When(3), 29},
    {IDC_SKY_ENDORSE2, Act::EnabledIf, When(3)},       {IDC_SKY_ENDORSE2, Act::Empty},
};

// Exempt specific opens the codes, all plus additional the codes and amounts; every change
// empties the grid.
constexpr std::array<Effect, 40> kTaxEffects = [] {
    std::array<Effect, 40> effects{};
    for (std::size_t i = 0; i < 10; ++i) {
        effects[4 * i] = {kTaxCodes[i], Act::Empty};
        effects[4 * i + 1] = {kTaxCodes[i], Act::EnabledIf, When(2, 3)};
        effects[4 * i + 2] = {kTaxAmounts[i], Act::Empty};
        effects[4 * i + 3] = {kTaxAmounts[i], Act::EnabledIf, When(3)};
    }
    return effects;
}();

// Any IT code (of either list) opens the tour code; every change empties it.
constexpr auto kItCodeEffects = ItCodeEffects(IDC_SKY_TOURCODE);

// Bag allowance ticked: a common allowance and no transfer; unticked the other way round.
constexpr Effect kBagAllowanceEffects[] = {
    {IDC_SKY_BAGALLOW_EDIT, Act::EnabledIf, When(1)},
    {IDC_SKY_BAGALLOW_EDIT, Act::Empty, When(0)},
    {IDC_SKY_TFR, Act::EnabledIf, When(0)},
    {IDC_SKY_TFR, Act::Empty, When(1)},
};

// A ticked box opens its fields; unticked they close and empty.
template <std::size_t N>
constexpr std::array<Effect, 2 * N> BoxOpens(const ui::ControlId (&fields)[N]) {
    std::array<Effect, 2 * N> effects{};
    for (std::size_t i = 0; i < N; ++i) {
        effects[2 * i] = {fields[i], Act::EnabledIf, When(1)};
        effects[2 * i + 1] = {fields[i], Act::Empty, When(0)};
    }
    return effects;
}

constexpr ui::ControlId kAdultFields[] = {IDC_SKY_ADULT_EDIT};
constexpr ui::ControlId kChildFields[] = {IDC_SKY_CHILD_EDIT, IDC_SKY_CHILD_EDIT_AGE};
constexpr ui::ControlId kInfantFields[] = {IDC_SKY_INFANT_EDIT};
constexpr ui::ControlId kSeamanFields[] = {IDC_SKY_SMAN1, IDC_SKY_SMAN2};
constexpr ui::ControlId kOthersFields[] = {IDC_SKY_OTHERS1, IDC_SKY_OTHERS2};
constexpr ui::ControlId kExtendedPaymentFields[] = {IDC_SKY_PYMNT1};

constexpr auto kAdultEffects = BoxOpens(kAdultFields);
constexpr auto kChildEffects = BoxOpens(kChildFields);
constexpr auto kInfantEffects = BoxOpens(kInfantFields);
constexpr auto kSeamanEffects = BoxOpens(kSeamanFields);
constexpr auto kOthersEffects = BoxOpens(kOthersFields);
constexpr auto kExtendedPaymentEffects = BoxOpens(kExtendedPaymentFields);

constexpr ui::ControlId kEndorsement[] = {IDC_SKY_ENDORSEMENT};
constexpr ui::ControlId kTaxType[] = {IDC_SKY_TAXTYPE};
constexpr ui::ControlId kItCode[] = {IDC_SKY_ITCODE};
constexpr ui::ControlId kBagAllowance[] = {IDC_SKY_BAGALLOW};
constexpr ui::ControlId kAdult[] = {IDC_SKY_ADULT};
constexpr ui::ControlId kChild[] = {IDC_SKY_CHILD};
constexpr ui::ControlId kInfant[] = {IDC_SKY_INFANT};
constexpr ui::ControlId kSeaman[] = {IDC_SKY_SEAMAN};
constexpr ui::ControlId kOthers[] = {IDC_SKY_OTHERS};
constexpr ui::ControlId kExtendedPayment[] = {IDC_SKY_CCEXPYMT1};

enum RuleIndex : std::size_t { kEndorsementRule, kTaxRule, kItCodeRule, kFirstBoxRule };

constexpr framework::ChoiceRule kChoiceRules[] = {
    {{Source::Kind::List, kEndorsement}, kEndorsementEffects},
    {{Source::Kind::List, kTaxType}, kTaxEffects},
    {{Source::Kind::List, kItCode}, kItCodeEffects},
    {{Source::Kind::CheckBox, kBagAllowance}, kBagAllowanceEffects},
    {{Source::Kind::CheckBox, kAdult}, kAdultEffects},
    {{Source::Kind::CheckBox, kChild}, kChildEffects},
    {{Source::Kind::CheckBox, kInfant}, kInfantEffects},
    {{Source::Kind::CheckBox, kSeaman}, kSeamanEffects},
    {{Source::Kind::CheckBox, kOthers}, kOthersEffects},
    {{Source::Kind::CheckBox, kExtendedPayment}, kExtendedPaymentEffects},
};

constexpr ui::ControlId kPassengerTypes[] = {IDC_SKY_ADULT, IDC_SKY_CHILD, IDC_SKY_INFANT,
                                             IDC_SKY_SEAMAN, IDC_SKY_OTHERS};

// The net remit edits besides the commission percentage.
constexpr ui::ControlId kNetRemitValues[] = {
    IDC_SKY_NRAMT,       IDC_SKY_NRSELFARE,  IDC_SKY_NRVALCODE, IDC_SKY_NRDISCAMT,
    IDC_SKY_NRCRCARDAMT, IDC_SKY_NRCONTCODE, IDC_SKY_NRCOMMN};

// Filled at start-up; the IT code list is filled by the net remit rule, for its box.
constexpr std::pair<ui::ControlId, const ListContents*> kLists[] = {
    {IDC_SKY_FOP1, &kFirstPayments}, {IDC_SKY_GGR1, &kGgrCodes},
    {IDC_SKY_GGR2, &kGgrCodes},      {IDC_SKY_FARETYPE, &kFareTypes},
    {IDC_SKY_TAXTYPE, &kTaxTypes},   {IDC_SKY_ENDORSEMENT, &kEndorsementTypes},
};

using Trigger = framework::Trigger<FormRules>;
using ui::Notify;

// The rules the choice rules do not cover; a passenger type box's limit runs after the box's own
// choice rule.
constexpr Trigger kTriggers[] = {
    {IDC_SKY_FOP1, Notify::SelChange, &FormRules::FirstPaymentRule},
    {IDC_SKY_FOP2, Notify::SelChange, &FormRules::PaymentView},
    {IDC_SKY_NRTKT, Notify::Clicked, &FormRules::NetRemitBoxRule},
    {IDC_SKY_NRCOMMPERCENT, Notify::Clicked, &FormRules::CommissionBoxRule},
    {IDC_SKY_ADULT, Notify::Clicked, &FormRules::PassengerTypeLimit},
    {IDC_SKY_CHILD, Notify::Clicked, &FormRules::PassengerTypeLimit},
    {IDC_SKY_INFANT, Notify::Clicked, &FormRules::PassengerTypeLimit},
    {IDC_SKY_SEAMAN, Notify::Clicked, &FormRules::PassengerTypeLimit},
    {IDC_SKY_OTHERS, Notify::Clicked, &FormRules::PassengerTypeLimit},
};

}  // namespace

std::span<const framework::ChoiceRule> ChoiceRules() {
    return kChoiceRules;
}

void FormRules::PopulateLists() {
    for (const auto& [list, contents] : kLists) {
        Populate(form_, list, *contents, log_, component_);
        form_.select(list, 0);
    }
}

void FormRules::InitialState() {
    if (!restoring_) {
        for (const auto& [list, contents] : kLists)
            form_.select(list, 0);
        form_.select(IDC_SKY_FOP2, 0);
        form_.setChecked(IDC_SKY_BAGALLOW, true);
    }
    Apply(kChoiceRules[kEndorsementRule]);
    RefillSecondPayment();
    PaymentView();
    Apply(kChoiceRules[kTaxRule]);
    NetRemitRule();
    Apply(kChoiceRules[kItCodeRule]);
    for (std::size_t i = kFirstBoxRule; i < std::size(kChoiceRules); ++i)
        Apply(kChoiceRules[i]);
    PassengerTypeLimit();
}

bool FormRules::OnCommand(ui::ControlId id, ui::Notify code) {
    return framework::RunTrigger<FormRules>(kTriggers, *this, id, code);
}

void FormRules::FirstPaymentRule() {
    RefillSecondPayment();
    PaymentView();
}

void FormRules::Apply(const framework::ChoiceRule& rule) {
    framework::ApplyEffects(form_, controls_, rule.effects,
                            framework::ReadChoice(form_, rule.source), restoring_);
}

void FormRules::Empty(ui::ControlId id) {
    if (restoring_)
        return;
    switch (form_.kind(id)) {
        case ui::ControlKind::Combo:
            if (form_.itemCount(id) > 0)
                form_.select(id, 0);
            break;
        case ui::ControlKind::CheckBox:
            form_.setChecked(id, false);
            break;
        default:
            form_.setText(id, "");
    }
}

void FormRules::Reveal(ui::ControlId id) {
    form_.show(id, true);
    form_.enable(id, true);
    Empty(id);
}

void FormRules::RefillSecondPayment() {
    const long first = framework::SelectedCode(form_, IDC_SKY_FOP1);
    const long shown = framework::SelectedCode(form_, IDC_SKY_FOP2);
    const ListContents contents = SecondPayments(first);
    Populate(form_, IDC_SKY_FOP2, contents, log_, component_);
    if (!restoring_ || !framework::SelectCode(form_, IDC_SKY_FOP2, shown))
        form_.select(IDC_SKY_FOP2, 0);
    form_.enable(IDC_SKY_FOP2, contents.entries.size() > 1);
}

void FormRules::PaymentView() {
    HideDetails(form_, {kFirstDetails, kSecondDetails, kSecondDetailsAfterCard});
    const long first = framework::SelectedCode(form_, IDC_SKY_FOP1);
    const long second = framework::SelectedCode(form_, IDC_SKY_FOP2);
    const bool two = second > kNoPayment;
    for (ui::ControlId id : DetailsOf(kFirstDetails, first))
        Reveal(id);
    if (two && first == kCash)
        form_.enable(IDC_SKY_ALDATA1, false);  // shown beside the second payment, not typed in
    if (first == kCreditCard)
        form_.enable(IDC_SKY_PYMNT1, form_.isChecked(IDC_SKY_CCEXPYMT1));
    for (ui::ControlId id :
         DetailsOf(first == kCreditCard ? kSecondDetailsAfterCard : kSecondDetails, second))
        Reveal(id);
}

void FormRules::NetRemitBoxRule() {
    if (form_.isChecked(IDC_SKY_NRCOMMPERCENT))
        form_.setChecked(IDC_SKY_NRTKT, true);
    NetRemitRule();
}

void FormRules::CommissionBoxRule() {
    form_.setChecked(IDC_SKY_NRTKT, form_.isChecked(IDC_SKY_NRCOMMPERCENT));
    NetRemitRule();
}

void FormRules::NetRemitRule() {
    const bool netRemit = form_.isChecked(IDC_SKY_NRTKT);
    const bool commission = form_.isChecked(IDC_SKY_NRCOMMPERCENT);

    Empty(IDC_SKY_NRCOMPERCENT);
    for (ui::ControlId id : kNetRemitValues)
        Empty(id);
    if (!form_.isEnabled(IDC_SKY_NRALTCRCY))
        Empty(IDC_SKY_NRALTCRCY);
    form_.enable(IDC_SKY_NRALTCRCY, true);

    if (netRemit && commission) {
        form_.enable(IDC_SKY_NRCOMPERCENT, true);
        for (ui::ControlId id : kNetRemitValues)
            form_.enable(id, false);
        form_.enable(IDC_SKY_NRALTCRCY, false);
        Empty(IDC_SKY_NRALTCRCY);
    } else {
        // Net remit alone opens every value; without it (also with the commission box alone,
        // which a profile may hold) they stay closed.
        form_.enable(IDC_SKY_NRCOMPERCENT, netRemit);
        for (ui::ControlId id : kNetRemitValues)
            form_.enable(id, netRemit);
    }
    if (!restoring_)
        RefillItCodes();
    Apply(kChoiceRules[kItCodeRule]);
}

void FormRules::RefillItCodes() {
    const ListContents& codes =
        form_.isChecked(IDC_SKY_NRTKT) ? kItCodesWithNetRemit : kItCodesWithoutNetRemit;
    Populate(form_, IDC_SKY_ITCODE, codes, log_, component_);
    form_.select(IDC_SKY_ITCODE, 0);
}

void FormRules::PassengerTypeLimit() {
    const auto ticked = std::count_if(std::begin(kPassengerTypes), std::end(kPassengerTypes),
                                      [this](ui::ControlId id) { return form_.isChecked(id); });
    for (ui::ControlId id : kPassengerTypes) {
        const bool closed = ticked == 4 && !form_.isChecked(id);
        form_.enable(id, !closed);
        if (closed && id == IDC_SKY_CHILD)
            form_.enable(IDC_SKY_CHILD_EDIT_AGE, false);
    }
}

void FormRules::UntickBagAllowance() {
    form_.setChecked(IDC_SKY_BAGALLOW, false);
    Apply(kChoiceRules[kFirstBoxRule]);
}

}  // namespace masks::skyfolio
