// The reissue form as data: its fields, captions, lists with their item codes and the order
// of the profile passes.
#pragma once

#include <span>

#include "framework/persistence.h"
#include "masks/common/form_table.h"
#include "masks/common/payment_codes.h"
#include "platform/ui/types.h"

namespace masks::reissue {

// The title of the mask's message boxes.
inline constexpr const char* kTitle = "Ticketing ReIssuance";

// The fields in the order of the form, which is also the order of the save pass.
std::span<const Field> Fields();

std::span<const Caption> Captions();

extern const ListContents kOriginalPayments;
extern const ListContents kAdditionalPayments;  // its first entry is the empty one
extern const ListContents kEndorsementTypes;
extern const ListContents kItCodesWithoutNetRemit;
extern const ListContents kItCodesWithNetRemit;
extern const ListContents kPrintingOptions;
extern const ListContents kSplitTicketing;

// The profile passes: every field in form order; Recall restores in three steps, with the
// net remit rule and the IT code list between the first and the second.
std::span<const framework::PersistedField> SavedFields();
std::span<const framework::PersistedField> RestoredFirst();
std::span<const framework::PersistedField> RestoredAfterNetRemit();

}  // namespace masks::reissue
