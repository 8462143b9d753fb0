#include "framework/persistence.h"

#include <array>
#include <cctype>
#include <climits>
#include <string>

#include "framework/list_entries.h"
#include "framework/profile_names.h"

namespace framework {
namespace {

// The value of the current key: (found, text).
std::pair<bool, std::string> read(CZenkorProfile& profile, const char* key, std::size_t size) {
    std::array<char, 1024> buffer{};
    profile.setKeyName(key);
    const unsigned long copied = profile.getValue(buffer.data(), "", size);
    return {copied != 0, buffer.data()};
}

void write(CZenkorProfile& profile, const char* key, const std::string& value) {
    profile.setKeyName(key);
    profile.setValue(value.c_str());
}

// Leading white space, an optional sign and the leading digits; no digits give 0. Values too
// large for a long are held at its limits.
long wholeNumber(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        negative = text[i++] == '-';
    long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        const int digit = text[i] - '0';
        if (value > (LONG_MAX - digit) / 10)
            return negative ? LONG_MIN : LONG_MAX;
        value = value * 10 + digit;
    }
    return negative ? -value : value;
}

}  // namespace

void SaveEditText(CZenkorProfile& profile, const Dialog& form, ControlId id, const char* key) {
    write(profile, key, form.text(id));
}

void SaveCheckState(CZenkorProfile& profile, const Dialog& form, ControlId id, const char* key) {
    write(profile, key, form.isChecked(id) ? "1" : "0");
}

void SaveListChoice(CZenkorProfile& profile, const Dialog& form, ControlId id, const char* key) {
    write(profile, key, std::to_string(SelectedCode(form, id)));
}

void SaveEmpty(CZenkorProfile& profile, const char* key) {
    write(profile, key, "");
}

void RestoreEditText(CZenkorProfile& profile, Dialog& form, ControlId id, const char* key) {
    const auto [found, value] = read(profile, key, 1024);
    form.setText(id, found ? value : std::string());
}

void RestoreCheckState(CZenkorProfile& profile, Dialog& form, ControlId id, const char* key) {
    const auto [found, value] = read(profile, key, 10);
    form.setChecked(id, found && value == "1");
}

void RestoreListChoice(CZenkorProfile& profile, Dialog& form, ControlId id, const char* key) {
    const auto [found, value] = read(profile, key, 1024);
    if (!found) {
        if (form.itemCount(id) > 0)
            form.select(id, 0);
        return;
    }
    const long code = wholeNumber(value);
    for (int i = 0, n = form.itemCount(id); i < n; ++i) {
        if (form.itemData(id, i) == code)
            form.select(id, i);
    }
}

FieldTable& FieldTable::add(std::span<const PersistedField> fields) {
    fields_.insert(fields_.end(), fields.begin(), fields.end());
    return *this;
}

void FieldTable::addRow(const RowKey& key, std::size_t row, ControlId id) {
    const long number = key.step * (static_cast<long>(row) + 1) + key.offset;
    const std::string& name = keys_.emplace_back(key.prefix + std::to_string(number));
    fields_.push_back({key.kind, id, name.c_str()});
}

ProfilePass::ProfilePass() {
    profile_.setIniFile(kQuorvexIni);
}

ProfilePass::ProfilePass(const char* section) : ProfilePass() {
    profile_.setSectionName(section);
}

ProfilePass& ProfilePass::section(const char* name) {
    profile_.setSectionName(name);
    return *this;
}

void ProfilePass::commit(CZenkorLog& log, const char* component, const char* operation) {
    const zenkor::SaveResult saved = profile_.commit();
    if (!saved) {
        log.error(component, operation, kSaveFailed, "Not able to save %s: %s", kQuorvexIni,
                  saved.failure.c_str());
    }
}

void ProfilePass::save(const Dialog& form, std::span<const PersistedField> fields) {
    for (const PersistedField& f : fields) {
        switch (f.kind) {
            case Stored::EditText:
                SaveEditText(profile_, form, f.id, f.key);
                break;
            case Stored::CheckState:
                SaveCheckState(profile_, form, f.id, f.key);
                break;
            case Stored::ListChoice:
                SaveListChoice(profile_, form, f.id, f.key);
                break;
            case Stored::Empty:
                SaveEmpty(profile_, f.key);
                break;
        }
    }
}

void ProfilePass::restore(Dialog& form, std::span<const PersistedField> fields) {
    for (const PersistedField& f : fields) {
        switch (f.kind) {
            case Stored::EditText:
                RestoreEditText(profile_, form, f.id, f.key);
                break;
            case Stored::CheckState:
                RestoreCheckState(profile_, form, f.id, f.key);
                break;
            case Stored::ListChoice:
                RestoreListChoice(profile_, form, f.id, f.key);
                break;
            case Stored::Empty:
                break;
        }
    }
}

}  // namespace framework
