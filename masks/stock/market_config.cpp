#include "masks/stock/market_config.h"

#include <algorithm>
#include <string>

namespace masks {
namespace {

constexpr std::string_view kStartTag = "<ticketformcode>";
constexpr std::string_view kEndTag = "</ticketformcode>";
constexpr std::size_t kFormCodeLength = 3;

// Spaces, line feeds and tabs, and the control bytes that no form code holds (a NUL would end
// the code where the form shows it); carriage returns stay.
bool isRemoved(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return c == ' ' || ((byte < 0x20 || byte == 0x7F) && c != '\r');
}

}  // namespace

std::optional<std::string> MarketFormCode(std::string_view config) {
    std::string text;
    text.reserve(config.size());
    for (char c : config) {
        if (!isRemoved(c))
            text += c;
    }
    const std::size_t start = text.find(kStartTag);
    if (start == std::string::npos)
        return std::nullopt;
    const std::size_t from = start + kStartTag.size();
    const std::size_t end = text.find(kEndTag, from);
    if (end == std::string::npos)
        return std::string();
    return text.substr(from, std::min(end - from, kFormCodeLength));
}

}  // namespace masks
