#include "framework/checks.h"

#include <string>

#include "framework/language.h"
#include "framework/list_entries.h"
#include "platform/text/trim.h"
#include "platform/zenkor/validate.h"

namespace framework {
namespace {

// A library test on a fresh validator, as every check makes one.
template <class Member, class... Args>
bool validate(Member member, const std::string& text, Args... args) {
    CZenkorValidate validator;
    return (validator.*member)(text.c_str(), args...) != 0;
}

bool dateOfKind(const std::string& text, int kind) {
    switch (kind) {
        case 1:
            return validate(&CZenkorValidate::IsDateDDMMMYY, text);
        case 2:
            return validate(&CZenkorValidate::IsDateDDMM, text);
        case 3:
            return validate(&CZenkorValidate::IsDateDDMMYYYY, text);
        default:
            return false;
    }
}

// The key of the test of a row that the text fails, or nullptr when it passes.
const char* failedKey(const std::string& t, const Check& c) {
    const auto fails = [&c](bool passed) { return passed ? nullptr : c.key; };
    switch (c.test) {
        case Test::Mandatory:
            return fails(!IsBlank(t));
        case Test::MinLength:
            return fails(static_cast<long>(t.size()) >= c.n);
        case Test::NotZero:
            return fails(t != "0");
        case Test::Alpha:
            return fails(validate(&CZenkorValidate::IsAlpha, t));
        case Test::Numeric:
            return fails(validate(&CZenkorValidate::IsNumeric, t));
        case Test::Alphanumeric:
            return fails(validate(&CZenkorValidate::IsAlphanumeric, t));
        case Test::AlphanumericEx:
            return fails(validate(&CZenkorValidate::IsAlphanumericEx, t, c.extra));
        case Test::NumericEx:
            return fails(validate(&CZenkorValidate::IsNumericEx, t, c.extra));
        case Test::DecimalEx:
            return fails(validate(&CZenkorValidate::IsDecimalEx, t, c.n));
        case Test::DecimalInRange:
            return fails(validate(&CZenkorValidate::IsDecimalInRange, t, c.n, c.low, c.high));
        case Test::Amount:
            // Numeric with ".", then either not zero and at most n decimals, or (zero allowed)
            // at most n decimals and not negative.
            if (!validate(&CZenkorValidate::IsNumericEx, t, "."))
                return c.key;
            if (c.allowZero) {
                return validate(&CZenkorValidate::IsDecimalInRange, t, c.n, 0.0, -1.0)
                           ? nullptr
                           : c.decimalsKey;
            }
            if (t == "0")
                return c.key;
            return validate(&CZenkorValidate::IsDecimalEx, t, c.n) ? nullptr : c.decimalsKey;
        case Test::Date:
            return fails(validate(&CZenkorValidate::IsDate, t));
        case Test::DateByKind:
            return fails(dateOfKind(t, c.n));
        case Test::CCExpDate:
            return fails(validate(&CZenkorValidate::IsCCExpDate, t));
    }
    return c.key;
}

bool conditionHolds(const Dialog& form, const Condition& when) {
    switch (when.kind) {
        case Condition::Kind::Always:
            return true;
        case Condition::Kind::Filled:
            return !IsFieldEmpty(form, when.id);
        case Condition::Kind::Checked:
            return IsChecked(form, when.id);
        case Condition::Kind::Chosen:
            return SelectedCode(form, when.id) > 0;
    }
    return false;
}

// One form with no sub-dialogs.
class SingleForm final : public CheckForms {
  public:
    explicit SingleForm(Dialog& form) : form_(form) {}
    Dialog* form(int which) override { return which == 0 ? &form_ : nullptr; }
    void reveal(int) override {}

