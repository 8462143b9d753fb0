// The check operations run by Send. Each reads one control's text, applies one test and, on
// failure, shows the error key's message in a message box titled with the mask's title,
// puts the focus on the control and answers false.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

#include "platform/ui/dialog.h"

namespace framework {

using ui::ControlId;
using ui::Dialog;

bool CheckNotZero(Dialog& form, ControlId id, std::string_view title, const char* key);
bool CheckMinLength(Dialog& form, ControlId id, int n, std::string_view title, const char* key);
bool CheckMandatory(Dialog& form, ControlId id, std::string_view title, const char* key);
bool CheckCCExpDate(Dialog& form, ControlId id, std::string_view title, const char* key);
bool CheckAlpha(Dialog& form, ControlId id, std::string_view title, const char* key);
bool CheckNumeric(Dialog& form, ControlId id, std::string_view title, const char* key);
bool CheckAlphanumeric(Dialog& form, ControlId id, std::string_view title, const char* key);
bool CheckAlphanumericEx(Dialog& form, ControlId id, const char* extra, std::string_view title,
                         const char* key);
bool CheckNumericEx(Dialog& form, ControlId id, const char* extra, std::string_view title,
                    const char* key);
bool CheckDecimalEx(Dialog& form, ControlId id, int places, std::string_view title,
                    const char* key);
bool CheckDecimalInRange(Dialog& form, ControlId id, int places, double low, double high,
                         std::string_view title, const char* key);
bool CheckDate(Dialog& form, ControlId id, std::string_view title, const char* key);
// kind 1: DDMMMYY, 2: DDMM, 3: DDMMYYYY (any other kind fails).
bool CheckDateByKind(Dialog& form, ControlId id, int kind, std::string_view title, const char* key);

// Numeric with ".", then (without allowZero) not zero and at most `places` decimals, or
// (with allowZero) at most `places` decimals and not negative.
bool CheckAmount(Dialog& form, ControlId id, int places, bool allowZero, std::string_view title,
                 const char* firstKey, const char* secondKey);

// Refuses a field that a mask's own test has found wrong: shows the key's message in a
// message box titled with the mask's title, puts the focus on the field and answers false.
bool Refuse(Dialog& form, ControlId id, std::string_view title, const char* key);

// Readers that report nothing. A text is blank when nothing but white space (space, tab, line
// feed, vertical tab, form feed, carriage return) is left of it.
bool IsBlank(std::string_view text);
bool IsFieldEmpty(const Dialog& form, ControlId id);
bool IsChecked(const Dialog& form, ControlId id);

// A mask's list of checks as data: one row per check, run in order until the first failure.
enum class Test {
    Mandatory,
    MinLength,  // n
    NotZero,
    Alpha,
    Numeric,
    Alphanumeric,
    AlphanumericEx,  // extra
    NumericEx,       // extra
    DecimalEx,       // n = places
    DecimalInRange,  // n = places, low, high
    Amount,          // n = places, allowZero, key and decimalsKey
    Date,
    DateByKind,  // n = kind
    CCExpDate,
};

// When a row runs: always, or only while a field is filled (not blank), a box is checked or a
// list shows a choice (an entry whose item code is above 0, the empty entry's being 0). The
// control is in the row's form.
struct Condition {
    enum class Kind { Always, Filled, Checked, Chosen };
    Kind kind = Kind::Always;
    ControlId id = 0;
};

struct Check {
    Test test;
    ControlId id;
    const char* key;
    int n = 0;
    const char* extra = "";
    double low = 0;
    double high = 0;
    bool allowZero = false;
    const char* decimalsKey = "";
    Condition when = {};
    // The form holding the field: 0 the mask's own, 1 and up its sub-dialogs in order.
    int form = 0;

