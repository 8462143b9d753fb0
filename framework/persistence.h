// Field persistence: the six operations on an open profile pass, and a form's fields as a
// table saved or restored in one pass (which may serve several forms and sections).
#pragma once

#include <cstddef>
#include <deque>
#include <initializer_list>
#include <span>
#include <string>
#include <vector>

#include "platform/ui/dialog.h"
#include "platform/zenkor/log.h"
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

// The profile keys of a grid's rows: row k (from 1) of a column is stored under the prefix
// followed by the number step * k + offset ("SEG" with step 2 and offset -1 gives SEG1, SEG3,
// ...). Keys are written as the form's table gives them, also where they do not name their
// field.
struct RowKey {
    Stored kind;
    std::size_t column;
    const char* prefix;
    int step = 1;
    int offset = 0;
};

// A form's persisted fields in save order, with keys generated for the rows of grids.
class FieldTable {
  public:
    FieldTable() = default;
    FieldTable(std::initializer_list<PersistedField> fields) { add(fields); }
    // The fields point into the table's own keys: it moves, it does not copy.
    FieldTable(const FieldTable&) = delete;
    FieldTable& operator=(const FieldTable&) = delete;
    FieldTable(FieldTable&&) = default;
    FieldTable& operator=(FieldTable&&) = default;

    FieldTable& add(std::span<const PersistedField> fields);
    // One column of every row, the rows in order. Rows: a range of rows of control IDs.
    template <class Rows>
    FieldTable& addColumn(const Rows& rows, RowKey key) {
        std::size_t r = 0;
        for (const auto& row : rows)
            addRow(key, r++, row[key.column]);
        return *this;
    }
    // Row by row, the columns of each row in the order of keys.
    template <class Rows>
    FieldTable& addRows(const Rows& rows, std::initializer_list<RowKey> keys) {
        std::size_t r = 0;
        for (const auto& row : rows) {
            for (const RowKey& key : keys)
                addRow(key, r, row[key.column]);
            ++r;
        }
        return *this;
    }

    std::span<const PersistedField> fields() const { return fields_; }
    operator std::span<const PersistedField>() const { return fields_; }

  private:
    void addRow(const RowKey& key, std::size_t row, ControlId id);

    std::deque<std::string> keys_;  // the generated keys, at stable addresses
    std::vector<PersistedField> fields_;
};

// The error code of a save that could not be written.
inline constexpr int kSaveFailed = 502;

// A profile pass over "Quorvex.ini": values of one or several sections read, or set and
// written together in one atomic replacement of the file.
class ProfilePass {
  public:
    ProfilePass();
    explicit ProfilePass(const char* section);
    CZenkorProfile& profile() { return profile_; }

    // The section of the values that follow.
    ProfilePass& section(const char* name);
    void save(const Dialog& form, std::span<const PersistedField> fields);
    void restore(Dialog& form, std::span<const PersistedField> fields);
    // Writes the values saved. The agent cannot mend a save that fails, so it goes to the log:
    // error kSaveFailed of the operation, "Not able to save FILE: REASON".
    void commit(CZenkorLog& log, const char* component, const char* operation);

  private:
    CZenkorProfile profile_;
};

}  // namespace framework
