// A mask form as data: every field with its label, tooltip, typing limit, chooser and profile
// key; the captions; the lists with the operation their missing texts are logged under; and
// the profile passes drawn from the fields.
#pragma once

#include <initializer_list>
#include <span>
#include <vector>

#include "framework/decorated_controls.h"
#include "framework/list_entries.h"
#include "framework/persistence.h"
#include "platform/ui/types.h"

namespace masks {

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

// The rows of a field table, built by the way the field is labelled.
namespace rows {

// A field without a label of its own.
inline Field Plain(ui::ControlId id, FieldKind kind, const char* tooltipKey, int maxLength,
                   const char* profileKey, framework::ChooserSpec chooser = {}) {
    return {id, kind, LabelKind::None, 0, "", false, tooltipKey, maxLength, profileKey, chooser};
}

// A field with a label static in the optional style.
inline Field Labelled(ui::ControlId id, FieldKind kind, ui::ControlId label, const char* labelKey,
                      const char* tooltipKey, int maxLength, const char* profileKey,
                      framework::ChooserSpec chooser = {}) {
    return {id,    kind,       LabelKind::Label, label,      labelKey,
            false, tooltipKey, maxLength,        profileKey, chooser};
}

// A field with a label static in the mandatory colour.
inline Field MandatoryLabelled(ui::ControlId id, FieldKind kind, ui::ControlId label,
                               const char* labelKey, const char* tooltipKey, int maxLength,
                               const char* profileKey, framework::ChooserSpec chooser = {}) {
    return {id,   kind,       LabelKind::Label, label,      labelKey,
            true, tooltipKey, maxLength,        profileKey, chooser};
}

// A check box whose own caption is its label.
inline Field Box(ui::ControlId id, const char* captionKey, const char* tooltipKey,
                 const char* profileKey) {
    return {id,
            FieldKind::CheckBox,
            LabelKind::Caption,
            id,
            captionKey,
            false,
            tooltipKey,
            0,
            profileKey,
            {}};
}

}  // namespace rows

// Group boxes, statics and buttons that only carry a text (and perhaps a tooltip).
struct Caption {
    ui::ControlId id;
    const char* labelKey;  // "" leaves the caption empty
    const char* tooltipKey;
};

// A list's entries, with the name of the operation under which a missing text is logged.
struct ListContents {
    std::span<const framework::ListEntry> entries;
    const char* operation;
};

// The two GGR code lists' entries, whose shown text goes into the entries.
extern const ListContents kGgrCodes;

// Labels, tooltips, limits and choosers of the fields, then the captions (labels in the
// optional style, group boxes and buttons as they are).
void SetUpFields(ui::Dialog& form, framework::DecoratedControls& controls,
                 std::span<const Field> fields, std::span<const Caption> captions);

// Fills a list from its contents.
void Populate(ui::Dialog& form, ui::ControlId list, const ListContents& contents, CZenkorLog& log,
              const char* component);

// How a field is kept in the profile.
framework::PersistedField Persisted(const Field& field);
// Every field, in table order.
std::vector<framework::PersistedField> AllPersisted(std::span<const Field> fields);
// The fields named, in the order named (an id that no field has is left out).
std::vector<framework::PersistedField> PersistedIn(std::span<const Field> fields,
                                                   std::span<const ui::ControlId> ids);
// The fields named by each part in turn.
std::vector<framework::PersistedField> PersistedIn(
    std::span<const Field> fields, std::initializer_list<std::span<const ui::ControlId>> parts);

}  // namespace masks
