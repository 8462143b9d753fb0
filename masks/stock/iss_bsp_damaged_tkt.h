// The damaged ticket void mask: voids spoiled OPTAT ticket or ATB2 coupon stock with one entry.
// The ticket-type switch decides which number field is live, which checks run, what is saved
// and how the entry ends.
#pragma once

#include <string>

#include "framework/zenkor_mask.h"

namespace masks {

class CIssBSPDamagedTkt final : public framework::ZenkorMaskT<CIssBSPDamagedTkt> {
  public:
    static const framework::MaskInfo kInfo;

    CIssBSPDamagedTkt();

    // The void entry of the form as it stands (the checks have passed).
    static std::string ComposeEntry(const ui::Dialog& form);

  private:
    void SetupForm() override;
    void AfterActivation() override;
    bool RunChecks() override;
    std::string BuildEntry() override;
    void SaveProfile(framework::ProfilePass& pass) override;
    void RestoreProfile(framework::ProfilePass& pass) override;
    void ClearForm() override;
};

}  // namespace masks
