// Field persistence: the six operations on an open profile pass, and a mask's fields as a
// table saved or restored in one pass.
#pragma once

#include <span>

#include "platform/ui/dialog.h"
#include "platform/zenkor/profile.h"

namespace framework {

using ui::ControlId;
using ui::Dialog;

void SaveEditText(CZenkorProfile& profile, const Dialog& form, ControlId id, const char* key);
void SaveCheckState(CZenkorProfile& profile, const Dialog& form, ControlId id, const char* key);
void SaveListChoice(CZenkorProfile& profile, const Dialog& form, ControlId id, const char* key);
// Writes an empty value under key (a field that does not apply to the chosen type).
void SaveEmpty(CZenkorProfile& profile, const char* key);
void RestoreEditText(CZenkorProfile& profile, Dialog& form, ControlId id, const char* key);
void RestoreCheckState(CZenkorProfile& profile, Dialog& form, ControlId id, const char* key);
void RestoreListChoice(CZenkorProfile& profile, Dialog& form, ControlId id, const char* key);

enum class Stored { EditText, CheckState, ListChoice, Empty };

struct PersistedField {
    Stored kind;
    ControlId id;
    const char* key;
};

// A profile pass over "Quorvex.ini" and one section (written when the pass ends).
class ProfilePass {
  public:
    explicit ProfilePass(const char* section);
    CZenkorProfile& profile() { return profile_; }

    void save(const Dialog& form, std::span<const PersistedField> fields);
    void restore(Dialog& form, std::span<const PersistedField> fields);

  private:
    CZenkorProfile profile_;
};

}  // namespace framework
