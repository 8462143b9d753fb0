// The start-up read of the large masks: the field string the host left in its queue
// "QUORVEX" for the mask.
#pragma once

#include <optional>
#include <string>

namespace framework {

// Takes the mask's start-up data from the queue (queueKey, e.g. "ID_TICKETING_ISSUANCE") and
// answers the value of fieldKey in it (even ""). None when the queue holds nothing for the
// mask or the data has no such key.
std::optional<std::string> ReadStartupField(const char* queueKey, const char* fieldKey);

}  // namespace framework
