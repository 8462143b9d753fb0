// The reissue mask: reissues a ticket in exchange for an old one with one host entry.
#pragma once

#include <string>

#include "framework/zenkor_mask.h"
#include "masks/reissuance/reissue_rules.h"

namespace masks {

class CTicketingReIssuance final : public framework::ZenkorMaskT<CTicketingReIssuance> {
  public:
    static const framework::MaskInfo kInfo;

    CTicketingReIssuance();

  private:
    void SetupForm() override;
    void AfterActivation() override;
    bool RunChecks() override;
    std::string BuildEntry() override;
    void SaveProfile(framework::ProfilePass& pass) override;
    void BeforeRecall() override;
    void RestoreProfile(framework::ProfilePass& pass) override;
    void ClearForm() override;
    void OnFormCommand(ui::ControlId id, ui::Notify code) override;
    void AfterCancel() override;

    // The state of start-up and of Clear: the boxes cleared, the fields that depend on others
    // disabled, every rule applied.
    void ResetForm();
    // Every rule in its order, as at start-up (the endorsement type first on its empty entry,
    // unless Recall restores it).
    void ApplyAllRules();

    reissue::FormRules rules();
};

}  // namespace masks
