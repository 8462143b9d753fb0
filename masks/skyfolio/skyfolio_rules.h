// The rules of the issuance form: what a choice shows, enables, empties or refills. While a
// Recall restores the form, no rule empties a field, clears a box or resets a list.
#pragma once

#include <span>

#include "framework/choice_rules.h"
#include "framework/decorated_controls.h"
#include "platform/ui/dialog.h"
#include "platform/zenkor/log.h"

namespace masks::skyfolio {

// The rules that follow one choice each: endorsement, tax, IT code, and the boxes that open
// their own fields (bag allowance, the passenger types, extended payment).
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

    // Every list filled, on its first entry.
    void PopulateLists();
    // The state of start-up and Clear: every list on its first entry and bag allowance ticked
    // (not while restoring), then every rule in its order.
    void InitialState();
    // Runs the rules of a change the choice rules do not cover; false when it has none.
    bool OnCommand(ui::ControlId id, ui::Notify code);

    // The second form of payment refilled, then the details shown.
    void FirstPaymentRule();
    // The second form of payment refilled for the first one (while restoring, the entry shown
    // stays shown when the new list has it).
    void RefillSecondPayment();
    // Which payment details show, for the two forms of payment.
    void PaymentView();
    // The net remit boxes and edits, then the IT code list they decide.
    void NetRemitRule();
    // A click on the net remit box: it stays ticked while the commission box is.
    void NetRemitBoxRule();
    // A click on the commission box: the net remit box follows it.
    void CommissionBoxRule();
    // The IT code list for the net remit box, on its empty entry.
    void RefillItCodes();
    // At most four passenger types: the fifth box is closed while four are ticked.
    void PassengerTypeLimit();
    // Start-up data with a transfer number: bag allowance unticked and its link applied.
    void UntickBagAllowance();

  private:
    void Apply(const framework::ChoiceRule& rule);
    // Shows and enables a detail field, emptied unless restoring.
    void Reveal(ui::ControlId id);
    void Empty(ui::ControlId id);

    ui::Dialog& form_;
    framework::DecoratedControls& controls_;
    CZenkorLog& log_;
    const char* component_;
    bool restoring_;
};

}  // namespace masks::skyfolio
