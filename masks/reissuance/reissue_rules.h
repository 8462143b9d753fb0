// The rules of the reissue form: what a choice shows, enables, empties or refills. While a
// Recall restores the form, no rule empties a field or resets a selection.
#pragma once

#include <span>

#include "framework/choice_rules.h"
#include "framework/decorated_controls.h"
#include "platform/ui/dialog.h"
#include "platform/zenkor/log.h"

namespace masks::reissue {

// The endorsement, IT code, printing option, second ticket and electronic ticketing rules,
// which follow one choice each.
std::span<const framework::ChoiceRule> ChoiceRules();

// The rules of the payments and of net remit, which refill lists and lay out fields.
class FormRules {
  public:
    FormRules(ui::Dialog& form, framework::DecoratedControls& controls, CZenkorLog& log,
              const char* component, bool restoring)
        : form_(form),
          controls_(controls),
          log_(log),
          component_(component),
          restoring_(restoring) {}

    // The lists filled at start-up, each on its first entry.
    void PopulateLists();
    // The net remit rule, the original payment rule and the payment layout, as at start-up.
    void ApplyPaymentRules();
    // Runs the rule of a change on the form; false when the change has none.
    bool OnCommand(ui::ControlId id, ui::Notify code);

    void PaymentLayout();
    void OriginalPaymentRule();
    void AdditionalPaymentRule();
    void NetRemitRule();
    // The IT code list refilled for the net remit state, on its empty entry.
    void RefillItCodes();
    void ValueCodeRule();
    void ItCodeRule();

  private:
    enum class Original { Clear, Keep };
    void LayOutPayments(Original original);
    // Puts the additional payment list's empty entry at its top, or takes it out; the entry
    // shown stays shown (the first one when the empty entry shown goes).
    void KeepEmptyAdditionalPayment(bool present);
    void Reveal(ui::ControlId id);
    void Empty(ui::ControlId id);

    ui::Dialog& form_;
    framework::DecoratedControls& controls_;
    CZenkorLog& log_;
    const char* component_;
    bool restoring_;
};

}  // namespace masks::reissue
