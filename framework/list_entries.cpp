#include "framework/list_entries.h"

#include <string>

#include "framework/language.h"

namespace framework {

void PopulateList(ui::Dialog& form, ui::ControlId list, std::span<const ListEntry> entries,
                  CZenkorLog& log, const char* component, const char* operation) {
    form.clearList(list);
    for (const ListEntry& entry : entries) {
        std::string text;
        if (*entry.key != '\0') {
            if (auto found = FindString(entry.key)) {
                text = *found;
            } else {
                text = entry.key;
                log.error(component, operation, 501, "Not able to load resource string %s",
                          entry.loggedKey != nullptr ? entry.loggedKey : entry.key);
            }
        }
        form.addItem(list, text, entry.code);
    }
}

long SelectedCode(const ui::Dialog& form, ui::ControlId list) {
    const int selected = form.selection(list);
    return selected < 0 ? -1 : form.itemData(list, selected);
}

std::string SelectedText(const ui::Dialog& form, ui::ControlId list) {
    const int selected = form.selection(list);
    return selected < 0 ? std::string() : form.itemText(list, selected);
}

bool SelectCode(ui::Dialog& form, ui::ControlId list, long code) {
    for (int i = 0, n = form.itemCount(list); i < n; ++i) {
        if (form.itemData(list, i) == code) {
            form.select(list, i);
            return true;
        }
    }
    return false;
}

}  // namespace framework
