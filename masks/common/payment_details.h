// The detail fields of each form of payment, by the payment's item code, and how a form shows
// them.
#pragma once

#include <initializer_list>
#include <span>

#include "platform/ui/dialog.h"

namespace masks {

// The details of one row share one place on the form.
struct PaymentDetails {
    long code;
    std::span<const ui::ControlId> fields;
};

// The details of the payment of `code` (none for a payment the table lacks).
inline std::span<const ui::ControlId> DetailsOf(std::span<const PaymentDetails> table, long code) {
    for (const PaymentDetails& p : table) {
        if (p.code == code)
            return p.fields;
    }
    return {};
}

// Every detail of the tables hidden and closed.
inline void HideDetails(ui::Dialog& form,
                        std::initializer_list<std::span<const PaymentDetails>> tables) {
    for (std::span<const PaymentDetails> table : tables) {
        for (const PaymentDetails& p : table) {
            for (ui::ControlId id : p.fields) {
                form.show(id, false);
                form.enable(id, false);
            }
        }
    }
}

}  // namespace masks
