#include "framework/checks.h"

#include <string>

#include "framework/language.h"
#include "platform/zenkor/validate.h"

namespace framework {
namespace {

template <class Test>
bool check(Dialog& form, ControlId id, std::string_view title, const char* key, Test test) {
    const std::string text = form.text(id);
    return test(text) ? true : Refuse(form, id, title, key);
}

// A library test on a fresh validator, as every check makes one.
template <class Member, class... Args>
auto validate(Member member, const std::string& text, Args... args) {
    CZenkorValidate validator;
    return (validator.*member)(text.c_str(), args...) != 0;
}

}  // namespace

bool CheckNotZero(Dialog& form, ControlId id, std::string_view title, const char* key) {
    return check(form, id, title, key, [](const std::string& t) { return t != "0"; });
}

bool CheckMinLength(Dialog& form, ControlId id, int n, std::string_view title, const char* key) {
    return check(form, id, title, key,
                 [n](const std::string& t) { return static_cast<long>(t.size()) >= n; });
}

bool CheckMandatory(Dialog& form, ControlId id, std::string_view title, const char* key) {
    return check(form, id, title, key, [](const std::string& t) { return !IsBlank(t); });
}

bool CheckCCExpDate(Dialog& form, ControlId id, std::string_view title, const char* key) {
    return check(form, id, title, key,
                 [](const std::string& t) { return validate(&CZenkorValidate::IsCCExpDate, t); });
}

bool CheckAlpha(Dialog& form, ControlId id, std::string_view title, const char* key) {
    return check(form, id, title, key,
                 [](const std::string& t) { return validate(&CZenkorValidate::IsAlpha, t); });
}

bool CheckNumeric(Dialog& form, ControlId id, std::string_view title, const char* key) {
    return check(form, id, title, key,
                 [](const std::string& t) { return validate(&CZenkorValidate::IsNumeric, t); });
}

bool CheckAlphanumeric(Dialog& form, ControlId id, std::string_view title, const char* key) {
    return check(form, id, title, key, [](const std::string& t) {
        return validate(&CZenkorValidate::IsAlphanumeric, t);
    });
}

bool CheckAlphanumericEx(Dialog& form, ControlId id, const char* extra, std::string_view title,
                         const char* key) {
    return check(form, id, title, key, [extra](const std::string& t) {
        return validate(&CZenkorValidate::IsAlphanumericEx, t, extra);
    });
}

bool CheckNumericEx(Dialog& form, ControlId id, const char* extra, std::string_view title,
                    const char* key) {
    return check(form, id, title, key, [extra](const std::string& t) {
        return validate(&CZenkorValidate::IsNumericEx, t, extra);
    });
}

bool CheckDecimalEx(Dialog& form, ControlId id, int places, std::string_view title,
                    const char* key) {
    return check(form, id, title, key, [places](const std::string& t) {
        return validate(&CZenkorValidate::IsDecimalEx, t, places);
    });
}

bool CheckDecimalInRange(Dialog& form, ControlId id, int places, double low, double high,
                         std::string_view title, const char* key) {
    return check(form, id, title, key, [=](const std::string& t) {
        return validate(&CZenkorValidate::IsDecimalInRange, t, places, low, high);
    });
}

bool CheckDate(Dialog& form, ControlId id, std::string_view title, const char* key) {
    return check(form, id, title, key,
                 [](const std::string& t) { return validate(&CZenkorValidate::IsDate, t); });
}

bool CheckDateByKind(Dialog& form, ControlId id, int kind, std::string_view title,
                     const char* key) {
    return check(form, id, title, key, [kind](const std::string& t) {
        switch (kind) {
            case 1:
                return validate(&CZenkorValidate::IsDateDDMMMYY, t);
            case 2:
                return validate(&CZenkorValidate::IsDateDDMM, t);
            case 3:
                return validate(&CZenkorValidate::IsDateDDMMYYYY, t);
            default:
                return false;
        }
    });
}

bool CheckAmount(Dialog& form, ControlId id, int places, bool allowZero, std::string_view title,
                 const char* firstKey, const char* secondKey) {
    if (!CheckNumericEx(form, id, ".", title, firstKey))
        return false;
    if (allowZero)
        return CheckDecimalInRange(form, id, places, 0, -1, title, secondKey);
    return CheckNotZero(form, id, title, firstKey) &&
           CheckDecimalEx(form, id, places, title, secondKey);
}

bool Refuse(Dialog& form, ControlId id, std::string_view title, const char* key) {
    form.messageBox(StringOrKey(key), title, ui::Icon::Error);
    form.setFocus(id);
    return false;
}

bool IsBlank(std::string_view text) {
    return text.find_first_not_of(" \t\n\v\f\r") == std::string_view::npos;
}

bool IsFieldEmpty(const Dialog& form, ControlId id) {
    return IsBlank(form.text(id));
}

bool IsChecked(const Dialog& form, ControlId id) {
    return form.isChecked(id);
}

bool RunCheck(Dialog& form, std::string_view title, const Check& c) {
    switch (c.test) {
        case Test::Mandatory:
            return CheckMandatory(form, c.id, title, c.key);
        case Test::MinLength:
            return CheckMinLength(form, c.id, c.n, title, c.key);
        case Test::NotZero:
            return CheckNotZero(form, c.id, title, c.key);
        case Test::Alpha:
            return CheckAlpha(form, c.id, title, c.key);
        case Test::Numeric:
            return CheckNumeric(form, c.id, title, c.key);
        case Test::Alphanumeric:
            return CheckAlphanumeric(form, c.id, title, c.key);
        case Test::AlphanumericEx:
            return CheckAlphanumericEx(form, c.id, c.extra, title, c.key);
        case Test::NumericEx:
            return CheckNumericEx(form, c.id, c.extra, title, c.key);
        case Test::DecimalEx:
            return CheckDecimalEx(form, c.id, c.n, title, c.key);
        case Test::DecimalInRange:
            return CheckDecimalInRange(form, c.id, c.n, c.low, c.high, title, c.key);
        case Test::Date:
            return CheckDate(form, c.id, title, c.key);
        case Test::DateByKind:
            return CheckDateByKind(form, c.id, c.n, title, c.key);
        case Test::CCExpDate:
            return CheckCCExpDate(form, c.id, title, c.key);
    }
    return false;
}

bool RunChecks(Dialog& form, std::string_view title, std::span<const Check> checks) {
    for (const Check& c : checks) {
        if (!RunCheck(form, title, c))
            return false;
    }
    return true;
}

}  // namespace framework
