// The rules of the reissue form: what a choice shows, enables, empties or refills. While a
// Recall restores the form, no rule empties a field or resets a selection.
#pragma once

#include "framework/decorated_controls.h"
#include "platform/ui/dialog.h"
#include "platform/zenkor/log.h"

namespace masks::reissue {

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
    // The state of start-up and of Clear: the boxes cleared, the fields that depend on others
    // disabled, every rule applied.
    void ResetForm();
    // Every rule in its order, as at start-up.
    void ApplyAllRules();
    // Runs the rule of a change on the form; false when the change has none.
    bool OnCommand(ui::ControlId id, ui::Notify code);

    void PaymentLayout();
    void OriginalPaymentRule();
    void AdditionalPaymentRule();
    void NetRemitRule();
    // The IT code list refilled for the net remit state, on its empty entry.
    void RefillItCodes();
    void ValueCodeRule();
    void SecondTicketRule();
    void EndorsementRule();
    void ItCodeRule();
    void ElectronicTicketingRule();
    void PrintingOptionRule();

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
