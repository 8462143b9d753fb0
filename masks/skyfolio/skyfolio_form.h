// The issuance form as data: every field with its label, tooltip, typing limit, chooser and
// profile key; the captions; the lists with their item codes; the order of the profile passes.
#pragma once

#include <array>
#include <span>

#include "framework/form_info.h"
#include "framework/persistence.h"
#include "masks/common/form_table.h"
#include "masks/common/payment_codes.h"
#include "platform/ui/types.h"
#include "resources/resource.h"

namespace masks::skyfolio {

// The title of the mask's message boxes, and the caption of its sub-dialogs.
inline constexpr const char* kTitle = "Ticketing - Issuance (without TFR)";

// The buttons of the three sub-dialogs, numbered as the form's own.
inline constexpr framework::ButtonIds kSubDialogButtons = {.send = IDC_SKY_SEND,
                                                           .recall = IDC_SKY_RECALL,
                                                           .clear = IDC_SKY_CLEAR,
                                                           .cancel = IDC_SKY_CANCEL,
                                                           .help = IDC_SKY_HELP,
                                                           .back = IDC_SKY_BACK};

// The tax grid, pairs 1 to 10, with their profile keys.
inline constexpr std::array<ui::ControlId, 10> kTaxCodes = {
    IDC_SKY_TCODE1, IDC_SKY_TCODE2, IDC_SKY_TCODE3, IDC_SKY_TCODE4, IDC_SKY_TCODE5,
    IDC_SKY_TCODE6, IDC_SKY_TCODE7, IDC_SKY_TCODE8, IDC_SKY_TCODE9, IDC_SKY_TCODE10};
inline constexpr std::array<ui::ControlId, 10> kTaxAmounts = {
    IDC_SKY_TAMT1, IDC_SKY_TAMT2, IDC_SKY_TAMT3, IDC_SKY_TAMT4, IDC_SKY_TAMT5,
    IDC_SKY_TAMT6, IDC_SKY_TAMT7, IDC_SKY_TAMT8, IDC_SKY_TAMT9, IDC_SKY_TAMT10};
inline constexpr std::array<const char*, 10> kTaxCodeKeys = {"TCODE1", "TCODE2", "TCODE3", "TCODE4",
                                                             "TCODE5", "TCODE6", "TCODE7", "TCODE8",
                                                             "TCODE9", "TCODE10"};
inline constexpr std::array<const char*, 10> kTaxAmountKeys = {
    "TAMT1", "TAMT2", "TAMT3", "TAMT4", "TAMT5", "TAMT6", "TAMT7", "TAMT8", "TAMT9", "TAMT10"};

// The fields in the order of the form.
std::span<const Field> Fields();
// Group boxes and statics that only carry a text and a tooltip.
std::span<const Caption> Captions();

// The three buttons that open a sub-dialog or ask for the validity dates, with their caption
// keys (a key without a string leaves the template's caption).
struct ButtonCaption {
    ui::ControlId id;
    const char* key;
};
std::span<const ButtonCaption> ButtonCaptions();

extern const ListContents kFirstPayments;
extern const ListContents kGgrCodes;  // no empty entry; missing texts logged as the others
extern const ListContents kTaxTypes;
extern const ListContents kEndorsementTypes;
extern const ListContents kFareTypes;
extern const ListContents kItCodesWithoutNetRemit;
extern const ListContents kItCodesWithNetRemit;
// The second form of payment offered beside the first (its empty entry first).
ListContents SecondPayments(long firstPayment);

// The save pass, in its order: the boxes, the edits, the lists.
std::span<const framework::PersistedField> SavedFields();
// Recall's pass in the same order, cut where the rules run: after FOP1 (the second list is
// refilled), after ENDORSEMENT (the IT code list follows net remit), after ITCODE (the form's
// state follows what came back).
std::span<const framework::PersistedField> RestoredToFirstPayment();
std::span<const framework::PersistedField> RestoredToEndorsement();
std::span<const framework::PersistedField> RestoredItCode();

}  // namespace masks::skyfolio
