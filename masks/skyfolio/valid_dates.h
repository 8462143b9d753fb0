// The validity dates sub-dialog: for up to 19 segments the earliest and latest travel dates,
// typed or filled from the host's answer to the mask's validity dates request. It checks and
// builds nothing: the mask reads its controls by their identifiers.
#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "framework/sub_dialog.h"
#include "resources/resource.h"

namespace masks::skyfolio {

enum ValidityColumn : std::size_t { kSegment, kMinimumDate, kMaximumDate };

using ValidityDatesRow = std::array<ui::ControlId, 3>;

inline constexpr std::array<ValidityDatesRow, 19> kValidityDatesRows = {
    ValidityDatesRow{IDC_VD_SEG1, IDC_VD_MINDATE1, IDC_VD_MAXDATE1},
    ValidityDatesRow{IDC_VD_SEG2, IDC_VD_MINDATE2, IDC_VD_MAXDATE2},
    ValidityDatesRow{IDC_VD_SEG3, IDC_VD_MINDATE3, IDC_VD_MAXDATE3},
    ValidityDatesRow{IDC_VD_SEG4, IDC_VD_MINDATE4, IDC_VD_MAXDATE4},
    ValidityDatesRow{IDC_VD_SEG5, IDC_VD_MINDATE5, IDC_VD_MAXDATE5},
    ValidityDatesRow{IDC_VD_SEG6, IDC_VD_MINDATE6, IDC_VD_MAXDATE6},
    ValidityDatesRow{IDC_VD_SEG7, IDC_VD_MINDATE7, IDC_VD_MAXDATE7},
    ValidityDatesRow{IDC_VD_SEG8, IDC_VD_MINDATE8, IDC_VD_MAXDATE8},
    ValidityDatesRow{IDC_VD_SEG9, IDC_VD_MINDATE9, IDC_VD_MAXDATE9},
    ValidityDatesRow{IDC_VD_SEG10, IDC_VD_MINDATE10, IDC_VD_MAXDATE10},
    ValidityDatesRow{IDC_VD_SEG11, IDC_VD_MINDATE11, IDC_VD_MAXDATE11},
    ValidityDatesRow{IDC_VD_SEG12, IDC_VD_MINDATE12, IDC_VD_MAXDATE12},
    ValidityDatesRow{IDC_VD_SEG13, IDC_VD_MINDATE13, IDC_VD_MAXDATE13},
    ValidityDatesRow{IDC_VD_SEG14, IDC_VD_MINDATE14, IDC_VD_MAXDATE14},
    ValidityDatesRow{IDC_VD_SEG15, IDC_VD_MINDATE15, IDC_VD_MAXDATE15},
    ValidityDatesRow{IDC_VD_SEG16, IDC_VD_MINDATE16, IDC_VD_MAXDATE16},
    ValidityDatesRow{IDC_VD_SEG17, IDC_VD_MINDATE17, IDC_VD_MAXDATE17},
    ValidityDatesRow{IDC_VD_SEG18, IDC_VD_MINDATE18, IDC_VD_MAXDATE18},
    ValidityDatesRow{IDC_VD_SEG19, IDC_VD_MINDATE19, IDC_VD_MAXDATE19},
};

class CTicketingValidDates final : public framework::SubDialog {
  public:
    static const framework::SubDialogInfo kInfo;

    explicit CTicketingValidDates(framework::FormOwner& owner) : SubDialog(owner, kInfo) {}

    // The host's answer to the mask's request (UTF-8), or "" when the mask made none; it
    // replaces the one before and outlives Clear and Recall.
    void SetResponse(std::string response) { response_ = std::move(response); }

    void SaveProfile(framework::ProfilePass& pass) override;
    void RestoreProfile(framework::ProfilePass& pass) override;

  private:
    void SetupForm() override;
    // Each showing fills the rows again from the answer, when there is one.
    void BeforeShow() override;
    void FillFromResponse();

    std::string response_;
};

}  // namespace masks::skyfolio
