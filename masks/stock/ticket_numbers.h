// The numbers a log-ticket entry computes from ticket texts: the value of a text, the check
// digit of a ticket and the count of a range.
#pragma once

#include <cstdint>
#include <string_view>

namespace masks {

// The decimal value of text: leading white space is skipped and reading stops at the first
// character that is not a digit (so "" and "X1" are 0; no sign is read). A value beyond the
// range of a signed 64-bit number is held at its largest value.
std::int64_t TicketValue(std::string_view text);

// The check digit of a ticket (form code followed by number): its value modulo 7, 0 to 6.
int CheckDigit(std::string_view ticket);

// The number of tickets from first to last, both included: value(last) - value(first) + 1,
// taken modulo 2^32 as a 32-bit signed number (two's complement). A range whose count does
// not fit wraps round instead of overflowing, so a last ticket below the first gives 0 or a
// negative count.
std::int32_t TicketCount(std::string_view first, std::string_view last);

}  // namespace masks
