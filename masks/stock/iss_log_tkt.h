// The log-ticket mask: logs a range of ticket stock into a printer with one entry.
#pragma once

#include <optional>
#include <string>

#include "framework/zenkor_mask.h"

namespace masks {

class CIssLogTkt final : public framework::ZenkorMaskT<CIssLogTkt> {
  public:
    static const framework::MaskInfo kInfo;

    CIssLogTkt();

    // The log entry of the form as it stands (the checks have passed).
    static std::string ComposeEntry(const ui::Dialog& form);

  private:
    void SetupForm() override;
    void AfterActivation() override;
    bool RunChecks() override;
    std::string BuildEntry() override;
    void SaveProfile(framework::ProfilePass& pass) override;
    void RestoreProfile(framework::ProfilePass& pass) override;
    void ClearForm() override;

    void WriteMarketFormCode();

    // The market's form code, read at the first activation: nullopt when the configuration
    // names none (the form code fields are then left as they are at start-up).
    bool marketRead_ = false;
    std::optional<std::string> marketFormCode_;
};

}  // namespace masks
