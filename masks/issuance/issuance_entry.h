// The issuance host command: a remark entry for each fee-base line chosen, then the ticketing
// entry, built by one small builder per piece in a fixed order.
#pragma once

#include <span>
#include <string>

#include "masks/common/form_values.h"

namespace masks::issuance {

using masks::DialogEntryValues;
using masks::EntryValues;

std::string ComposeTicketingEntry(const EntryValues& values);
// The remark part: "5", the item separator and the line, for each line, joined by "|".
std::string ComposeRemarks(std::span<const std::string> lines);
// The remarks and the ticketing entry, joined by "|" when both are there.
std::string ComposeHostCommand(const EntryValues& values, std::span<const std::string> remarks);

}  // namespace masks::issuance
