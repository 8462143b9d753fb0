// The fare basis sub-dialog: for up to 19 segments the bag allowance and the fare basis data
// (fare basis, unique fare basis, ticket designator, discount). It checks and builds nothing:
// the mask reads its controls by their identifiers.
#pragma once

#include <array>
#include <cstddef>

#include "framework/sub_dialog.h"
#include "resources/resource.h"

namespace masks::skyfolio {

// The columns of a row, left to right.
enum FareBasisColumn : std::size_t {
    kBagSegment,
    kBagAllowance,
    kFareSegment,
    kFareBasis,
    kUniqueFareBasis,
    kTicketDesignator,
    kDiscountType,
    kDiscountValue,
};

using FareBasisRow = std::array<ui::ControlId, 8>;

// The rows' controls; rows 9 and 18 do not run in order of number.
inline constexpr std::array<FareBasisRow, 19> kFareBasisRows = {
    FareBasisRow{IDC_FB_BAGSEG1, IDC_FB_BAGALLOW1, IDC_FB_SEG1, IDC_FB_FAREBASIS1,
                 IDC_FB_UFAREBASIS1, IDC_FB_TKTDESIG1, IDC_FB_DISCTYPE1, IDC_FB_DISCVAL1},
    FareBasisRow{IDC_FB_BAGSEG2, IDC_FB_BAGALLOW2, IDC_FB_SEG2, IDC_FB_FAREBASIS2,
                 IDC_FB_UFAREBASIS2, IDC_FB_TKTDESIG2, IDC_FB_DISCTYPE2, IDC_FB_DISCVAL2},
    FareBasisRow{IDC_FB_BAGSEG3, IDC_FB_BAGALLOW3, IDC_FB_SEG3, IDC_FB_FAREBASIS3,
                 IDC_FB_UFAREBASIS3, IDC_FB_TKTDESIG3, IDC_FB_DISCTYPE3, IDC_FB_DISCVAL3},
    FareBasisRow{IDC_FB_BAGSEG4, IDC_FB_BAGALLOW4, IDC_FB_SEG4, IDC_FB_FAREBASIS4,
                 IDC_FB_UFAREBASIS4, IDC_FB_TKTDESIG4, IDC_FB_DISCTYPE4, IDC_FB_DISCVAL4},
    FareBasisRow{IDC_FB_BAGSEG5, IDC_FB_BAGALLOW5, IDC_FB_SEG5, IDC_FB_FAREBASIS5,
                 IDC_FB_UFAREBASIS5, IDC_FB_TKTDESIG5, IDC_FB_DISCTYPE5, IDC_FB_DISCVAL5},
    FareBasisRow{IDC_FB_BAGSEG6, IDC_FB_BAGALLOW6, IDC_FB_SEG6, IDC_FB_FAREBASIS6,
                 IDC_FB_UFAREBASIS6, IDC_FB_TKTDESIG6, IDC_FB_DISCTYPE6, IDC_FB_DISCVAL6},
    FareBasisRow{IDC_FB_BAGSEG7, IDC_FB_BAGALLOW7, IDC_FB_SEG7, IDC_FB_FAREBASIS7,
                 IDC_FB_UFAREBASIS7, IDC_FB_TKTDESIG7, IDC_FB_DISCTYPE7, IDC_FB_DISCVAL7},
    FareBasisRow{IDC_FB_BAGSEG8, IDC_FB_BAGALLOW8, IDC_FB_SEG8, IDC_FB_FAREBASIS8,
                 IDC_FB_UFAREBASIS8, IDC_FB_TKTDESIG8, IDC_FB_DISCTYPE8, IDC_FB_DISCVAL8},
    FareBasisRow{IDC_FB_BAGSEG9, IDC_FB_BAGALLOW9, IDC_FB_SEG9, IDC_FB_FAREBASIS9,
                 IDC_FB_UFAREBASIS9, IDC_FB_TKTDESIG9, IDC_FB_DISCTYPE9, IDC_FB_DISCVAL9},
    FareBasisRow{IDC_FB_BAGSEG10, IDC_FB_BAGALLOW10, IDC_FB_SEG10, IDC_FB_FAREBASIS10,
                 IDC_FB_UFAREBASIS10, IDC_FB_TKTDESIG10, IDC_FB_DISCTYPE10, IDC_FB_DISCVAL10},
    FareBasisRow{IDC_FB_BAGSEG11, IDC_FB_BAGALLOW11, IDC_FB_SEG11, IDC_FB_FAREBASIS11,
                 IDC_FB_UFAREBASIS11, IDC_FB_TKTDESIG11, IDC_FB_DISCTYPE11, IDC_FB_DISCVAL11},
    FareBasisRow{IDC_FB_BAGSEG12, IDC_FB_BAGALLOW12, IDC_FB_SEG12, IDC_FB_FAREBASIS12,
                 IDC_FB_UFAREBASIS12, IDC_FB_TKTDESIG12, IDC_FB_DISCTYPE12, IDC_FB_DISCVAL12},
    FareBasisRow{IDC_FB_BAGSEG13, IDC_FB_BAGALLOW13, IDC_FB_SEG13, IDC_FB_FAREBASIS13,
                 IDC_FB_UFAREBASIS13, IDC_FB_TKTDESIG13, IDC_FB_DISCTYPE13, IDC_FB_DISCVAL13},
    FareBasisRow{IDC_FB_BAGSEG14, IDC_FB_BAGALLOW14, IDC_FB_SEG14, IDC_FB_FAREBASIS14,
                 IDC_FB_UFAREBASIS14, IDC_FB_TKTDESIG14, IDC_FB_DISCTYPE14, IDC_FB_DISCVAL14},
    FareBasisRow{IDC_FB_BAGSEG15, IDC_FB_BAGALLOW15, IDC_FB_SEG15, IDC_FB_FAREBASIS15,
                 IDC_FB_UFAREBASIS15, IDC_FB_TKTDESIG15, IDC_FB_DISCTYPE15, IDC_FB_DISCVAL15},
    FareBasisRow{IDC_FB_BAGSEG16, IDC_FB_BAGALLOW16, IDC_FB_SEG16, IDC_FB_FAREBASIS16,
                 IDC_FB_UFAREBASIS16, IDC_FB_TKTDESIG16, IDC_FB_DISCTYPE16, IDC_FB_DISCVAL16},
    FareBasisRow{IDC_FB_BAGSEG17, IDC_FB_BAGALLOW17, IDC_FB_SEG17, IDC_FB_FAREBASIS17,
                 IDC_FB_UFAREBASIS17, IDC_FB_TKTDESIG17, IDC_FB_DISCTYPE17, IDC_FB_DISCVAL17},
    FareBasisRow{IDC_FB_BAGSEG18, IDC_FB_BAGALLOW18, IDC_FB_SEG18, IDC_FB_FAREBASIS18,
                 IDC_FB_UFAREBASIS18, IDC_FB_TKTDESIG18, IDC_FB_DISCTYPE18, IDC_FB_DISCVAL18},
    FareBasisRow{IDC_FB_BAGSEG19, IDC_FB_BAGALLOW19, IDC_FB_SEG19, IDC_FB_FAREBASIS19,
                 IDC_FB_UFAREBASIS19, IDC_FB_TKTDESIG19, IDC_FB_DISCTYPE19, IDC_FB_DISCVAL19},
};

// Item codes of the discount type lists (the percentage entry stands second, with code 2).
enum DiscountCode : long { kNoDiscount = 0, kAmountDiscount = 1, kPercentDiscount = 2 };

class CTicketFareBasis final : public framework::SubDialog {
  public:
    static const framework::SubDialogInfo kInfo;

    explicit CTicketFareBasis(framework::FormOwner& owner) : SubDialog(owner, kInfo) {}

    void SaveProfile(framework::ProfilePass& pass) override;
    void RestoreProfile(framework::ProfilePass& pass) override;

  private:
    void SetupForm() override;
    void AfterActivation() override;
    void BeforeShow() override;
    void ClearForm() override;
    void OnFormCommand(ui::ControlId id, ui::Notify code) override;

    // The bag columns follow the mask form's Bag Allow box: open while it is ticked, closed
    // and emptied (not while restoring) while it is not.
    void ApplyBagAllowance();
    // A row's discount type chosen: the value's limit and tooltip, the single-amount rule,
    // and the value emptied (not while restoring).
    void DiscountTypeChanged(const FareBasisRow& row);
    void EveryDiscountTypeChanged();
    // Only one row may carry an amount discount: the first one that does.
    void SingleAmountRule();
};

}  // namespace masks::skyfolio