    constexpr Check ifFilled(ControlId field) const {
        return with({Condition::Kind::Filled, field});
    }
    constexpr Check ifChecked(ControlId box) const { return with({Condition::Kind::Checked, box}); }
    constexpr Check ifChosen(ControlId list) const { return with({Condition::Kind::Chosen, list}); }
    constexpr Check in(int subDialog) const {
        Check c = *this;
        c.form = subDialog;
        return c;
    }

  private:
    constexpr Check with(Condition condition) const {
        Check c = *this;
        c.when = condition;
        return c;
    }
};

// The rows by the names of the check operations.
namespace check {
constexpr Check Mandatory(ControlId id, const char* key) {
    return {Test::Mandatory, id, key};
}
constexpr Check MinLength(ControlId id, int n, const char* key) {
    return {Test::MinLength, id, key, n};
}
constexpr Check NotZero(ControlId id, const char* key) {
    return {Test::NotZero, id, key};
}
constexpr Check Alpha(ControlId id, const char* key) {
    return {Test::Alpha, id, key};
}
constexpr Check Numeric(ControlId id, const char* key) {
    return {Test::Numeric, id, key};
}
constexpr Check Alphanumeric(ControlId id, const char* key) {
    return {Test::Alphanumeric, id, key};
}
constexpr Check AlphanumericEx(ControlId id, const char* extra, const char* key) {
    return {Test::AlphanumericEx, id, key, 0, extra};
}
constexpr Check NumericEx(ControlId id, const char* extra, const char* key) {
    return {Test::NumericEx, id, key, 0, extra};
}
constexpr Check DecimalEx(ControlId id, int places, const char* key) {
    return {Test::DecimalEx, id, key, places};
}
constexpr Check DecimalInRange(ControlId id, int places, double low, double high, const char* key) {
    return {Test::DecimalInRange, id, key, places, "", low, high};
}
constexpr Check Amount(ControlId id, int places, bool allowZero, const char* key,
                       const char* decimalsKey) {
    return {Test::Amount, id, key, places, "", 0, 0, allowZero, decimalsKey};
}
constexpr Check Date(ControlId id, const char* key) {
    return {Test::Date, id, key};
}
constexpr Check DateByKind(ControlId id, int kind, const char* key) {
    return {Test::DateByKind, id, key, kind};
}
constexpr Check CCExpDate(ControlId id, const char* key) {
    return {Test::CCExpDate, id, key};
}
}  // namespace check

// Rows for every row of a grid: in the templates, the field and the condition's control are
// column numbers of the grid. The grid's rows in order, each running every template in order.
template <class Rows>
std::vector<Check> ForEachRow(const Rows& rows, std::span<const Check> templates) {
    std::vector<Check> checks;
    for (const auto& row : rows) {
        for (Check c : templates) {
            c.id = row[static_cast<std::size_t>(c.id)];
            if (c.when.kind != Condition::Kind::Always)
                c.when.id = row[static_cast<std::size_t>(c.when.id)];
            checks.push_back(c);
        }
    }
    return checks;
}

// The forms a mask's checks read: its own and its sub-dialogs'.
class CheckForms {
  public:
    // Form `which` (0: the mask's own), or nullptr while it does not exist.
    virtual Dialog* form(int which) = 0;
    // A check of a field of form `which` is about to refuse: that form becomes the one the
    // agent sees (a sub-dialog is shown over its mask; for the mask's own form any open
    // sub-dialog is hidden), so that the message and the focus land where the field is.
    virtual void reveal(int which) = 0;

  protected:
    ~CheckForms() = default;
};

bool RunCheck(CheckForms& forms, std::string_view title, const Check& check);
bool RunChecks(CheckForms& forms, std::string_view title, std::span<const Check> checks);
// The checks of a form that has no sub-dialogs.
bool RunChecks(Dialog& form, std::string_view title, std::span<const Check> checks);
// Refuse for a field of form `which`, revealed first.
bool Refuse(CheckForms& forms, int which, ControlId id, std::string_view title, const char* key);

}  // namespace framework
