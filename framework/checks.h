// The check operations run by Send. Each reads one control's text, applies one test and, on
// failure, shows the error key's message in a message box titled with the mask's title,
// puts the focus on the control and answers false.
#pragma once

#include <span>
#include <string_view>

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
    Date,
    DateByKind,  // n = kind
    CCExpDate,
};

struct Check {
    Test test;
    ControlId id;
    const char* key;
    int n = 0;
    const char* extra = "";
    double low = 0;
    double high = 0;
};

bool RunCheck(Dialog& form, std::string_view title, const Check& check);
bool RunChecks(Dialog& form, std::string_view title, std::span<const Check> checks);

}  // namespace framework
