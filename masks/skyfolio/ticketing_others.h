// The other options sub-dialog: fare restrictions to exclude, electronic ticketing with its
// override, the printing option and additional copies, and split ticketing. It checks and
// builds nothing: the mask reads its controls by their identifiers.
#pragma once

#include "framework/rule_triggers.h"
#include "framework/sub_dialog.h"

namespace masks::skyfolio {

// Item codes of the restriction lists (the item code is also the entry's position).
enum RestrictionCode : long {
    kNoRestriction = 0,
    kExcludeFare = 1,
    kExcludePenalty = 2,  // the one that takes a percentage
    kExcludeMinMax = 3,
    kExcludeAbove = 4,  // the first list's alone; it excludes a second restriction
};

class CTicketingOthers final : public framework::SubDialog {
  public:
    static const framework::SubDialogInfo kInfo;

    explicit CTicketingOthers(framework::FormOwner& owner) : SubDialog(owner, kInfo) {}

    void SaveProfile(framework::ProfilePass& pass) override;
    void RestoreProfile(framework::ProfilePass& pass) override;

  private:
    // Which change runs which rule.
    static const framework::Trigger<CTicketingOthers> kTriggers[4];

    void SetupForm() override;
    void AfterActivation() override;
    void ClearForm() override;
    void OnFormCommand(ui::ControlId id, ui::Notify code) override;

    // The rules between the fields. Unlike the mask's own, they empty what they close also
    // while a Recall restores the dialog: a profile may hold copies or percentages that its
    // own restrictions and ticketing exclude, and those do not come back.
    void RestrictionRule();
    void PrintingOptionRule();
    void ElectronicTicketingRule();
    // The three rules in order, as after Recall and Clear.
    void ApplyRules();
    void Close(ui::ControlId id);
};

}  // namespace masks::skyfolio
