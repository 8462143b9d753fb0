// The issuance mask: issues a ticket for a booking the host holds, with remark entries from
// the agency's fee-base list.
#pragma once

#include <string>

#include "framework/zenkor_mask.h"
#include "masks/issuance/issuance_rules.h"

namespace masks {

class CTicketingIssuance final : public framework::ZenkorMaskT<CTicketingIssuance> {
  public:
    static const framework::MaskInfo kInfo;

    CTicketingIssuance();

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
    void OnResponse(std::u16string_view response) override;

    // "Show Fee Base": the list emptied and the host asked for the lines.
    void ShowFeeBase();

    issuance::FormRules rules();
};

}  // namespace masks
