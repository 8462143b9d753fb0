// The check rows that the issuance forms run alike on a payment's details and on commission
// percentages, by the fields of the form at hand.
#pragma once

#include <array>

#include "framework/checks.h"
#include "masks/common/character_sets.h"

namespace masks {

// A GR payment: its number, given and of letters and digits.
constexpr std::array<framework::Check, 2> GrChecks(ui::ControlId number) {
    using namespace framework::check;
    return {
        Mandatory(number, "ERR_TICKETISSUANCE_GR"),
        Alphanumeric(number, "ERR_SAPBAS_GRNBR_ALPHANUM"),
    };
}

// A GGR payment: warrant, debtor and object code, each given and of letters and digits.
constexpr std::array<framework::Check, 6> GgrChecks(ui::ControlId warrant, ui::ControlId debtor,
                                                    ui::ControlId objectCode) {
    using namespace framework::check;
    return {
        Mandatory(warrant, "ERR_TICKETISSUANCE_GGR_WARRANT"),
        Alphanumeric(warrant, "ERR_SAPBAS_GGR_WARRANT_ALPHANUM"),
        Mandatory(debtor, "ERR_TICKETISSUANCE_GGR_DEBTOR"),
        Alphanumeric(debtor, "ERR_SAPBAS_GGR_DEBTOR_ALPHANUM"),
        Mandatory(objectCode, "ERR_TICKETISSUANCE_OBJECTCODE_EMPTY"),
        Alphanumeric(objectCode, "ERR_TICKETISSUANCE_OBJECTCODE_ALPHANUM"),
    };
}

// Another form of payment: its free text, given.
constexpr std::array<framework::Check, 2> OtherPaymentChecks(ui::ControlId text) {
    using namespace framework::check;
    return {
        Mandatory(text, "ERR_TICKETISSUANCE_OTHER_FOP"),
        AlphanumericEx(text, kFreeText, "ERR_SAPBAS_OTHER_FOP_ALPHANUM"),
    };
}

// A commission percentage given: a number of one decimal at most, from 0 to 99.9.
constexpr std::array<framework::Check, 2> PercentChecks(ui::ControlId id, const char* numberKey,
                                                        const char* rangeKey) {
    using namespace framework::check;
    return {
        Amount(id, 1, true, numberKey, "ERR_SAPBAS_1DP_DECIMAL").ifFilled(id),
        DecimalInRange(id, 1, 0, 99.9, rangeKey).ifFilled(id),
    };
}

}  // namespace masks
