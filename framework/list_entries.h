// Drop-down lists filled from language keys: every entry's text is looked up, its item code
// is fixed by the mask.
#pragma once

#include <span>
#include <string>

#include "platform/ui/dialog.h"
#include "platform/zenkor/log.h"

namespace framework {

struct ListEntry {
    long code;        // the item code (the empty first entry has 0)
    const char* key;  // "DATA_..." key, or "" for an entry without text
    // The key a missing text is logged under, when it is not key.
    const char* loggedKey = nullptr;
};

// Empties the list and adds the entries in order. An entry whose key has no string shows the
// key itself, and error 501 "Not able to load resource string KEY" is logged under operation.
void PopulateList(ui::Dialog& form, ui::ControlId list, std::span<const ListEntry> entries,
                  CZenkorLog& log, const char* component, const char* operation);

// The item code of the list's selected entry, or -1 when none is selected.
long SelectedCode(const ui::Dialog& form, ui::ControlId list);

// The text of the list's selected entry, or "" when none is selected.
std::string SelectedText(const ui::Dialog& form, ui::ControlId list);

// Selects the first entry whose item code is code; answers false (the selection unchanged)
// when no entry has it.
bool SelectCode(ui::Dialog& form, ui::ControlId list, long code);

}  // namespace framework