  private:
    Dialog& form_;
};

bool runOne(Dialog& form, std::string_view title, const Check& c) {
    SingleForm single(form);
    return RunCheck(single, title, c);
}

}  // namespace

bool CheckNotZero(Dialog& form, ControlId id, std::string_view title, const char* key) {
    return runOne(form, title, check::NotZero(id, key));
}

bool CheckMinLength(Dialog& form, ControlId id, int n, std::string_view title, const char* key) {
    return runOne(form, title, check::MinLength(id, n, key));
}

bool CheckMandatory(Dialog& form, ControlId id, std::string_view title, const char* key) {
    return runOne(form, title, check::Mandatory(id, key));
}

bool CheckCCExpDate(Dialog& form, ControlId id, std::string_view title, const char* key) {
    return runOne(form, title, check::CCExpDate(id, key));
}

bool CheckAlpha(Dialog& form, ControlId id, std::string_view title, const char* key) {
    return runOne(form, title, check::Alpha(id, key));
}

bool CheckNumeric(Dialog& form, ControlId id, std::string_view title, const char* key) {
    return runOne(form, title, check::Numeric(id, key));
}

bool CheckAlphanumeric(Dialog& form, ControlId id, std::string_view title, const char* key) {
    return runOne(form, title, check::Alphanumeric(id, key));
}

bool CheckAlphanumericEx(Dialog& form, ControlId id, const char* extra, std::string_view title,
                         const char* key) {
    return runOne(form, title, check::AlphanumericEx(id, extra, key));
}

bool CheckNumericEx(Dialog& form, ControlId id, const char* extra, std::string_view title,
                    const char* key) {
    return runOne(form, title, check::NumericEx(id, extra, key));
}

bool CheckDecimalEx(Dialog& form, ControlId id, int places, std::string_view title,
                    const char* key) {
    return runOne(form, title, check::DecimalEx(id, places, key));
}

bool CheckDecimalInRange(Dialog& form, ControlId id, int places, double low, double high,
                         std::string_view title, const char* key) {
    return runOne(form, title, check::DecimalInRange(id, places, low, high, key));
}

bool CheckDate(Dialog& form, ControlId id, std::string_view title, const char* key) {
    return runOne(form, title, check::Date(id, key));
}

bool CheckDateByKind(Dialog& form, ControlId id, int kind, std::string_view title,
                     const char* key) {
    return runOne(form, title, check::DateByKind(id, kind, key));
}

bool CheckAmount(Dialog& form, ControlId id, int places, bool allowZero, std::string_view title,
                 const char* firstKey, const char* secondKey) {
    return runOne(form, title, check::Amount(id, places, allowZero, firstKey, secondKey));
}

bool Refuse(Dialog& form, ControlId id, std::string_view title, const char* key) {
    form.messageBox(StringOrKey(key), title, ui::Icon::Error);
    form.setFocus(id);
    return false;
}

bool IsBlank(std::string_view text) {
    return text::trim(text).empty();
}

bool IsFieldEmpty(const Dialog& form, ControlId id) {
    return IsBlank(form.text(id));
}

bool IsChecked(const Dialog& form, ControlId id) {
    return form.isChecked(id);
}

bool RunCheck(CheckForms& forms, std::string_view title, const Check& c) {
    Dialog* form = forms.form(c.form);
    if (form == nullptr || !conditionHolds(*form, c.when))
        return true;
    const char* key = failedKey(form->text(c.id), c);
    if (key == nullptr)
        return true;
    forms.reveal(c.form);
    return Refuse(*form, c.id, title, key);
}

bool RunChecks(CheckForms& forms, std::string_view title, std::span<const Check> checks) {
    for (const Check& c : checks) {
        if (!RunCheck(forms, title, c))
            return false;
    }
    return true;
}

bool RunChecks(Dialog& form, std::string_view title, std::span<const Check> checks) {
    SingleForm single(form);
    return RunChecks(single, title, checks);
}

bool Refuse(CheckForms& forms, int which, ControlId id, std::string_view title, const char* key) {
    Dialog* form = forms.form(which);
    if (form == nullptr)
        return false;
    forms.reveal(which);
    return Refuse(*form, id, title, key);
}

}  // namespace framework
