#include "masks/common/form_table.h"

#include <algorithm>
#include <iterator>

#include "framework/language.h"

namespace masks {
namespace {

using framework::PersistedField;
using framework::Stored;

constexpr framework::ListEntry kGgrCodeEntries[] = {
    {0, "DATA_SAPBAS_GGR_GOM"},
    {1, "DATA_SAPBAS_GGR_ATR"},
};

Stored StoredAs(FieldKind kind) {
    switch (kind) {
        case FieldKind::List:
            return Stored::ListChoice;
        case FieldKind::CheckBox:
            return Stored::CheckState;
        case FieldKind::Edit:
            break;
    }
    return Stored::EditText;
}

}  // namespace

const ListContents kGgrCodes{kGgrCodeEntries, "PopulateGGR"};

void SetUpFields(ui::Dialog& form, framework::DecoratedControls& controls,
                 std::span<const Field> fields, std::span<const Caption> captions) {
    using framework::StringOrKey;
    for (const Field& f : fields) {
        switch (f.labelKind) {
            case LabelKind::None:
                break;
            case LabelKind::Label:
                controls.setupLabel(f.label, f.labelKey, f.tooltipKey, f.mandatory);
                break;
            case LabelKind::Link:
                controls.setupLink(f.label, f.id, f.labelKey, f.tooltipKey, f.mandatory, f.chooser);
                break;
            case LabelKind::Caption:
                form.setText(f.id, StringOrKey(f.labelKey));
                break;
        }
        if (f.kind == FieldKind::Edit)
            controls.setupEdit(f.id, f.tooltipKey, f.maxLength, f.chooser);
        else if (*f.tooltipKey != '\0')
            form.setTooltip(f.id, StringOrKey(f.tooltipKey));
    }
    for (const Caption& c : captions) {
        form.setText(c.id, *c.labelKey != '\0' ? StringOrKey(c.labelKey) : "");
        if (*c.tooltipKey != '\0')
            form.setTooltip(c.id, StringOrKey(c.tooltipKey));
        const ui::ControlKind kind = form.kind(c.id);
        if (kind != ui::ControlKind::Group && kind != ui::ControlKind::Button)
            controls.setLabelStyle(c.id, false);
    }
}

void Populate(ui::Dialog& form, ui::ControlId list, const ListContents& contents, CZenkorLog& log,
              const char* component) {
    framework::PopulateList(form, list, contents.entries, log, component, contents.operation);
}

PersistedField Persisted(const Field& field) {
    return {StoredAs(field.kind), field.id, field.profileKey};
}

std::vector<PersistedField> AllPersisted(std::span<const Field> fields) {
    std::vector<PersistedField> persisted;
    for (const Field& f : fields)
        persisted.push_back(Persisted(f));
    return persisted;
}

std::vector<PersistedField> PersistedIn(std::span<const Field> fields,
                                        std::span<const ui::ControlId> ids) {
    std::vector<PersistedField> persisted;
    for (ui::ControlId id : ids) {
        auto f = std::find_if(fields.begin(), fields.end(),
                              [id](const Field& field) { return field.id == id; });
        if (f != fields.end())
            persisted.push_back(Persisted(*f));
    }
    return persisted;
}

std::vector<PersistedField> PersistedIn(
    std::span<const Field> fields, std::initializer_list<std::span<const ui::ControlId>> parts) {
    std::vector<PersistedField> persisted;
    for (std::span<const ui::ControlId> ids : parts)
        std::ranges::copy(PersistedIn(fields, ids), std::back_inserter(persisted));
    return persisted;
}

}  // namespace masks
