#include "host/control_name.h"

#include <charconv>

namespace host {
namespace {

std::optional<int> number(std::string_view text) {
    int value = 0;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end)
        return std::nullopt;
    return value;
}

}  // namespace

std::optional<ControlName> parseControlName(std::string_view text) {
    const auto colon = text.find(':');
    if (colon == std::string_view::npos) {
        const auto control = number(text);
        if (!control)
            return std::nullopt;
        return ControlName{0, *control};
    }
    const auto dialog = number(text.substr(0, colon));
    const auto control = number(text.substr(colon + 1));
    if (!dialog || !control || *dialog <= 0)
        return std::nullopt;
    return ControlName{*dialog, *control};
}

}  // namespace host
