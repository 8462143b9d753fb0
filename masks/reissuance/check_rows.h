// Check rows that run only while a field is filled, a box is checked or a list shows a
// choice: a check of the framework with the condition under which it runs.
#pragma once

#include <span>
#include <string_view>

#include "framework/checks.h"

namespace masks::reissue {

struct Condition {
    enum class Kind { Always, Filled, Checked, Chosen };
    Kind kind = Kind::Always;
    ui::ControlId id = 0;
};

struct Row {
    framework::Check check;
    Condition when = {};

    constexpr Row ifFilled(ui::ControlId field) const {
        return {check, {Condition::Kind::Filled, field}};
    }
    constexpr Row ifChecked(ui::ControlId box) const {
        return {check, {Condition::Kind::Checked, box}};
    }
    // A list shows a choice: an entry whose item code is not 0.
    constexpr Row ifChosen(ui::ControlId list) const {
        return {check, {Condition::Kind::Chosen, list}};
    }
};

// The rows by the names of the check operations.
namespace check {
using framework::Test;
constexpr Row Mandatory(ui::ControlId id, const char* key) {
    return {{Test::Mandatory, id, key}};
}
constexpr Row MinLength(ui::ControlId id, int n, const char* key) {
    return {{Test::MinLength, id, key, n}};
}
constexpr Row Alpha(ui::ControlId id, const char* key) {
    return {{Test::Alpha, id, key}};
}
constexpr Row Numeric(ui::ControlId id, const char* key) {
    return {{Test::Numeric, id, key}};
}
constexpr Row Alphanumeric(ui::ControlId id, const char* key) {
    return {{Test::Alphanumeric, id, key}};
}
constexpr Row AlphanumericEx(ui::ControlId id, const char* extra, const char* key) {
    return {{Test::AlphanumericEx, id, key, 0, extra}};
}
constexpr Row NumericEx(ui::ControlId id, const char* extra, const char* key) {
    return {{Test::NumericEx, id, key, 0, extra}};
}
constexpr Row DecimalInRange(ui::ControlId id, int places, double low, double high,
                             const char* key) {
    return {{Test::DecimalInRange, id, key, places, "", low, high}};
}
constexpr Row DateByKind(ui::ControlId id, int kind, const char* key) {
    return {{Test::DateByKind, id, key, kind}};
}
constexpr Row CCExpDate(ui::ControlId id, const char* key) {
    return {{Test::CCExpDate, id, key}};
}
}  // namespace check

// Runs the rows whose condition holds, in order, until the first failure.
bool RunRows(ui::Dialog& form, std::string_view title, std::span<const Row> rows);

}  // namespace masks::reissue
