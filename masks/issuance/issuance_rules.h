// The rules of the issuance form: what a choice shows, hides, enables, empties or refills.
// While a Recall restores the form, no rule empties a field or resets a selection, and the
// lists that rules refill keep the entry restored into them.
#pragma once

#include <span>

#include "framework/choice_rules.h"
#include "framework/decorated_controls.h"
#include "platform/ui/dialog.h"
#include "platform/zenkor/log.h"

namespace masks::issuance {

// The rules that follow one choice alone: extended payment, endorsement, IT code, electronic
// ticketing and print option.
std::span<const framework::ChoiceRule> ChoiceRules();

class FormRules {
  public:
    FormRules(ui::Dialog& form, framework::DecoratedControls& controls, CZenkorLog& log,
              const char* component, bool restoring)
        : form_(form),
          controls_(controls),
          log_(log),
          component_(component),
          restoring_(restoring) {}

    // The lists of start-up, in their order; TYPE last, with its rule.
    void PopulateLists();
    // Every rule in the order of start-up, Clear and Recall, on the first entries of the
    // payment and endorsement lists and of TYPE (the restored ones during a Recall).
    void Refresh();
    // Runs the rule of a change on the form that has one besides the choice rules; false
    // when the change has none.
    bool OnCommand(ui::ControlId id, ui::Notify code);

    void TypeRule();
    void FirstPaymentRule();
    void SecondPaymentRule();
    void ExtendedPaymentRule();
    void EndorsementRule();
    void ItCodeRule();
    void ElectronicTicketingRule();
    void PrintOptionRule();
    void GbaRule();
    void FpLinesRule();
    // The IT code list refilled for the type, on its empty entry (or, during a Recall, on
    // the entry it showed).
    void RebuildItCodes();

  private:
    void FirstPaymentDetails();
    void HideDetails();
    void Reveal(ui::ControlId id);
    void Hide(ui::ControlId id);
    // Emptied, disabled, left visible.
    void ReadOnly(ui::ControlId id);
    void Empty(ui::ControlId id);
    void SelectFirst(ui::ControlId list);
    void Apply(const framework::ChoiceRule& rule);

    ui::Dialog& form_;
    framework::DecoratedControls& controls_;
    CZenkorLog& log_;
    const char* component_;
    bool restoring_;
};

}  // namespace masks::issuance
