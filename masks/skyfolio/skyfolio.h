// The issuance mask without transfer: its form, the three sub-dialogs it shows over the form
// (fare basis, other options, validity dates) and the validity dates request to the host.
#pragma once

#include <string>
#include <string_view>

#include "framework/response.h"
#include "framework/zenkor_mask.h"
#include "masks/skyfolio/fare_basis.h"
#include "masks/skyfolio/skyfolio_rules.h"
#include "masks/skyfolio/ticketing_others.h"
#include "masks/skyfolio/valid_dates.h"

namespace masks {

// DISPID of the event that asks the host to run a command for the mask.
inline constexpr DISPID kEventOnSendCommand = 4;

class CSkyfolio final : public framework::ZenkorMaskT<CSkyfolio> {
  public:
    static const framework::MaskInfo kInfo;

    CSkyfolio();

  private:
    void SetupForm() override;
    void AfterActivation() override;
    bool RunChecks() override;
    std::string BuildEntry() override;
    void SaveProfile(framework::ProfilePass& pass) override;
    void RestoreProfile(framework::ProfilePass& pass) override;
    void ClearForm() override;
    void OnFormCommand(ui::ControlId id, ui::Notify code) override;
    void OnResponse(std::u16string_view response) override;

    // The validity dates button: asks the host for the itinerary's dates when there is a
    // transfer, else shows the dialog as it stands.
    void RequestValidityDates();
    skyfolio::FormRules rules();

    skyfolio::CTicketFareBasis fareBasis_{subDialogOwner()};
    skyfolio::CTicketingOthers others_{subDialogOwner()};
    skyfolio::CTicketingValidDates validDates_{subDialogOwner()};
    // The screens received so far of the answer to the pending request.
    framework::AccumulatedResponse response_;
    bool responsePending_ = false;
};

}  // namespace masks
