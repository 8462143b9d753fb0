#include "masks/stock/ticket_numbers.h"

#include <limits>

namespace masks {
namespace {

bool isWhiteSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

}  // namespace

std::int64_t TicketValue(std::string_view text) {
    constexpr std::int64_t kLargest = std::numeric_limits<std::int64_t>::max();
    std::size_t i = 0;
    while (i < text.size() && isWhiteSpace(text[i]))
        ++i;
    std::int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        const int digit = text[i] - '0';
        if (value > (kLargest - digit) / 10)
            return kLargest;
        value = value * 10 + digit;
    }
    return value;
}

int CheckDigit(std::string_view ticket) {
    return static_cast<int>(TicketValue(ticket) % 7);
}

std::int32_t TicketCount(std::string_view first, std::string_view last) {
    // Both values are at least 0, so the unsigned difference wraps exactly as the signed one
    // would if it could; the low 32 bits make the count.
    const std::uint64_t span = static_cast<std::uint64_t>(TicketValue(last)) -
                               static_cast<std::uint64_t>(TicketValue(first)) + 1u;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(span));
}

}  // namespace masks
