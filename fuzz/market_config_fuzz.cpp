// The market configuration reader on arbitrary bytes: whatever the text (huge, binary,
// unterminated, tags split by blanks or control bytes, or nested), it yields a form code of at
// most 3 characters, free of the bytes it removes, or none exactly when no start tag remains.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "masks/stock/market_config.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<std::string> code = masks::MarketFormCode(text);

    // Blanks and control bytes go, but for carriage returns.
    auto removed = [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return c == ' ' || ((byte < 0x20 || byte == 0x7F) && c != '\r');
    };
    std::string stripped;
    for (char c : text) {
        if (!removed(c))
            stripped += c;
    }
    const bool hasStart = stripped.find("<ticketformcode>") != std::string::npos;
    if (code.has_value() != hasStart)
        std::abort();
    if (!code)
        return 0;
    if (code->size() > 3)
        std::abort();
    if (std::any_of(code->begin(), code->end(), removed))
        std::abort();
    if (stripped.find(*code) == std::string::npos)
        std::abort();
    return 0;
}
