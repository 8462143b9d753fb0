#include "masks/common/form_values.h"

#include "framework/checks.h"
#include "framework/list_entries.h"

namespace masks {

bool FormValues::given(ui::ControlId id) const {
    return !framework::IsBlank(text(id));
}

long DialogValues::choice(ui::ControlId id) const {
    return framework::SelectedCode(form_, id);
}

std::string DialogEntryValues::choiceText(ui::ControlId id) const {
    return framework::SelectedText(form_, id);
}

}  // namespace masks
