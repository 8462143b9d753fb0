// The issuance form as data: its fields, captions, lists with their item codes and the order
// of the profile passes.
#pragma once

#include <span>

#include "framework/persistence.h"
#include "masks/common/form_table.h"
#include "masks/common/payment_codes.h"

namespace masks::issuance {

// The title of the mask's message boxes.
inline constexpr const char* kTitle = "Ticketing Issuance";

// The fields in the order of the form.
std::span<const Field> Fields();
std::span<const Caption> Captions();

extern const ListContents kTypes;
extern const ListContents kFirstPayments;
extern const ListContents kEndorsementTypes;
extern const ListContents kPrintingOptions;
extern const ListContents kSplitTicketing;
extern const ListContents kItCodesOfNetTypes;   // TYPE 1, 2 and 3
extern const ListContents kItCodesWithoutType;  // TYPE 0

// The second payments a first payment allows (none for no first payment), their first entry
// the empty one.
ListContents SecondPayments(long firstPayment);

// Item codes of TYPE.
enum TypeCode : long {
    kNoType = 0,
    kNetRemit = 1,
    kFareExchange = 2,
    kFareExchangeThailand = 3,
};

// The IT code item that asks for no tour code.
inline constexpr long kNoTourCode = 9;

// The save pass, and Recall's restore in the steps between which rules run: the fields up to
// the first payment, the other lists and boxes up to TYPE, and the IT code list.
std::span<const framework::PersistedField> SavedFields();
std::span<const framework::PersistedField> RestoredBeforeFirstPayment();
std::span<const framework::PersistedField> RestoredFirstPayment();
std::span<const framework::PersistedField> RestoredAfterFirstPayment();
std::span<const framework::PersistedField> RestoredItCode();

}  // namespace masks::issuance
