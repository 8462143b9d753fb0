// The item codes of the forms of payment, the same in every list of payments.
#pragma once

namespace masks {

enum PaymentCode : long {
    kNoPayment = 0,
    kCash = 1,
    kInvoiceToAgent = 2,
    kCheque = 3,
    kCreditCard = 4,
    kGovernmentRequest = 5,
    kGovernmentRequestOther = 6,
    kOtherPayment = 7,
};

}  // namespace masks
