// The reissue form as data: every field with its label, tooltip, typing limit, chooser and
// profile key; the captions; the lists with their item codes; the order of the profile passes.
#pragma once

#include <span>

#include "framework/decorated_controls.h"
#include "framework/list_entries.h"
#include "framework/persistence.h"
#include "platform/ui/types.h"

namespace masks::reissue {

// The title of the mask's message boxes.
inline constexpr const char* kTitle = "Ticketing ReIssuance";

enum class FieldKind { Edit, List, CheckBox };

// How a field is labelled: by no label, a label static, a link label that opens the field's
// chooser, or the caption of the check box itself.
enum class LabelKind { None, Label, Link, Caption };

struct Field {
    ui::ControlId id;
    FieldKind kind;
    LabelKind labelKind;
    ui::ControlId label;  // the label static or link label (the box itself for a caption)
    const char* labelKey;
    bool mandatory;          // the label is drawn in the mandatory colour
    const char* tooltipKey;  // "" for none
    int maxLength;           // edits: the typing limit
    const char* profileKey;
    framework::ChooserSpec chooser;
};

// The fields in the order of the form, which is also the order of the save pass.
std::span<const Field> Fields();

// Group boxes and statics that only carry a text (and perhaps a tooltip).
struct Caption {
    ui::ControlId id;
    const char* labelKey;  // "" leaves the caption empty
    const char* tooltipKey;
};

std::span<const Caption> Captions();

// The lists, with the name of the operation under which a missing text is logged.
struct ListContents {
    std::span<const framework::ListEntry> entries;
    const char* operation;
};

extern const ListContents kOriginalPayments;
extern const ListContents kAdditionalPayments;  // its first entry is the empty one
extern const ListContents kGgrCodes;
extern const ListContents kEndorsementTypes;
extern const ListContents kItCodesWithoutNetRemit;
extern const ListContents kItCodesWithNetRemit;
extern const ListContents kPrintingOptions;
extern const ListContents kSplitTicketing;

// Item codes the rules, checks and entry name.
enum PaymentCode : long {
    kNoPayment = 0,
    kCash = 1,
    kInvoiceToAgent = 2,
    kCheque = 3,
    kCreditCard = 4,
    kGovernmentRequest = 5,
    kGovernmentRequestOther = 6,
    kOtherPayment = 7,
};

// The profile passes: every field in form order; Recall restores in three steps, with the
// net remit rule and the IT code list between the first and the second.
std::span<const framework::PersistedField> SavedFields();
std::span<const framework::PersistedField> RestoredFirst();
std::span<const framework::PersistedField> RestoredAfterNetRemit();

}  // namespace masks::reissue
