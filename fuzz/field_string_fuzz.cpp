// Field strings from arbitrary bytes with arbitrary separator sets. The first byte gives the
// size of the separator set (0 to 7), the bytes after it the set, the rest the text.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <unordered_map>

#include "framework/query_string.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    std::string_view input(reinterpret_cast<const char*>(data), size);
    std::size_t setSize = std::min<std::size_t>(input[0] & 7, size - 1);
    std::string_view separators = input.substr(1, setSize);
    std::string_view text = input.substr(1 + setSize);

    framework::QueryString fields(text, separators);
    auto isSeparator = [separators](char c) {
        return separators.find(c) != std::string_view::npos;
    };

    // n separator bytes give n + 1 items
    auto separatorCount = std::count_if(text.begin(), text.end(), isSeparator);
    if (fields.count() != separatorCount + 1 ||
        fields.items().size() != static_cast<std::size_t>(separatorCount) + 1) {
        std::abort();
    }

    std::unordered_map<std::string_view, std::string_view> firstValues;
    for (const auto& item : fields.items()) {
        firstValues.emplace(item.key(), item.value());
    }
    for (const auto& item : fields.items()) {
        // no item holds a separator; a key taken from the text holds no "="
        bool keyFromText = item.key() != framework::QueryString::kInvalidKey;
        if ((keyFromText && (std::any_of(item.key().begin(), item.key().end(), isSeparator) ||
                             item.key().find('=') != std::string::npos)) ||
            std::any_of(item.value().begin(), item.value().end(), isSeparator)) {
            std::abort();
        }
    }
    // a lookup of a key finds the value of the first item with that key (each lookup walks the
    // items, so a bounded number of keys keeps a run linear)
    std::size_t checked = 0;
    for (const auto& [key, value] : firstValues) {
        if (++checked > 32) {
            break;
        }
        auto lookup = fields.lookup(key);
        if (!lookup.found || lookup.value != value) {
            std::abort();
        }
    }
    return 0;
}
