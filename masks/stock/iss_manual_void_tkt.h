// The manual void mask: voids a manually issued ticket with one entry.
#pragma once

#include <string>

#include "framework/zenkor_mask.h"

namespace masks {

class CIssManualVoidTkt final : public framework::ZenkorMaskT<CIssManualVoidTkt> {
  public:
    static const framework::MaskInfo kInfo;

    CIssManualVoidTkt();

    // The void entry of the form as it stands (the checks have passed).
    static std::string ComposeEntry(const ui::Dialog& form);

  private:
    void SetupForm() override;
    bool RunChecks() override;
    std::string BuildEntry() override;
    void SaveProfile(framework::ProfilePass& pass) override;
    void RestoreProfile(framework::ProfilePass& pass) override;
};

}  // namespace masks
